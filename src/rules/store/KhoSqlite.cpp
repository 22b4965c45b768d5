// The store's queries and the changes they make.

#include "rules/store/KhoSqlite.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/store/KhoSqliteNoiBo.h"
#include "rules/store/LenhSql.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace thilaixe {

using kho_sqlite::tenTrong;

namespace {

int gioiHan(qint64 v, int thap, int cao) { return static_cast<int>(std::clamp<qint64>(v, thap, cao)); }

MucOnTap docMuc(const QSqlQuery& q, int cot)
{
    return {q.value(cot).toInt() != 0, gioiHan(q.value(cot + 1).toLongLong(), 0, kDungDeXong - 1),
            gioiHan(q.value(cot + 2).toLongLong(), 0, kDemToiDa),
            gioiHan(q.value(cot + 3).toLongLong(), 0, kDemToiDa)};
}

bool ghiMuc(LenhSql& lenh, qint64 hoSo, const QString& nganHang, int cau, const MucOnTap& m)
{
    return lenh.chay(
        QStringLiteral("INSERT OR REPLACE INTO practice(profile, bank, question, in_list, streak, right, "
                       "wrong) VALUES(?, ?, ?, ?, ?, ?, ?)"),
        {hoSo, nganHang, cau, m.canOn ? 1 : 0, m.dungLienTiep, m.dung, m.sai});
}

std::optional<MucOnTap> docMucTrongKho(LenhSql& lenh, qint64 hoSo, const QString& nganHang, int cau)
{
    MucOnTap m;
    if (!lenh.chay(QStringLiteral(
                       "SELECT in_list, streak, right, wrong FROM practice WHERE profile = ? AND bank = ? "
                       "AND question = ?"),
                   {hoSo, nganHang, cau}, [&](QSqlQuery& q) {
                       if (q.next())
                           m = docMuc(q, 0);
                   }))
        return std::nullopt;
    return m;
}

}  // namespace

std::vector<HoSo> KhoSqlite::cacHoSo()
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    std::vector<HoSo> kq;
    if (m_lenh.chayMotLan(q, QStringLiteral("SELECT id, name FROM profile ORDER BY id")))
        while (q.next())
            kq.push_back({q.value(0).toLongLong(), q.value(1).toString()});
    if (kq.empty())
        kq.push_back({kHoSoMacDinh, txt::kHoSoMacDinh});
    return kq;
}

std::optional<qint64> KhoSqlite::themHoSo(const QString& ten, QString* loi)
{
    const QString goc = ten.simplified().left(60);
    if (goc.isEmpty()) {
        if (loi)
            *loi = txt::kKhoTenTrong;
        return std::nullopt;
    }
    std::optional<qint64> id;
    QString tenTrung;
    QSqlDatabase db = m_lenh.db();
    {
        QSqlQuery q(db);
        if (m_lenh.chayMotLan(q, QStringLiteral("SELECT id FROM profile WHERE name = ?"), {goc}) && q.next())
            return q.value(0).toLongLong();
    }
    // A profile is made again on purpose, not later: never held.
    if (!giaoDichRieng(
            [&] {
                return m_lenh.chay(QStringLiteral("INSERT OR IGNORE INTO profile(name, created) "
                                                  "VALUES(?, datetime('now'))"),
                                   {goc});
            },
            loi))
        return std::nullopt;
    QSqlQuery q(db);
    if (m_lenh.chayMotLan(q, QStringLiteral("SELECT id FROM profile WHERE name = ?"), {goc}) && q.next())
        id = q.value(0).toLongLong();
    return id;
}

QString KhoSqlite::caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    if (m_lenh.chayMotLan(q, QStringLiteral("SELECT value FROM setting WHERE profile = ? AND key = ?"),
                          {hoSo, khoa})
        && q.next())
        return q.value(0).toString();
    return macDinh;
}

bool KhoSqlite::datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi)
{
    const ThayDoi td = ThayDoi::caiDat(hoSo, khoa, giaTri);
    return ghi(&td, loi);
}

SoOnTap KhoSqlite::docOnTap(qint64 hoSo, const QString& nganHang, int soCauHoi)
{
    SoOnTap onTap(soCauHoi);
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    if (m_lenh.chayMotLan(
            q,
            QStringLiteral(
                "SELECT question, in_list, streak, right, wrong FROM practice WHERE profile = ? AND "
                "bank = ?"),
            {hoSo, nganHang}))
        while (q.next())
            if (const int c = q.value(0).toInt(); onTap.coCau(c))
                onTap.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
    if (m_lenh.chayMotLan(q,
                          QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                          {hoSo, nganHang}))
        while (q.next())
            onTap.daGop.insert(q.value(0).toString().toLatin1());
    for (const ChoGhi& c : m_choGhi)
        if (!c.trongXem)
            apVaoOnTap(c.td, hoSo, nganHang, onTap);
    for (const GopCho& g : m_gopCho)
        if (g.hoSo == hoSo && g.nganHang == nganHang)
            onTap.gopLanThi(g.ds);
    return onTap;
}

