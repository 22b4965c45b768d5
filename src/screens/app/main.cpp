#include "rules/bank/NganHang.h"
#include "rules/common/Texts.h"
#include "rules/dulieu/NganHangDL.h"

#include "screens/app/App.h"
#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Seams.h"
#include "screens/entry/FormInit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
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
const char kTroGiup[] = "Usage: thilaixe [--data DIR]\n"
                        "Học và thi thử lý thuyết lái xe (hạng B1, B2, C, D, E).\n"
                        "\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n"
                        "  --data DIR     Working folder with 001.jpg ... 300.jpg and DuLieu.txt.\n"
                        "  --check-bank FILE [--rules FILE]\n"
                        "                 Check a question bank (JSON) and its pictures: a summary and\n"
                        "                 exit 0, or every fault and exit 1.\n"
                        "  --draw-paper --bank FILE --class C [--seed N] [--rules FILE]\n"
                        "                 Print a paper of class C drawn from the bank, as JSON.\n"
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
    QByteArray kiemTraNganHang;  // --check-bank FILE
    bool rutDe = false;          // --draw-paper
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

// The rule set for a bank: --rules FILE, else rules.json beside the bank,
// else the one built in. Empty with a message when a file given is wrong.
std::optional<BoQuyTac> chonQuyTac(const QByteArray& tepQuyTac, const QString& tepNganHang)
{
    QString tep = QFile::decodeName(tepQuyTac);
    if (tep.isEmpty()) {
        const QString beCanh = QFileInfo(tepNganHang).dir().filePath(QStringLiteral("rules.json"));
        if (!QFileInfo::exists(beCanh))
            return boQuyTacCaiSan();
        tep = beCanh;
    }
    QFile f(tep);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "thilaixe: %s: %s\n", qPrintable(tep), qPrintable(f.errorString()));
        return std::nullopt;
    }
    KetQuaDocDL<BoQuyTac> kq = docBoQuyTac(f.read(kTepDuLieuToiDa + 1));
    for (const LoiDuLieu& l : kq.loi)
        std::fprintf(stderr, "%s: %s\n", qPrintable(tep), qPrintable(l.dong()));
    return kq.giaTri;
}

// --check-bank and --draw-paper: 0 done, 1 a fault in the bank, 2 bad
// arguments or a file that cannot be used.
int lenhNganHang(const DongLenh& d)
{
    const QString tepNganHang = QFile::decodeName(d.rutDe ? d.nganHang : d.kiemTraNganHang);
    if (tepNganHang.isEmpty() || (d.rutDe && d.hang.isEmpty())) {
        std::fprintf(stderr, "thilaixe: --draw-paper needs --bank FILE and --class CLASS\n");
        return 2;
    }
    const std::optional<BoQuyTac> quyTac = chonQuyTac(d.quyTac, tepNganHang);
    if (!quyTac)
        return 2;
    const KetQuaDocDL<NganHangDL> doc = docNganHangTep(tepNganHang);
    std::vector<LoiDuLieu> loi = doc.loi;
    if (doc.giaTri) {
        const std::vector<LoiDuLieu> anh = kiemTraAnh(*doc.giaTri, QFileInfo(tepNganHang).absolutePath());
        loi.insert(loi.end(), anh.begin(), anh.end());
    }
    if (!loi.empty()) {
        for (const LoiDuLieu& l : loi)
            std::printf("LỖI %s\n", qPrintable(l.dong()));
        std::printf("%zu lỗi / %zu faults\n", loi.size(), loi.size());
        return d.rutDe ? 2 : 1;
    }
    const NganHangDL& nh = *doc.giaTri;
    if (d.rutDe) {
        const QuyTacHang* h = quyTac->timHang(QString::fromUtf8(d.hang));
        if (!h) {
            std::fprintf(stderr, "thilaixe: class %s is not in rule set %s\n", d.hang.constData(),
                         qPrintable(quyTac->id));
            return 2;
        }
        bool coHat = false;
        const qulonglong hat = d.hatGiong.toULongLong(&coHat);
        if (!d.hatGiong.isEmpty() && !coHat) {
            std::fprintf(stderr, "thilaixe: --seed takes a whole number\n");
            return 2;
        }
        BoSinhSo rng(coHat ? hat : QRandomGenerator::system()->generate64());
        QString vi;
        const std::optional<DeThiDL> de = rutDe(nh, *h, rng, &vi);
        if (!de) {
            std::fprintf(stderr, "thilaixe: %s\n", qPrintable(vi));
            return 1;
        }
        QJsonArray cau, liet;
        for (int q : de->cau)
            cau.append(q);
        for (int q : de->diemLiet)
            liet.append(q);
        const QJsonObject o{{QStringLiteral("class"), h->hang},     {QStringLiteral("rules"), quyTac->id},
                            {QStringLiteral("minutes"), h->soPhut}, {QStringLiteral("pass"), h->canDeDat},
                            {QStringLiteral("questions"), cau},     {QStringLiteral("critical"), liet}};
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputs("\n", stdout);
        return 0;
    }
    int diemLiet = 0, anh = 0;
    for (const CauHoiDL& c : nh.cauHoi) {
        diemLiet += c.diemLiet ? 1 : 0;
        anh += c.anh.isEmpty() ? 0 : 1;
    }
    std::printf("Ngân hàng: %s (%s, phiên bản %s)\n", qPrintable(nh.tieuDe), qPrintable(nh.id),
                qPrintable(nh.phienBan));
    std::printf("Nguồn: %s\n", qPrintable(nh.nguon));
    std::printf("%zu câu, %d câu điểm liệt, %d ảnh\n", nh.cauHoi.size(), diemLiet, anh);
    for (const ChuongDL& c : nh.chuong) {
        int liet = 0;
        for (int q = c.dau; q <= c.cuoi; ++q)
            liet += nh.cau(q)->diemLiet ? 1 : 0;
        std::printf("  Chương %d (câu %d–%d): %d câu, %d điểm liệt — %s\n", c.so, c.dau, c.cuoi,
                    c.cuoi - c.dau + 1, liet, qPrintable(c.tieuDe));
    }
    std::printf("Bộ quy tắc: %s (từ %s%s) — %s\n", qPrintable(quyTac->id),
                qPrintable(quyTac->tuNgay.toString(Qt::ISODate)),
                quyTac->denNgay.isValid()
                    ? qPrintable(QStringLiteral(" đến ") + quyTac->denNgay.toString(Qt::ISODate))
                    : "",
                qPrintable(quyTac->nguon));
    QStringList duoc;
    for (const QuyTacHang& h : quyTac->hang) {
        if (const std::optional<QString> vi = khongRutDuoc(nh, h))
            std::printf("  Không rút được đề hạng %s: %s\n", qPrintable(h.hang), qPrintable(*vi));
        else
            duoc.append(h.hang);
    }
    std::printf("Rút được đề các hạng: %s\n", qPrintable(duoc.join(QStringLiteral(", "))));
    return 0;
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
    app.form<FormInit>()->show();
    const QStringList thieu = anhConThieu(thuMuc);
    if (!thieu.isEmpty() || !loiChuanBi.isEmpty())
        seams.hienThongBao(txt::kTieuDeThieuNganHang, thongBaoThieuNganHang(thuMuc, thieu, loiChuanBi), {});
    return QApplication::exec();
}
