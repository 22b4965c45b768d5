// The server store's reads and the changes it sends to the server's functions.

#include "rules/store/KhoMayChu.h"

#include "rules/common/Texts.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <atomic>

namespace thilaixe {

namespace {

std::atomic<int> g_soKetNoi{0};

// After the server was found away, a window waits this long before trying
// it again itself (the program's own retry does it meanwhile).
constexpr qint64 kNghiSauLoiMs = 3000;

// The role lab computers connect as when the connection string names none.
const QString kVaiTroPhongMay = QStringLiteral("thilaixe_lab");

int gioiHan(qint64 v, int thap, int cao) { return static_cast<int>(std::clamp<qint64>(v, thap, cao)); }

MucOnTap docMuc(const QSqlQuery& q, int cot)
{
    return {q.value(cot).toInt() != 0, gioiHan(q.value(cot + 1).toLongLong(), 0, kDungDeXong - 1),
            gioiHan(q.value(cot + 2).toLongLong(), 0, kDemToiDa),
            gioiHan(q.value(cot + 3).toLongLong(), 0, kDemToiDa)};
}

const QString kChonOnTap = QStringLiteral(
    "SELECT question, in_list, streak, \"right\", wrong FROM practice WHERE profile = ? AND bank = ?");
const QString kDatOnTap = QStringLiteral("SELECT thilaixe_set_practice(?, ?, ?, ?, ?, ?, ?)");

// Numbers as an SQL array's text ("{1,2,3}"), cast by the statement.
QString mangSql(const std::vector<int>& v)
{
    QStringList p;
    for (int x : v)
        p << QString::number(x);
    return QLatin1Char('{') + p.join(QLatin1Char(',')) + QLatin1Char('}');
}

// A paper or a short test handed in, and a course-end test's paper: the
// answers go, the server scores them (one call, one round trip).
const QString kNopBai = QStringLiteral(
    "SELECT thilaixe_hand_in(?, ?, ?, ?, ?, ?, ?, ?, ?::integer[], ?::integer[], ?::double precision, "
    "?::double precision)");
const QString kNopBaiKiemTra = QStringLiteral(
    "SELECT thilaixe_hand_in_paper(?, ?, ?, ?::integer[], ?::double precision, ?::double precision)");

QVariant soThuc(const std::optional<std::pair<double, double>>& du, bool dau)
{
    if (!du)
        return QVariant(QMetaType(QMetaType::Double));
    return dau ? du->first : du->second;
}

}  // namespace

KhoMayChu::KhoMayChu(KetNoiMayChu k, const QString& tepHopThu, std::optional<DangNhapHocVien> hocVien)
    : m_k(std::move(k)), m_hocVien(std::move(hocVien)), m_hopThu(tepHopThu)
{
    if (m_hocVien && m_k.user.isEmpty())
        m_k.user = kVaiTroPhongMay;
    KetNoiMayChu khongNguoi = m_k;
    khongNguoi.user.clear();
    m_mayChu = khongNguoi.moTa();
    m_moTa = txt::kMcMoTa.arg(m_k.moTa());
    // A learner's held changes are theirs whichever lab computer role sent
    // them: named by course and candidate number.
    m_dangNhap = m_hocVien ? m_hocVien->khoaHoc + QChar(0x1f) + m_hocVien->soBaoDanh : m_k.user;
    m_ketNoi = QStringLiteral("thilaixe-server-%1").arg(++g_soKetNoi);
    QString loi;
    if (!m_k.mo(m_ketNoi, &loi)) {
        m_lanThuCuoi.start();
        m_saiDangNhap = loi == txt::kMcSaiDangNhap;
        m_canhBao = m_hopThu.canhBao().isEmpty()
                        ? txt::kMcKhongToiGiu.arg(m_moTa, loi, QDir::toNativeSeparators(m_hopThu.tep()))
                        : txt::kMcKhongToiBoNho.arg(m_moTa, loi, m_hopThu.canhBao());
        return;
    }
    m_lenh.datKetNoi(m_ketNoi);
    kiemTraLuocDo();
}

KhoMayChu::~KhoMayChu()
{
    m_lenh.quen();
    QSqlDatabase::database(m_ketNoi, false).close();
    QSqlDatabase::removeDatabase(m_ketNoi);
}

const QString& KhoMayChu::canhBao() const
{
    // What is wrong with the outbox is said too, whether or not the server
    // is there: a paper handed in later would wait in it.
    const QString& hop = m_hopThu.canhBao();
    m_canhBaoDu = hop.isEmpty() || m_canhBao.contains(hop) ? m_canhBao
                  : m_canhBao.isEmpty()                    ? txt::kMcHopThuCanhBao.arg(hop)
                                        : m_canhBao + QStringLiteral("\n\n") + txt::kMcHopThuCanhBao.arg(hop);
    return m_canhBaoDu;
}

void KhoMayChu::kiemTraLuocDo()
{
    m_sanSang = false;
    int v = -1, vt = -1;
    const bool docDuoc =
        m_lenh.chay(QStringLiteral("SELECT key, value FROM meta WHERE key IN ('schema', 'school')"), {},
                    [&](QSqlQuery& q) {
                        while (q.next())
                            (q.value(0).toString() == QLatin1String("schema") ? v : vt) = q.value(1).toInt();
                    });
    if (v >= 0 && vt < 0)
        vt = 0;  // the learner's data only, from before the school's part
    if (!docDuoc || v < 0) {
        m_canhBao = txt::kMcChuaCaiDat.arg(m_moTa);
        return;
    }
    if (v > kPhienBanKhoMayChu || vt > kPhienBanTruong) {
        m_canhBao = txt::kMcMoiHon.arg(m_moTa, phienBanMayChu(v, vt));
        return;
    }
    if (v < kPhienBanKhoMayChu || vt < kPhienBanTruong) {
        m_canhBao = txt::kMcCanNangCap.arg(m_moTa, phienBanMayChu(v, vt),
                                           phienBanMayChu(kPhienBanKhoMayChu, kPhienBanTruong));
        return;
    }
    m_lenh.chay(QStringLiteral("SELECT session_user, thilaixe_is_teacher()"), {}, [&](QSqlQuery& q) {
        if (q.next())
            m_laGiaoVien = q.value(1).toBool();
    });
    if (m_hocVien && !dangNhapHocVien())
        return;
    if (!m_hocVien && !m_laGiaoVien) {
        // Neither a teacher nor a learner signing in: nothing to do here.
        m_ketQuaDangNhap = KetQuaDangNhap::SaiPin;
        m_canhBao = txt::kMcSaiDangNhap;
        return;
    }
    m_canhBao.clear();
    m_sanSang = true;
    // Ready before the hand-in: then it is one round trip.
    m_lenh.chuanBi(m_hocVien ? kNopBaiKiemTra : kNopBai);
    // A teacher signing in at a lab computer sends the held papers of the
    // learners who sat there and left.
    if (m_laGiaoVien && !m_hopThu.cacThu(m_mayChu, std::nullopt).empty())
        guiHopThu();
}

bool KhoMayChu::dangNhapHocVien()
{
    m_toi = 0;
    QString ketQua;
    int cho = 0;
    const bool chay =
        m_lenh.chay(QStringLiteral("SELECT signed_in, outcome, wait_seconds FROM thilaixe_sign_in(?, ?, ?)"),
                    {m_hocVien->khoaHoc, m_hocVien->soBaoDanh, m_hocVien->pin}, [&](QSqlQuery& q) {
                        if (q.next()) {
                            m_toi = q.value(0).toLongLong();
                            ketQua = q.value(1).toString();
                            cho = q.value(2).toInt();
                        }
                    });
    if (!chay) {
        m_canhBao = txt::kMcKhongToiGiu.arg(m_moTa, lyDoMayChu(m_lenh.loiCuoi()),
                                            QDir::toNativeSeparators(m_hopThu.tep()));
        return false;
    }
    m_giayKhoa = cho;
    m_ketQuaDangNhap = ketQua == QLatin1String("ok")       ? KetQuaDangNhap::Xong
                       : ketQua == QLatin1String("locked") ? KetQuaDangNhap::BiKhoa
                       : ketQua == QLatin1String("busy")   ? KetQuaDangNhap::DangMoNoiKhac
                                                           : KetQuaDangNhap::SaiPin;
    if (m_ketQuaDangNhap == KetQuaDangNhap::Xong)
        return true;
    m_canhBao = m_ketQuaDangNhap == KetQuaDangNhap::BiKhoa          ? txt::kDnBiKhoa.arg((cho + 59) / 60)
                : m_ketQuaDangNhap == KetQuaDangNhap::DangMoNoiKhac ? txt::kDnMoNoiKhac
                                                                    : txt::kDnSaiHocVien;
    return false;
}

bool KhoMayChu::ketNoi()
{
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    if (m_sanSang && db.isOpen())
        return true;
    if (m_lanThuCuoi.isValid() && m_lanThuCuoi.elapsed() < kNghiSauLoiMs)
        return false;
    m_lenh.quen();
    db.close();
    QString loi;
    if (!m_k.mo(m_ketNoi, &loi)) {
        m_lanThuCuoi.start();
        m_lyDoCho = loi;
        return false;
    }
    m_lanThuCuoi.invalidate();
    m_lenh.datKetNoi(m_ketNoi);
    kiemTraLuocDo();
    return m_sanSang;
}

KhoMayChu::KetQua KhoMayChu::giaoDich(const std::function<bool()>& viec, bool motLenh)
{
    for (int lan = 0; lan < 2; ++lan) {
        if (!ketNoi())
            return KetQua::Vang;
        QSqlDatabase db = m_lenh.db();
        m_lenh.xoaLoi();
        // BEGIN and COMMIT cannot be prepared: they go as they are.
        QSqlQuery lenh(db);
        // One statement is a transaction of its own.
        if (motLenh ? viec()
                    : lenh.exec(QStringLiteral("BEGIN")) && viec() && lenh.exec(QStringLiteral("COMMIT")))
            return KetQua::Xong;
        const QSqlError e = m_lenh.loiCuoi().isValid() ? m_lenh.loiCuoi() : lenh.lastError();
        if (!laLoiKetNoi(e) && !motLenh)
            lenh.exec(QStringLiteral("ROLLBACK"));
        m_lyDoCho = lyDoMayChu(e);
        if (!laLoiKetNoi(e))
            return KetQua::TuChoi;
        // The connection broke: once more on a new one.
        m_sanSang = false;
        m_lanThuCuoi.invalidate();
    }
    m_lanThuCuoi.start();
    return KetQua::Vang;
}

bool KhoMayChu::doc(const std::function<bool()>& viec)
{
    for (int lan = 0; lan < 2; ++lan) {
        if (!ketNoi())
            return false;
        m_lenh.xoaLoi();
        if (viec())
            return true;
        if (!laLoiKetNoi(m_lenh.loiCuoi()))
            return false;
        m_sanSang = false;
        m_lanThuCuoi.invalidate();
    }
    m_lanThuCuoi.start();
    return false;
}

bool KhoMayChu::apDung(const ThayDoi& td, SauThayDoi* sau)
{
    if (td.loai == ThayDoi::Loai::BaiLam) {
        // The answers go; the server scores them from its own key, taken once
        // by the change's id.
        const BaiLam& b = td.bai;
        qint64 id = 0;
        const auto docId = [&](QSqlQuery& q) {
            if (q.next())
                id = q.value(0).toLongLong();
        };
        const bool xong =
            b.phienKiemTra != 0
                ? m_lenh.chay(kNopBaiKiemTra,
                              {td.uid, b.phienKiemTra, b.hoSo, mangSql(b.traLoi), soThuc(b.duDoan, true),
                               soThuc(b.duDoan, false)},
                              docId)
                : m_lenh.chay(kNopBai,
                              {td.uid, b.hoSo, b.nganHang, b.quyTac, b.hang,
                               b.baiNgan ? QStringLiteral("short") : QStringLiteral("paper"),
                               b.batDau.toUTC().toString(Qt::ISODateWithMs),
                               b.ketThuc.toUTC().toString(Qt::ISODateWithMs), mangSql(b.cau),
                               mangSql(b.traLoi), soThuc(b.duDoan, true), soThuc(b.duDoan, false)},
                              docId);
        if (!xong || id == 0)
            return false;
        if (sau)
            sau->id = id;
        return true;
    }
    // Taken once: a change sent again (its reply lost) is already there.
    bool moi = false;
    if (!m_lenh.chay(QStringLiteral("SELECT thilaixe_once(?, ?)"), {td.uid, td.hoSo},
                     [&](QSqlQuery& q) { moi = q.next() && q.value(0).toBool(); }))
        return false;
    if (!moi)
        return true;
    switch (td.loai) {
    case ThayDoi::Loai::OnTap: {
        // The box as it stands, held by the server until this transaction
        // ends; the rule of practice is the program's own.
        MucOnTap m;
        if (!m_lenh.chay(QStringLiteral("SELECT * FROM thilaixe_practice_box(?, ?, ?)"),
                         {td.hoSo, td.nganHang, td.cau}, [&](QSqlQuery& q) {
                             if (q.next())
                                 m = docMuc(q, 0);
                         }))
            return false;
        const bool roi = traLoiMuc(m, td.dung);
        if (sau) {
            sau->muc = m;
            sau->roi = roi;
        }
        return m_lenh.chay(kDatOnTap,
                           {td.hoSo, td.nganHang, td.cau, m.canOn ? 1 : 0, m.dungLienTiep, m.dung, m.sai});
    }
    case ThayDoi::Loai::DiemLiet:
        return m_lenh.chay(QStringLiteral("SELECT thilaixe_critical_day(?, ?, ?, ?)"),
                           {td.hoSo, td.nganHang, td.cau, td.ngay});
    case ThayDoi::Loai::TraLoi:
        return m_lenh.chay(QStringLiteral("SELECT thilaixe_answer(?, ?, ?, ?, ?)"),
                           {td.hoSo, td.nganHang, td.cau, td.luc, td.dung});
    case ThayDoi::Loai::CaiDat:
        return m_lenh.chay(QStringLiteral("SELECT thilaixe_setting(?, ?, ?)"), {td.hoSo, td.khoa, td.giaTri});
    case ThayDoi::Loai::BaiLam: break;
    }
    return true;
}

std::vector<ThayDoi> KhoMayChu::cacChoGhi() const
{
    std::vector<ThayDoi> kq;
    for (const HopThuDi::Thu& t : m_hopThu.cacThu(m_mayChu, m_dangNhap))
        kq.push_back(t.thayDoi);
    return kq;
}

KhoMayChu::KetQua KhoMayChu::guiHopThu()
{
    // A teacher sends every learner's: a learner who handed in while the
    // server was away may have left the room.
    const std::vector<HopThuDi::Thu> thu =
        m_hopThu.cacThu(m_mayChu, m_laGiaoVien ? std::nullopt : std::optional<QString>(m_dangNhap));
    for (const HopThuDi::Thu& t : thu) {
        const KetQua kq = giaoDich([&] { return apDung(t.thayDoi, nullptr); });
        if (kq == KetQua::Vang)
            return kq;
        // Refused for good (another's change, a paper past its time): it
        // stays in the outbox, never lost, and blocks nothing behind it.
        if (kq == KetQua::Xong)
            m_hopThu.xoa(t.so);
    }
    return KetQua::Xong;
}

bool KhoMayChu::ghi(const ThayDoi& td, QString* loi, SauThayDoi* sau)
{
    KetQua kq = guiHopThu();
    if (kq == KetQua::Xong)
        kq = giaoDich([&] { return apDung(td, sau); }, td.loai == ThayDoi::Loai::BaiLam);
    if (kq == KetQua::Xong) {
        m_lyDoCho.clear();
        return true;
    }
    if (kq == KetQua::TuChoi) {
        if (loi)
            *loi = txt::kMcTuChoi.arg(m_lyDoCho);
        return false;
    }
    if (m_lyDoCho.isEmpty())
        m_lyDoCho = txt::kMcMatKetNoi;
    m_hopThu.them(m_mayChu, m_dangNhap, td, nullptr);
    if (loi)
        *loi = m_lyDoCho;
    return false;
}

QString KhoMayChu::thongBaoLoiGhi(const QString& lyDo) const
{
    // Where what waits is, truthfully: the outbox file, or only memory.
    if (m_hopThu.coTrongBoNho())
        return txt::kMcDaGiuBoNho.arg(m_moTa, lyDo, moTaChoGhi(), m_hopThu.canhBao());
    return txt::kMcDaGiu.arg(m_moTa, lyDo, moTaChoGhi(), QDir::toNativeSeparators(m_hopThu.tep()));
}

// The school's own profiles (a teacher's practice), or a signed-in
// learner's own: a course's learners are the teacher window's.
std::vector<HoSo> KhoMayChu::cacHoSo()
{
    std::vector<HoSo> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(QStringLiteral("SELECT id, name FROM profile WHERE course IS NULL OR id = (SELECT "
                                          "thilaixe_me()) ORDER BY id"),
                           {}, [&](QSqlQuery& q) {
                               while (q.next())
                                   kq.push_back({q.value(0).toLongLong(), q.value(1).toString()});
                           });
    });
    // A learner has their own only (the default profile is the school's).
    if (m_toi != 0)
        std::erase_if(kq, [this](const HoSo& h) { return h.id != m_toi; });
    if (kq.empty())
        kq.push_back({m_toi != 0 ? m_toi : kHoSoMacDinh, txt::kHoSoMacDinh});
    return kq;
}

