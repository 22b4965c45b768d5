// The school's part of the server store: courses and learners, the
// teacher's views, course-end test sessions.

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/store/KhoMayChu.h"

#include <QDir>
#include <QSqlQuery>

namespace thilaixe {

namespace {

QString soThanhChu(const std::vector<int>& v)
{
    QStringList p;
    for (int x : v)
        p << QString::number(x);
    return p.join(QLatin1Char(','));
}

std::vector<int> chuThanhSo(const QString& s)
{
    std::vector<int> kq;
    for (const QString& x : s.split(QLatin1Char(','), Qt::SkipEmptyParts))
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
    return p;
}

const QString kCotPhien = QStringLiteral("id, course, class, rules, bank, opens, minutes, closed");

// A field as a spreadsheet reads it back: quoted when it holds a line
// break (CR or LF), a quote or the separator; and one that a spreadsheet
// would take for a formula (=, +, - or @ first, after any blanks or control
// characters) is kept as text by a leading apostrophe.
QString oCsv(const QString& s)
{
    qsizetype dau = 0;
    while (dau < s.size() && (s.at(dau).isSpace() || s.at(dau).category() == QChar::Other_Control))
        ++dau;
    const QChar c = dau < s.size() ? s.at(dau) : QChar();
    const bool congThuc =
        c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('@');
    const bool canNhay = congThuc || s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"'))
                         || s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
    if (!canNhay)
        return s;
    QString kq = s;
    kq.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (congThuc)
        kq.prepend(QLatin1Char('\''));
    return QLatin1Char('"') + kq + QLatin1Char('"');
}

}  // namespace

QByteArray csvKhoaHoc(const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds, int soCauDiemLiet)
{
    QStringList dong;
    dong << QStringList{txt::kCsvKhoaHoc, oCsv(k.ma), oCsv(k.ten), txt::kCsvHang, oCsv(k.hang)}.join(
        QLatin1Char(','));
    dong << txt::kCsvTieuDe;
    for (const HocVienKhoaHoc& h : ds)
        dong << QStringList{oCsv(h.soBaoDanh),
                            oCsv(h.ten),
                            QString::number(h.soBai),
                            QString::number(h.soDat),
                            h.diemCuoi ? QStringLiteral("%1/%2").arg(*h.diemCuoi).arg(h.soCauCuoi)
                                       : QString(),
                            h.diemCao ? QString::number(*h.diemCao) : QString(),
                            QStringLiteral("%1/%2").arg(h.diemLietVung).arg(soCauDiemLiet)}
                    .join(QLatin1Char(','));
    // Windows line ends: what spreadsheet programs expect of a CSV file.
    return QByteArrayLiteral("\xEF\xBB\xBF") + dong.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

bool ghiCsvKhoaHoc(const QString& tep, const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds,
                   int soCauDiemLiet, QString* loi)
{
    QString vi;
    if (ghiTep(tep, csvKhoaHoc(k, ds, soCauDiemLiet), &vi))
        return true;
    if (loi)
        *loi = txt::kKhongGhiTep.arg(QDir::toNativeSeparators(tep), vi);
    return false;
}

std::optional<qint64> KhoMayChu::themKhoaHoc(const QString& ma, const QString& ten, const QString& hang,
                                             QString* loi)
{
    return ghiLayId(
        QStringLiteral("INSERT INTO course(code, name, class) VALUES(?, ?, ?) ON CONFLICT (code) DO UPDATE "
                       "SET name = excluded.name, class = excluded.class RETURNING id"),
        {ma.trimmed(), ten.trimmed(), hang}, loi);
}

std::optional<qint64> KhoMayChu::themHocVien(qint64 khoaHoc, const QString& soBaoDanh, const QString& ten,
                                             const QString& pin, QString* loi)
{
    if (pin.size() < 4) {
        if (loi)
            *loi = txt::kMcPinNgan;
        return std::nullopt;
    }
    return ghiLayId(QStringLiteral("SELECT thilaixe_add_learner(?, ?, ?, ?)"),
                    {khoaHoc, soBaoDanh.trimmed(), ten.simplified(), pin}, loi);
}

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
                "JOIN "
                "profile p ON p.id = a.profile WHERE p.course = ? AND a.bank = ? AND a.class = ? AND a.kind "
                "= "
                "'paper'), "
                "c AS (SELECT x.profile, count(*) AS vung FROM (SELECT cr.profile, cr.question FROM "
                "critical_right cr "
                "JOIN profile p ON p.id = cr.profile WHERE p.course = ? AND cr.bank = ? GROUP BY cr.profile, "
                "cr.question HAVING count(*) >= ?) x GROUP BY x.profile) "
                "SELECT p.id, p.candidate, p.name, count(a.id), count(a.id) FILTER (WHERE a.passed), "
                "(array_agg(a.right_count ORDER BY a.id DESC))[1], max(a.right_count), "
                "(array_agg(a.slot_count ORDER BY a.id DESC))[1], "
                "coalesce(max(c.vung), 0) FROM profile p LEFT JOIN a ON a.profile = p.id LEFT JOIN c ON "
                "c.profile = "
                "p.id WHERE p.course = ? GROUP BY p.id ORDER BY p.candidate"),
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
            QStringLiteral("SELECT s.question, count(*) FILTER (WHERE NOT (s.answer <> 0 AND s.answer = "
                           "s.key)) AS sai, count(*) FROM attempt_slot s JOIN attempt a ON a.id = "
                           "s.attempt JOIN profile p ON p.id = a.profile WHERE p.course = ? AND a.bank = "
                           "? GROUP BY s.question HAVING count(*) FILTER (WHERE NOT (s.answer <> 0 AND "
                           "s.answer = s.key)) > 0 ORDER BY sai DESC, s.question LIMIT ?"),
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
        QStringLiteral("INSERT INTO exam_session(course, class, rules, bank, opens, minutes) VALUES(?, ?, "
                       "?, ?, ?, ?) RETURNING id"),
        {p.khoaHoc, p.hang, p.quyTac, p.nganHang, p.mo.toUTC().toString(Qt::ISODateWithMs), p.phut}, loi);
}

