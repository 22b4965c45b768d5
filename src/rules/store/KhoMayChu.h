#pragma once

// The learner's store on a school's PostgreSQL server, shared by every lab
// computer. Who may read or change what is the server's own rule (roles,
// grants, row-level security set by --setup-server): a learner signs in as
// their own role and sees only their own rows; a teacher reads everything.
// A change the server cannot take now (it is away) waits in the computer's
// outbox and is sent, once, when it is back. Its code is split by concern:
//   KhoMayChu.cpp        the queries and the changes they make
//   KhoMayChuLuocDo.cpp  the schema, its upgrades, roles and policies
//   KhoMayChuTruong.cpp  the school's part: courses, the teacher's views,
//                        course-end test sessions
//   KetNoiMayChu.h/.cpp  the connection string and what a failure means
//   HopThuDi.h/.cpp      the outbox

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
constexpr int kPhienBanTruong = 1;

// A school's course, with how many learners it has.
struct KhoaHoc final {
    qint64 id = 0;
    QString ma, ten, hang;
    int soHocVien = 0;
};

// A learner of a course as the teacher's list shows them: their papers of
// one bank and class (short tests aside), and their critical questions
// answered right on enough days.
struct HocVienKhoaHoc final {
    qint64 hoSo = 0;
    QString soBaoDanh, ten;
    int soBai = 0, soDat = 0;
    std::optional<int> diemCuoi, diemCao;  // right answers
    int soCauCuoi = 0;                     // questions of the last paper
    int diemLietVung = 0;
};

// A course-end test session.
struct PhienKiemTra final {
    qint64 id = 0, khoaHoc = 0;
    QString hang, quyTac, nganHang;
    QDateTime mo;  // when it opens
    int phut = 0;  // how long a learner has, from their start
    std::optional<QDateTime> dong;
    bool daDong() const { return dong.has_value(); }
};

// One learner in a session, as the teacher's live view shows them.
struct TinhHinhHocVien final {
    enum class TrangThai { ChuaBatDau, DangLam, DaNop, DaDongChuaNop };
    qint64 hoSo = 0;
    QString soBaoDanh, ten;
    TrangThai trangThai = TrangThai::ChuaBatDau;
    qint64 hat = 0;     // the seed of their paper
    int o = 0;          // the slot they are on (from 0)
    int conGiay = 0;    // time left when last heard from (-1: not yet)
    int giayTruoc = 0;  // how long ago that was
    int dung = 0, soCau = 0;
    bool dat = false;
    std::vector<int> lietSai;  // critical questions missed
};

// A learner's own paper in a session: its seed, and answers given so far
// (after a restart of the lab computer).
struct BaiCuaPhien final {
    qint64 hat = 0;
    std::vector<int> traLoi;
    bool daNop = false;
    int giayDaQua = 0;  // since it was started, by the server's clock
};

// A question of a course's papers and how often it was missed.
struct CauSaiNhieu final {
    int cau = 0;
    int soSai = 0, soLan = 0;
};

// A course's list as a spreadsheet reads it: UTF-8 with a byte-order mark
// (so Vietnamese shows), comma-separated, quoted where needed.
QByteArray csvKhoaHoc(const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds, int soCauDiemLiet);
// Writes it to `tep` (replaced whole, or left as it was); false with why.
bool ghiCsvKhoaHoc(const QString& tep, const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds,
                   int soCauDiemLiet, QString* loi);

// What --setup-server did, line by line, or why it could not.
struct KetQuaCaiDat final {
    bool xong = false;
    QStringList dong;
    QString loi;
};
// Creates or upgrades the schema, the roles and their rights on the server
// (as its administrator, or the database's owner with CREATEROLE); safe to
// run again. `denPhienBan` stops at an older version (to test upgrades).
KetQuaCaiDat caiDatMayChu(const KetNoiMayChu& k, int denPhienBan = kPhienBanKhoMayChu);

class KhoMayChu final : public KhoHocVien {
public:
    // Opens the store on the server named by `k`, with the outbox in the
    // file `tepHopThu`. It always opens: when the server cannot be reached
    // or is not set up, canhBao() says so and changes wait in the outbox.
    KhoMayChu(KetNoiMayChu k, const QString& tepHopThu);
    ~KhoMayChu() override;

