#pragma once

#include <QByteArray>
#include <QString>

namespace thilaixe {

// The sample of the 600-question bank in force since June 2025: its real
// structure (six chapters, 60 critical questions, pools for A1 and A — 250
// questions, 20 of them critical — and for B1 — 300), with texts and
// pictures that say plainly they are samples, not exam content.
QByteArray taoNganHangMau2025();

// Writes it into a folder: bank.json and images/NNN.png for the questions
// that have a picture. False, with a reason, when it cannot be written.
bool veNganHangMau2025(const QString& thuMuc, QString* loi = nullptr);

// Whether sample question n is critical, and its pools (for the tests).
bool laDiemLietMau(int n);

}  // namespace thilaixe