std::optional<qint64> KhoMayChu::themHoSo(const QString& ten, QString* loi)
{
    const QString goc = ten.simplified().left(60);
    if (goc.isEmpty()) {
        if (loi)
            *loi = txt::kKhoTenTrong;
        return std::nullopt;
    }
    return ghiLayId(QStringLiteral("SELECT thilaixe_add_profile(?)"), {goc}, loi);
}

QString KhoMayChu::caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh)
{
    // The last one held wins over the server's.
    const std::vector<ThayDoi> cho = cacChoGhi();
    for (auto it = cho.rbegin(); it != cho.rend(); ++it)
        if (it->loai == ThayDoi::Loai::CaiDat && it->hoSo == hoSo && it->khoa == khoa)
            return it->giaTri;
    QString kq = macDinh;
    doc([&] {
        return m_lenh.chay(QStringLiteral("SELECT value FROM setting WHERE profile = ? AND key = ?"),
                           {hoSo, khoa}, [&](QSqlQuery& q) {
                               if (q.next())
                                   kq = q.value(0).toString();
                           });
    });
    return kq;
}

bool KhoMayChu::datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi)
{
    return ghi(ThayDoi::caiDat(hoSo, khoa, giaTri), loi);
}

SoOnTap KhoMayChu::docOnTap(qint64 hoSo, const QString& nganHang, int soCauHoi)
{
    SoOnTap onTap(soCauHoi);
    doc([&] {
        onTap = SoOnTap(soCauHoi);
        return m_lenh.chay(kChonOnTap, {hoSo, nganHang},
                           [&](QSqlQuery& q) {
                               while (q.next())
                                   if (const int c = q.value(0).toInt(); onTap.coCau(c))
                                       onTap.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
                           })
               && m_lenh.chay(
                   QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                   {hoSo, nganHang}, [&](QSqlQuery& q) {
                       while (q.next())
                           onTap.daGop.insert(q.value(0).toString().toLatin1());
                   });
    });
    for (const ThayDoi& td : cacChoGhi())
        apVaoOnTap(td, hoSo, nganHang, onTap);
    return onTap;
}