bool KhoSqlite::traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung, MucOnTap* sau,
                            bool* roi, QString* loi)
{
    // What the store holds after it, as this answer leaves it.
    const ThayDoi td = ThayDoi::onTap(hoSo, nganHang, cau, dung);
    SauGhi kq;
    const bool xong = ghi(&td, loi, &kq);
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

bool KhoSqlite::gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                          QString* loi)
{
    {
        SoOnTap thu = docOnTap(hoSo, nganHang, soCauHoi);
        if (!thu.gopLanThi(ds) && m_gopCho.empty())
            return true;  // nothing new: no write
    }
    GopCho g{hoSo, nganHang, soCauHoi, ds};
    if (giaoDichRieng([&] { return ghiGop(g); }, loi))
        return true;
    // Shown meanwhile, and written with the next write that succeeds.
    std::erase_if(m_gopCho, [&](const GopCho& c) { return c.hoSo == hoSo && c.nganHang == nganHang; });
    m_gopCho.push_back(std::move(g));
    return false;
}

bool KhoSqlite::ghiGop(const GopCho& g)
{
    // The boxes as they stand, folded, and what changed written.
    SoOnTap onTap(g.soCauHoi);
    QSqlQuery q(m_lenh.db());
    if (!m_lenh.chayMotLan(
            q,
            QStringLiteral("SELECT question, in_list, streak, right, wrong FROM practice WHERE "
                           "profile = ? AND bank = ?"),
            {g.hoSo, g.nganHang}))
        return false;
    while (q.next())
        if (const int c = q.value(0).toInt(); onTap.coCau(c))
            onTap.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
    if (!m_lenh.chayMotLan(q,
                           QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                           {g.hoSo, g.nganHang}))
        return false;
    while (q.next())
        onTap.daGop.insert(q.value(0).toString().toLatin1());
    const SoOnTap truoc = onTap;
    onTap.gopLanThi(g.ds);
    for (int c = 1; c <= g.soCauHoi; ++c)
        if (!(onTap.mucCua(c) == truoc.mucCua(c)) && !ghiMuc(m_lenh, g.hoSo, g.nganHang, c, onTap.mucCua(c)))
            return false;
    for (const QByteArray& k : onTap.daGop)
        if (!truoc.daGop.contains(k)
            && !m_lenh.chay(
                QStringLiteral("INSERT OR IGNORE INTO practice_folded(profile, bank, exam) VALUES(?, ?, ?)"),
                {g.hoSo, g.nganHang, QString::fromLatin1(k)}))
            return false;
    return true;
}

