#pragma once

#include "rules/databank/NganHangCauHoi.h"
#include "rules/practice/TienBo.h"
#include "rules/practice/TriNho.h"
#include "rules/session/KeHoach.h"
#include "rules/session/PhienThi.h"

#include <QDate>

#include <optional>
#include <vector>

namespace thilaixe {

// The chance of answering each question right on `ngay` (index = question
// number): for a question met, its recall that day under the memory model,
// and a guess among its options when it is forgotten; for one never met,
// `truoc` (the estimate from the learner's rates of right answers).
std::vector<double> xacSuatTheoTriNho(const NganHang& nh, const std::vector<trinho::TrangThai>& nho,
                                      const std::vector<double>& truoc, const QDate& ngay);

// How well a way of estimating predicted the answers that followed: the
// mean log loss (0 is perfect, ln 2 = 0.69 what always saying 50 % earns)
// and the Brier score (0 is perfect, 0.25 for 50 %).
struct DiemDuBao final {
    double logLoss = 0;
    double brier = 0;
};
// Every answer of a record predicted, before it was given, from the
// answers before it, two ways: from the rates of right answers (each
// question's own, shrunk toward its group's and the learner's, a practice
// answer weighing kTrongSoOnTap) and from the memory of each question (the
// rates for one never met). The first answers of each question are
// predicted alike by both.
struct SoSanhDuBao final {
    std::size_t soTraLoi = 0;
    DiemDuBao tiLe;
    DiemDuBao triNho;
    bool triNhoTotHon() const { return triNho.logLoss < tiLe.logLoss; }
};
// Nothing below this many answers: too few to tell the two apart.
constexpr std::size_t kItNhatDeSoSanh = 50;
std::optional<SoSanhDuBao> soSanhDuBao(const NganHang& nh, const std::vector<LanTraLoi>& ds,
                                       std::size_t itNhat = kItNhatDeSoSanh);

// Both readiness estimates of a class: today's, from the rates (what a
// paper keeps), and the one from memory on the exam day (today without
// one), with how each predicted the learner's answers.
struct HaiUocLuong final {
    std::optional<SanSang> tiLe;    // none before the class's first paper
    std::optional<SanSang> triNho;  // none before the first answer of the bank
    QDate ngay;                     // the day the memory estimate is for
    std::optional<SoSanhDuBao> soSanh;
    // The one to show: memory's once it has predicted better.
    bool theoTriNho() const { return triNho && soSanh && soSanh->triNhoTotHon(); }
};
HaiUocLuong uocLuongHaiCach(const NganHang& nh, const QuyTacHang& q, const HoSoHang& h,
                            const std::vector<LanTraLoi>& ds, const QDate& ngay);

// How sure a readiness figure is, in three steps, from what it rests on:
// the class's papers, the bank's answers, and (when known) how far the
// earlier figures were off (Brier: 0.25 is guessing).
enum class DoTinCay { Thap, Vua, Cao };
DoTinCay doTinCay(std::size_t soBaiThi, std::size_t soTraLoi, std::optional<double> brier);

// The right answers among the last `soGanNhat` answers of each chapter (in
// the bank's order of chapters): (right, answers).
constexpr int kSoGanNhatMoiChuong = 20;
std::vector<std::pair<int, int>> dungGanDayTheoChuong(const NganHang& nh, const std::vector<LanTraLoi>& ds,
                                                      int soGanNhat = kSoGanNhatMoiChuong);

}  // namespace thilaixe
