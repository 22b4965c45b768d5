// A school's server under a lab's load, on a private PostgreSQL cluster it
// starts itself (tools/pg_cluster.sh) and stops at the end:
//   publish   the sample bank of 600 questions (316 pictures) published by
//             a teacher, then taken by a lab computer with no bank of its
//             own (written into its working folder, every file checked);
//   hand-in   lab computers (processes: 60, then 120 for two labs) hand a
//             course-end test's paper in at the same moment, the server
//             scoring each from its own key: each kept once; the 95th
//             percentile of their times, beside the same processes' bare Qt
//             SQL round trip (SELECT 1) at one moment;
//   live      the teacher's live view of those learners, read again;
//   course    a course of 2,000 learners with 20 papers each, opened (its
//             list of learners with their scores);
// the last two beside a bare Qt SQL round trip on the same connection.
//   lab_bench [--quick]
#include "rules/session/PhienThi.h"
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

const QString kTepMau = QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json");

// One lab computer: signed in as learner `sbd` with `pin`, its paper of
// session `phien` begun, hands it in (or only runs SELECT 1 then, for the
// floor) at the word; prints its milliseconds.
int client(const QString& host, const QString& db, const QString& sbd, const QString& pin, bool floor,
           qint64 phien)
{
    KetNoiMayChu k;
    k.host = host;
    k.dbname = db;
    if (floor) {
        k.user = QStringLiteral("thilaixe_lab");
        QString loi;
        if (!k.mo(QStringLiteral("floor"), &loi))
            return std::fprintf(stderr, "%s\n", qPrintable(loi)), 1;
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("floor")));
        choDen(0);
        QElapsedTimer t;
        t.start();
        const bool ok = q.exec(QStringLiteral("SELECT 1")) && q.next();
        std::printf("%.3f %d\n", static_cast<double>(t.nsecsElapsed()) / 1e6, ok ? 1 : 0);
        return choHet();
    }
    QTemporaryDir tam;
    KhoMayChu kho(k, tam.filePath(kTepHopThu), DangNhapHocVien{kCourse, sbd, pin});
    static const NganHang nh = *docNganHangTep(kTepMau).giaTri;
    const std::optional<BaiCuaPhien> bai = kho.batDauPhien(phien);
    if (!bai)
        return std::fprintf(stderr, "lab_bench: %s\n", qPrintable(kho.canhBao())), 1;
    PhienThi p =
        *PhienThi::kiemTra(nh, QStringLiteral("tt12-2025"), *boQuyTacCaiSan().timHang(QStringLiteral("B")),
                           *bai, QDateTime::currentDateTimeUtc());
    for (int o = 0; o < p.soO(); ++o)
        p.chon(o, 1 + o % p.cauTai(o).soPhuongAn);
    p.nop(QDateTime::currentDateTimeUtc());
    BaiLam b = p.baiLam(kho.hoSoDangHoc());
    b.phienKiemTra = phien;
    choDen(0);
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