namespace {

// An attempt, its slots, its prediction and its misses into the practice
// list, inside an open transaction.
bool ghiBaiLam(LenhSql& lenh, const BaiLam& b, qint64* id)
{
    if (!lenh.chay(QStringLiteral("INSERT INTO attempt(profile, bank, bank_version, rules, class, started, "
                                  "ended, pass_mark, kind) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {b.hoSo, b.nganHang, b.phienBan, b.quyTac, b.hang,
                    b.batDau.toUTC().toString(Qt::ISODateWithMs),
                    b.ketThuc.toUTC().toString(Qt::ISODateWithMs), b.canDeDat,
                    b.baiNgan ? QStringLiteral("short") : QStringLiteral("paper")},
                   [&](QSqlQuery& r) { *id = r.lastInsertId().toLongLong(); }))
        return false;
    if (b.duDoan
        && !lenh.chay(QStringLiteral("INSERT INTO prediction(attempt, pass, critical) VALUES(?, ?, ?)"),
                      {*id, b.duDoan->first, b.duDoan->second}))
        return false;
    // Every slot in one statement (the row count never changes
    // between attempts of a class, so it is prepared once).
    const LanThi l = b.lanThi();
    static QHash<std::size_t, QString> cauLenh;
    QString& sql = cauLenh[b.cau.size()];
    if (sql.isEmpty()) {
        sql =
            QStringLiteral("INSERT INTO attempt_slot(attempt, slot, question, answer, key, critical) VALUES");
        for (std::size_t i = 0; i < b.cau.size(); ++i)
            sql += i == 0 ? QStringLiteral("(?,?,?,?,?,?)") : QStringLiteral(",(?,?,?,?,?,?)");
    }
    QVariantList gt;
    gt.reserve(static_cast<qsizetype>(b.cau.size()) * 6);
    for (std::size_t i = 0; i < b.cau.size(); ++i) {
        gt << *id << static_cast<int>(i) << b.cau[i] << (i < b.traLoi.size() ? b.traLoi[i] : 0)
           << (i < b.dapAn.size() ? b.dapAn[i] : 0) << (l.diemLiet[i + 1] ? 1 : 0);
    }
    if (!b.cau.empty() && !lenh.chay(sql, gt))
        return false;
    // Every miss goes (back) into the practice list as the rule
    // says (boVaoDanhSach): the fields it sets are written, for
    // them all in one statement, and the counts stay.
    MucOnTap vao;
    boVaoDanhSach(vao);
    QVariantList sai;
    for (int q : cauBiSai(l))
        sai << b.hoSo << b.nganHang << q << (vao.canOn ? 1 : 0) << vao.dungLienTiep;
    if (!sai.isEmpty()) {
        static QHash<qsizetype, QString> lenhSai;
        QString& sqlSai = lenhSai[sai.size() / 5];
        if (sqlSai.isEmpty()) {
            sqlSai = QStringLiteral("INSERT INTO practice(profile, bank, question, in_list, streak, right, "
                                    "wrong) VALUES");
            for (qsizetype k = 0; k < sai.size() / 5; ++k)
                sqlSai += k == 0 ? QStringLiteral("(?, ?, ?, ?, ?, 0, 0)")
                                 : QStringLiteral(",(?, ?, ?, ?, ?, 0, 0)");
            sqlSai += QStringLiteral(" ON CONFLICT(profile, bank, question) DO UPDATE SET in_list = "
                                     "excluded.in_list, streak = excluded.streak");
        }
        if (!lenh.chay(sqlSai, sai))
            return false;
    }
    return true;
}

}  // namespace

std::optional<qint64> KhoSqlite::luuBaiLam(const BaiLam& b, QString* loi)
{
    const ThayDoi td = ThayDoi::baiLam(b);
    SauGhi kq;
    if (!ghi(&td, loi, &kq))
        return std::nullopt;
    return kq.id;
}

bool KhoSqlite::ghiThayDoi(const ThayDoi& td, bool ghiUid, SauGhi* sau, bool* daCo)
{
    if (daCo)
        *daCo = false;
    if (ghiUid && !td.uid.isEmpty()) {
        int moi = 0;
        if (!m_lenh.chay(
                QStringLiteral("INSERT OR IGNORE INTO change_applied(uid, at) VALUES(?, datetime('now'))"),
                {td.uid}, [&](QSqlQuery& q) { moi = q.numRowsAffected(); }))
            return false;
        if (moi == 0) {
            if (daCo)
                *daCo = true;  // written before: once only
            return true;
        }
    }
    switch (td.loai) {
    case ThayDoi::Loai::BaiLam: {
        qint64 id = 0;
        if (!ghiBaiLam(m_lenh, td.bai, &id))
            return false;
        if (sau)
            sau->id = id;
        return true;
    }
    case ThayDoi::Loai::OnTap: {
        const std::optional<MucOnTap> m = docMucTrongKho(m_lenh, td.hoSo, td.nganHang, td.cau);
        if (!m)
            return false;
        MucOnTap moi = *m;
        const bool roi = traLoiMuc(moi, td.dung);
        if (sau) {
            sau->muc = moi;
            sau->roi = roi;
        }
        return ghiMuc(m_lenh, td.hoSo, td.nganHang, td.cau, moi);
    }
    case ThayDoi::Loai::DiemLiet:
        return m_lenh.chay(
            QStringLiteral("INSERT OR IGNORE INTO critical_right(profile, bank, question, day) "
                           "VALUES(?, ?, ?, ?)"),
            {td.hoSo, td.nganHang, td.cau, td.ngay});
    case ThayDoi::Loai::TraLoi:
        return m_lenh.chay(
            QStringLiteral("INSERT INTO answer(profile, bank, question, at, right) VALUES(?, ?, ?, ?, ?)"),
            {td.hoSo, td.nganHang, td.cau, td.luc, td.dung ? 1 : 0});
    case ThayDoi::Loai::CaiDat:
        return m_lenh.chay(
            QStringLiteral("INSERT OR REPLACE INTO setting(profile, key, value) VALUES(?, ?, ?)"),
            {td.hoSo, td.khoa, td.giaTri});
    }
    return false;
}

