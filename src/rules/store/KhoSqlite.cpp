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
    const std::size_t choTruoc = m_choGhi.size();
    const bool xong =
        giaoDich({[goc](LenhSql& d) {
                      return d.chay(QStringLiteral("INSERT OR IGNORE INTO profile(name, created) "
                                                   "VALUES(?, datetime('now'))"),
                                    {goc});
                  },
                  {}},
                 loi);
    if (!xong) {
        if (m_choGhi.size() > choTruoc)
            m_choGhi.pop_back();  // a profile is made again on purpose, not later
        return std::nullopt;
    }
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

KhoSqlite::ThayDoi KhoSqlite::thayDoiCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri)
{
    return {[=](LenhSql& lenh) {
                return lenh.chay(
                    QStringLiteral("INSERT OR REPLACE INTO setting(profile, key, value) VALUES(?, ?, ?)"),
                    {hoSo, khoa, giaTri});
            },
            {},
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("setting")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("key"), khoa},
                        {QStringLiteral("value"), giaTri}}};
}

bool KhoSqlite::datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi)
{
    return giaoDich(thayDoiCaiDat(hoSo, khoa, giaTri), loi);
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
    for (const ThayDoi& d : m_choGhi)
        if (d.apVao)
            d.apVao(hoSo, nganHang, onTap);
    return onTap;
}

KhoSqlite::ThayDoi KhoSqlite::thayDoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung,
                                           const std::shared_ptr<std::pair<MucOnTap, bool>>& ketQua)
{
    return {[=](LenhSql& lenh) {
                const std::optional<MucOnTap> m = docMucTrongKho(lenh, hoSo, nganHang, cau);
                if (!m)
                    return false;
                MucOnTap moi = *m;
                ketQua->second = traLoiMuc(moi, dung);
                ketQua->first = moi;
                return ghiMuc(lenh, hoSo, nganHang, cau, moi);
            },
            [=](qint64 h, const QString& nh, SoOnTap& onTap) {
                if (h == hoSo && nh == nganHang && onTap.coCau(cau))
                    traLoiMuc(onTap.muc[static_cast<std::size_t>(cau)], dung);
            },
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("practice")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("bank"), nganHang},
                        {QStringLiteral("question"), cau},
                        {QStringLiteral("right"), dung}}};
}

bool KhoSqlite::traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung, MucOnTap* sau,
                            bool* roi, QString* loi)
{
    // What the store holds after it, as this answer leaves it.
    auto ketQua = std::make_shared<std::pair<MucOnTap, bool>>();
    const bool xong = giaoDich(thayDoiOnTap(hoSo, nganHang, cau, dung, ketQua), loi);
    if (!xong) {
        // Held: the view with the waiting changes says what it will be.
        SoOnTap onTap = docOnTap(hoSo, nganHang, std::max(cau, 1));
        MucOnTap truoc = onTap.coCau(cau) ? onTap.mucCua(cau) : MucOnTap{};
        ketQua->first = truoc;
        ketQua->second = false;
    }
    if (sau)
        *sau = ketQua->first;
    if (roi)
        *roi = ketQua->second;
    return xong;
}

