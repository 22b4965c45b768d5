#pragma once

#include "rules/bank/NgauNhien.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/practice/LanThi.h"
#include "rules/practice/OnTap.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace thilaixe {

// A kept exam's score against the fewest right answers its class passes
// with (-1: class unknown).
struct DiemLanThi final {
    int dung;
    int canDeDat;
    bool dat;
};

// What the progress window shows, for any bank.
struct TienBo final {
    std::vector<DiemLanThi> diem;                   // every kept exam, oldest first
    int soGanDay = 0;                               // the last ten exams, or fewer
    int datGanDay = 0;                              // passes among them
    std::vector<std::pair<int, int>> saiNhieuNhat;  // (question, misses): the ten most missed
    std::vector<int> daGap;                         // questions met anywhere, per chapter
};
// `gapKhac`: questions answered elsewhere (today's plan, study, drills):
// they count as met as an exam's or a practice box's do.
TienBo tinhTienBo(const NganHang& nh, const std::vector<LanThi>& ds, const SoOnTap& onTap,
                  const std::vector<int>& gapKhac = {});

// A practice answer counts for this much of an exam answer: it comes
// minutes after the key was shown.
constexpr double kTrongSoOnTap = 0.5;
// An exam weighs this much of the next newer one: the estimate follows the
// learner's recent form more than their first attempts.
constexpr double kGiamTheoLan = 0.8;
// How many answers' worth the chapter's rate weighs in a question's estimate.
constexpr double kDoCo = 3.0;

// The chance of answering each question right: its own record (exams, newer
// ones weighing more, and practice at kTrongSoOnTap), shrunk toward its
// chapter's rate (the critical questions count as a chapter of their own),
// which is itself shrunk toward the learner's overall rate.
// Index 0 unused.
std::vector<double> xacSuatDung(const NganHang& nh, const std::vector<LanThi>& ds, const SoOnTap& onTap);
// The group each question's estimate is shrunk toward (index = question
// number, -1: none): its chapter's place in the bank's list, or, for a
// critical question, one group after the chapters. `soNhom` gets the count.
std::vector<int> nhomUocLuong(const NganHang& nh, std::size_t* soNhom);

struct SanSang final {
    double xacSuat = 0;      // chance of passing the next paper, 0..1
    double xacSuatLiet = 0;  // chance of failing it on a critical question, 0..1
    int soLanThi = 0;        // kept exams it rests on
    int soDe = 0;            // papers drawn
};
// The chance of passing the next paper of class `q`: `soDe` papers drawn
// with the class's paper rule, each scored exactly (every critical question
// right, and enough right answers in all, from the per-question chances),
// averaged.
SanSang uocLuongSanSang(const NganHang& nh, const QuyTacHang& q, const std::vector<LanThi>& ds,
                        const SoOnTap& onTap, BoSinhSo& rng, int soDe = 2000);
// The same from any chance of answering each question right (index =
// question number); `soLanThi` is left 0.
SanSang sanSangTuXacSuat(const NganHang& nh, const QuyTacHang& q, const std::vector<double>& p, BoSinhSo& rng,
                         int soDe);

// The readiness the learner is shown before a paper of class `q`, and so
// the one kept with it: none before the first paper of the class (there is
// nothing to rest on), else a fixed draw of kSoDeHienThi papers, so that
// the progress window and the paper see the same figure.
constexpr int kSoDeHienThi = 1000;
std::optional<SanSang> sanSangHienThi(const NganHang& nh, const QuyTacHang& q, const std::vector<LanThi>& ds,
                                      const SoOnTap& onTap);

// The Brier score of predictions against what happened: the mean squared
// difference of each chance and 1 (it happened) or 0; 0 is perfect, 0.25
// is what always saying 50 % earns. Nothing below `itNhat` predictions.
std::optional<double> diemBrier(const std::vector<std::pair<double, bool>>& duDoan, std::size_t itNhat = 5);

}  // namespace thilaixe
