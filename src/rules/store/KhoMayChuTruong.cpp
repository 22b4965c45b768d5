// The school's part of the server store (KhoTruong): the bank published,
// courses and learners, the teacher's views, course-end test sessions.

#include "rules/common/Texts.h"
#include "rules/store/KhoMayChu.h"

#include <QCryptographicHash>
#include <QSqlQuery>

namespace thilaixe {

namespace {

QString mangSql(const std::vector<int>& v)
{
    QStringList p;
    for (int x : v)
        p << QString::number(x);
    return QLatin1Char('{') + p.join(QLatin1Char(',')) + QLatin1Char('}');
}

// An SQL array of texts ("{"a","b"}"), each quoted.
QString mangChuSql(const QStringList& v)
{
    QStringList p;
    for (QString x : v)
        p << QLatin1Char('"')
                 + x.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                       .replace(QLatin1Char('"'), QStringLiteral("\\\""))
                 + QLatin1Char('"');
    return QLatin1Char('{') + p.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString mangBoolSql(const std::vector<bool>& v)
{
    QStringList p;
    for (bool x : v)
        p << (x ? QStringLiteral("t") : QStringLiteral("f"));
    return QLatin1Char('{') + p.join(QLatin1Char(',')) + QLatin1Char('}');
}

// An SQL array's text ("{1,2,3}") back as numbers.
std::vector<int> mangSo(const QString& s)
{
    std::vector<int> kq;
    QString t = s;
    t.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    for (const QString& x : t.split(QLatin1Char(','), Qt::SkipEmptyParts))
        kq.push_back(x.toInt());
    return kq;
}

PhienKiemTra docPhien(const QSqlQuery& q)
{
    PhienKiemTra p;
    p.id = q.value(0).toLongLong();
    p.khoaHoc = q.value(1).toLongLong();
    p.hang = q.value(2).toString();
    p.quyTac = q.value(3).toString();
    p.nganHang = q.value(4).toString();
    p.mo = q.value(5).toDateTime();
    p.phut = q.value(6).toInt();
    if (!q.isNull(7))
        p.dong = q.value(7).toDateTime();
    p.maNganHang = q.value(8).toString();
    return p;
}

const QString kCotPhien = QStringLiteral("id, course, class, rules, bank, opens, minutes, closed, bank_sha");

QString shaHex(const QByteArray& b)
{
    return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex());
}

}  // namespace

std::optional<qint64> KhoMayChu::ghiLayId(const QString& sql, const QVariantList& giaTri, QString* loi)
{
    qint64 id = 0;
    const KetQua kq = giaoDich([&] {
        return m_lenh.chay(sql, giaTri, [&](QSqlQuery& q) {
            if (q.next())
                id = q.value(0).toLongLong();
        });
    });
    if (kq == KetQua::Xong && id != 0)
        return id;
    if (loi)
        *loi = m_lyDoCho;
    return std::nullopt;
}

bool KhoMayChu::ghiLenh(const QString& sql, const QVariantList& giaTri, QString* loi)
{
    const KetQua kq = giaoDich([&] { return m_lenh.chay(sql, giaTri); });
    if (kq != KetQua::Xong && loi)
        *loi = m_lyDoCho;
    return kq == KetQua::Xong;
}

std::optional<QString> KhoMayChu::nganHangHienHanh()
{
    std::optional<QString> kq;
    doc([&] {
        return m_lenh.chay(
            QStringLiteral("SELECT sha256 FROM bank WHERE current ORDER BY published DESC LIMIT 1"), {},
            [&](QSqlQuery& q) {
                if (q.next())
                    kq = q.value(0).toString();
            });
    });
    return kq;
}

bool KhoMayChu::guiNganHang(const NganHangGui& g, QString* loi)
{
    QVariantList so, dapAn, soPa, chuong, nhom;
    std::vector<int> s, d, o, ch;
    std::vector<bool> liet;
    QStringList pl;
    for (const CauHoiNganHang& c : g.nh.cauHoi) {
        s.push_back(c.so);
        d.push_back(c.dapAn);
        o.push_back(c.soPhuongAn);
        liet.push_back(c.diemLiet);
        ch.push_back(g.nh.chuongCua(c.so));
        pl << c.nhom.join(QLatin1Char(','));
    }
    // The bank, its pictures and its rule sets in one transaction: a lab
    // computer never finds half of them.
    const KetQua kq = giaoDich([&] {
        for (const NganHangGui::BoGui& b : g.boQuyTac) {
            std::vector<int> cau, phut, dat, lietH;
            std::vector<bool> nhomH;
            QStringList hang, pool;
            for (const QuyTacHang& h : b.bo.hang) {
                hang << h.hang;
                cau.push_back(h.soCau);
                phut.push_back(h.soPhut);
                dat.push_back(h.canDeDat);
                lietH.push_back(h.soDiemLiet);
                pool << h.nhom;
                nhomH.push_back(h.theoNhom);
            }
            if (!m_lenh.chay(
                    QStringLiteral(
                        "SELECT thilaixe_publish_rules(?, ?, ?::date, nullif(?, '')::date, ?, ?::text[], "
                        "?::integer[], ?::integer[], ?::integer[], ?::integer[], ?::text[], "
                        "?::boolean[])"),
                    {b.bo.id, QString::fromUtf8(b.json), b.bo.tuNgay.toString(Qt::ISODate),
                     b.bo.denNgay.isValid() ? QVariant(b.bo.denNgay.toString(Qt::ISODate))
                                            : QVariant(QMetaType(QMetaType::QString)),
                     b.caiSan, mangChuSql(hang), mangSql(cau), mangSql(phut), mangSql(dat), mangSql(lietH),
                     mangChuSql(pool), mangBoolSql(nhomH)}))
                return false;
        }
        bool moi = false;
        if (!m_lenh.chay(
                QStringLiteral("SELECT thilaixe_publish_bank(?, ?, ?, ?, ?, ?::integer[], ?::integer[], "
                               "?::integer[], ?::boolean[], ?::integer[], ?::text[])"),
                {g.sha256, g.nh.id, g.nh.phienBan, g.nh.tieuDe, QString::fromUtf8(g.json), mangSql(s),
                 mangSql(d), mangSql(o), mangBoolSql(liet), mangSql(ch), mangChuSql(pl)},
                [&](QSqlQuery& q) { moi = q.next() && q.value(0).toBool(); }))
            return false;
        if (moi)
            for (const auto& [duong, anh] : g.anh)
                if (!m_lenh.chay(QStringLiteral("SELECT thilaixe_publish_picture(?, ?, ?)"),
                                 {g.sha256, duong, anh}))
                    return false;
        return true;
    });
    if (kq != KetQua::Xong && loi)
        *loi = m_lyDoCho;
    return kq == KetQua::Xong;
}

std::optional<NganHangGui> KhoMayChu::layNganHang(const QString& sha256, QString* loi)
{
    NganHangGui g;
    g.sha256 = sha256;
    bool coAnhHong = false;
    QString anhHong;
    const bool xong = doc([&] {
        g.anh.clear();
        g.boQuyTac.clear();
        return m_lenh.chay(QStringLiteral("SELECT json FROM bank WHERE sha256 = ?"), {sha256},
                           [&](QSqlQuery& q) {
                               if (q.next())
                                   g.json = q.value(0).toString().toUtf8();
                           })
               && m_lenh.chay(QStringLiteral("SELECT path, sha256, data FROM bank_picture WHERE bank = ?"),
                              {sha256},
                              [&](QSqlQuery& q) {
                                  while (q.next()) {
                                      const QByteArray b = q.value(2).toByteArray();
                                      if (shaHex(b) != q.value(1).toString()) {
                                          coAnhHong = true;
                                          anhHong = q.value(0).toString();
                                      }
                                      g.anh[q.value(0).toString()] = b;
                                  }
                              })
               && m_lenh.chay(
                   QStringLiteral("SELECT json, built_in FROM rule_set ORDER BY id"), {}, [&](QSqlQuery& q) {
                       while (q.next()) {
                           const QByteArray json = q.value(0).toString().toUtf8();
                           DocDuoc<BoQuyTac> bo = docBoQuyTac(json);
                           if (bo.giaTri)
                               g.boQuyTac.push_back({std::move(*bo.giaTri), json, q.value(1).toBool()});
                       }
                   });
    });
    if (!xong || g.json.isEmpty()) {
        if (loi)
            *loi = xong ? txt::kLayNganHangChuaCo : lyDoMayChu(m_lenh.loiCuoi());
        return std::nullopt;
    }
    if (shaHex(g.json) != sha256 || coAnhHong) {
        if (loi)
            *loi = txt::kLayNganHangHong.arg(coAnhHong ? anhHong : QStringLiteral("bank.json"));
        return std::nullopt;
    }
    return g;
}

std::optional<qint64> KhoMayChu::themKhoaHoc(const QString& ma, const QString& ten, const QString& hang,
                                             QString* loi)
{
    return ghiLayId(QStringLiteral("SELECT thilaixe_add_course(?, ?, ?)"),
                    {ma.trimmed(), ten.simplified(), hang}, loi);
}

std::optional<qint64> KhoMayChu::themHocVien(qint64 khoaHoc, const QString& soBaoDanh, const QString& ten,
                                             const std::optional<QString>& pin, const QDate& ngaySinh,
                                             QString* loi)
{
    return ghiLayId(
        QStringLiteral("SELECT thilaixe_add_learner(?, ?, ?, nullif(?, ''), nullif(?, '')::date)"),
        {khoaHoc, soBaoDanh.trimmed(), ten.simplified(),
         pin ? QVariant(*pin) : QVariant(QMetaType(QMetaType::QString)),
         ngaySinh.isValid() ? QVariant(ngaySinh.toString(Qt::ISODate))
                            : QVariant(QMetaType(QMetaType::QString))},
        loi);
}

std::vector<KhoaHoc> KhoMayChu::cacKhoaHoc()
{
    std::vector<KhoaHoc> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral("SELECT c.id, c.code, c.name, c.class, (SELECT count(*) FROM profile p WHERE "
                           "p.course = c.id) FROM course c ORDER BY c.created DESC, c.id DESC"),
            {}, [&](QSqlQuery& q) {
                while (q.next())
                    kq.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                                  q.value(3).toString(), q.value(4).toInt()});
            });
    });
    return kq;
}