std::vector<BaiLam> KhoSqlite::cacBaiLam(std::optional<qint64> hoSo, const QString& nganHang)
{
    QSqlDatabase db = m_lenh.db();
    std::vector<BaiLam> kq;
    QString dieuKien = QStringLiteral(" WHERE 1");
    QVariantList gt;
    if (hoSo) {
        dieuKien += QStringLiteral(" AND a.profile = ?");
        gt.append(*hoSo);
    }
    if (!nganHang.isEmpty()) {
        dieuKien += QStringLiteral(" AND a.bank = ?");
        gt.append(nganHang);
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!m_lenh.chayMotLan(
            q,
            QStringLiteral("SELECT %1 FROM attempt a LEFT JOIN prediction p ON p.attempt = a.id")
                    .arg(QLatin1String(kCotBaiLam))
                + dieuKien + QStringLiteral(" ORDER BY a.id"),
            gt))
        return kq;
    while (q.next())
        kq.push_back(baiLamTuDong(q));
    if (kq.empty())
        return kq;
    QSqlQuery o(db);
    o.setForwardOnly(true);
    if (!m_lenh.chayMotLan(
            o,
            QStringLiteral(
                "SELECT s.attempt, s.question, s.answer, s.key, s.critical FROM attempt_slot s JOIN "
                "attempt a ON a.id = s.attempt")
                + dieuKien + QStringLiteral(" ORDER BY s.attempt, s.slot"),
            gt))
        return kq;
    std::size_t r = 0;
    while (o.next()) {
        const qint64 id = o.value(0).toLongLong();
        while (r < kq.size() && kq[r].id < id)
            ++r;
        if (r == kq.size())
            break;
        if (kq[r].id != id)
            continue;
        themOBaiLam(kq[r], o);
    }
    return kq;
}

std::vector<KhoHocVien::DongOnTap> KhoSqlite::tatCaOnTap(const QString& nganHang)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    std::vector<DongOnTap> kq;
    if (m_lenh.chayMotLan(
            q,
            QStringLiteral("SELECT profile, bank, question, in_list, streak, right, wrong FROM practice")
                + (nganHang.isEmpty() ? QString() : QStringLiteral(" WHERE bank = ?"))
                + QStringLiteral(" ORDER BY profile, bank, question"),
            nganHang.isEmpty() ? QVariantList{} : QVariantList{nganHang}))
        while (q.next())
            kq.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(), docMuc(q, 3)});
    return kq;
}

bool KhoSqlite::ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                                QString* loi)
{
    const ThayDoi td = ThayDoi::diemLiet(hoSo, nganHang, cau, ngay.toString(Qt::ISODate));
    return ghi(&td, loi);
}

QHash<int, int> KhoSqlite::soNgayDungDiemLiet(qint64 hoSo, const QString& nganHang)
{
    QHash<int, int> kq;
    QSqlDatabase db = m_lenh.db();
    m_lenh.chay(QStringLiteral(
                    "SELECT question, count(*) FROM critical_right WHERE profile = ? AND bank = ? GROUP BY "
                    "question"),
                {hoSo, nganHang}, [&](QSqlQuery& q) {
                    while (q.next())
                        kq.insert(q.value(0).toInt(), q.value(1).toInt());
                });
    return kq;
}

bool KhoSqlite::ghiTraLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, const QDateTime& luc,
                          QString* loi)
{
    const ThayDoi td = ThayDoi::traLoi(hoSo, nganHang, cau, dung, lucDongHo(luc));
    return ghi(&td, loi);
}

std::vector<KhoHocVien::TraLoiDaGhi> KhoSqlite::cacTraLoi(qint64 hoSo, const QString& nganHang)
{
    std::vector<TraLoiDaGhi> kq;
    m_lenh.chay(
        QStringLiteral("SELECT question, at, right FROM answer WHERE profile = ? AND bank = ? ORDER BY at"),
        {hoSo, nganHang}, [&](QSqlQuery& q) {
            while (q.next())
                kq.push_back({q.value(0).toInt(), q.value(1).toLongLong(), q.value(2).toInt() != 0});
        });
    // Those still held come last: they were given after all that is written.
    for (const ChoGhi& c : m_choGhi)
        if (!c.trongXem && c.td.loai == ThayDoi::Loai::TraLoi && c.td.hoSo == hoSo
            && c.td.nganHang == nganHang)
            kq.push_back({c.td.cau, c.td.luc, c.td.dung});
    return kq;
}

}  // namespace thilaixe
