#pragma once

// The statements of one Qt SQL connection (SQLite's or PostgreSQL's),
// prepared once and kept, and what SQLite says of a failure, for the store.

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

namespace thilaixe {

// SQLite's primary result codes the store tells apart (sqlite3.h).
enum class MaSqlite : int {
    KhongLoi = 0,        // SQLITE_OK
    Ban = 5,             // SQLITE_BUSY: another connection holds the file
    BiKhoa = 6,          // SQLITE_LOCKED
    ChiDoc = 8,          // SQLITE_READONLY
    LoiDocGhi = 10,      // SQLITE_IOERR
    Hong = 11,           // SQLITE_CORRUPT
    Day = 13,            // SQLITE_FULL
    KhongMo = 14,        // SQLITE_CANTOPEN
    KhongPhaiCsdl = 26,  // SQLITE_NOTADB
};

// The primary result code of a failure.
MaSqlite maLoi(const QSqlError& e);
// A failure said in Vietnamese, as the files' failures are.
QString lyDoSql(const QSqlError& e);
// The file is damaged, or is no database at all.
bool laLoiHong(const QSqlError& e);

// The statements of one connection, prepared once and kept (a write runs
// dozens of them), and the last failure of any of them, for the message.
class LenhSql final {
public:
    LenhSql() = default;
    LenhSql(const LenhSql&) = delete;
    LenhSql& operator=(const LenhSql&) = delete;

    // The connection its statements run on; the kept ones are forgotten.
    void datKetNoi(const QString& ketNoi);
    // Forgets the kept statements (before the connection is closed).
    void quen() { m_lenh.clear(); }
    QSqlDatabase db() const { return QSqlDatabase::database(m_ketNoi, false); }

    // Runs a statement, prepared once and kept; a SELECT's rows are read
    // with `doc` before it is reset.
    bool chay(const QString& sql, const QVariantList& giaTri = {},
              const std::function<void(QSqlQuery&)>& doc = {});
    // Prepares a statement now and keeps it, for a later chay() that must
    // not wait for it (on a server, one round trip fewer).
    bool chuanBi(const QString& sql);
    // Runs a statement once on `q` (its rows stay on `q`).
    bool chayMotLan(QSqlQuery& q, const QString& sql, const QVariantList& giaTri = {});

    const QSqlError& loiCuoi() const { return m_loiCuoi; }
    void xoaLoi() { m_loiCuoi = QSqlError(); }

private:
    QString m_ketNoi;
    QHash<QString, QSqlQuery> m_lenh;
    QSqlError m_loiCuoi;
};

}  // namespace thilaixe