bool KhoMayChu::traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung, MucOnTap* sau,
                            bool* roi, QString* loi)
{
    SauThayDoi kq;
    const bool xong = ghi(ThayDoi::onTap(hoSo, nganHang, cau, dung), loi, &kq);
    if (!xong) {
        // Held: the view with the waiting changes says what it will be.
        const SoOnTap onTap = docOnTap(hoSo, nganHang, std::max(cau, 1));
        kq.muc = onTap.coCau(cau) ? onTap.mucCua(cau) : MucOnTap{};
        kq.roi = false;
    }
    if (sau)
        *sau = kq.muc;
    if (roi)
        *roi = kq.roi;
    return xong;
}

bool KhoMayChu::gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                          QString* loi)
{
    {
        SoOnTap thu = docOnTap(hoSo, nganHang, soCauHoi);
        if (!thu.gopLanThi(ds))
            return true;  // nothing new: no write
    }
    // Made again from the history at the next start when it cannot be
    // written now: never held.
    const KetQua kq = giaoDich([&] {
        SoOnTap onTap(soCauHoi);
        if (!m_lenh.chay(kChonOnTap, {hoSo, nganHang},
                         [&](QSqlQuery& q) {
                             while (q.next())
                                 if (const int c = q.value(0).toInt(); onTap.coCau(c))
                                     onTap.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
                         })
            || !m_lenh.chay(QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                            {hoSo, nganHang}, [&](QSqlQuery& q) {
                                while (q.next())
                                    onTap.daGop.insert(q.value(0).toString().toLatin1());
                            }))
            return false;
        const SoOnTap truoc = onTap;
        onTap.gopLanThi(ds);
        for (int c = 1; c <= soCauHoi; ++c)
            if (!(onTap.mucCua(c) == truoc.mucCua(c))) {
                const MucOnTap& m = onTap.mucCua(c);
                if (!m_lenh.chay(kDatOnTap,
                                 {hoSo, nganHang, c, m.canOn ? 1 : 0, m.dungLienTiep, m.dung, m.sai}))
                    return false;
            }
        for (const QByteArray& k : onTap.daGop)
            if (!truoc.daGop.contains(k)
                && !m_lenh.chay(QStringLiteral("SELECT thilaixe_fold(?, ?, ?)"),
                                {hoSo, nganHang, QString::fromLatin1(k)}))
                return false;
        return true;
    });
    if (kq != KetQua::Xong && loi)
        *loi = m_lyDoCho;
    return kq == KetQua::Xong;
}

