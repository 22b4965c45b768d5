#include "rules/bank/NganHang.h"
#include "rules/common/Texts.h"

#include "screens/app/App.h"
#include "screens/common/Seams.h"
#include "screens/entry/FormInit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

using namespace thilaixe;

namespace {

// The sample bank an install put beside the program, or in the system's
// data folders.
QString banCaiDat()
{
    const QString beCanh =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/thilaixe/bank"));
    if (QFileInfo(beCanh).isDir())
        return QDir::cleanPath(beCanh);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("thilaixe/bank"),
                                  QStandardPaths::LocateDirectory);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    QApplication::setApplicationName(QStringLiteral("thilaixe"));
    QApplication::setApplicationVersion(QStringLiteral(THILAIXE_VERSION));
    // The program decides itself when it ends (some closes end it, others
    // hand over to another window).
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser dongLenh;
    dongLenh.setApplicationDescription(
        QStringLiteral("Học và thi thử lý thuyết lái xe (hạng B1, B2, C, D, E)."));
    dongLenh.addHelpOption();
    dongLenh.addVersionOption();
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Working folder with 001.jpg ... 300.jpg and DuLieu.txt."),
                                  QStringLiteral("DIR"));
    dongLenh.addOption(data);
    dongLenh.process(a);

    std::optional<QString> thuMucDongLenh;
    if (dongLenh.isSet(data))
        thuMucDongLenh = dongLenh.value(data);
    const ThuMucDuLieu chon =
        chonThuMucDuLieu(thuMucDongLenh, qEnvironmentVariable("THILAIXE_DATA"), QDir::currentPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString thuMuc = QDir(chon.duongDan).absolutePath();
    if ((chon.nguon == NguonThuMuc::DongLenh || chon.nguon == NguonThuMuc::BienMoiTruong)
        && !QFileInfo(thuMuc).isDir()) {
        std::fprintf(stderr, "thilaixe: %s: no such folder\n", qPrintable(thuMuc));
        return 2;
    }
    QString loi;
    if (chon.nguon == NguonThuMuc::ThuMucNguoiDung && !chuanBiThuMuc(thuMuc, banCaiDat(), &loi))
        std::fprintf(stderr, "thilaixe: %s\n", qPrintable(loi));

    RealSeams seams;
    App app(seams, thuMuc);
    app.form<FormInit>()->show();
    const QStringList thieu = anhConThieu(thuMuc);
    if (!thieu.isEmpty())
        seams.hienThongBao(txt::kTieuDeThieuNganHang, thongBaoThieuNganHang(thuMuc, thieu), {});
    return QApplication::exec();
}
