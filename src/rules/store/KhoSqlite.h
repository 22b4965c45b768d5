#pragma once

// The learner's store in an SQLite file in the working folder, written in
// transactions (WAL, full sync) and shared safely by several copies of the
// program at once. Its code is split by concern:
//   KhoSqlite.cpp        the queries and the changes they make
//   KhoSqliteTep.cpp     the file: opening it safely, moving a damaged one
//                        aside, checking a -wal left behind
//   KhoSqliteLuocDo.cpp  the schema and its upgrades, the old practice file
//   KhoSqliteChoGhi.cpp  held writes: transactions, retries, saving and
//                        importing held changes
//   LenhSql.h/.cpp    prepared statements and SQLite's result codes

#include "rules/common/NenTang.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/LenhSql.h"

#include <QElapsedTimer>

class QSqlDatabase;
class QSqlError;

namespace thilaixe {

class KhoSqlite final : public KhoHocVien {
public:
    enum class CheDo { Ghi, ChiDoc };
    // Opens the store, creating it. It always opens: a file that is not a
    // store of this program (damaged, or another program's) is moved aside
    // under a name given in canhBao() and a fresh store begins; a file that
    // cannot be used at all (a link, a newer program's store, a folder one
    // cannot write in) leaves the store in memory for this run, and
    // canhBao() says that nothing will be kept. ChiDoc never changes the
    // file and never moves it: it is empty when the file cannot be read.
    explicit KhoSqlite(QString tep, CheDo cheDo = CheDo::Ghi, int choMs = kChoKhoMs);
    // The school's server chosen on a home, read at start without opening
    // the store (nothing is copied or changed); empty when none or unread.
    static QString docMayChuTruong(const QString& tep);
    ~KhoSqlite() override;

    const QString& tep() const override { return m_tep; }
    const QString& canhBao() const override { return m_canhBao; }
    bool trongBoNho() const override { return m_trongBoNho; }
    const QString& thongBaoNhap() const override { return m_thongBaoNhap; }

    std::vector<HoSo> cacHoSo() override;
    std::optional<qint64> themHoSo(const QString& ten, QString* loi = nullptr) override;

    SoOnTap docOnTap(qint64 hoSo, const QString& nganHang, int soCauHoi) override;
    bool traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung, MucOnTap* sau = nullptr,
                     bool* roi = nullptr, QString* loi = nullptr) override;
    bool gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                   QString* loi = nullptr) override;

    std::optional<qint64> luuBaiLam(const BaiLam& b, QString* loi = nullptr) override;
    std::vector<BaiLam> cacBaiLam(std::optional<qint64> hoSo = std::nullopt,
                                  const QString& nganHang = {}) override;

    bool ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                         QString* loi = nullptr) override;
    QHash<int, int> soNgayDungDiemLiet(qint64 hoSo, const QString& nganHang) override;
    bool ghiTraLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, const QDateTime& luc,
                   QString* loi = nullptr) override;
    std::vector<TraLoiDaGhi> cacTraLoi(qint64 hoSo, const QString& nganHang) override;

    std::vector<DongOnTap> tatCaOnTap(const QString& nganHang = {}) override;

    std::size_t soChoGhi() const override { return m_choGhi.size(); }
    bool thuGhiLai(QString* loi = nullptr, bool moLai = false) override;
    const QString& lyDoChoGhi() const override { return m_lyDoCho; }
    std::vector<ThayDoi> cacChoGhi() const override;
    std::optional<KetQuaNhap> nhapThayDoi(const std::vector<ThayDoi>& ds, QString* loi) override;
    void datThoiGianCho(int ms) override;

protected:
    QString caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh) override;
    bool datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi) override;

private:
    // A held change; `trongXem`: already in the copy the windows read (a
    // store that cannot be kept is read from memory or from a copy).
    struct ChoGhi {
        ThayDoi td;
        bool trongXem = false;
    };
    // What a change gave back: the attempt's id, the practice box after it.
    struct SauGhi {
        qint64 id = 0;
        MucOnTap muc;
        bool roi = false;
    };
    // Writes one change inside an open transaction; `ghiUid`: its id is
    // recorded, and a change of an id already recorded is not written again.
    bool ghiThayDoi(const ThayDoi& td, bool ghiUid, SauGhi* sau, bool* daCo = nullptr);
    // Writes `td` after every held change, in one transaction; when that
    // cannot be done `td` is held behind them. `td` null: only the held ones.
    bool ghi(const ThayDoi* td, QString* loi, SauGhi* sau = nullptr);
    // A transaction of its own (after the held changes) for a change that is
    // made again from elsewhere when it fails, and so is never held.
    bool giaoDichRieng(const std::function<bool()>& viec, QString* loi);
    // A fold of the classic history not written yet: shown in the view and
    // written with the next write that succeeds; never saved to a file (it
    // is made again from the history at the next start).
    struct GopCho {
        qint64 hoSo;
        QString nganHang;
        int soCauHoi;
        std::vector<LanThi> ds;
    };
    bool ghiGop(const GopCho& g);
    std::vector<GopCho> m_gopCho;
    // Whether the file under the store's name is still the one opened.
    bool conLaTepDaMo() const;
    // Opens the store's file again after it was lost, replaced or could not
    // be written (the learner asked to try again).
    bool moLaiTep();
    QString lyDo(const QSqlError& e) const;
    void kiemTraWal(const QString& banSao, int khungTrongTep);
    bool moTep();
    void moBoNho(const QString& lyDo);
    bool kiemTraVaNangCap(QString* viSao, bool* laCuaNguoiKhac);
    void doiCho(const QString& viSao);
    void nhapOnTapCu();

    QString m_tep;
    CheDo m_cheDo;
    int m_choMs;
    QString m_ketNoi;
    LenhSql m_lenh;  // the connection's statements and last failure
    QString m_canhBao;
    QString m_thongBaoNhap;
    bool m_trongBoNho = false;
    std::vector<ChoGhi> m_choGhi;
    QString m_lyDoCho;
    // Set when what is written cannot be kept (the store runs in memory, or
    // on a copy of a file in a folder one may not write in): why, as the
    // held changes' reason.
    QString m_khongLuu;
    DanhTinhTep m_danhTinh;   // the file opened, to see it deleted or replaced
    QElapsedTimer m_thuCuoi;  // since the last failed write of the held ones
    // What is opened: the file itself, or a copy of it read for ChiDoc.
    QString m_tepMo;
    std::shared_ptr<void> m_thuMucTam;
};

}  // namespace thilaixe
