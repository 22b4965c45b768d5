#include "PgSupport.h"

#include "rules/store/KhoMayChu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace thilaixe::test {

namespace {
QString g_why;
const QString kTeacherPassword = QStringLiteral("teacher-pw-1");
}  // namespace

PgServer* PgServer::get()
{
    static std::unique_ptr<PgServer> server;
    if (server)
        return server.get();
    QFile record(qEnvironmentVariable("THILAIXE_TEST_PG_RECORD"));
    if (!record.open(QIODevice::ReadOnly)) {
        g_why =
            QStringLiteral("no test cluster: THILAIXE_TEST_PG_RECORD does not name a started one (run the "
                           "suite with ctest, or tools/pg_cluster.sh start FILE)");
        return nullptr;
    }
    server = std::make_unique<PgServer>();
    server->m_dir = QString::fromUtf8(record.readAll()).trimmed();
    qputenv("PGPASSFILE", QDir(server->m_dir).filePath(QStringLiteral("pgpass")).toLocal8Bit());
    return server.get();
}

QString PgServer::why() { return g_why; }

KetNoiMayChu PgServer::admin(const QString& db) const
{
    KetNoiMayChu k;
    k.host = m_dir;
    k.dbname = db;
    k.user = QStringLiteral("thilaixe_admin");
    return k;
}

KetNoiMayChu PgServer::teacher(const QString& db) const
{
    KetNoiMayChu k = admin(db);
    k.user = QStringLiteral("thilaixe_test_teacher");
    k.password = kTeacherPassword;
    return k;
}

KetNoiMayChu PgServer::lab(const QString& db) const
{
    KetNoiMayChu k = admin(db);
    k.user = QStringLiteral("thilaixe_lab");
    return k;
}

std::pair<int, QString> PgServer::sql(const QString& db, const QString& s) const
{
    return psql(QStringLiteral("host=%1 dbname=%2 user=thilaixe_admin").arg(m_dir, db), s);
}

QString PgServer::newDatabase(bool setUp, int version, int school)
{
    QString name = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_count);
    const QString conn = QStringLiteral("pgsupport-") + name;
    {
        QString loi;
        if (!admin().mo(conn, &loi))
            qFatal("test cluster: %s", qPrintable(loi));
        QSqlQuery q(QSqlDatabase::database(conn, false));
        if (!q.exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
            qFatal("test cluster: %s", qPrintable(q.lastError().text()));
    }
    QSqlDatabase::database(conn, false).close();
    QSqlDatabase::removeDatabase(conn);
    if (setUp) {
        const KetQuaCaiDat kq = caiDatMayChu(admin(name), version < 0 ? kPhienBanKhoMayChu : version,
                                             school < 0 ? kPhienBanTruong : school);
        if (!kq.xong)
            qFatal("setting up %s: %s", qPrintable(name), qPrintable(kq.loi));
        // The teacher the tests sign in as (the group exists once set up).
        psql(QStringLiteral("host=%1 dbname=%2 user=thilaixe_admin").arg(m_dir, name),
             QStringLiteral(
                 "DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = "
                 "'thilaixe_test_teacher') THEN CREATE ROLE thilaixe_test_teacher LOGIN PASSWORD '%1' IN "
                 "ROLE thilaixe_teacher; END IF; END $$;")
                 .arg(kTeacherPassword));
    }
    return name;
}

std::pair<int, QString> PgServer::psql(const QString& conninfo, const QString& sql) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("psql"),
            {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
             QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-At"), QStringLiteral("-c"), sql, conninfo});
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAll()).trimmed()};
}

static bool runScript(const char* what)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(THILAIXE_PG_CLUSTER),
            {QString::fromLatin1(what), qEnvironmentVariable("THILAIXE_TEST_PG_RECORD")});
    return p.waitForFinished(90000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool PgServer::stop() const { return runScript("pause"); }
bool PgServer::start() const { return runScript("resume"); }

}  // namespace thilaixe::test