std::optional<qint64> KhoMayChu::luuBaiLam(const BaiLam& b, QString* loi)
{
    SauThayDoi kq;
    if (!ghi(ThayDoi::baiLam(b), loi, &kq))
        return std::nullopt;
    return kq.id;
}

std::vector<BaiLam> KhoMayChu::cacBaiLam(std::optional<qint64> hoSo, const QString& nganHang)
{
    std::vector<BaiLam> kq;
    QString dieuKien = QStringLiteral(" WHERE true");
    QVariantList gt;
    if (hoSo) {
        dieuKien += QStringLiteral(" AND a.profile = ?");
        gt.append(*hoSo);
    }
    if (!nganHang.isEmpty()) {
        dieuKien += QStringLiteral(" AND a.bank = ?");
        gt.append(nganHang);
    }
    doc([&] {
        kq.clear();
        QHash<qint64, std::size_t> viTri;
        return m_lenh.chay(
                   QStringLiteral("SELECT %1, a.session FROM attempt a LEFT JOIN prediction p ON p.attempt "
                                  "= a.id")
                           .arg(QLatin1String(kCotBaiLam))
                       + dieuKien + QStringLiteral(" ORDER BY a.id"),
                   gt,
                   [&](QSqlQuery& q) {
                       while (q.next()) {
                           BaiLam b = baiLamTuDong(q);
                           b.phienKiemTra = q.value(12).toLongLong();
                           viTri.insert(b.id, kq.size());
                           kq.push_back(std::move(b));
                       }
                   })
               && m_lenh.chay(QStringLiteral("SELECT s.attempt, s.question, s.answer, s.key, s.critical FROM "
                                             "attempt_slot s JOIN attempt a ON a.id = s.attempt")
                                  + dieuKien + QStringLiteral(" ORDER BY s.attempt, s.slot"),
                              gt, [&](QSqlQuery& q) {
                                  while (q.next()) {
                                      const auto it = viTri.constFind(q.value(0).toLongLong());
                                      if (it == viTri.constEnd())
                                          continue;
                                      themOBaiLam(kq[*it], q);
                                  }
                              });
    });
    return kq;
}

