#pragma once

#include "rules/bank/HangGiayPhep.h"
#include "rules/bank/NgauNhien.h"
#include "rules/practice/LanThi.h"
#include "rules/practice/OnTap.h"

#include <array>
#include <utility>
#include <vector>

namespace thilaixe {

// The bank's three sections: theory 1-150, signs 151-250, situations 251-300.
struct PhanNganHang final {
    int dau;
    int cuoi;
};
inline constexpr std::array<PhanNganHang, 3> kCacPhan{{{1, 150}, {151, 250}, {251, 300}}};
int phanCua(int cau);  // 0, 1 or 2

// A kept exam's score against the fewest right answers its class passes
// with (-1: class unknown).
struct DiemLanThi final {
    int dung;
    int canDeDat;
    bool dat;
};

// What the progress window shows.
struct TienBo final {
    std::vector<DiemLanThi> diem;                   // every kept exam, oldest first
    int soGanDay = 0;                               // the last ten exams, or fewer
    int datGanDay = 0;                              // passes among them
    std::vector<std::pair<int, int>> saiNhieuNhat;  // (question, misses): the ten most missed
    std::array<int, 3> daGap{};                     // questions met in exams or practice, per section
};
TienBo tinhTienBo(const std::vector<LanThi>& ds, const SoOnTap& so);

// A practice answer counts for this much of an exam answer: it comes
// minutes after the key was shown.
constexpr double kTrongSoOnTap = 0.5;
// An exam weighs this much of the next newer one: the estimate follows the
// learner's recent form more than their first attempts.
constexpr double kGiamTheoLan = 0.8;
// How many answers' worth the section's rate weighs in a question's estimate.
constexpr double kDoCo = 3.0;

// The chance of answering each question right: its own record (exams, newer
// ones weighing more, and practice at kTrongSoOnTap), shrunk toward its
// section's rate, which is itself shrunk toward the learner's overall rate.
// Index 0 unused.
std::array<double, kSoCauHoi + 1> xacSuatDung(const std::vector<LanThi>& ds, const SoOnTap& so);

struct SanSang final {
    double xacSuat = 0;  // chance of passing the next exam, 0..1
    int soLanThi = 0;    // kept exams it rests on
    int soDe = 0;        // papers drawn
};
// The chance of passing the next exam of `hang`: `soDe` papers drawn with
// the real paper rule, each scored exactly (the chance of more right answers
// than the pass mark, from the per-question chances), averaged.
SanSang uocLuongSanSang(const std::vector<LanThi>& ds, const SoOnTap& so, const HangGiayPhep& hang,
                        NguonNgauNhien& nguon, int soDe = 2000);

}  // namespace thilaixe
