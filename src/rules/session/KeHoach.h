#pragma once

#include "rules/databank/NganHangCauHoi.h"
#include "rules/practice/TriNho.h"
#include "rules/store/KhoHocVien.h"

#include <QDate>
#include <QSet>

#include <optional>
#include <vector>

namespace thilaixe {

// One answer of a learner's record.
struct LanTraLoi final {
    qint64 luc;  // the wall clock's time (KhoHocVien::lucDongHo)
    int cau;
    bool dung;
    bool trongBaiThi;  // in a paper, not in practice or study
};
// Every answer of a bank's record in the order given: each kept attempt's
// slots at the attempt's end (its start when it has none; neither: left
// out; a blank is a wrong answer), and each answer of practice and study.
// An answer without a time of its own (a damaged row) is left out.
std::vector<LanTraLoi> cacLanTraLoi(const std::vector<BaiLam>& baiLam,
                                    const std::vector<KhoHocVien::TraLoiDaGhi>& traLoi);

// The memory of every question of a bank (index = question number) from a
// learner's answers: each kept attempt's slots at the attempt's end (its
// start when it has none; neither: left out; a blank is a wrong answer) and
// each answer of practice and study, in the order they were given.
std::vector<trinho::TrangThai> triNhoCacCau(int soCauHoi, const std::vector<BaiLam>& baiLam,
                                            const std::vector<KhoHocVien::TraLoiDaGhi>& traLoi);
std::vector<trinho::TrangThai> triNhoCacCau(int soCauHoi, const std::vector<LanTraLoi>& ds);
// A learner's record of a bank, read from the store.
std::vector<LanTraLoi> lanTraLoiCuaHocVien(KhoHocVien& kho, qint64 hoSo, const QString& nganHang);

// A question is due once its chance of recall falls below this.
constexpr double kMucNho = 0.9;
// Questions a day when the learner sets no limit, and new ones a day when
// no exam day is set.
constexpr int kGioiHanMacDinh = 40;
constexpr int kMoiMoiNgayMacDinh = 20;
// Every question is met at least this many days before the exam day.
constexpr int kGapTruocNgayThi = 7;

// A learner's pace in practice: the median seconds between two answers of
// practice or study given within five minutes of each other; none before
// kItNhatNhip such pairs. Without one, kGiayMoiCauMacDinh.
constexpr int kItNhatNhip = 20;
constexpr int kGiayMoiCauMacDinh = 45;
std::optional<int> giayMoiCau(const std::vector<LanTraLoi>& ds);
// A daily limit in minutes as questions, at `giay` seconds each (one at
// least).
int gioiHanTheoPhut(int phut, int giay);

// Today's plan for a class's pool.
struct KeHoachNgay final {
    std::vector<int> denHan;  // due: critical first, then the least likely recalled
    std::vector<int> moi;     // new today: critical first, then by number
    int soChuaGap = 0;        // questions of the pool never answered
    int soTrongBo = 0;        // questions of the pool
    // The mean chance of recall over the pool on the exam day if nothing
    // more were learned (unset without an exam day).
    std::optional<double> nhoNgayThi;
    // With an exam day: the questions a day (today's already answered
    // included) the limit would need for every question of the pool to be
    // met kGapTruocNgayThi days before it, and whether the limit is short
    // of that.
    int canMoiNgay = 0;
    bool khongKip = false;
    // Today's session: the due questions, then the new ones.
    std::vector<int> phien() const;
};

// `nhom`: the pool (its question numbers); `liet`: its critical questions.
// New questions are spread so that the whole pool is met kGapTruocNgayThi
// days before the exam day (kMoiMoiNgayMacDinh a day without one); due and
// new together stay within `gioiHan`, the due first. What was answered
// today already counts: questions met today against today's share of new
// ones, every question answered today against the limit.
KeHoachNgay lapKeHoach(const std::vector<trinho::TrangThai>& nho, const std::vector<int>& nhom,
                       const QSet<int>& liet, const QDate& homNay, const std::optional<QDate>& ngayThi,
                       int gioiHan);

}  // namespace thilaixe