std::vector<HocVienKhoaHoc> KhoMayChu::hocVienCuaKhoa(qint64 khoaHoc, const QString& nganHang,
                                                      const QString& hang, int soNgayThuoc)
{
    std::vector<HocVienKhoaHoc> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral(
                "WITH a AS (SELECT a.profile, a.id, a.right_count, a.slot_count, a.passed FROM attempt a "
                "JOIN profile p "
                "ON p.id = a.profile WHERE p.course = ? AND a.bank = ? AND a.class = ? AND a.kind = "
                "'paper'), "
                "c AS (SELECT x.profile, count(*) AS vung FROM (SELECT cr.profile, cr.question FROM "
                "critical_right cr "
                "JOIN profile p ON p.id = cr.profile WHERE p.course = ? AND cr.bank = ? GROUP BY cr.profile, "
                "cr.question HAVING count(*) >= ?) x GROUP BY x.profile) "
                "SELECT p.id, p.candidate, p.name, count(a.id), count(a.id) FILTER (WHERE a.passed), "
                "(array_agg(a.right_count ORDER BY a.id DESC))[1], max(a.right_count), "
                "(array_agg(a.slot_count ORDER BY a.id DESC))[1], coalesce(max(c.vung), 0) FROM profile p "
                "LEFT JOIN a "
                "ON a.profile = p.id LEFT JOIN c ON c.profile = p.id WHERE p.course = ? GROUP BY p.id ORDER "
                "BY "
                "p.candidate"),
            {khoaHoc, nganHang, hang, khoaHoc, nganHang, soNgayThuoc, khoaHoc}, [&](QSqlQuery& q) {
                while (q.next()) {
                    HocVienKhoaHoc h;
                    h.hoSo = q.value(0).toLongLong();
                    h.soBaoDanh = q.value(1).toString();
                    h.ten = q.value(2).toString();
                    h.soBai = q.value(3).toInt();
                    h.soDat = q.value(4).toInt();
                    if (h.soBai > 0) {
                        h.diemCuoi = q.value(5).toInt();
                        h.diemCao = q.value(6).toInt();
                        h.soCauCuoi = q.value(7).toInt();
                    }
                    h.diemLietVung = q.value(8).toInt();
                    kq.push_back(std::move(h));
                }
            });
    });
    return kq;
}

