#pragma once

// The learner's store on a school's PostgreSQL server, shared by every lab
// computer. Who may read or change what is the server's own rule (roles,
// grants, row-level security set by --setup-server): a learner signs in as
// their own role and sees only their own rows; a teacher reads everything.
// A change the server cannot take now (it is away) waits in the computer's
// outbox and is sent, once, when it is back. Its code is split by concern:
//   KhoMayChu.cpp        the queries and the changes they make
//   KhoMayChuLuocDo.cpp  the schema, its upgrades, roles and policies
//   KetNoiMayChu.h/.cpp  the connection string and what a failure means
//   HopThuDi.h/.cpp      the outbox

#include "rules/store/HopThuDi.h"
#include "rules/store/KetNoiMayChu.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/LenhSql.h"

#include <QElapsedTimer>

namespace thilaixe {

// The server's own part, beside the learner's data (kPhienBanKho): courses,
// learners' sign-in, test sessions. Brought up step by step as the data is.
constexpr int kPhienBanTruong = 1;

// What --setup-server did, line by line, or why it could not.
struct KetQuaCaiDat final {
    bool xong = false;
    QStringList dong;
    QString loi;
};
// Creates or upgrades the schema, the roles and their rights on the server
// (as its administrator, or the database's owner with CREATEROLE); safe to
// run again. `denPhienBan` stops at an older version (to test upgrades).
KetQuaCaiDat caiDatMayChu(const KetNoiMayChu& k, int denPhienBan = kPhienBanKho);

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
    const QString& canhBao() const override { return m_canhBao; }
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
    bool thuGhiLai(QString* loi = nullptr) override;
    const QString& lyDoChoGhi() const override { return m_lyDoCho; }
    QString moTaChoGhi() const override;
    QByteArray xuatChoGhi() const override;
    bool luuChoGhiRaTep(const QString& tep, QString* loi) const override;
    std::optional<int> nhapChoGhi(const QByteArray& noiDung, QString* loi) override;
    void datThoiGianCho(int ms) override;

    // A teacher's: a course, and a learner of it who signs in with `pin`
    // (their role is made or given the new PIN). Ids, or nothing with why.
    std::optional<qint64> themKhoaHoc(const QString& ma, const QString& ten, const QString& hang,
                                      QString* loi = nullptr);
    std::optional<qint64> themHocVien(qint64 khoaHoc, const QString& soBaoDanh, const QString& ten,
                                      const QString& pin, QString* loi = nullptr);

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
    KetQua giaoDich(const std::function<bool()>& viec);
    // Reads; once more on a new connection when the server was away.
    bool doc(const std::function<bool()>& viec);
    bool apDung(const QJsonObject& td, SauThayDoi* sau);
    // Sends what waits in the outbox (this sign-in's; a teacher's: all).
    KetQua guiHopThu();
    // Writes a change now, or keeps it in the outbox.
    bool ghi(QJsonObject td, QString* loi, SauThayDoi* sau = nullptr);
    std::vector<QJsonObject> choCuaToi() const;

    KetNoiMayChu m_k;
    QString m_moTa, m_mayChu, m_ketNoi;
    QString m_canhBao, m_khongCo, m_lyDoCho;
    QString m_dangNhap;
    bool m_sanSang = false;
    bool m_laGiaoVien = false;
    bool m_saiDangNhap = false;
    LenhSql m_lenh;
    HopThuDi m_hopThu;
    QElapsedTimer m_lanThuCuoi;  // since the last failed connection
};

}  // namespace thilaixe
