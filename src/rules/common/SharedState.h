#pragma once

#include "rules/common/MangGioiHan.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

namespace thilaixe {

constexpr int kSoCau = 30;      // slots on a paper
constexpr int kSoCauHoi = 300;  // questions in the bank
constexpr int kSoLanLuu = 50;   // exams kept in the history file

template <typename T> using MangTheoCau = MangGioiHan<T, kSoCau + 1>;
template <typename T> using BangCauHoi = MangGioiHan<T, kSoCauHoi + 1>;
template <typename T> using MangLichSu = MangGioiHan<T, kSoLanLuu + 1>;

// The program-wide variables of one run. Every form gets the same instance
// from the application object; nothing here survives the run.
struct SharedState final {
    MangTheoCau<std::int16_t> CH;                 // question drawn per slot (1..300)
    MangTheoCau<std::optional<std::int16_t>> TL;  // option chosen per slot; empty while unanswered
    MangTheoCau<std::int16_t> DungSai;            // verdict of the last choice per slot: 1 right, 0 wrong
    BangCauHoi<std::int16_t> DapAn;               // answer key: the right option of each question
    BangCauHoi<std::int16_t> SoPhuongAn;          // number of options (2..4) of each question
    std::int16_t PhuongAnChon = 0;                // the option just clicked or typed on the exam sheet
    std::optional<std::int16_t> CauHienTai;       // slot shown on the exam sheet or a review
    std::optional<double> CHHienTai;  // question shown for CauHienTai (a double in the past-exam review)
    std::optional<int> Phut;          // countdown: the minutes figure shown
    std::optional<int> Giay;          // countdown: seconds left in all
    QString HoTen;                    // candidate name: always "Thí sinh dự thi" for an exam
    QString SoBaoDanh;                // candidate number as typed (digits, maybe empty)
    QString Hang;                     // licence class: the class field in upper case
    QDate NgayThi;                    // start date of the exam (null until Start)
    QTime GioThi;                     // time of day the exam ended (null until End)
    MangLichSu<std::optional<QString>> LichSuNg;     // per history record: its "Ng: " line after "Ng:"
    MangLichSu<std::optional<QString>> LichSuCH;     // per history record: its "CH: " line after "CH:"
    MangLichSu<std::optional<QString>> LichSuTL;     // per history record: its "TL: " line after "TL:"
    MangTheoCau<std::optional<double>> MangCHDaThi;  // questions of the kept exam under review, parsed
    MangTheoCau<std::optional<double>>
        MangTLDaThi;              // answers of the kept exam under review, parsed (0: none)
    std::int16_t LanThiChon = 0;  // history record (1..50) under review
};

}  // namespace thilaixe
