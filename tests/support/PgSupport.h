#pragma once

// The private PostgreSQL cluster the suite starts for the tests that need a
// server (tools/pg_cluster.sh, as a ctest fixture): a fresh database on it
// for each test, set up as a school's administrator sets one up.

#include "rules/store/KetNoiMayChu.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace thilaixe::test {

class PgServer final {
public:
    // The cluster named by THILAIXE_TEST_PG_RECORD; none when there is none
    // (the caller fails with why()).
    static PgServer* get();
    static QString why();

    // Its administrator, on database `db`.
    KetNoiMayChu admin(const QString& db = QStringLiteral("postgres")) const;
    // A new, empty database, set up for the program (up to `version` of
    // the learner's data and `school` of the school's part), or left bare
    // with `setUp` false. Its name.
    QString newDatabase(bool setUp = true, int version = -1, int school = -1);
    // How a lab computer reaches database `db` (the lab's role, no password).
    KetNoiMayChu lab(const QString& db) const;
    // The administrator's psql on `db`, for what a test must set or read.
    std::pair<int, QString> sql(const QString& db, const QString& sql) const;
    // A teacher of the cluster (made once), on database `db`.
    KetNoiMayChu teacher(const QString& db) const;
    // psql on `conninfo` running `sql`: its exit code and all it printed.
    std::pair<int, QString> psql(const QString& conninfo, const QString& sql) const;
    QString socketDir() const { return m_dir; }
    // Stops the server (as a power cut would leave it: immediate), and
    // starts it again.
    bool stop() const;
    bool start() const;

private:
    QString m_dir;
    int m_count = 0;
};

}  // namespace thilaixe::test
