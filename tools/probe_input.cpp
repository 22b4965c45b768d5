// Loads one input the way the program does and reports what it cost:
//   probe_input picture FILE   (decoded at 400 x 300, as the forms show it)
//   probe_input history FILE   (read, every listed record parsed and re-scored)
//   probe_input readiness DIR [CLASS]
//                              (the chance of passing from DIR's history and
//                              store, as the progress window shows it)
// Prints the outcome, the time taken and the peak resident memory.
//   probe_input key            prints each question's number and key option

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/exam/KetQuaThi.h"
#include "rules/history/LichSuThi.h"
#include "rules/practice/TienBo.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/KhoSqlite.h"

#include <QDir>
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
    if (argc == 2 && QLatin1String(argv[1]) == QLatin1String("key")) {
        for (int q = 1; q <= kSoCauHoi; ++q)
            std::printf("%d %d\n", q, kDapAn[static_cast<std::size_t>(q)]);
        return 0;
    }
    if (argc != 3 && !(argc == 4 && QLatin1String(argv[1]) == QLatin1String("readiness"))) {
        std::fprintf(stderr, "usage: probe_input picture|history FILE | readiness DIR [CLASS] | key\n");
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
    } else if (kind == QLatin1String("readiness")) {
        const QDir dir(file);
        const std::vector<LanThi> ds = docCacLanThi(dir.filePath(kTepDuLieu));
        KhoSqlite kho(dir.filePath(kTepKho), KhoSqlite::CheDo::ChiDoc);
        const QuyTacHang* hang =
            boQuyTacCoDien().timHang(argc == 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("B2"));
        if (!hang) {
            std::fprintf(stderr, "no such class\n");
            return 2;
        }
        BoSinhSo nguon(1);
        const SanSang r =
            uocLuongSanSang(nganHangCoDien(), *hang, ds,
                            kho.docOnTap(KhoHocVien::kHoSoMacDinh, kIdNganHangCoDien, kSoCauHoi), nguon);
        outcome = QStringLiteral("class %1, %2 exams, %3 papers: %4 %")
                      .arg(hang->hang)
                      .arg(r.soLanThi)
                      .arg(r.soDe)
                      .arg(r.xacSuat * 100, 0, 'f', 1);
    } else {
        SharedState s;
        NapDapAn(s);
        DocDuLieu(s, file);
        int records = 0;
        for (int r = 1; r <= kSoLanLuu && s.LichSuNg[r] && !s.LichSuNg[r]->isEmpty(); ++r, ++records) {
            TachLanDaThi(s, r);
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
