#!/usr/bin/env bash
# Builds and runs the benchmarks, then prints one table: each figure beside
# its floor measured in the same run, and their ratio.
#   ./bench.sh                 the whole run
#   ./bench.sh --quick         one short pass of each (what CI runs)
# then the simulation of planning by memory (its tables; a few learners
# with --quick) and the school's server under a lab's load (fewer lab
# computers and a smaller course with --quick).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
THILAIXE_SET=bench "$here/tools/setup.sh" "$here/build" >/dev/null
args=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
[ "${1:-}" = "--quick" ] && args=(--benchmark_min_time=0.01)
raw=$("$here/build/bench/bench_thilaixe" "${args[@]}" 2>/dev/null)
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
# Median (or the single pass) of each benchmark, in milliseconds.
echo "$raw" | awk '
  /^(picture|save|read|rescore|paper|globe_frame|readiness|bank600|import600|paper600|attempt|attempt_held|answer_held|slot45|search600|plan600|readiness600)\// {
    name = $1; t = $2; u = $3
    if (name ~ /_(mean|stddev|cv)$/) next
    sub(/_median$/, "", name)
    ms = (u == "ns") ? t / 1e6 : (u == "us") ? t / 1e3 : (u == "s") ? t * 1e3 : t
    split(name, p, "/"); key = p[1] (p[3] != "" ? "/" p[3] : ""); kind = p[2]
    val[key, kind] = ms; if (!(key in seen)) { seen[key] = 1; order[n++] = key }
  }
  END {
    printf "%-22s %12s %12s %8s\n", "what", "ours (ms)", "floor (ms)", "ratio"
    for (i = 0; i < n; i++) {
      k = order[i]; o = val[k, "ours"]; f = val[k, "floor"]
      if (f != "") printf "%-22s %12.3f %12.3f %8.2f\n", k, o, f, o / f
      else if (k == "globe_frame") printf "%-22s %12.3f %12s %8.2f\n", k, o, "5 (tick)", o / 5
      else printf "%-22s %12.3f %12s %8s\n", k, o, "-", "-"
    }
  }'
# Planning by memory against the other schedulers, on simulated learners.
echo
"$here/build/bench/simulation" ${1:+"$1"}
# A school's server under a lab's load.
echo
"$here/build/bench/lab_bench" ${1:+"$1"}
