#pragma once

// One store for everything a learner does beyond the classic exam's record:
// attempts at data banks, practice per bank and question, learner profiles
// and their settings, the days critical questions were answered right.
// KhoHocVien is what the program asks of it; KhoSqlite keeps it in an
// SQLite file in the working folder. Every implementation passes the same
// conformance suite (tests/rules/store/test_kho_conformance.cpp).

#include "rules/practice/OnTap.h"
#include "rules/store/ThayDoi.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlError;

namespace thilaixe {

class KhoTruong;

inline const QString kTepKho = QStringLiteral("thilaixe.sqlite");
// The schema this program writes (PRAGMA user_version); an older store is
// brought up to it step by step, a newer one is never written.
constexpr int kPhienBanKho = 5;
// PRAGMA application_id: "TLXE", so another program's database is told apart.
constexpr int kMaUngDungKho = 0x544C5845;
// How long opening the store waits for another copy of the program holding
// it (a command-line verb may wait that long).
constexpr int kChoKhoMs = 10000;
// How long a write from a window waits: a window never stalls longer. A
// write that cannot be made in that time is held and written later.
constexpr int kChoGhiCuaSoMs = 150;

struct HoSo final {
    qint64 id = 0;
    QString ten;
};

// What the program keeps of its learners, wherever it is kept. A write that
// cannot be made now is held and written before the next one (held changes
// can also be saved to a file and imported back); nothing a learner did is
// dropped without a word.
class KhoHocVien {
public:
    // The profile every learner has without a step.
    static constexpr qint64 kHoSoMacDinh = 1;

    virtual ~KhoHocVien() = default;

    // The school's part, on a school's server; none on a home computer.
    virtual KhoTruong* truong() { return nullptr; }

    // Where it is kept, as a learner is told it (a file's path).
    virtual const QString& tep() const = 0;
    // What the learner must be told about opening it; empty when all is well.
    virtual const QString& canhBao() const = 0;
    // Kept for this run only: nothing will be there next time.
    virtual bool trongBoNho() const = 0;
    // A note for the learner about older data met at opening (imported, or
    // unreadable and kept aside); empty when none.
    virtual const QString& thongBaoNhap() const = 0;
    // What a learner is told when a write could not be made (the change is
    // held): where, why, and that nothing is lost.
    virtual QString thongBaoLoiGhi(const QString& lyDo) const;

    // Profiles, the default first; a name already there gives its id.
    virtual std::vector<HoSo> cacHoSo() = 0;
    virtual std::optional<qint64> themHoSo(const QString& ten, QString* loi = nullptr) = 0;

    // A learner's settings, each of its type. Defaults: the desktop's theme,
    // the countdown's sound on, options shuffled in practice, class B.
    int giaoDien(qint64 hoSo);  // 0 the desktop's, 1 light, 2 dark, 3 high contrast
    bool datGiaoDien(qint64 hoSo, int giaoDien, QString* loi = nullptr);
    bool amBao(qint64 hoSo);
    bool datAmBao(qint64 hoSo, bool bat, QString* loi = nullptr);
    bool daoPhuongAn(qint64 hoSo);
    bool datDaoPhuongAn(qint64 hoSo, bool bat, QString* loi = nullptr);
    // The day the learner sits the real exam, when they know it: papers,
    // readiness and the plan follow the rule set in force that day.
    std::optional<QDate> ngayThi(qint64 hoSo);
    bool datNgayThi(qint64 hoSo, const std::optional<QDate>& ngay, QString* loi = nullptr);
    // The most questions a day "Hôm nay" gives (kGioiHanMacDinh unless set).
    int gioiHanNgay(qint64 hoSo);
    bool datGioiHanNgay(qint64 hoSo, int soCau, QString* loi = nullptr);
    // Whether that limit is in minutes rather than questions.
    bool gioiHanTheoPhut(qint64 hoSo);
    bool datGioiHanTheoPhut(qint64 hoSo, bool theoPhut, QString* loi = nullptr);
    // The questions a learner saved of a bank, by number.
    std::vector<int> cauDaLuu(qint64 hoSo, const QString& nganHang);
    bool datCauDaLuu(qint64 hoSo, const QString& nganHang, std::vector<int> cau, QString* loi = nullptr);
    // Steps of the question's text size from the desktop's (-3 to 12, each
    // an eighth larger), 0 by default.
    int coChu(qint64 hoSo);
    bool datCoChu(qint64 hoSo, int buoc, QString* loi = nullptr);
    // The size a learner left a window at (`cuaSo`: the window's name), or
    // an invalid size when none is kept.
    QSize coCuaSo(qint64 hoSo, const QString& cuaSo);
    bool datCoCuaSo(qint64 hoSo, const QString& cuaSo, const QSize& co, QString* loi = nullptr);
    QString hangDaChon(qint64 hoSo, const QString& nganHang);
    bool datHangDaChon(qint64 hoSo, const QString& nganHang, const QString& hang, QString* loi = nullptr);
    // The school's server chosen on a home (a libpq connection string),
    // used from the next start; empty: none.
    QString mayChuTruong();
    // The setting's key (read also without opening a store).
    static inline const QString kKhoaMayChuTruong = QStringLiteral("school_server");
    bool datMayChuTruong(const QString& chuoi, QString* loi = nullptr);
    // The learner chosen last on a home (the default one if that is gone).
    qint64 hoSoDangHoc();
    bool datHoSoDangHoc(qint64 hoSo, QString* loi = nullptr);