std::vector<CauSaiNhieu> KhoMayChu::cauSaiNhieu(qint64 khoaHoc, const QString& nganHang, int soToiDa)
{
    std::vector<CauSaiNhieu> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral(
                "SELECT s.question, count(*) FILTER (WHERE NOT (s.answer <> 0 AND s.answer = s.key)) AS sai, "
                "count(*) FROM attempt_slot s JOIN attempt a ON a.id = s.attempt JOIN profile p ON p.id = "
                "a.profile WHERE p.course = ? AND a.bank = ? GROUP BY s.question HAVING count(*) FILTER "
                "(WHERE NOT (s.answer <> 0 AND s.answer = s.key)) > 0 ORDER BY sai DESC, s.question LIMIT ?"),
            {khoaHoc, nganHang, soToiDa}, [&](QSqlQuery& q) {
                while (q.next())
                    kq.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()});
            });
    });
    return kq;
}

std::optional<qint64> KhoMayChu::moPhien(const PhienKiemTra& p, QString* loi)
{
    return ghiLayId(
        QStringLiteral("SELECT thilaixe_open_session(?, ?, ?, ?, ?::timestamptz, ?)"),
        {p.khoaHoc, p.hang, p.quyTac, p.maNganHang, p.mo.toUTC().toString(Qt::ISODateWithMs), p.phut}, loi);
}

