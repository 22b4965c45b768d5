#pragma once

// The command-line verbs for schools and scripts that need no window. Each
// prints to standard output (faults and the summary) and returns the exit
// code: 0 done, 1 a fault in the bank, 2 a file or argument that cannot be
// used. The rule set is `tepQuyTac` when given, else the one in force on
// `homNay` among rules.json and rules/*.json beside the bank and the one
// built in; a set that ends within 90 days is said on standard error. The
// caller reads the day (and the seed) from the program's seams.

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>

namespace thilaixe {

// --check-bank: a summary (questions per chapter, critical questions,
// pictures, which classes can draw a paper and why not), or every fault.
int lenhKiemTraNganHang(const QString& tepNganHang, const QString& tepQuyTac, const QDate& homNay);

// --draw-paper: one paper of the class as JSON (class, rules, minutes, pass,
// questions, critical); drawn from `hatGiong`, or from `hatNeuKhongCo` when
// none is given.
int lenhRutDe(const QString& tepNganHang, const QString& hang, const QByteArray& hatGiong,
              const QString& tepQuyTac, const QDate& homNay, std::uint64_t hatNeuKhongCo);

struct BoQuyTac;
struct QuyTacHang;
// The class `hang` of the rule set, or nullptr with the line that says so
// (and which classes there are) printed on standard error.
const QuyTacHang* hangHoacBao(const BoQuyTac& bo, const QString& hang);

}  // namespace thilaixe
