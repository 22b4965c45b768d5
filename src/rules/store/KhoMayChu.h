#pragma once

// The learner's store on a school's PostgreSQL server, shared by every lab
// computer. Who may read or change what is the server's own rule (roles,
// grants, row-level security and functions set by --setup-server): a
// learner signs in through the server with their PIN and sees only their
// own rows; a teacher reads everything; nobody writes a table but through
// the server's functions, which score every paper themselves.
// A change the server cannot take now (it is away) waits in the computer's
// outbox and is sent, once, when it is back. Its code is split by concern:
//   KhoMayChu.cpp        the queries and the changes they make
//   KhoMayChuLuocDo.cpp  the schema, its upgrades, roles and policies
//   KhoMayChuTruong.cpp  the school's part (KhoTruong): courses, the
//                        teacher's views, course-end tests, the bank
//   KetNoiMayChu.h/.cpp  the connection string and what a failure means
//   HopThuDi.h/.cpp      the outbox

#include "rules/school/Truong.h"
#include "rules/store/HopThuDi.h"
#include "rules/store/KetNoiMayChu.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/LenhSql.h"

#include <QElapsedTimer>

namespace thilaixe {

// The learner's data on a server, step by step as in the SQLite store (its
// ids of changes applied are the school's part).
constexpr int kPhienBanKhoMayChu = 4;
// The server's own part, beside the learner's data: courses,
// learners' sign-in, test sessions. Brought up step by step as the data is.
constexpr int kPhienBanTruong = 2;

// A server's version as a person is told it: the learner's data and the
// school's part ("4.2").
inline QString phienBanMayChu(int duLieu, int truong)
{
    return QStringLiteral("%1.%2").arg(duLieu).arg(truong);
}

// What --setup-server did, line by line, or why it could not.
struct KetQuaCaiDat final {
    bool xong = false;
    QStringList dong;
    QString loi;
};
// Creates or upgrades the schema, the roles and their rights on the server
// (as its administrator, or the database's owner with CREATEROLE); safe to
// run again. `denPhienBan` stops at an older version (to test upgrades).
KetQuaCaiDat caiDatMayChu(const KetNoiMayChu& k, int denPhienBan = kPhienBanKhoMayChu,
                          int denPhienBanTruong = kPhienBanTruong);

class KhoMayChu final : public KhoHocVien, public KhoTruong {
public:
    // Opens the store on the server named by `k`, with the outbox in the
    // file `tepHopThu`; a learner (`hocVien`) signs in through the server,
    // connected as the lab's role (`k`'s user, or thilaixe_lab). It always
    // opens: when the server cannot be reached or is not set up, canhBao()
    // says so and changes wait in the outbox.
    KhoMayChu(KetNoiMayChu k, const QString& tepHopThu,
              std::optional<DangNhapHocVien> hocVien = std::nullopt);
    ~KhoMayChu() override;

    KhoTruong* truong() override { return this; }

    // Connected, the schema is this program's, and whoever it is signed in.
    bool sanSang() const { return m_sanSang; }
    // The role the server knows this connection as.
    const QString& dangNhap() const { return m_dangNhap; }
    bool laGiaoVien() const override { return m_laGiaoVien; }
    // The server refused the sign-in: a wrong password, or a learner's
    // wrong PIN, a locked account, one signed in at two other computers.
    bool saiDangNhap() const { return m_saiDangNhap || m_ketQuaDangNhap != KetQuaDangNhap::Xong; }
    KetQuaDangNhap ketQuaDangNhap() const override
    {
        return m_saiDangNhap ? KetQuaDangNhap::SaiPin : m_ketQuaDangNhap;
    }
    int giayConKhoa() const override { return m_giayKhoa; }

    const QString& tep() const override { return m_moTa; }
    const QString& canhBao() const override;
    bool trongBoNho() const override { return false; }
    const QString& thongBaoNhap() const override { return m_khongCo; }
    QString thongBaoLoiGhi(const QString& lyDo) const override;

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

    std::size_t soChoGhi() const override;
    bool thuGhiLai(QString* loi = nullptr, bool moLai = false) override;
    const QString& lyDoChoGhi() const override { return m_lyDoCho; }
    std::vector<ThayDoi> cacChoGhi() const override;
    std::optional<KetQuaNhap> nhapThayDoi(const std::vector<ThayDoi>& ds, QString* loi) override;
    void datThoiGianCho(int ms) override;