bool KhoMayChu::datDe(qint64 phien, qint64 hoSo, qint64 hat, const DeThi& de, QString* loi)
{
    return ghiLenh(QStringLiteral("SELECT thilaixe_set_paper(?, ?, ?, ?::integer[], ?::integer[])"),
                   {phien, hoSo, hat, mangSql(de.cau), mangSql(de.diemLiet)}, loi);
}

bool KhoMayChu::dongPhien(qint64 phien, QString* loi)
{
    return ghiLenh(QStringLiteral("SELECT thilaixe_close_session(?)"), {phien}, loi);
}

std::vector<PhienKiemTra> KhoMayChu::cacPhien(qint64 khoaHoc)
{
    std::vector<PhienKiemTra> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(
            QStringLiteral("SELECT %1 FROM exam_session WHERE course = ? ORDER BY opens DESC, id DESC")
                .arg(kCotPhien),
            {khoaHoc}, [&](QSqlQuery& q) {
                while (q.next())
                    kq.push_back(docPhien(q));
            });
    });
    return kq;
}

std::optional<PhienKiemTra> KhoMayChu::phien(qint64 id)
{
    std::optional<PhienKiemTra> kq;
    doc([&] {
        return m_lenh.chay(QStringLiteral("SELECT %1 FROM exam_session WHERE id = ?").arg(kCotPhien), {id},
                           [&](QSqlQuery& q) {
                               if (q.next())
                                   kq = docPhien(q);
                           });
    });
    return kq;
}

std::vector<TinhHinhHocVien> KhoMayChu::tinhHinh(qint64 phien)
{
    std::vector<TinhHinhHocVien> kq;
    doc([&] {
        kq.clear();
        return m_lenh.chay(QStringLiteral("SELECT p.id, p.candidate, p.name, sp.seed, sp.status, sp.slot, "
                                          "sp.seconds_left, extract(epoch FROM "
                                          "now() - sp.updated)::integer, a.id IS NOT NULL, a.right_count, "
                                          "a.passed, a.slot_count, (SELECT "
                                          "string_agg(s.question::text, ',' ORDER BY s.slot) FROM "
                                          "attempt_slot s WHERE s.attempt = a.id AND "
                                          "s.critical <> 0 AND NOT (s.answer <> 0 AND s.answer = s.key)), "
                                          "e.closed IS NOT NULL, sp.started IS "
                                          "NOT NULL FROM exam_session e JOIN profile p ON p.course = "
                                          "e.course LEFT JOIN session_paper sp ON "
                                          "sp.session = e.id AND sp.profile = p.id LEFT JOIN attempt a ON "
                                          "a.id = sp.attempt WHERE e.id = ? "
                                          "ORDER BY p.candidate"),
                           {phien}, [&](QSqlQuery& q) {
                               while (q.next()) {
                                   TinhHinhHocVien t;
                                   t.hoSo = q.value(0).toLongLong();
                                   t.soBaoDanh = q.value(1).toString();
                                   t.ten = q.value(2).toString();
                                   using TT = TinhHinhHocVien::TrangThai;
                                   if (q.isNull(3)) {
                                       t.trangThai = TT::ChuaCoDe;
                                   } else if (q.value(8).toBool()) {
                                       t.trangThai = TT::DaNop;
                                       t.dung = q.value(9).toInt();
                                       t.dat = q.value(10).toBool();
                                       t.soCau = q.value(11).toInt();
                                       t.lietSai = mangSo(q.value(12).toString());
                                   } else if (q.value(14).toBool()) {
                                       t.trangThai = q.value(13).toBool() ? TT::DaDongChuaNop : TT::DangLam;
                                   } else {
                                       t.trangThai = TT::ChuaBatDau;
                                   }
                                   if (!q.isNull(3)) {
                                       t.hat = q.value(3).toLongLong();
                                       t.o = q.value(5).toInt();
                                       t.conGiay = q.isNull(6) ? -1 : q.value(6).toInt();
                                       t.giayTruoc = q.value(7).toInt();
                                   }
                                   kq.push_back(std::move(t));
                               }
                           });
    });
    return kq;
}

