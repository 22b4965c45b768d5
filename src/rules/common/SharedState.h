#pragma once

#include "rules/common/BoundedArray.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

namespace thilaixe {

constexpr int kSoCau = 30;        // slots on a paper
constexpr int kSoCauHoi = 300;    // questions in the bank
constexpr int kSoLanLuu = 50;     // exams kept in the history file

template <typename T> using SlotArray = BoundedArray<T, kSoCau + 1>;
template <typename T> using QuestionTable = BoundedArray<T, kSoCauHoi + 1>;
template <typename T> using HistoryArray = BoundedArray<T, kSoLanLuu + 1>;

// The program-wide variables of one run. Every form gets the same instance
// from the application object; nothing here survives the run.
struct SharedState final {
    SlotArray<std::int16_t> CH;                       // question drawn per slot
    SlotArray<std::optional<std::int16_t>> TL;        // option chosen per slot
    SlotArray<std::int16_t> DungSai;                  // 1 right, 0 wrong
    QuestionTable<std::int16_t> DapAn;                // answer key
    QuestionTable<std::int16_t> SoPhuongAn;           // option counts
    std::int16_t PhuongAnChon = 0;
    std::optional<std::int16_t> CauHienTai;
    std::optional<double> CHHienTai;
    std::optional<int> Phut;
    std::optional<int> Giay;
    QString HoTen;
    QString SoBaoDanh;
    QString Hang;
    QDate NgayThi;    // start date of the exam (null until Start)
    QTime GioThi;     // time of day the exam ended (null until End)
    HistoryArray<std::optional<QString>> LichSuNg;
    HistoryArray<std::optional<QString>> LichSuCH;
    HistoryArray<std::optional<QString>> LichSuTL;
    SlotArray<std::optional<double>> MangCHDaThi;
    SlotArray<std::optional<double>> MangTLDaThi;
    std::int16_t LanThiChon = 0;
};

} // namespace thilaixe
