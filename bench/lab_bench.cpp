// A school's server under a lab's load, on a private PostgreSQL cluster it
// starts itself (tools/pg_cluster.sh) and stops at the end:
//   hand-in   lab computers (processes, 60) hand a course-end test's paper
//             in at the same moment: each kept once; the 95th percentile
//             of their times, beside the same processes' bare Qt SQL round
//             trip (SELECT 1) at one moment;
//   live      the teacher's live view of those 60 learners, read again;
//   course    a course of 2,000 learners with 20 papers each, opened (its
//             list of learners with their scores);
// the last two beside a bare Qt SQL round trip on the same connection.
//   lab_bench [--quick]
#include "BaiLamMau.h"

#include "rules/store/KhoMayChu.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

using namespace thilaixe;

namespace {

const QString kCourse = QStringLiteral("LAB");

QString tool() { return QStringLiteral(THILAIXE_PG_CLUSTER); }

double phanVi(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1,
                      static_cast<std::size_t>(std::lround(p * static_cast<double>(v.size() - 1))))];
}

// Blocks until the word to start comes on standard input: all clients wake
// together, none spinning on a clock meanwhile.
void choDen(qint64)
{
    std::printf("ready\n");
    std::fflush(stdout);
    char dong[8];
    if (!std::fgets(dong, sizeof dong, stdin))
        std::exit(1);
}

// After its time is printed: a lab computer goes on running (its teardown
// would take the cores from those still handing in), until all are done.
int choHet()
{
    std::fflush(stdout);
    char dong[8];
    return std::fgets(dong, sizeof dong, stdin) ? 0 : 1;
}

// One lab computer: signed in as learner `n`, hands in at `luc` (or only
// runs SELECT 1 then, for the floor); prints its milliseconds.
int client(const QString& host, const QString& db, int n, qint64 luc, bool floor, qint64 phien)
{
    KetNoiMayChu k;
    k.host = host;
    k.dbname = db;
    k.user = tenDangNhapHocVien(db, kCourse, QString::number(n));
    k.password = QStringLiteral("pin-%1").arg(n);
    if (floor) {
        QString loi;
        if (!k.mo(QStringLiteral("floor"), &loi))
            return std::fprintf(stderr, "%s\n", qPrintable(loi)), 1;
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("floor")));
        choDen(luc);
        QElapsedTimer t;
        t.start();
        const bool ok = q.exec(QStringLiteral("SELECT 1")) && q.next();
        std::printf("%.3f %d\n", static_cast<double>(t.nsecsElapsed()) / 1e6, ok ? 1 : 0);
        return choHet();
    }
    QTemporaryDir tam;
    KhoMayChu kho(k, tam.filePath(kTepHopThu));
    BaiLam b = test::baiLam45();
    b.hoSo = kho.cacHoSo().front().id;
    b.phienKiemTra = phien;
    choDen(luc);
    QElapsedTimer t;
    t.start();
    const bool ok = kho.luuBaiLam(b).has_value();
    std::printf("%.3f %d\n", static_cast<double>(t.nsecsElapsed()) / 1e6, ok ? 1 : 0);
    return choHet();
}

struct May final {
    QTemporaryDir tam;
    QString record, host;
    bool chay(const QString& viec) const { return QProcess::execute(tool(), {viec, record}) == 0; }
};

// Runs `sql` as the administrator; the first value of its first row.
QVariant sql(const QString& ten, const QString& lenh)
{
    QSqlQuery q(QSqlDatabase::database(ten));
    if (!q.exec(lenh)) {
        std::fprintf(stderr, "lab_bench: %s\n  %s\n", qPrintable(q.lastError().text()),
                     qPrintable(lenh.left(200)));
        std::exit(1);
    }
    return q.next() ? q.value(0) : QVariant();
}

// All `n` clients at one moment; their times.
std::vector<double> dongLoat(const QString& host, const QString& db, int n, bool floor, qint64 phien)
{
    const qint64 luc = 0;
    std::vector<std::unique_ptr<QProcess>> ps;
    for (int i = 1; i <= n; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--client"), host, db, QString::number(i), QString::number(luc),
                  floor ? QStringLiteral("floor") : QStringLiteral("hand-in"), QString::number(phien)});
        ps.push_back(std::move(p));
    }
    // Each has connected (and prepared what it can) before the word goes,
    // and the machine has settled.
    for (auto& p : ps)
        while (!p->canReadLine() && p->state() == QProcess::Running)
            p->waitForReadyRead(1000);
    QThread::msleep(500);
    for (auto& p : ps)
        p->write("go\n");
    for (auto& p : ps)
        p->waitForBytesWritten(1000);
    std::vector<double> kq;
    for (auto& p : ps) {
        // Its line after "ready": milliseconds, and 1 when it was kept.
        QStringList d;
        QElapsedTimer cho;
        cho.start();
        while (d.size() != 2 && cho.elapsed() < 120000) {
            if (!p->canReadLine() && !p->waitForReadyRead(1000) && p->state() != QProcess::Running)
                break;
            if (p->canReadLine())
                d = QString::fromLatin1(p->readLine()).trimmed().split(QLatin1Char(' '));
        }
        if (d.size() == 2 && d[1] == QLatin1String("1"))
            kq.push_back(d[0].toDouble());
    }
    for (auto& p : ps) {
        p->write("end\n");
        p->waitForFinished(120000);
    }
    return kq;
}

