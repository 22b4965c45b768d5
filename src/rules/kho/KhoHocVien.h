#pragma once

// One store for everything a learner does beyond the classic exam's record:
// attempts at data banks, practice per bank and question, learner profiles
// and their settings. An SQLite file in the working folder, written in
// transactions (WAL, full sync), shared safely by several copies of the
// program at once.

#include "rules/practice/LanThi.h"
#include "rules/practice/OnTap.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlError;

namespace thilaixe {

inline const QString kTepKho = QStringLiteral("thilaixe.sqlite");
// The schema this program writes (PRAGMA user_version); an older store is
// brought up to it step by step, a newer one is never written.
constexpr int kPhienBanKho = 2;
// PRAGMA application_id: "TLXE", so another program's database is told apart.
constexpr int kMaUngDungKho = 0x544C5845;
// How long opening the store waits for another copy of the program holding
// it (a command-line verb may wait that long).
constexpr int kChoKhoMs = 10000;
// How long a write from a window waits: a window never stalls longer. A
// write that cannot be made in that time is held and written later.
constexpr int kChoGhiCuaSoMs = 150;
// The format of a file of held changes (--import reads it back).
inline const QString kDangChoGhi = QStringLiteral("thilaixe-held/1");

struct HoSo final {
    qint64 id = 0;
    QString ten;
};

// One attempt at a data bank's paper, as kept. Slots count from 0.
struct BaiLam final {
    qint64 id = 0;  // given when kept
    qint64 hoSo = 1;
    QString nganHang, phienBan, quyTac, hang;
    QDateTime batDau, ketThuc;
    std::vector<int> cau;     // question of each slot
    std::vector<int> traLoi;  // option chosen (0: blank)
    std::vector<int> dapAn;   // the key of each slot
    std::vector<bool> diemLiet;
    int canDeDat = 0;
    // The readiness shown before it was sat (chance of passing, chance of
    // failing on a critical question), kept to check the estimate later.
    std::optional<std::pair<double, double>> duDoan;

    int soDung() const;
    // Critical questions answered wrong or left blank.
    std::vector<int> diemLietSai() const;
    bool dat() const { return soDung() >= canDeDat && diemLietSai().empty(); }
    // As the learning features see it.
    LanThi lanThi() const;
};

// An attempt as JSON (as --export prints it and a file of held changes keeps
// it): times to the second, or to the millisecond when `msGiay`.
QJsonObject baiLamJson(const BaiLam& b, bool msGiay = false);
// Back from that JSON; empty when it is not an attempt.
std::optional<BaiLam> baiLamTuJson(const QJsonObject& o);

class KhoHocVien final {
public:
    // The profile every learner has without a step.
    static constexpr qint64 kHoSoMacDinh = 1;

    enum class CheDo { Ghi, ChiDoc };
    // Opens the store, creating it. It always opens: a file that is not a
    // store of this program (damaged, or another program's) is moved aside
    // under a name given in canhBao() and a fresh store begins; a file that
    // cannot be used at all (a link, a newer program's store, a folder one
    // cannot write in) leaves the store in memory for this run, and
    // canhBao() says that nothing will be kept. ChiDoc never changes the
    // file and never moves it: it is empty when the file cannot be read.
    explicit KhoHocVien(QString tep, CheDo cheDo = CheDo::Ghi, int choMs = kChoKhoMs);
    ~KhoHocVien();
    KhoHocVien(const KhoHocVien&) = delete;
    KhoHocVien& operator=(const KhoHocVien&) = delete;

    const QString& tep() const { return m_tep; }
    // What the learner must be told about opening it; empty when all is well.
    const QString& canhBao() const { return m_canhBao; }
    bool trongBoNho() const { return m_trongBoNho; }