    // The school's part.
    QString caiDatChung(const QString& khoa, const QString& macDinh) override
    {
        return caiDat(kHoSoMacDinh, khoa, macDinh);
    }
    bool datCaiDatChung(const QString& khoa, const QString& giaTri, QString* loi = nullptr) override
    {
        return datCaiDat(kHoSoMacDinh, khoa, giaTri, loi);
    }
    std::optional<QString> nganHangHienHanh() override;
    bool guiNganHang(const NganHangGui& g, QString* loi = nullptr) override;
    std::optional<NganHangGui> layNganHang(const QString& sha256, QString* loi = nullptr) override;
    std::vector<KhoaHoc> cacKhoaHoc() override;
    std::optional<qint64> themKhoaHoc(const QString& ma, const QString& ten, const QString& hang,
                                      QString* loi = nullptr) override;
    std::optional<qint64> themHocVien(qint64 khoaHoc, const QString& soBaoDanh, const QString& ten,
                                      const std::optional<QString>& pin, const QDate& ngaySinh = {},
                                      QString* loi = nullptr) override;
    std::vector<HocVienKhoaHoc> hocVienCuaKhoa(qint64 khoaHoc, const QString& nganHang, const QString& hang,
                                               int soNgayThuoc) override;
    std::vector<CauSaiNhieu> cauSaiNhieu(qint64 khoaHoc, const QString& nganHang, int soToiDa) override;
    std::optional<qint64> moPhien(const PhienKiemTra& p, QString* loi = nullptr) override;
    bool datDe(qint64 phien, qint64 hoSo, qint64 hat, const DeThi& de, QString* loi = nullptr) override;
    bool dongPhien(qint64 phien, QString* loi = nullptr) override;
    std::vector<PhienKiemTra> cacPhien(qint64 khoaHoc) override;
    std::optional<PhienKiemTra> phien(qint64 id) override;
    std::vector<TinhHinhHocVien> tinhHinh(qint64 phien) override;
    std::optional<BaiCuaPhien> deCuaHocVien(qint64 phien, qint64 hoSo) override;
    std::optional<PhienKiemTra> phienDangMo() override;
    std::optional<BaiCuaPhien> batDauPhien(qint64 phien, QString* loi = nullptr) override;
    bool baoTienDo(qint64 phien, int o, int conGiay, const std::vector<int>& traLoi) override;

protected:
    QString caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh) override;
    bool datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi) override;

private:
    enum class KetQua { Xong, Vang, TuChoi };
    // What a change gave back: the attempt's id, the practice box after it.
    struct SauThayDoi {
        qint64 id = 0;
        MucOnTap muc;
        bool roi = false;
    };
    bool ketNoi();
    void kiemTraLuocDo();
    // A learner's sign-in on this connection (again after a reconnect).
    bool dangNhapHocVien();
    // Runs `viec` in one transaction; once more on a new connection when
    // the server was away. `motLenh`: `viec` is one statement (a
    // transaction by itself).
    KetQua giaoDich(const std::function<bool()>& viec, bool motLenh = false);
    // Reads; once more on a new connection when the server was away.
    bool doc(const std::function<bool()>& viec);
    bool apDung(const ThayDoi& td, SauThayDoi* sau);
    // Sends what waits in the outbox (this sign-in's; a teacher's: all).
    KetQua guiHopThu();
    // Writes a change now, or keeps it in the outbox.
    bool ghi(const ThayDoi& td, QString* loi, SauThayDoi* sau = nullptr);
    // One statement of a teacher's that gives back an id, in a transaction;
    // nothing with the reason in `loi`.
    std::optional<qint64> ghiLayId(const QString& sql, const QVariantList& giaTri, QString* loi);
    // A statement of a teacher's, in a transaction; false with why.
    bool ghiLenh(const QString& sql, const QVariantList& giaTri, QString* loi);

    KetNoiMayChu m_k;
    std::optional<DangNhapHocVien> m_hocVien;
    QString m_moTa, m_mayChu, m_ketNoi;
    QString m_canhBao, m_khongCo, m_lyDoCho;
    mutable QString m_canhBaoDu;
    QString m_dangNhap;
    bool m_sanSang = false;
    bool m_laGiaoVien = false;
    bool m_saiDangNhap = false;
    KetQuaDangNhap m_ketQuaDangNhap = KetQuaDangNhap::Xong;
    int m_giayKhoa = 0;
    qint64 m_toi = 0;  // a signed-in learner's own profile (0: a teacher)
    LenhSql m_lenh;
    HopThuDi m_hopThu;
    QElapsedTimer m_lanThuCuoi;  // since the last failed connection
};

}  // namespace thilaixe