    // The practice boxes of a bank of `soCauHoi` questions as the store has
    // them now, with the changes still waiting to be written.
    virtual SoOnTap docOnTap(qint64 hoSo, const QString& nganHang, int soCauHoi) = 0;
    // One practice answer, applied to the box as it stands in the store.
    // `sau` is the box after it; `roi` whether it took the question out.
    virtual bool traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung,
                             MucOnTap* sau = nullptr, bool* roi = nullptr, QString* loi = nullptr) = 0;
    // Folds in kept exams of the classic history (by their keys), as
    // SoOnTap::gopLanThi does. Only with a history read whole.
    virtual bool gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                           QString* loi = nullptr) = 0;

    // Keeps an attempt and, with it, puts every question it missed into the
    // bank's practice list (one change: both or neither). The id, or nothing
    // with the reason in `loi` (the attempt is then held).
    virtual std::optional<qint64> luuBaiLam(const BaiLam& b, QString* loi = nullptr) = 0;
    // Kept attempts, oldest first; of one profile and one bank when given.
    virtual std::vector<BaiLam> cacBaiLam(std::optional<qint64> hoSo = std::nullopt,
                                          const QString& nganHang = {}) = 0;

    // A critical question answered right in practice on `ngay`.
    virtual bool ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                                 QString* loi = nullptr) = 0;
    // Per critical question, the days it was answered right on.
    virtual QHash<int, int> soNgayDungDiemLiet(qint64 hoSo, const QString& nganHang) = 0;

    // Every answer given in practice or in study (a paper's are its
    // attempt's), for the memory of each question: when, and right or not.
    struct TraLoiDaGhi final {
        int cau = 0;
        qint64 luc = 0;  // the wall clock's time (lucDongHo)
        bool dung = false;
    };
    // A time as the learner's clock showed it, in seconds (its day is
    // ngayCua): read back without any time-zone arithmetic.
    // 0 for a time that is not one.
    static qint64 lucDongHo(const QDateTime& t)
    {
        return t.isValid() ? t.date().toJulianDay() * 86400 + t.time().msecsSinceStartOfDay() / 1000 : 0;
    }
    static QDate ngayCua(qint64 luc) { return QDate::fromJulianDay(luc / 86400); }
    virtual bool ghiTraLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, const QDateTime& luc,
                           QString* loi = nullptr) = 0;
    // Oldest first, with those still waiting to be written.
    virtual std::vector<TraLoiDaGhi> cacTraLoi(qint64 hoSo, const QString& nganHang) = 0;

    // Every practice box kept, of one bank when given: (profile, bank,
    // question, box), by profile, bank and question.
    struct DongOnTap final {
        qint64 hoSo;
        QString nganHang;
        int cau;
        MucOnTap muc;
    };
    virtual std::vector<DongOnTap> tatCaOnTap(const QString& nganHang = {}) = 0;

    // Changes held because they could not be written yet; each write that
    // succeeds writes them first, in order, in the same transaction.
    virtual std::size_t soChoGhi() const = 0;
    // Writes the held changes now; true when none is left held. `moLai`:
    // the learner asked to try again, so a store file that was lost or
    // could not be used is opened afresh under its name first.
    virtual bool thuGhiLai(QString* loi = nullptr, bool moLai = false) = 0;
    // Why the last write failed, as the learner is told it.
    virtual const QString& lyDoChoGhi() const = 0;
    // The held changes themselves, oldest first.
    virtual std::vector<ThayDoi> cacChoGhi() const = 0;
    // What is held, for a person: "1 bài thi, 7 câu trả lời khi ôn".
    QString moTaChoGhi() const;
    // The held changes as a file (vietTepChoGhi) that --import writes back.
    QByteArray xuatChoGhi() const;
    // Saves them to `tep` (replaced whole, or left as it was).
    bool luuChoGhiRaTep(const QString& tep, QString* loi) const;
    // Writes changes read back from such a file (checked and scored again
    // by the caller) in one transaction, all or nothing, each id at most
    // once: how many were new and how many had been written before, or
    // nothing with the reason in `loi`.
    struct KetQuaNhap final {
        int moi = 0, daCo = 0;
    };
    virtual std::optional<KetQuaNhap> nhapThayDoi(const std::vector<ThayDoi>& ds, QString* loi) = 0;
    // How long a write waits for another copy holding the store.
    virtual void datThoiGianCho(int ms) = 0;

    // How many held changes are a lot: at that count the learner is asked
    // to save them to a file (nothing is dropped at any count).
    static constexpr std::size_t kChoGhiNhieu = 10000;

protected:
    KhoHocVien() = default;
    KhoHocVien(const KhoHocVien&) = delete;
    KhoHocVien& operator=(const KhoHocVien&) = delete;

    // Settings are kept as text under a key; the typed accessors above are
    // their only users, and the keys are theirs.
    virtual QString caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh) = 0;
    virtual bool datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi) = 0;
};

// The message for a failed write of the store, naming it and the reason.
QString loiGhiKho(const QString& tep, const QString& lyDo);

}  // namespace thilaixe