    // Connected and the schema is this program's.
    bool sanSang() const { return m_sanSang; }
    // The role the server knows this sign-in as.
    const QString& dangNhap() const { return m_dangNhap; }
    // A teacher's sign-in (reads and sends everyone's).
    bool laGiaoVien() const { return m_laGiaoVien; }
    // The server refused the sign-in (a wrong PIN or password, or none).
    bool saiDangNhap() const { return m_saiDangNhap; }

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

    // A teacher's: a course, and a learner of it who signs in with `pin`
    // (their role is made or given the new PIN). Ids, or nothing with why.
    std::optional<qint64> themKhoaHoc(const QString& ma, const QString& ten, const QString& hang,
                                      QString* loi = nullptr);
    std::optional<qint64> themHocVien(qint64 khoaHoc, const QString& soBaoDanh, const QString& ten,
                                      const QString& pin, QString* loi = nullptr);

    // The school's own settings (its name on what is printed).
    QString caiDatChung(const QString& khoa, const QString& macDinh)
    {
        return caiDat(kHoSoMacDinh, khoa, macDinh);
    }
    bool datCaiDatChung(const QString& khoa, const QString& giaTri)
    {
        return datCaiDat(kHoSoMacDinh, khoa, giaTri, nullptr);
    }

    // The teacher's view of the school (a learner sees their own course).
    std::vector<KhoaHoc> cacKhoaHoc();
    // `soNgayThuoc`: the days right that make a critical question mastered.
    std::vector<HocVienKhoaHoc> hocVienCuaKhoa(qint64 khoaHoc, const QString& nganHang, const QString& hang,
                                               int soNgayThuoc);
    std::vector<CauSaiNhieu> cauSaiNhieu(qint64 khoaHoc, const QString& nganHang, int soToiDa);

    // Course-end tests. A teacher opens and closes a session; closing ends
    // the papers still open (each lab computer hands its paper in as at a
    // time-out), and a learner may no longer start one.
    std::optional<qint64> moPhien(const PhienKiemTra& p, QString* loi = nullptr);
    bool dongPhien(qint64 phien, QString* loi = nullptr);
    std::vector<PhienKiemTra> cacPhien(qint64 khoaHoc);
    std::optional<PhienKiemTra> phien(qint64 id);
    std::vector<TinhHinhHocVien> tinhHinh(qint64 phien);
    // A learner's: the session of their course open now, if any; their
    // paper in it (started now, or as it was left); what they are doing.
    std::optional<PhienKiemTra> phienDangMo();
    std::optional<BaiCuaPhien> batDauPhien(qint64 phien, QString* loi = nullptr);
    bool baoTienDo(qint64 phien, int o, int conGiay, const std::vector<int>& traLoi);

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
    // Runs `viec` in one transaction; once more on a new connection when
    // the server was away.
    // `motLenh`: `viec` is one statement (a transaction by itself).
    KetQua giaoDich(const std::function<bool()>& viec, bool motLenh = false);
    // Reads; once more on a new connection when the server was away.
    bool doc(const std::function<bool()>& viec);
    bool apDung(const ThayDoi& td, SauThayDoi* sau);
    // Sends what waits in the outbox (this sign-in's; a teacher's: all).
    KetQua guiHopThu();
    // Writes a change now, or keeps it in the outbox.
    bool ghi(const ThayDoi& td, QString* loi, SauThayDoi* sau = nullptr);
    // One statement that writes and gives back an id, in a transaction;
    // nothing with the reason in `loi`.
    std::optional<qint64> ghiLayId(const QString& sql, const QVariantList& giaTri, QString* loi);

    KetNoiMayChu m_k;
    QString m_moTa, m_mayChu, m_ketNoi;
    QString m_canhBao, m_khongCo, m_lyDoCho;
    mutable QString m_canhBaoDu;
    QString m_dangNhap;
    bool m_sanSang = false;
    bool m_laGiaoVien = false;
    bool m_saiDangNhap = false;
    qint64 m_toi = 0;  // a signed-in learner's own profile (0: a teacher)
    LenhSql m_lenh;
    HopThuDi m_hopThu;
    QElapsedTimer m_lanThuCuoi;  // since the last failed connection
};

}  // namespace thilaixe
