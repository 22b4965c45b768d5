// Writes exams to DuLieu.txt in the working folder, for the tests that need
// a second process:
//   history_writer SEED            keeps writing until killed
//   history_writer count N SEED    writes N exams; exit code = failed saves
//   history_writer limit BYTES     writes one exam with no file allowed to
//                                  grow past BYTES (RLIMIT_FSIZE); exit 0 when
//                                  saved, 1 when refused (the reason on
//                                  standard output)
#include "rules/history/LichSuThi.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace thilaixe;

namespace {
SharedState exam(int n, int seed)
{
    SharedState s;
    s.Hang = QStringLiteral("C");
    s.NgayThi = QDate(2026, 12, 8);
    for (int i = 1; i <= 30; ++i) {
        s.CH[i] = static_cast<std::int16_t>(i < 30 ? i * 5 : 251 + (n + seed) % 50);
        s.TL[i] = static_cast<std::int16_t>(1 + (i + n) % 4);
    }
    // Writer and exam number can be read back from the time.
    s.GioThi = QTime(seed % 24, n % 60, (n / 60) % 60);
    return s;
}
}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    // The history of the folder it is started in.
    const QString tep = QDir::current().filePath(kTepDuLieu);
    if (a.value(0) == QLatin1String("count")) {
        int failed = 0;
        for (int n = 0; n < a.value(1).toInt(); ++n)
            failed += GhiDuLieu(exam(n, a.value(2).toInt()), tep) ? 0 : 1;
        return failed;
    }
    if (a.value(0) == QLatin1String("limit")) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG
        const rlim_t limit = a.value(1).toULongLong();
        const rlimit r{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &r) != 0)
            return 3;
        QString loi;
        if (GhiDuLieu(exam(99, 7), tep, &loi))
            return 0;
        std::printf("%s\n", loi.toUtf8().constData());
        return 1;
    }
    const int seed = a.value(0).toInt();
    for (int n = 0;; ++n)
        GhiDuLieu(exam(n, seed), tep);
}
