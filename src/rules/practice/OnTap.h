#pragma once

#include "rules/common/SharedState.h"
#include "rules/practice/LanThi.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace thilaixe {

// The practice file's name in the working folder.
inline const QString kTepOnTap = QStringLiteral("OnTap.txt");

// A question's practice box.
struct MucOnTap final {
    bool canOn = false;    // in the list of mistakes to practise
    int dungLienTiep = 0;  // right answers in a row since it last went in
    int dung = 0;          // right answers in practice, all told
    int sai = 0;           // wrong answers in practice, all told
    bool operator==(const MucOnTap&) const = default;
};

// Right answers in a row that take a question out of the list.
constexpr int kDungDeXong = 2;
// Practice counters stop here rather than wrap (a learner never gets near).
constexpr int kDemToiDa = 999'999'999;

// What a miss in a kept exam or attempt (wrong or blank) does to its box:
// the question goes (back) into the list with its run of right answers
// reset; its counts stay. The one statement of that rule: folding a
// history, keeping an attempt and showing a held one all apply it.
void boVaoDanhSach(MucOnTap& m);
// The questions a kept exam or attempt missed, slot by slot.
std::vector<int> cauBiSai(const LanThi& l);

// One practice answer on a box: a wrong one restarts the run; a right one
// in the list counts toward kDungDeXong. True when it took the question out.
bool traLoiMuc(MucOnTap& m, bool dung);

// Practice progress of one bank: a box per question, and the kept exams
// already folded in.
struct SoOnTap final {
    SoOnTap() : SoOnTap(kSoCauHoi) {}
    explicit SoOnTap(int soCauHoi) : muc(static_cast<std::size_t>(soCauHoi) + 1) {}

    std::vector<MucOnTap> muc;  // index 0 unused
    QSet<QByteArray> daGop;     // keys of the exams folded in

    int soCauHoi() const { return static_cast<int>(muc.size()) - 1; }
    bool coCau(int cau) const { return cau >= 1 && cau <= soCauHoi(); }
    const MucOnTap& mucCua(int cau) const { return muc[static_cast<std::size_t>(cau)]; }

    // Folds in the exams not folded in yet: every question one of them
    // missed (wrong or unanswered) goes (back) into the list with its run
    // of right answers reset. Keys of exams no longer kept are forgotten.
    // True when anything changed.
    bool gopLanThi(const std::vector<LanThi>& ds);
    // A practice answer. True when it took the question out of the list.
    bool traLoi(int cau, bool dung);
    // The questions to practise: most missed in the kept exams first, then
    // the most recently missed, then by number.
    std::vector<int> danhSach(const std::vector<LanThi>& ds) const;

    // The practice file's text (of the 300-question bank), and back. A text
    // that is not such a file, in any part, gives nothing; Windows line ends
    // are read as plain ones.
    QByteArray vietRa() const;
    static std::optional<SoOnTap> docVao(const QByteArray& noiDung);

    bool operator==(const SoOnTap&) const = default;
};

// Longest practice file read; a real one is a few kilobytes.
constexpr qsizetype kOnTapToiDa = qsizetype{64} * 1024;

}  // namespace thilaixe
