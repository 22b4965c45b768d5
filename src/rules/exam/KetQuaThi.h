#pragma once

#include "rules/common/SharedState.h"

#include <array>

namespace thilaixe {

// The result of an exam: right answers, the slots that were wrong (or not
// answered, or name no question of the bank) and the verdict.
struct KetQuaThi final {
    int dung = 0;
    std::array<bool, kSoCau + 1> saiTai{};  // index 0 unused
    bool dat = false;                       // more right answers than the class's pass mark
    int sai() const { return kSoCau - dung; }
};

// The exam just taken: right answers as DungSai recorded them, the verdict
// by the pass mark of Hang.
KetQuaThi ketQuaBaiThi(const SharedState& s);

// A kept exam, from its parsed record (MangCHDaThi, MangTLDaThi) against the
// key. The history keeps no class for the verdict, so `dat` stays false.
KetQuaThi ketQuaLanDaThi(const SharedState& s);

}  // namespace thilaixe
