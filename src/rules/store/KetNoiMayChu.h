#pragma once

// Reaching a school's PostgreSQL server: a libpq connection string read
// into Qt SQL's fields, the sign-in name of a learner, and what a failure
// means (the server is away, or it refused).

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <optional>

namespace thilaixe {

// The database a connection string names when it names none.
inline const QString kCsdlMacDinh = QStringLiteral("thilaixe");

struct KetNoiMayChu final {
    QString host, port, dbname, user, password;
    // Every other keyword (sslmode, connect_timeout, passfile...), passed
    // through to libpq as written.
    QStringList khac;

    // A libpq "keyword=value" string; values may be single-quoted, with \'
    // and \\ inside. Nothing on a fault, with where it is in `loi`.
    static std::optional<KetNoiMayChu> doc(const QString& chuoi, QString* loi = nullptr);
    // As a person is told it: never the password.
    QString moTa() const;
    // Opens a connection under `ten`; false with the reason in `loi`. No
    // password given: libpq looks in ~/.pgpass (or PGPASSFILE).
    bool mo(const QString& ten, QString* loi) const;
};

// The server is away (gone, restarting, unreachable, out of connections):
// a change is kept and sent later. Anything else is the server's refusal.
bool laLoiKetNoi(const QSqlError& e);
// Signing in was refused (wrong password or no such role).
bool laLoiDangNhap(const QSqlError& e);
// A failure as a person is told it.
QString lyDoMayChu(const QSqlError& e);

}  // namespace thilaixe
