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
// program practising at once lose none of each other's answers. A change
// that cannot be written holds here and is written, in order, with the next
// write that succeeds: nothing practised is lost to a full disk for a while.
class KhoOnTap final {
public:
    enum class TrangThaiDoc { Moi, DaDoc, Hong };
    // A change of the practice boxes; it is kept, and may run again on the
    // file as it stands later, so it holds its values, not references.
    using ThayDoi = std::function<void(SoOnTap&)>;

    explicit KhoOnTap(QString tep) : m_tep(std::move(tep)) {}

    // Reads the file. A missing one is a fresh start (Moi); a damaged or
    // unreadable one too, and says so (Hong) until a change replaces it.
    // Changes not written yet still hold.
    TrangThaiDoc napLai();
    // Applies a change to the file and to the boxes here. When the file
    // cannot be written the change still holds here, waits for the next
    // write, and the reason is in `loi`.
    bool capNhat(ThayDoi thayDoi, QString* loi = nullptr);
    // One practice answer; `roi` tells whether it took the question out.
    bool traLoi(int cau, bool dung, bool* roi = nullptr, QString* loi = nullptr);
    // Folds in the exams of a history read whole and not folded in yet; the
    // file is written only when that changes something or changes wait.
    // Call it only with a history read whole: an unreadable one is no
    // reason to forget the exams already folded in.
    bool gopLanThi(const std::vector<LanThi>& ds, QString* loi = nullptr);

    const SoOnTap& so() const { return m_so; }
    const QString& tep() const { return m_tep; }
    // Changes that hold here but are not in the file yet.
    std::size_t soChoGhi() const { return m_choGhi.size(); }

private:
    QString m_tep;
    SoOnTap m_so;
    std::vector<ThayDoi> m_choGhi;
};

}  // namespace thilaixe
