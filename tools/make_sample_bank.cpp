// Writes the sample question bank into a folder: 001.jpg..300.jpg, each a
// generated picture with its number, its section and as many numbered
// option lines as the question has, plainly marked as a sample; plus an
// empty DuLieu.txt when there is none.

#include "sample/NganHangMau2025.h"

#include "rules/bank/NganHang.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_sample_bank FOLDER [--no-history]\n"
                             "       make_sample_bank --bank-2025 FOLDER\n");
        return 2;
    }
    if (QByteArray(argv[1]) == "--bank-2025") {
        // The sample of the 600-question bank: bank.json and its pictures.
        QString loi;
        if (argc < 3 || !thilaixe::veNganHangMau2025(QFile::decodeName(argv[2]), &loi)) {
            std::fprintf(stderr, "%s\n", argc < 3 ? "--bank-2025 needs a folder" : qPrintable(loi));
            return argc < 3 ? 2 : 1;
        }
        return 0;
    }
    // A folder whose name is not UTF-8 text is made and entered by its bytes.
    const QByteArray ten(argv[1]);
    QString dir = QFile::decodeName(ten);
    if (QFile::encodeName(dir) != ten) {
        ::mkdir(ten.constData(), 0755);
        if (::chdir(ten.constData()) != 0) {
            std::perror(argv[1]);
            return 1;
        }
        dir = QStringLiteral("/proc/self/cwd");
    }
    QString loi;
    const bool ok = argc > 2 && QByteArray(argv[2]) == "--no-history"
                        ? thilaixe::veNganHangMau(dir, &loi)
                        : thilaixe::chuanBiThuMuc(dir, {}, &loi);
    if (!ok)
        std::fprintf(stderr, "%s\n", qPrintable(loi));
    return ok ? 0 : 1;
}