bool KhoMayChu::ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                                QString* loi)
{
    return ghi(ThayDoi::diemLiet(hoSo, nganHang, cau, ngay.toString(Qt::ISODate)), loi);
}

QHash<int, int> KhoMayChu::soNgayDungDiemLiet(qint64 hoSo, const QString& nganHang)
{
    QHash<int, int> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral("SELECT question, count(*) FROM critical_right WHERE profile = ? AND bank = ? "
                           "GROUP BY question"),
            {hoSo, nganHang}, [&](QSqlQuery& q) {
                while (q.next())
                    kq.insert(q.value(0).toInt(), q.value(1).toInt());
            });
    });
    return kq;
}

bool KhoMayChu::ghiTraLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, const QDateTime& luc,
                          QString* loi)
{
    return ghi(ThayDoi::traLoi(hoSo, nganHang, cau, dung, lucDongHo(luc)), loi);
}

std::vector<KhoHocVien::TraLoiDaGhi> KhoMayChu::cacTraLoi(qint64 hoSo, const QString& nganHang)
{
    std::vector<TraLoiDaGhi> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral(
                "SELECT question, at, \"right\" FROM answer WHERE profile = ? AND bank = ? ORDER BY at"),
            {hoSo, nganHang}, [&](QSqlQuery& q) {
                while (q.next())
                    kq.push_back({q.value(0).toInt(), q.value(1).toLongLong(), q.value(2).toInt() != 0});
            });
    });
    for (const ThayDoi& td : cacChoGhi())
        if (td.loai == ThayDoi::Loai::TraLoi && td.hoSo == hoSo && td.nganHang == nganHang)
            kq.push_back({td.cau, td.luc, td.dung});
    return kq;
}