bool KhoSqlite::gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                          QString* loi)
{
    {
        SoOnTap thu = docOnTap(hoSo, nganHang, soCauHoi);
        if (!thu.gopLanThi(ds) && m_choGhi.empty())
            return true;  // nothing new: no write
    }
    return giaoDich(
        {[=](LenhSql& lenh) {
             // The boxes as they stand, folded, and what changed written.
             SoOnTap onTap(soCauHoi);
             QSqlQuery q(lenh.db());
             if (!lenh.chayMotLan(
                     q,
                     QStringLiteral("SELECT question, in_list, streak, right, wrong FROM practice WHERE "
                                    "profile = ? AND bank = ?"),
                     {hoSo, nganHang}))
                 return false;
             while (q.next())
                 if (const int c = q.value(0).toInt(); onTap.coCau(c))
                     onTap.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
             if (!lenh.chayMotLan(
                     q, QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                     {hoSo, nganHang}))
                 return false;
             while (q.next())
                 onTap.daGop.insert(q.value(0).toString().toLatin1());
             const SoOnTap truoc = onTap;
             onTap.gopLanThi(ds);
             for (int c = 1; c <= soCauHoi; ++c)
                 if (!(onTap.mucCua(c) == truoc.mucCua(c))
                     && !ghiMuc(lenh, hoSo, nganHang, c, onTap.mucCua(c)))
                     return false;
             if (!lenh.chay(QStringLiteral("DELETE FROM practice_folded WHERE profile = ? AND bank = ?"),
                            {hoSo, nganHang}))
                 return false;
             for (const QByteArray& k : onTap.daGop)
                 if (!lenh.chay(
                         QStringLiteral("INSERT INTO practice_folded(profile, bank, exam) VALUES(?, ?, ?)"),
                         {hoSo, nganHang, QString::fromLatin1(k)}))
                     return false;
             return true;
         },
         [=](qint64 h, const QString& nh, SoOnTap& onTap) {
             if (h == hoSo && nh == nganHang)
                 onTap.gopLanThi(ds);
         }},
        loi);
}

KhoSqlite::ThayDoi KhoSqlite::thayDoiBaiLam(const BaiLam& b, const std::shared_ptr<qint64>& id)
{
    return {[b, id](LenhSql& lenh) {
                if (!lenh.chay(QStringLiteral(
                                   "INSERT INTO attempt(profile, bank, bank_version, rules, class, started, "
                                   "ended, pass_mark, kind) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                               {b.hoSo, b.nganHang, b.phienBan, b.quyTac, b.hang,
                                b.batDau.toUTC().toString(Qt::ISODateWithMs),
                                b.ketThuc.toUTC().toString(Qt::ISODateWithMs), b.canDeDat,
                                b.baiNgan ? QStringLiteral("short") : QStringLiteral("paper")},
                               [&](QSqlQuery& r) { *id = r.lastInsertId().toLongLong(); }))
                    return false;
                if (b.duDoan
                    && !lenh.chay(
                        QStringLiteral("INSERT INTO prediction(attempt, pass, critical) VALUES(?, ?, ?)"),
                        {*id, b.duDoan->first, b.duDoan->second}))
                    return false;
                // Every slot in one statement (the row count never changes
                // between attempts of a class, so it is prepared once).
                const LanThi l = b.lanThi();
                static QHash<std::size_t, QString> cauLenh;
                QString& sql = cauLenh[b.cau.size()];
                if (sql.isEmpty()) {
                    sql = QStringLiteral(
                        "INSERT INTO attempt_slot(attempt, slot, question, answer, key, critical) VALUES");
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
                        sqlSai = QStringLiteral(
                            "INSERT INTO practice(profile, bank, question, in_list, streak, right, "
                            "wrong) VALUES");
                        for (qsizetype k = 0; k < sai.size() / 5; ++k)
                            sqlSai += k == 0 ? QStringLiteral("(?, ?, ?, ?, ?, 0, 0)")
                                             : QStringLiteral(",(?, ?, ?, ?, ?, 0, 0)");
                        sqlSai +=
                            QStringLiteral(" ON CONFLICT(profile, bank, question) DO UPDATE SET in_list = "
                                           "excluded.in_list, streak = excluded.streak");
                    }
                    if (!lenh.chay(sqlSai, sai))
                        return false;
                }
                return true;
            },
            [b](qint64 h, const QString& nh, SoOnTap& onTap) {
                if (h != b.hoSo || nh != b.nganHang)
                    return;
                for (int q : cauBiSai(b.lanThi()))
                    if (onTap.coCau(q))
                        boVaoDanhSach(onTap.muc[static_cast<std::size_t>(q)]);
            },
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("attempt")},
                        {QStringLiteral("attempt"), baiLamJson(b, true)}}};
}

