// Loads one input the way the program does and reports what it cost:
//   probe_input picture FILE   (decoded at 400 x 300, as the forms show it)
//   probe_input history FILE   (read, every listed record parsed and re-scored)
// Prints the outcome, the time taken and the peak resident memory.

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/exam/KetQuaThi.h"
#include "rules/history/LichSuThi.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <sys/resource.h>

using namespace thilaixe;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: probe_input picture|history FILE\n");
        return 2;
    }
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    QElapsedTimer t;
    t.start();
    QString outcome;
    if (kind == QLatin1String("picture")) {
        QImage img;
        switch (taiAnh(file, QSize(400, 300), &img)) {
        case KetQuaTaiAnh::DaTai: outcome = QStringLiteral("decoded"); break;
        case KetQuaTaiAnh::ThieuTep: outcome = QStringLiteral("missing"); break;
        case KetQuaTaiAnh::Hong: outcome = QStringLiteral("damaged"); break;
        }
    } else {
        SharedState s;
        NapDapAn(s);
        DocDuLieu(s, file);
        int records = 0;
        for (int r = 1; r <= kSoLanLuu && s.LichSuNg[r] && !s.LichSuNg[r]->isEmpty(); ++r, ++records) {
            TachMangCH(s.LichSuCH[r].value_or(QString()), s);
            TachMangTL(s.LichSuTL[r].value_or(QString()), s);
            ketQuaLanDaThi(s);
        }
        outcome = QStringLiteral("%1 records").arg(records);
    }
    const qint64 ms = t.elapsed();
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("%s: %s, %lld ms, peak %ld MB\n", argv[2], qPrintable(outcome), static_cast<long long>(ms),
                ru.ru_maxrss / 1024);
    return 0;
}
