#include "rules/bank/NganHang.h"
#include "rules/common/Texts.h"
#include "rules/dulieu/LenhNganHang.h"
#include "rules/kho/LenhKho.h"

#include "screens/app/App.h"
#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Seams.h"
#include "screens/dethi/NganHangMo.h"
#include "screens/entry/FormInit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace thilaixe;

namespace {

const QString kThuMucHienTai = QStringLiteral("/proc/self/cwd");

// UTF-8 like the source: printed as it stands.
const char kTroGiup[] = "Usage: thilaixe [--data DIR] [--bank FILE [--class C]]\n"
                        "Học và thi thử lý thuyết lái xe (hạng B1, B2, C, D, E).\n"
                        "\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n"
                        "  --data DIR     Working folder with 001.jpg ... 300.jpg and DuLieu.txt.\n"
                        "  --bank FILE [--class C]\n"
                        "                 Open a question bank (JSON, such as the 600-question bank of\n"
                        "                 June 2025) straight on its home window, class C chosen.\n"
                        "  --bank-2025    Open the 600-question bank the entry form's button opens:\n"
                        "                 bank-2025/bank.json in the working folder, else the sample.\n"
                        "  --check-bank FILE [--rules FILE]\n"
                        "                 Check a question bank (JSON) and its pictures: a summary and\n"
                        "                 exit 0, or every fault and exit 1.\n"
                        "  --draw-paper --bank FILE --class C [--seed N] [--rules FILE]\n"
                        "                 Print a paper of class C drawn from the bank, as JSON.\n"
                        "  --export [--bank ID]\n"
                        "                 Print every kept attempt and practice box of the working\n"
                        "                 folder's thilaixe.sqlite (of one bank when given), as JSON.\n"
                        "\n"
                        "Without --data the working folder is $THILAIXE_DATA, else the current folder\n"
                        "when it holds 001.jpg, else ~/.local/share/thilaixe (filled with the sample\n"
                        "bank on first start).\n";

// Qt's own options that take a value (QApplication reads them).
bool laTuyChonQtCoGiaTri(const char* a)
{
    for (const char* t : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
                          "-qwindowicon", "-qwindowtitle", "-display", "-geometry", "-style", "-stylesheet",
                          "-session", "-name", "-title", "-visual"})
        if (std::strcmp(a, t) == 0)
            return true;
    return false;
}

struct DongLenh final {
    bool troGiup = false;
    bool phienBan = false;
    // Verbs that need no window.
    QByteArray kiemTraNganHang;    // --check-bank FILE
    bool rutDe = false;            // --draw-paper
    bool xuat = false;             // --export
    bool nganHangMacDinh = false;  // --bank-2025
    QByteArray nganHang, hang, quyTac, hatGiong;
    std::optional<QByteArray> thuMuc;  // --data, as the bytes given
    QByteArray loi;                    // what is wrong with the arguments
};

// Read before any GUI object exists: --help and --version work without a
// display, and bad arguments end with code 2.
DongLenh docDongLenh(int argc, char** argv)
{
    DongLenh d;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "-h" || a == "--help" || a == "-?") {
            d.troGiup = true;
        } else if (a == "-v" || a == "--version") {
            d.phienBan = true;
        } else if (a == "--data" || a.startsWith("--data=")) {
            if (a == "--data" && i + 1 >= argc) {
                d.loi = "--data needs a folder";
                return d;
            }
            const QByteArray v = a == "--data" ? QByteArray(argv[++i]) : a.mid(7);
            if (v.isEmpty()) {
                d.loi = "--data needs a folder (an empty name was given)";
                return d;
            }
            d.thuMuc = v;
        } else if (a == "--check-bank" || a == "--bank" || a == "--class" || a == "--rules"
                   || a == "--seed") {
            if (i + 1 >= argc || QByteArray(argv[i + 1]).isEmpty()) {
                d.loi = a + " needs a value";
                return d;
            }
            const QByteArray v(argv[++i]);
            (a == "--check-bank" ? d.kiemTraNganHang
             : a == "--bank"     ? d.nganHang
             : a == "--class"    ? d.hang
             : a == "--rules"    ? d.quyTac
                                 : d.hatGiong) = v;
        } else if (a == "--draw-paper") {
            d.rutDe = true;
        } else if (a == "--export") {
            d.xuat = true;
        } else if (a == "--bank-2025") {
            d.nganHangMacDinh = true;
        } else if (laTuyChonQtCoGiaTri(argv[i])) {
            ++i;
        } else if (a.startsWith("--") || !a.startsWith('-')) {
            d.loi = "unknown argument '" + a + "' (see thilaixe --help)";
            return d;
        }
    }
    return d;
}

// A folder named on the command line or in THILAIXE_DATA: used by its bytes.
// A name that is not UTF-8 text cannot be held in a QString that maps back
// to it, so the program enters that folder and names it by the kernel's
// link to the current folder, whose name is plain ASCII. Empty with a
// message on a folder that cannot be used.
std::optional<QString> thuMucTheoByte(const QByteArray& ten, const char* nguon)
{
    struct stat st {};
    if (::stat(ten.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "thilaixe: %s: %s: %s\n", nguon, ten.constData(),
                     ::stat(ten.constData(), &st) != 0 ? std::strerror(errno) : "not a folder");
        return std::nullopt;
    }
    if (QFile::encodeName(QFile::decodeName(ten)) == ten)
        return QDir(QFile::decodeName(ten)).absolutePath();
    if (::chdir(ten.constData()) != 0) {
        std::fprintf(stderr, "thilaixe: %s: %s: %s\n", nguon, ten.constData(), std::strerror(errno));
        return std::nullopt;
    }
    return kThuMucHienTai;
}