std::optional<BaiCuaPhien> KhoMayChu::deCuaHocVien(qint64 phien, qint64 hoSo)
{
    std::optional<BaiCuaPhien> kq;
    doc([&] {
        return m_lenh.chay(
            QStringLiteral(
                "SELECT sp.seed, sp.questions, sp.critical, sp.answers, sp.status = 'handed_in', s.minutes "
                "FROM session_paper sp JOIN exam_session s ON s.id = sp.session WHERE sp.session = ? AND "
                "sp.profile = ?"),
            {phien, hoSo}, [&](QSqlQuery& q) {
                if (q.next())
                    kq = BaiCuaPhien{q.value(0).toLongLong(),
                                     {mangSo(q.value(1).toString()), mangSo(q.value(2).toString())},
                                     mangSo(q.value(3).toString()),
                                     q.value(4).toBool(),
                                     0,
                                     q.value(5).toInt()};
            });
    });
    return kq;
}

std::optional<PhienKiemTra> KhoMayChu::phienDangMo()
{
    std::optional<PhienKiemTra> kq;
    // Opened, not closed, and not past its time for one starting now; the
    // server's policies show a learner only their course's.
    doc([&] {
        return m_lenh.chay(
            QStringLiteral("SELECT %1 FROM exam_session WHERE closed IS NULL AND opens <= now() AND "
                           "opens + minutes * interval '1 minute' * 3 > now() ORDER BY opens DESC "
                           "LIMIT 1")
                .arg(kCotPhien),
            {}, [&](QSqlQuery& q) {
                if (q.next())
                    kq = docPhien(q);
            });
    });
    return kq;
}

std::optional<BaiCuaPhien> KhoMayChu::batDauPhien(qint64 phien, QString* loi)
{
    std::optional<BaiCuaPhien> bai;
    const KetQua kq = giaoDich([&] {
        return m_lenh.chay(
            QStringLiteral("SELECT seed, questions, critical, answers, elapsed, minutes, handed_in FROM "
                           "thilaixe_start_paper(?)"),
            {phien}, [&](QSqlQuery& q) {
                if (q.next())
                    bai = BaiCuaPhien{q.value(0).toLongLong(),
                                      {mangSo(q.value(1).toString()), mangSo(q.value(2).toString())},
                                      mangSo(q.value(3).toString()),
                                      q.value(6).toBool(),
                                      q.value(4).toInt(),
                                      q.value(5).toInt()};
            });
    });
    if (kq != KetQua::Xong || !bai) {
        if (loi)
            *loi = m_lyDoCho;
        return std::nullopt;
    }
    return bai;
}

bool KhoMayChu::baoTienDo(qint64 phien, int o, int conGiay, const std::vector<int>& traLoi)
{
    // Only news for the teacher's view: never held. False when the server no
    // longer takes it (the time is over, or the session closed).
    bool con = false;
    const KetQua kq = giaoDich(
        [&] {
            return m_lenh.chay(QStringLiteral("SELECT thilaixe_report(?, ?, ?, ?::integer[])"),
                               {phien, o, conGiay, mangSql(traLoi)},
                               [&](QSqlQuery& q) { con = q.next() && q.value(0).toBool(); });
        },
        true);
    return kq != KetQua::Xong || con;
}

}  // namespace thilaixe
