#include "rules/store/HopThuDi.h"

#include "rules/store/LenhSql.h"

#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>

namespace thilaixe {

namespace {
std::atomic<int> g_soKetNoi{0};
}

HopThuDi::HopThuDi(QString tep) : m_tep(std::move(tep))
{
    m_ketNoi = QStringLiteral("thilaixe-outbox-%1").arg(++g_soKetNoi);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ketNoi);
    db.setDatabaseName(m_tep);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    QSqlQuery q(db);
    if (!db.open() || !q.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
        || !q.exec(QStringLiteral("PRAGMA synchronous = FULL"))
        || !q.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS outbox(seq INTEGER PRIMARY KEY, server TEXT NOT "
                           "NULL, login TEXT NOT NULL, change TEXT NOT NULL, held TEXT NOT NULL)"))) {
        m_canhBao = lyDoSql(q.lastError().isValid() ? q.lastError() : db.lastError());
        db.close();
    }
}

HopThuDi::~HopThuDi()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_ketNoi);
}

bool HopThuDi::them(const QString& mayChu, const QString& dangNhap, const QJsonObject& thayDoi, QString* loi)
{
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    if (db.isOpen()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO outbox(server, login, change, held) VALUES(?, ?, ?, datetime('now'))"));
        q.addBindValue(mayChu);
        q.addBindValue(dangNhap);
        q.addBindValue(QString::fromUtf8(QJsonDocument(thayDoi).toJson(QJsonDocument::Compact)));
        if (q.exec())
            return true;
        if (loi)
            *loi = lyDoSql(q.lastError());
    } else if (loi) {
        *loi = m_canhBao;
    }
    m_trongBoNho.emplace_back(mayChu, Thu{m_soTiep--, dangNhap, thayDoi});
    return false;
}

std::vector<HopThuDi::Thu> HopThuDi::cacThu(const QString& mayChu,
                                            const std::optional<QString>& dangNhap) const
{
    std::vector<Thu> kq;
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    if (db.isOpen()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT seq, login, change FROM outbox WHERE server = ? ORDER BY seq"));
        q.addBindValue(mayChu);
        if (q.exec())
            while (q.next())
                if (!dangNhap || *dangNhap == q.value(1).toString())
                    kq.push_back({q.value(0).toLongLong(), q.value(1).toString(),
                                  QJsonDocument::fromJson(q.value(2).toString().toUtf8()).object()});
    }
    for (const auto& [mc, thu] : m_trongBoNho)
        if (mc == mayChu && (!dangNhap || *dangNhap == thu.dangNhap))
            kq.push_back(thu);
    return kq;
}

void HopThuDi::xoa(qint64 so)
{
    if (so < 0) {
        std::erase_if(m_trongBoNho, [so](const auto& p) { return p.second.so == so; });
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM outbox WHERE seq = ?"));
    q.addBindValue(so);
    q.exec();
}

}  // namespace thilaixe
