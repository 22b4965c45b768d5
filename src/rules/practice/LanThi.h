#pragma once

#include "rules/common/SharedState.h"
#include "rules/history/LichSuThi.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace thilaixe {

// One kept exam or attempt as the learning features see it, of any bank.
// Slots count from 1 (index 0 unused).
struct LanThi final {
    QString hang;                // class; empty when unknown
    std::vector<int> cau;        // question of each slot; 0: not a question of the bank
    std::vector<bool> dung;      // slot answered right
    std::vector<bool> diemLiet;  // slot holds a critical question
    int soDung = 0;
    int canDeDat = -1;  // fewest right answers that pass; -1: class unknown
    bool dat = false;   // passed (the critical rule included)
    QByteArray khoa;    // names the record: for a history record, a digest of its three lines

    int soCau() const { return cau.empty() ? 0 : static_cast<int>(cau.size()) - 1; }
};

// The kept exams of a read history (LichSuNg, LichSuCH, LichSuTL), oldest
// first; records with no "CH:" line are left out.
std::vector<LanThi> cacLanThi(const SharedState& s);

// Misses per question in kept exams (wrong or unanswered), and the newest
// exam that missed it (1 + its index in the list; 0: never missed), for a
// bank of `soCauHoi` questions (index 0 unused).
struct CauSai final {
    std::vector<int> soLan;
    std::vector<int> lanCuoi;
};
CauSai demCauSai(const std::vector<LanThi>& ds, int soCauHoi = kSoCauHoi);

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