template <typename F> double trungVi(int lan, F f)
{
    std::vector<double> t;
    for (int i = 0; i < lan; ++i) {
        QElapsedTimer e;
        e.start();
        f();
        t.push_back(static_cast<double>(e.nsecsElapsed()) / 1e6);
    }
    return phanVi(t, 0.5);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 8 && a[1] == QLatin1String("--client"))
        return client(a[2], a[3], a[4].toInt(), a[5].toLongLong(), a[6] == QLatin1String("floor"),
                      a[7].toLongLong());
    const bool nhanh = a.contains(QStringLiteral("--quick"));
    const int soMay = nhanh ? 8 : 60, soHocVien = nhanh ? 100 : 2000, soBai = 20, lan = nhanh ? 3 : 15;

    May may;
    may.record = may.tam.filePath(QStringLiteral("record"));
    if (!may.chay(QStringLiteral("start")))
        return std::fprintf(stderr, "lab_bench: no PostgreSQL cluster could be started\n"), 1;
    QFile r(may.record);
    r.open(QIODevice::ReadOnly);
    may.host = QString::fromUtf8(r.readAll()).trimmed();
    qputenv("PGPASSFILE", QDir(may.host).filePath(QStringLiteral("pgpass")).toLocal8Bit());
    const QString db = QStringLiteral("bench");
    KetNoiMayChu admin;
    admin.host = may.host;
    admin.dbname = QStringLiteral("postgres");
    admin.user = QStringLiteral("thilaixe_admin");
    QString loi;
    int ketQua = 0;
    {
        admin.mo(QStringLiteral("tao"), &loi);
        sql(QStringLiteral("tao"), QStringLiteral("CREATE DATABASE bench"));
        QSqlDatabase::database(QStringLiteral("tao")).close();
    }
    admin.dbname = db;
    if (!caiDatMayChu(admin).xong || !admin.mo(QStringLiteral("admin"), &loi))
        return std::fprintf(stderr, "lab_bench: %s\n", qPrintable(loi)), 1;
    const QString A = QStringLiteral("admin");
    sql(A, QStringLiteral("CREATE ROLE bench_teacher LOGIN PASSWORD 'bench' IN ROLE thilaixe_teacher"));
    const qint64 lop =
        sql(A, QStringLiteral("INSERT INTO course(code, name, class) VALUES('%1', 'Lab', 'D') RETURNING id")
                   .arg(kCourse))
            .toLongLong();
    for (int i = 1; i <= soMay; ++i)
        sql(A,
            QStringLiteral("SELECT thilaixe_add_learner(%1, '%2', 'Học viên %2', 'pin-%2')").arg(lop).arg(i));
    const qint64 phien =
        sql(A, QStringLiteral("INSERT INTO exam_session(course, class, rules, bank, opens, minutes) "
                              "VALUES(%1, 'D', 'tt12-2025', 'gplx-600-2025', now(), 25) RETURNING id")
                   .arg(lop))
            .toLongLong();
    sql(A, QStringLiteral(
               "INSERT INTO session_paper(session, profile) SELECT %1, id FROM profile WHERE course = %2")
               .arg(phien)
               .arg(lop));

    const std::vector<double> san = dongLoat(may.host, db, soMay, true, phien);
    const std::vector<double> nop = dongLoat(may.host, db, soMay, false, phien);
    const int giu = sql(A, QStringLiteral("SELECT count(*) FROM attempt")).toInt();
    const int khac = sql(A, QStringLiteral("SELECT count(DISTINCT uid) FROM attempt")).toInt();
    const int daNop =
        sql(A, QStringLiteral("SELECT count(*) FROM session_paper WHERE status = 'handed_in'")).toInt();

    KetNoiMayChu gv = admin;
    gv.user = QStringLiteral("bench_teacher");
    gv.password = QStringLiteral("bench");
    QTemporaryDir tam;
    std::optional<KhoMayChu> giaoVien(std::in_place, gv, tam.filePath(kTepHopThu));
    KhoMayChu& kho = *giaoVien;
    gv.mo(QStringLiteral("bare"), &loi);
    QSqlQuery tran(QSqlDatabase::database(QStringLiteral("bare")));
    const auto khuHoi = [&] { tran.exec(QStringLiteral("SELECT 1")) && tran.next(); };
    const double tinhHinh = trungVi(lan, [&] { kho.tinhHinh(phien); });
    const double khuHoiMs = trungVi(lan * 4, khuHoi);

    // A course of thousands: learners, their papers (45 slots, as class D's)
    // and scores, made on the server in a few statements.
    const qint64 lon =
        sql(A, QStringLiteral("INSERT INTO course(code, name, class) VALUES('BIG', 'Big', 'D') RETURNING id"))
            .toLongLong();
    sql(A, QStringLiteral(
               "INSERT INTO profile(name, course, candidate) SELECT 'Học viên ' || g, %1, lpad(g::text, 5, "
               "'0') FROM generate_series(1, %2) g")
               .arg(lon)
               .arg(soHocVien));
    sql(A, QStringLiteral(
               "INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark, "
               "right_count, slot_count, passed) SELECT p.id, 'gplx-600-2025', 'v', 'tt12-2025', 'D', "
               "'2026-12-01T09:00:00.000Z', '2026-12-01T09:25:00.000Z', 41, 30 + (p.id + k) % 16, 45, (30 + "
               "(p.id + k) % 16) >= 41 FROM profile p, generate_series(1, %2) k WHERE p.course = %1")
               .arg(lon)
               .arg(soBai));
    sql(A, QStringLiteral(
               "INSERT INTO attempt_slot(attempt, slot, question, answer, key, critical) SELECT a.id, s, s * "
               "13 + 1, 1 + (a.id + s) % 3, 1 + s % 3, (s = 7)::int FROM attempt a JOIN profile p ON p.id = "
               "a.profile, generate_series(0, 44) s WHERE p.course = %1")
               .arg(lon));
    sql(A, QStringLiteral(
               "INSERT INTO critical_right(profile, bank, question, day) SELECT p.id, 'gplx-600-2025', q, d "
               "FROM profile p, generate_series(1, 20) q, (VALUES ('2026-12-01'), ('2026-12-02')) v(d) WHERE "
               "p.course = %1")
               .arg(lon));
    sql(A, QStringLiteral("ANALYZE"));
    std::size_t soDong = 0;
    const double moKhoa = trungVi(lan, [&] {
        soDong = kho.hocVienCuaKhoa(lon, QStringLiteral("gplx-600-2025"), QStringLiteral("D"), 2).size();
    });

    std::printf("school server (PostgreSQL %s, a private cluster on a Unix socket)\n",
                qPrintable(sql(A, QStringLiteral("SHOW server_version")).toString()));
    std::printf("%-34s %12s %12s %8s %10s\n", "what", "ours (ms)", "floor (ms)", "ratio", "goal (ms)");
    const double p95 = phanVi(nop, 0.95), p95san = phanVi(san, 0.95);
    std::printf("%-34s %12.2f %12.2f %8.2f %10s\n",
                qPrintable(QStringLiteral("hand-in, %1 at once, p95").arg(soMay)), p95, p95san, p95 / p95san,
                "100");
    std::printf("%-34s %12.2f %12.2f %8.2f %10s\n", qPrintable(QStringLiteral("live view of %1").arg(soMay)),
                tinhHinh, khuHoiMs, tinhHinh / khuHoiMs, "200");
    std::printf("%-34s %12.2f %12.2f %8.2f %10s\n",
                qPrintable(QStringLiteral("course of %1 x %2 papers").arg(soHocVien).arg(soBai)), moKhoa,
                khuHoiMs, moKhoa / khuHoiMs, "300");
    std::printf("hand-in: %zu of %d answered, %d attempts kept, %d distinct, %d papers marked handed in; "
                "median %.2f ms, max %.2f ms; course list: %zu learners\n",
                nop.size(), soMay, giu, khac, daNop, phanVi(nop, 0.5), phanVi(nop, 1.0), soDong);
    if (giu != soMay || khac != soMay || static_cast<int>(nop.size()) != soMay)
        ketQua = 1;
    // Every connection closed before the server stops.
    giaoVien.reset();
    tran = QSqlQuery();
    QSqlDatabase::database(QStringLiteral("bare")).close();
    QSqlDatabase::database(A).close();
    may.chay(QStringLiteral("stop"));
    return ketQua;
}