std::vector<KhoHocVien::DongOnTap> KhoMayChu::tatCaOnTap(const QString& nganHang)
{
    std::vector<DongOnTap> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral("SELECT profile, bank, question, in_list, streak, \"right\", wrong FROM practice")
                + (nganHang.isEmpty() ? QString() : QStringLiteral(" WHERE bank = ?"))
                + QStringLiteral(" ORDER BY profile, bank, question"),
            nganHang.isEmpty() ? QVariantList{} : QVariantList{nganHang}, [&](QSqlQuery& q) {
                while (q.next())
                    kq.push_back(
                        {q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(), docMuc(q, 3)});
            });
    });
    return kq;
}

std::size_t KhoMayChu::soChoGhi() const { return m_hopThu.cacThu(m_mayChu, m_dangNhap).size(); }

bool KhoMayChu::thuGhiLai(QString* loi, bool)
{
    if (guiHopThu() == KetQua::Xong && soChoGhi() == 0)
        return true;
    if (loi)
        *loi = m_lyDoCho;
    return false;
}

std::optional<KhoHocVien::KetQuaNhap> KhoMayChu::nhapThayDoi(const std::vector<ThayDoi>& ds, QString* loi)
{
    KetQuaNhap kq;
    const KetQua xong = giaoDich([&] {
        kq = {};
        for (const ThayDoi& td : ds) {
            // Each is taken once by its id: one there already changes nothing.
            bool moi = true;
            if (!m_lenh.chay(QStringLiteral("SELECT NOT EXISTS (SELECT 1 FROM change_applied WHERE uid = ?)"),
                             {td.uid}, [&](QSqlQuery& q) { moi = q.next() && q.value(0).toBool(); }))
                return false;
            if (!apDung(td, nullptr))
                return false;
            ++(moi ? kq.moi : kq.daCo);
        }
        return true;
    });
    if (xong != KetQua::Xong) {
        if (loi)
            *loi = m_lyDoCho;
        return std::nullopt;
    }
    return kq;
}

void KhoMayChu::datThoiGianCho(int ms)
{
    doc([&] {
        return m_lenh.chay(QStringLiteral("SELECT set_config('lock_timeout', ?, false)"),
                           {QStringLiteral("%1ms").arg(ms)});
    });
}

}  // namespace thilaixe
