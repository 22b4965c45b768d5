// Writes to a learner's store from its own process, for the tests of two
// writers, a killed writer and a full disk:
//   kho_writer DIR answers N   N practice answers (questions 1..20, every
//                              third one wrong), then prints "done"
//   kho_writer DIR attempts N  N 45-question attempts (N = 0: until killed),
//                              printing "kept K" after each one is committed,
//                              or the reason a write failed, and exiting 1
#include "BaiLamMau.h"

#include "rules/store/KhoSqlite.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace thilaixe;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    KhoSqlite kho(QDir(QString::fromLocal8Bit(argv[1])).filePath(kTepKho));
    if (!kho.canhBao().isEmpty()) {
        std::printf("%s\n", qPrintable(kho.canhBao()));
        return 1;
    }
    const QByteArray viec(argv[2]);
    const long n = std::strtol(argv[3], nullptr, 10);
    QString loi;
    if (viec == "answers") {
        for (long i = 0; i < n; ++i)
            if (!kho.traLoiOnTap(KhoHocVien::kHoSoMacDinh, QStringLiteral("two-writers"),
                                 static_cast<int>(i % 20) + 1, i % 3 != 0, nullptr, nullptr, &loi)) {
                std::printf("%s\n", qPrintable(loi));
                return 1;
            }
        std::printf("done\n");
        return 0;
    }
    const BaiLam b = test::baiLam45();
    for (long k = 1; n == 0 || k <= n; ++k) {
        if (!kho.luuBaiLam(b, &loi)) {
            std::printf("%s\n", qPrintable(loi));
            return 1;
        }
        std::printf("kept %ld\n", k);
        std::fflush(stdout);
    }
    return 0;
}
