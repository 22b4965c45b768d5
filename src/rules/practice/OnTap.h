#pragma once

#include "rules/common/SharedState.h"
#include "rules/practice/LanThi.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
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

// Practice progress: a box per question, and the kept exams already folded in.
struct SoOnTap final {
    std::array<MucOnTap, kSoCauHoi + 1> muc{};  // index 0 unused
    QSet<QByteArray> daGop;                     // keys of the exams folded in

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

    // The file's text, and back. A text that is not such a file, in any
    // part, gives nothing.
    QByteArray vietRa() const;
    static std::optional<SoOnTap> docVao(const QByteArray& noiDung);

    bool operator==(const SoOnTap&) const = default;
};

// Longest practice file read; a real one is a few kilobytes.
constexpr qsizetype kOnTapToiDa = qsizetype{64} * 1024;

// The practice file of a working folder, read and written with the
// history's guarantees (regular file only, atomic replace, lock). Each change
// is applied to the file as it stands inside the lock, so two copies of the
// program practising at once lose none of each other's answers.
class KhoOnTap final {
public:
    enum class TrangThaiDoc { Moi, DaDoc, Hong };

    explicit KhoOnTap(QString tep) : m_tep(std::move(tep)) {}

    // Reads the file. A missing one is a fresh start (Moi); a damaged or
    // unreadable one too, and says so (Hong) until a change replaces it.
    TrangThaiDoc napLai();
    // Applies a change to the file and to the box here. When the file cannot
    // be written the change still holds here, and the reason is in `loi`.
    bool capNhat(const std::function<void(SoOnTap&)>& thayDoi, QString* loi = nullptr);
    // Folds in the kept exams not folded in yet; the file is written only
    // when that changes something.
    bool gopLanThi(const std::vector<LanThi>& ds, QString* loi = nullptr);

    const SoOnTap& so() const { return m_so; }
    const QString& tep() const { return m_tep; }

private:
    QString m_tep;
    SoOnTap m_so;
};

}  // namespace thilaixe