// --check-bank and --draw-paper.
int lenhNganHang(const DongLenh& d)
{
    if (!d.rutDe)
        return lenhKiemTraNganHang(QFile::decodeName(d.kiemTraNganHang), QFile::decodeName(d.quyTac));
    if (d.nganHang.isEmpty() || d.hang.isEmpty()) {
        std::fprintf(stderr, "thilaixe: --draw-paper needs --bank FILE and --class CLASS\n");
        return 2;
    }
    return lenhRutDe(QFile::decodeName(d.nganHang), QString::fromUtf8(d.hang), d.hatGiong,
                     QFile::decodeName(d.quyTac));
}

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
    const DongLenh dongLenh = docDongLenh(argc, argv);
    if (!dongLenh.loi.isEmpty()) {
        std::fprintf(stderr, "thilaixe: %s\n", dongLenh.loi.constData());
        return 2;
    }
    if (dongLenh.troGiup) {
        std::fputs(kTroGiup, stdout);
        return 0;
    }
    if (dongLenh.phienBan) {
        std::printf("thilaixe %s\n", THILAIXE_VERSION);
        return 0;
    }
    if (!dongLenh.kiemTraNganHang.isEmpty() || dongLenh.rutDe) {
        QCoreApplication c(argc, argv);  // picture plugins; no display needed
        return lenhNganHang(dongLenh);
    }

    if (!dongLenh.nganHang.isEmpty() && !dongLenh.xuat
        && !QFileInfo(QFile::decodeName(dongLenh.nganHang)).isFile()) {
        std::fprintf(stderr, "thilaixe: --bank: %s: no such file\n", dongLenh.nganHang.constData());
        return 2;
    }
    // Named before --data may enter another folder.
    const QString tepNganHang = dongLenh.nganHang.isEmpty()
                                    ? QString()
                                    : QFileInfo(QFile::decodeName(dongLenh.nganHang)).absoluteFilePath();
    std::optional<QString> thuMucDongLenh;
    if (dongLenh.thuMuc) {
        thuMucDongLenh = thuMucTheoByte(*dongLenh.thuMuc, "--data");
        if (!thuMucDongLenh)
            return 2;
    }
    QString bienMoiTruong;
    const QByteArray bien = qgetenv("THILAIXE_DATA");
    if (!thuMucDongLenh && !bien.isEmpty()) {
        const std::optional<QString> t = thuMucTheoByte(bien, "THILAIXE_DATA");
        if (!t)
            return 2;
        bienMoiTruong = *t;
    }
    // The current folder by its bytes too.
    QString hienTai = kThuMucHienTai;
    if (char* cwd = ::getcwd(nullptr, 0)) {
        const QByteArray b(cwd);
        std::free(cwd);
        if (QFile::encodeName(QFile::decodeName(b)) == b)
            hienTai = QFile::decodeName(b);
    }

    if (dongLenh.xuat) {
        QCoreApplication c(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("thilaixe"));
        const ThuMucDuLieu chon =
            chonThuMucDuLieu(thuMucDongLenh, bienMoiTruong, hienTai,
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        return lenhXuat(QDir(chon.duongDan).absolutePath(), QString::fromUtf8(dongLenh.nganHang));
    }

    QApplication a(argc, argv);
    QApplication::setApplicationName(QStringLiteral("thilaixe"));
    QApplication::setApplicationVersion(QStringLiteral(THILAIXE_VERSION));
    // The program decides itself when it ends (some closes end it, others
    // hand over to another window).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new KieuTieuDiem);

    const ThuMucDuLieu chon =
        chonThuMucDuLieu(thuMucDongLenh, bienMoiTruong, hienTai,
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString thuMuc = QDir(chon.duongDan).absolutePath();
    QString loiChuanBi;
    if (chon.nguon == NguonThuMuc::ThuMucNguoiDung && !chuanBiThuMuc(thuMuc, banCaiDat(), &loiChuanBi))
        std::fprintf(stderr, "thilaixe: %s\n", qPrintable(loiChuanBi));

    RealSeams seams;
    App app(seams, thuMuc);
    // --bank opens the bank's home; a bank that cannot be used is said and
    // the entry form shows instead.
    const QString moNgay = !tepNganHang.isEmpty()     ? tepNganHang
                           : dongLenh.nganHangMacDinh ? timNganHangMacDinh(app.moiTruong())
                                                      : QString();
    if (!moNgay.isEmpty() && app.moDeMoi(moNgay, QString::fromUtf8(dongLenh.hang)))
        return QApplication::exec();  // the 300 pictures are not needed there
    app.form<FormInit>()->show();
    const QStringList thieu = anhConThieu(thuMuc);
    if (!thieu.isEmpty() || !loiChuanBi.isEmpty())
        seams.hienThongBao(txt::kTieuDeThieuNganHang, thongBaoThieuNganHang(thuMuc, thieu, loiChuanBi), {});
    return QApplication::exec();
}