bool KhoMayChu::dongPhien(qint64 phien, QString* loi)
{
    const KetQua kq = giaoDich([&] {
        return m_lenh.chay(
            QStringLiteral("UPDATE exam_session SET closed = now() WHERE id = ? AND closed IS NULL"),
            {phien});
    });
    if (kq != KetQua::Xong && loi)
        *loi = m_lyDoCho;
    return kq == KetQua::Xong;
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
        return m_lenh.chay(
            QStringLiteral(
                "SELECT p.id, p.candidate, p.name, sp.seed, sp.status, sp.slot, sp.seconds_left, "
                "extract(epoch FROM "
                "now() - sp.updated)::integer, a.id IS NOT NULL, a.right_count, a.passed, (SELECT count(*) "
                "FROM "
                "attempt_slot s WHERE s.attempt = a.id), (SELECT string_agg(s.question::text, ',' ORDER BY "
                "s.slot) "
                "FROM attempt_slot s WHERE s.attempt = a.id AND s.critical <> 0 AND NOT (s.answer <> 0 AND "
                "s.answer "
                "= s.key)), e.closed IS NOT NULL FROM exam_session e JOIN profile p ON p.course = e.course "
                "LEFT JOIN "
                "session_paper sp ON sp.session = e.id AND sp.profile = p.id LEFT JOIN attempt a ON a.uid = "
                "sp.attempt_uid WHERE e.id = ? ORDER BY p.candidate"),
            {phien}, [&](QSqlQuery& q) {
                while (q.next()) {
                    TinhHinhHocVien t;
                    t.hoSo = q.value(0).toLongLong();
                    t.soBaoDanh = q.value(1).toString();
                    t.ten = q.value(2).toString();
                    using TT = TinhHinhHocVien::TrangThai;
                    if (q.value(8).toBool()) {
                        t.trangThai = TT::DaNop;
                        t.dung = q.value(9).toInt();
                        t.dat = q.value(10).toBool();
                        t.soCau = q.value(11).toInt();
                        t.lietSai = chuThanhSo(q.value(12).toString());
                    } else if (!q.isNull(3)) {
                        t.trangThai = q.value(13).toBool() ? TT::DaDongChuaNop : TT::DangLam;
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
    const qint64 toi = m_toi;
    const KetQua kq = giaoDich([&] {
        // Never started once the session is closed.
        if (!m_lenh.chay(
                QStringLiteral("INSERT INTO session_paper(session, profile) SELECT ?, ? WHERE EXISTS (SELECT "
                               "1 FROM exam_session WHERE id = ? AND closed IS NULL) ON CONFLICT DO NOTHING"),
                {phien, toi, phien}))
            return false;
        return m_lenh.chay(
            QStringLiteral("SELECT seed, answers, status, extract(epoch FROM now() - started)::integer FROM "
                           "session_paper WHERE session = ? AND profile = ?"),
            {phien, toi}, [&](QSqlQuery& q) {
                if (q.next())
                    bai =
                        BaiCuaPhien{q.value(0).toLongLong(), chuThanhSo(q.value(1).toString()),
                                    q.value(2).toString() == QLatin1String("handed_in"), q.value(3).toInt()};
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
    // Only news for the teacher's view: never held.
    return giaoDich([&] {
               return m_lenh.chay(
                   QStringLiteral("UPDATE session_paper SET slot = ?, seconds_left = ?, answers = ?, "
                                  "updated = now() WHERE session = ? AND profile = ? AND status = "
                                  "'sitting'"),
                   {o, conGiay, soThanhChu(traLoi), phien, m_toi});
           })
           == KetQua::Xong;
}

}  // namespace thilaixe