// All the learners `pin` at one moment; their times.
std::vector<double> dongLoat(const QString& host, const QString& db, const std::vector<PinHocVien>& pin,
                             bool floor, qint64 phien)
{
    std::vector<std::unique_ptr<QProcess>> ps;
    for (const PinHocVien& h : pin) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--client"), host, db, h.soBaoDanh, h.pin,
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
        return client(a[2], a[3], a[4], a[5], a[6] == QLatin1String("floor"), a[7].toLongLong());
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
    KetNoiMayChu gv = admin;
    gv.user = QStringLiteral("bench_teacher");
    gv.password = QStringLiteral("bench");
    QTemporaryDir tam;
    std::optional<KhoMayChu> giaoVien(std::in_place, gv, tam.filePath(kTepHopThu));
    KhoMayChu& kho = *giaoVien;

    // The bank published, and taken by a lab computer with none of its own.
    QElapsedTimer dongHo;
    dongHo.start();
    const std::optional<QString> sha = datNganHangLenMayChu(kho, kTepMau, &loi);
    const double dangMs = static_cast<double>(dongHo.nsecsElapsed()) / 1e6;
    if (!sha)
        return std::fprintf(stderr, "lab_bench: %s\n", qPrintable(loi)), 1;
    QTemporaryDir phongMay;
    dongHo.restart();
    const std::optional<QString> layVe = nganHangTuMayChu(kho, phongMay.path(), &loi);
    const double layMs = static_cast<double>(dongHo.nsecsElapsed()) / 1e6;
    if (!layVe)
        return std::fprintf(stderr, "lab_bench: %s\n", qPrintable(loi)), 1;
    // Its floor: the same bytes read from the server with one query.
    dongHo.restart();
    sql(A, QStringLiteral("SELECT sum(length(data)) FROM bank_picture"));
    {
        QSqlQuery tho(QSqlDatabase::database(A));
        tho.exec(QStringLiteral("SELECT data FROM bank_picture"));
        while (tho.next())
            tho.value(0).toByteArray();
    }
    const double layThoMs = static_cast<double>(dongHo.nsecsElapsed()) / 1e6;

    // Two labs' learners of one course, every paper drawn when each session opens.
    const KhoaHoc lop{*kho.themKhoaHoc(kCourse, QStringLiteral("Lab"), QStringLiteral("B")), kCourse,
                      QStringLiteral("Lab"), QStringLiteral("B"), 0};
    std::vector<PinHocVien> pin;
    for (int i = 1; i <= 2 * soMay; ++i)
        pin.push_back(*themHocVienCoPin(
            kho, lop, {QString::number(i), QStringLiteral("Học viên %1").arg(i), {}}, false));
    std::uint64_t hat = 1;
    const auto moPhien = [&] {
        return *moPhienKiemTra(
            kho, {0, lop.id, QStringLiteral("B"), {}, {}, QDateTime::currentDateTimeUtc(), 25, {}, {}},
            kTepMau, boQuyTacCaiSan(), [&] { return hat++ * 2654435761ULL; }, &loi);
    };
    const std::vector<PinHocVien> motPhong(pin.begin(), pin.begin() + soMay);
    const qint64 phien1 = moPhien();
    const std::vector<double> san = dongLoat(may.host, db, motPhong, true, phien1);
    const std::vector<double> nop = dongLoat(may.host, db, motPhong, false, phien1);
    const qint64 phien2 = moPhien();
    const std::vector<double> san2 = dongLoat(may.host, db, pin, true, phien2);
    const std::vector<double> nop2 = dongLoat(may.host, db, pin, false, phien2);
    const int giu = sql(A, QStringLiteral("SELECT count(*) FROM attempt")).toInt();
    const int khac = sql(A, QStringLiteral("SELECT count(DISTINCT uid) FROM attempt")).toInt();
    const int daNop =
        sql(A, QStringLiteral("SELECT count(*) FROM session_paper WHERE status = 'handed_in'")).toInt();
    // Scored by the server: each count is its own key's.
    const int dungDiem =
        sql(A, QStringLiteral("SELECT count(*) FROM attempt a WHERE right_count = (SELECT count(*) FROM "
                              "attempt_slot s JOIN bank_question b ON b.number = s.question AND b.bank "
                              "= '%1' WHERE s.attempt = a.id AND s.answer = b.answer)")
                   .arg(*sha))
            .toInt();

    gv.mo(QStringLiteral("bare"), &loi);
    QSqlQuery tran(QSqlDatabase::database(QStringLiteral("bare")));
    const auto khuHoi = [&] { tran.exec(QStringLiteral("SELECT 1")) && tran.next(); };
    const double tinhHinh = trungVi(lan, [&] { kho.tinhHinh(phien1); });
    const double khuHoiMs = trungVi(lan * 4, khuHoi);

    // A course of thousands: learners, their papers (30 slots, as class B's)
    // and scores, made on the server in a few statements.
    const qint64 lon =
        sql(A, QStringLiteral("INSERT INTO course(code, name, class) VALUES('BIG', 'Big', 'B') RETURNING id"))
            .toLongLong();
    sql(A, QStringLiteral(
               "INSERT INTO profile(name, course, candidate) SELECT 'Học viên ' || g, %1, lpad(g::text, 5, "
               "'0') FROM generate_series(1, %2) g")
               .arg(lon)
               .arg(soHocVien));
    sql(A, QStringLiteral(
               "INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark, "
               "right_count, slot_count, passed) SELECT p.id, 'mau-600-2025', 'v', 'tt12-2025', 'B', "
               "'2026-12-01T09:00:00.000Z', '2026-12-01T09:20:00.000Z', 27, 20 + (p.id + k) % 11, 30, (20 + "
               "(p.id + k) % 11) >= 27 FROM profile p, generate_series(1, %2) k WHERE p.course = %1")
               .arg(lon)
               .arg(soBai));
    sql(A, QStringLiteral(
               "INSERT INTO attempt_slot(attempt, slot, question, answer, key, critical) SELECT a.id, s, s * "
               "19 + 1, 1 + (a.id + s) % 3, 1 + s % 3, (s = 7)::int FROM attempt a JOIN profile p ON p.id = "
               "a.profile, generate_series(0, 29) s WHERE p.course = %1")
               .arg(lon));
    sql(A, QStringLiteral(
               "INSERT INTO critical_right(profile, bank, question, day) SELECT p.id, 'mau-600-2025', q, d "
               "FROM profile p, generate_series(1, 20) q, (VALUES ('2026-12-01'), ('2026-12-02')) v(d) WHERE "
               "p.course = %1")
               .arg(lon));
    sql(A, QStringLiteral("ANALYZE"));
    std::size_t soDong = 0;
    const double moKhoa = trungVi(lan, [&] {
        soDong = kho.hocVienCuaKhoa(lon, QStringLiteral("mau-600-2025"), QStringLiteral("B"), 2).size();
    });

    std::printf("school server (PostgreSQL %s, a private cluster on a Unix socket)\n",
                qPrintable(sql(A, QStringLiteral("SHOW server_version")).toString()));
    std::printf("%-34s %12s %12s %8s %10s\n", "what", "ours (ms)", "floor (ms)", "ratio", "goal (ms)");
    const auto dong = [](const QString& cai, double ours, double san, const char* goal) {
        std::printf("%-34s %12.2f %12.2f %8.2f %10s\n", qPrintable(cai), ours, san, ours / san, goal);
    };
    dong(QStringLiteral("bank of 600 published"), dangMs, layThoMs, "3000");
    dong(QStringLiteral("bank of 600 taken by a lab"), layMs, layThoMs, "3000");
    dong(QStringLiteral("hand-in, %1 at once, p95").arg(soMay), phanVi(nop, 0.95), phanVi(san, 0.95), "100");
    dong(QStringLiteral("hand-in, %1 at once, p95").arg(2 * soMay), phanVi(nop2, 0.95), phanVi(san2, 0.95),
         "150");
    dong(QStringLiteral("live view of %1").arg(soMay), tinhHinh, khuHoiMs, "200");
    dong(QStringLiteral("course of %1 x %2 papers").arg(soHocVien).arg(soBai), moKhoa, khuHoiMs, "300");
    std::printf(
        "hand-in: %zu of %d and %zu of %d answered, %d attempts kept, %d distinct, %d scored by the server's "
        "key, %d papers marked handed in; course list: %zu learners\n",
        nop.size(), soMay, nop2.size(), 2 * soMay, giu, khac, dungDiem, daNop, soDong);
    if (giu != 3 * soMay || khac != 3 * soMay || dungDiem != giu || static_cast<int>(nop.size()) != soMay
        || static_cast<int>(nop2.size()) != 2 * soMay)
        ketQua = 1;
    // Every connection closed before the server stops.
    giaoVien.reset();
    tran = QSqlQuery();
    QSqlDatabase::database(QStringLiteral("bare")).close();
    QSqlDatabase::database(A).close();
    may.chay(QStringLiteral("stop"));
    return ketQua;
}