std::optional<qint64> KhoSqlite::luuBaiLam(const BaiLam& b, QString* loi)
{
    auto id = std::make_shared<qint64>(0);
    const bool xong = giaoDich(thayDoiBaiLam(b, id), loi);
    if (!xong)
        return std::nullopt;
    return *id;
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
            QStringLiteral(
                "SELECT a.id, a.profile, a.bank, a.bank_version, a.rules, a.class, a.started, a.ended, "
                "a.pass_mark, p.pass, p.critical, a.kind FROM attempt a LEFT JOIN prediction p ON "
                "p.attempt = a.id")
                + dieuKien + QStringLiteral(" ORDER BY a.id"),
            gt))
        return kq;
    while (q.next()) {
        BaiLam b;
        b.id = q.value(0).toLongLong();
        b.hoSo = q.value(1).toLongLong();
        b.nganHang = q.value(2).toString();
        b.phienBan = q.value(3).toString();
        b.quyTac = q.value(4).toString();
        b.hang = q.value(5).toString();
        b.batDau = QDateTime::fromString(q.value(6).toString(), Qt::ISODateWithMs);
        b.ketThuc = QDateTime::fromString(q.value(7).toString(), Qt::ISODateWithMs);
        b.canDeDat = q.value(8).toInt();
        if (!q.value(9).isNull())
            b.duDoan = std::make_pair(q.value(9).toDouble(), q.value(10).toDouble());
        b.baiNgan = q.value(11).toString() == QStringLiteral("short");
        kq.push_back(std::move(b));
    }
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
        kq[r].cau.push_back(o.value(1).toInt());
        kq[r].traLoi.push_back(o.value(2).toInt());
        kq[r].dapAn.push_back(o.value(3).toInt());
        kq[r].diemLiet.push_back(o.value(4).toInt() != 0);
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

KhoSqlite::ThayDoi KhoSqlite::thayDoiDiemLiet(qint64 hoSo, const QString& nganHang, int cau,
                                              const QString& ngay)
{
    return {[=](LenhSql& lenh) {
                return lenh.chay(
                    QStringLiteral("INSERT OR IGNORE INTO critical_right(profile, bank, question, day) "
                                   "VALUES(?, ?, ?, ?)"),
                    {hoSo, nganHang, cau, ngay});
            },
            {},
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("critical_right")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("bank"), nganHang},
                        {QStringLiteral("question"), cau},
                        {QStringLiteral("day"), ngay}}};
}

bool KhoSqlite::ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                                QString* loi)
{
    return giaoDich(thayDoiDiemLiet(hoSo, nganHang, cau, ngay.toString(Qt::ISODate)), loi);
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

KhoSqlite::ThayDoi KhoSqlite::thayDoiTraLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung,
                                            qint64 luc)
{
    return {[=](LenhSql& lenh) {
                return lenh.chay(QStringLiteral("INSERT INTO answer(profile, bank, question, at, right) "
                                                "VALUES(?, ?, ?, ?, ?)"),
                                 {hoSo, nganHang, cau, luc, dung ? 1 : 0});
            },
            {},
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("answer")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("bank"), nganHang},
                        {QStringLiteral("question"), cau},
                        {QStringLiteral("at"), luc},
                        {QStringLiteral("right"), dung}}};
}

bool KhoSqlite::ghiTraLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, const QDateTime& luc,
                          QString* loi)
{
    return giaoDich(thayDoiTraLoi(hoSo, nganHang, cau, dung, lucDongHo(luc)), loi);
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
    for (const ThayDoi& d : m_choGhi)
        if (d.moTa.value(QStringLiteral("kind")).toString() == QLatin1String("answer")
            && d.moTa.value(QStringLiteral("profile")).toInteger() == hoSo
            && d.moTa.value(QStringLiteral("bank")).toString() == nganHang)
            kq.push_back({d.moTa.value(QStringLiteral("question")).toInt(),
                          d.moTa.value(QStringLiteral("at")).toInteger(),
                          d.moTa.value(QStringLiteral("right")).toBool()});
    return kq;
}

}  // namespace thilaixe