    // Profiles, the default first.
    std::vector<HoSo> cacHoSo();
    std::optional<qint64> themHoSo(const QString& ten, QString* loi = nullptr);
    QString caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh = {});
    bool datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi = nullptr);

    // The practice boxes of a bank of `soCauHoi` questions as the store has
    // them now, with the changes still waiting to be written.
    SoOnTap docOnTap(qint64 hoSo, const QString& nganHang, int soCauHoi);
    // One practice answer, applied to the box as it stands in the store.
    // `sau` is the box after it; `roi` whether it took the question out.
    bool traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung, MucOnTap* sau = nullptr,
                     bool* roi = nullptr, QString* loi = nullptr);
    // Folds in kept exams of the classic history (by their keys), as
    // SoOnTap::gopLanThi does. Only with a history read whole.
    bool gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                   QString* loi = nullptr);

    // Keeps an attempt, and in the same transaction puts every question it
    // missed into the bank's practice list. The id, or nothing with the
    // reason in `loi` (the attempt then waits for the next write).
    std::optional<qint64> luuBaiLam(const BaiLam& b, QString* loi = nullptr);
    // Kept attempts, oldest first; of one profile and one bank when given.
    std::vector<BaiLam> cacBaiLam(std::optional<qint64> hoSo = std::nullopt, const QString& nganHang = {});

    // A critical question answered right in practice on `ngay`; it is
    // mastered once that has happened on two days or more.
    bool ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                         QString* loi = nullptr);
    // Per critical question, the days it was answered right on.
    QHash<int, int> soNgayDungDiemLiet(qint64 hoSo, const QString& nganHang);

    // Every practice box kept, of one bank when given: (profile, bank,
    // question, box), by profile, bank and question.
    struct DongOnTap final {
        qint64 hoSo;
        QString nganHang;
        int cau;
        MucOnTap muc;
    };
    std::vector<DongOnTap> tatCaOnTap(const QString& nganHang = {});

    // Changes held because they could not be written yet; each write that
    // succeeds writes them first, in order.
    std::size_t soChoGhi() const { return m_choGhi.size(); }
    // Writes the held changes now; true when none is left held.
    bool thuGhiLai(QString* loi = nullptr);
    // Why the last write failed, as the learner is told it.
    const QString& lyDoChoGhi() const { return m_lyDoCho; }
    // What is held, for a person: "1 bài thi, 7 câu trả lời khi ôn".
    QString moTaChoGhi() const;
    // The held changes as a file (kDangChoGhi) that importFile() writes back.
    QByteArray xuatChoGhi() const;
    // Saves them to `tep` (replaced whole, or left as it was).
    bool luuChoGhiRaTep(const QString& tep, QString* loi) const;
    // Writes a file of held changes into the store, all or nothing, once:
    // a file already imported is refused. The count of changes written, or
    // nothing with the reason in `loi`.
    std::optional<int> nhapChoGhi(const QByteArray& noiDung, QString* loi);
    // How long a write waits for another copy holding the store.
    void datThoiGianCho(int ms);

    // A note for the learner about the old practice file met at opening
    // (imported, or unreadable and kept aside); empty when none.
    const QString& thongBaoNhap() const { return m_thongBaoNhap; }

private:
    struct ThayDoi {
        std::function<bool(QSqlDatabase&)> ghi;                       // inside the transaction
        std::function<void(qint64, const QString&, SoOnTap&)> apVao;  // on a view read before it is written
        // The change as data, to be saved to a file when it cannot be
        // written; empty for one that can be made again from elsewhere.
        QJsonObject moTa = {};
    };
    static ThayDoi thayDoiBaiLam(const BaiLam& b, const std::shared_ptr<qint64>& id);
    static ThayDoi thayDoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung,
                                const std::shared_ptr<std::pair<MucOnTap, bool>>& ketQua);
    static ThayDoi thayDoiDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QString& ngay);
    static ThayDoi thayDoiCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri);
    QString lyDo(const QSqlError& e) const;
    void kiemTraWal(const QString& banSao, int khungTrongTep);
    bool moTep();
    void moBoNho(const QString& lyDo);
    bool kiemTraVaNangCap(QString* viSao, bool* laCuaNguoiKhac);
    void doiCho(const QString& viSao);
    void nhapOnTapCu();
    bool giaoDich(ThayDoi thayDoi, QString* loi, bool giu = true);

    QString m_tep;
    CheDo m_cheDo;
    int m_choMs;
    QString m_ketNoi;
    QString m_canhBao;
    QString m_thongBaoNhap;
    bool m_trongBoNho = false;
    std::vector<ThayDoi> m_choGhi;
    QString m_lyDoCho;
    // What is opened: the file itself, or a copy of it read for ChiDoc.
    QString m_tepMo;
    std::shared_ptr<void> m_thuMucTam;
};

// The message for a failed write of the store, naming it and the reason.
QString loiGhiKho(const QString& tep, const QString& lyDo);

}  // namespace thilaixe
