#pragma once

#include "rules/common/SharedState.h"
#include "rules/history/LichSuThi.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace thilaixe {

// One kept exam as the learning features see it.
struct LanThi final {
    QString hang;                                // class from its "Ng:" line; empty when unreadable
    std::array<std::int16_t, kSoCau + 1> cau{};  // question of each slot 1..30; 0: not a question of the bank
    std::array<bool, kSoCau + 1> dung{};         // slot answered right
    int soDung = 0;
    QByteArray khoa;  // names the record: a digest of its three lines
};

// The kept exams of a read history (LichSuNg, LichSuCH, LichSuTL), oldest
// first; records with no "CH:" line are left out.
std::vector<LanThi> cacLanThi(const SharedState& s);

// Misses per question in kept exams (wrong or unanswered), and the newest
// exam that missed it (1 + its index in the list; 0: never missed).
struct CauSai final {
    std::array<int, kSoCauHoi + 1> soLan{};
    std::array<int, kSoCauHoi + 1> lanCuoi{};
};
CauSai demCauSai(const std::vector<LanThi>& ds);

// The history as the learning features read it: its exams, oldest first,
// whether it was read whole, and if not, why (in Vietnamese).
struct LichSuDaDoc final {
    std::vector<LanThi> lanThi;
    KetQuaDoc trangThai = KetQuaDoc::ThieuTep;
    QString lyDo;
    bool daDoc() const { return trangThai == KetQuaDoc::DaDoc; }
};

// Reads the history file on its own (the shared state is not touched). A
// missing or unreadable file gives no exam.
LichSuDaDoc docLichSu(const QString& tep);
inline std::vector<LanThi> docCacLanThi(const QString& tep) { return docLichSu(tep).lanThi; }

// The class named in an "Ng:" line ("... (Hạng B2)"), or empty.
QString hangTrongDong(const QString& ng);

}  // namespace thilaixe
