#include "rules/bank/NganHang.h"
#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/LenhNganHang.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/databank/NhapNganHang.h"
#include "rules/session/LenhTruong.h"
#include "rules/session/NhapLai.h"
#include "rules/store/KhoMayChu.h"
#include "rules/store/KhoSqlite.h"
#include "rules/store/LenhKho.h"
#include "rules/store/MoKho.h"

#include "screens/app/App.h"
#include "screens/common/FormDangNhap.h"
#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Seams.h"
#include "screens/databank/NganHangMo.h"
#include "screens/entry/FormInit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace thilaixe;

namespace {

// A message with an argument as the user typed it: the bytes are kept, so a
// name that is not UTF-8 text is shown as it was given.
QByteArray voiByte(const QString& mau, const QByteArray& giaTri)
{
    return mau.toUtf8().replace("%1", giaTri);
}

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

// Qt's own flags without a value; any other single-dash word is refused.
bool laTuyChonQt(const char* a)
{
    for (const char* t : {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync", "-testability"})
        if (std::strcmp(a, t) == 0)
            return true;
    return std::strncmp(a, "-qmljsdebugger=", 15) == 0;
}

struct DongLenh final {
    bool troGiup = false;
    bool phienBan = false;
    // Verbs that need no window.
    QByteArray kiemTraNganHang;  // --check-bank FILE
    // A bank and a spreadsheet: --import-bank SHEET [--pictures DIR] --out DIR,
    // --export-bank FILE --to SHEET, --bank-template SHEET.
    QByteArray nhapBangTinh, thuMucAnh, thuMucRa, xuatNganHang, bangRa, bangMau;
    bool rutDe = false;            // --draw-paper
    bool xuat = false;             // --export
    QByteArray nhap;               // --import FILE
    bool nganHangMacDinh = false;  // --bank-2025
    QByteArray nganHang, hang, quyTac, hatGiong;
    QDate ngayThi;                     // --exam-date: the rule set in force that day
    std::optional<QByteArray> thuMuc;  // --data, as the bytes given
    QByteArray mayChu;                 // --server CONNINFO
    QByteArray caiDatMayChu;           // --setup-server CONNINFO
    // A school's IT, with --server as a teacher.
    QByteArray guiNganHang;               // --publish-bank FILE
    QByteArray danhSach, khoaHoc, phieu;  // --roster FILE --course CODE [--pins FILE]
    bool chiSo = false;                   // --digits
    QByteArray moPhien;                   // --open-test CODE
    int phut = 0;                         // --minutes N
    QDateTime moLuc;                      // --opens WHEN
    QByteArray loi;                       // what is wrong with the arguments
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
                d.loi = txt::kCliThuMucCanTen.toUtf8();
                return d;
            }
            const QByteArray v = a == "--data" ? QByteArray(argv[++i]) : a.mid(7);
            if (v.isEmpty()) {
                d.loi = txt::kCliThuMucTenTrong.toUtf8();
                return d;
            }
            d.thuMuc = v;
        } else if (a == "--check-bank" || a == "--bank" || a == "--class" || a == "--rules" || a == "--seed"
                   || a == "--import" || a == "--publish-bank" || a == "--roster" || a == "--course"
                   || a == "--pins" || a == "--open-test" || a == "--minutes" || a == "--opens"
                   || a == "--import-bank" || a == "--pictures" || a == "--out" || a == "--export-bank"
                   || a == "--to" || a == "--bank-template") {
            if (i + 1 >= argc || QByteArray(argv[i + 1]).isEmpty()) {
                d.loi = voiByte(txt::kCliCanGiaTri, a);
                return d;
            }
            const QByteArray v(argv[++i]);
            if (a == "--minutes") {
                bool so = false;
                d.phut = v.toInt(&so);
                if (!so || d.phut < 1 || d.phut > 240) {
                    d.loi = txt::kCliPhutSai.toUtf8();
                    return d;
                }
                continue;
            }
            if (a == "--opens") {
                d.moLuc = QDateTime::fromString(QString::fromLatin1(v), Qt::ISODate);
                if (!d.moLuc.isValid())
                    d.moLuc =
                        QDateTime::fromString(QString::fromLatin1(v), QStringLiteral("yyyy-MM-dd HH:mm"));
                if (!d.moLuc.isValid()) {
                    d.loi = txt::kCliMoLucSai.toUtf8();
                    return d;
                }
                continue;
            }
            (a == "--check-bank"      ? d.kiemTraNganHang
             : a == "--bank"          ? d.nganHang
             : a == "--class"         ? d.hang
             : a == "--rules"         ? d.quyTac
             : a == "--import"        ? d.nhap
             : a == "--publish-bank"  ? d.guiNganHang
             : a == "--roster"        ? d.danhSach
             : a == "--course"        ? d.khoaHoc
             : a == "--pins"          ? d.phieu
             : a == "--open-test"     ? d.moPhien
             : a == "--import-bank"   ? d.nhapBangTinh
             : a == "--pictures"      ? d.thuMucAnh
             : a == "--out"           ? d.thuMucRa
             : a == "--export-bank"   ? d.xuatNganHang
             : a == "--to"            ? d.bangRa
             : a == "--bank-template" ? d.bangMau
                                      : d.hatGiong) = v;
        } else if (a == "--digits") {
            d.chiSo = true;
        } else if (a == "--server" || a == "--setup-server") {
            if (i + 1 >= argc || QByteArray(argv[i + 1]).trimmed().isEmpty()) {
                d.loi = txt::kCliMayChuCan.arg(QString::fromLatin1(a)).toUtf8();
                return d;
            }
            (a == "--server" ? d.mayChu : d.caiDatMayChu) = argv[++i];
        } else if (a == "--exam-date") {
            d.ngayThi =
                i + 1 < argc ? QDate::fromString(QString::fromLatin1(argv[++i]), Qt::ISODate) : QDate();
            if (!d.ngayThi.isValid()) {
                d.loi = txt::kCliNgayThiSai.toUtf8();
                return d;
            }
        } else if (a == "--draw-paper") {
            d.rutDe = true;
        } else if (a == "--export") {
            d.xuat = true;
        } else if (a == "--bank-2025") {
            d.nganHangMacDinh = true;
        } else if (laTuyChonQtCoGiaTri(argv[i])) {
            ++i;
        } else if (!laTuyChonQt(argv[i])) {
            d.loi = voiByte(txt::kCliThamSoLa, a);
            return d;
        }
    }
    // A bank and a spreadsheet: each verb with what it needs, and alone.
    const bool laBangTinh = !d.nhapBangTinh.isEmpty() || !d.xuatNganHang.isEmpty() || !d.bangMau.isEmpty();
    if (!d.nhapBangTinh.isEmpty() && d.thuMucRa.isEmpty())
        d.loi = txt::kCliNhapBangCanRa.toUtf8();
    else if (!d.xuatNganHang.isEmpty() && d.bangRa.isEmpty())
        d.loi = txt::kCliXuatBangCanTo.toUtf8();
    else if (!laBangTinh && (!d.thuMucAnh.isEmpty() || !d.thuMucRa.isEmpty() || !d.bangRa.isEmpty()))
        d.loi = txt::kCliChiVoiBangTinh.toUtf8();
    if (laBangTinh || !d.loi.isEmpty())
        return d;
    // A school's verbs: each with --server, and what it needs.
    const bool laTruong = !d.guiNganHang.isEmpty() || !d.danhSach.isEmpty() || !d.moPhien.isEmpty();
    if (laTruong && d.mayChu.isEmpty() && qEnvironmentVariableIsEmpty("THILAIXE_SERVER")) {
        d.loi = txt::kCliTruongCanMayChu.toUtf8();
        return d;
    }
    if (!d.danhSach.isEmpty() && d.khoaHoc.isEmpty()) {
        d.loi = txt::kCliDanhSachCanKhoa.toUtf8();
        return d;
    }
    if (!d.moPhien.isEmpty() && d.phut == 0) {
        d.loi = txt::kCliMoPhienCanPhut.toUtf8();
        return d;
    }
    if (laTruong)
        return d;
    // Options that only some verbs take.
    const bool veGiaoDien = !d.xuat && d.kiemTraNganHang.isEmpty() && !d.rutDe && d.nhap.isEmpty();
    if (d.xuat && !d.hang.isEmpty())
        d.loi = txt::kCliXuatKhongHang.toUtf8();
    else if (!d.hang.isEmpty() && veGiaoDien && d.nganHang.isEmpty() && !d.nganHangMacDinh)
        d.loi = txt::kCliHangCanNganHang.toUtf8();
    else if (!d.hatGiong.isEmpty() && !d.rutDe)
        d.loi = txt::kCliHatChiRutDe.toUtf8();
    else if (!d.quyTac.isEmpty() && d.kiemTraNganHang.isEmpty() && !d.rutDe)
        d.loi = txt::kCliQuyTacChiKiem.toUtf8();
    else if (d.ngayThi.isValid() && d.kiemTraNganHang.isEmpty() && !d.rutDe)
        d.loi = txt::kCliNgayThiChiKiem.toUtf8();
    return d;
}

// A folder named on the command line or in THILAIXE_DATA: used by its bytes.
// A name that is not UTF-8 text cannot be held in a QString that maps back
// to it, so the program enters that folder and names it by the kernel's
// link to the current folder, whose name is plain ASCII. Empty with a
// message on a folder that cannot be used.
std::optional<QString> thuMucTheoByte(const QByteArray& ten, const char* nguon)
{
    const ThongTinTep st = xemTep(ten, true);
    if (st.loai != LoaiTep::ThuMuc) {
        std::fprintf(stderr, "thilaixe: %s: %s: %s\n", nguon, ten.constData(),
                     st.soLoi != 0 ? std::strerror(st.soLoi) : qPrintable(txt::kCliKhongPhaiThuMuc));
        return std::nullopt;
    }
    if (QFile::encodeName(QFile::decodeName(ten)) == ten)
        return QDir(QFile::decodeName(ten)).absolutePath();
    if (int soLoi = 0; !vaoThuMuc(ten, &soLoi)) {
        std::fprintf(stderr, "thilaixe: %s: %s: %s\n", nguon, ten.constData(), std::strerror(soLoi));
        return std::nullopt;
    }
    return tenThuMucHienTai();
}

// A file named on the command line, used by its bytes: a folder whose
// name is not UTF-8 text is reached through a link of a plain name in a
// private temporary folder (the file keeps its folder, where its pictures
// and rules lie). Empty with a message when that cannot be done.
std::optional<QString> tepTheoByte(const QByteArray& ten, const char* nguon)
{
    if (ten.isEmpty() || QFile::encodeName(QFile::decodeName(ten)) == ten)
        return QFile::decodeName(ten);
    const qsizetype gach = ten.lastIndexOf('/');
    const QByteArray thuMuc = gach < 0 ? QByteArray(".") : gach == 0 ? QByteArray("/") : ten.left(gach);
    const QByteArray goc = ten.mid(gach + 1);
    if (QFile::encodeName(QFile::decodeName(goc)) != goc) {
        inDong(stderr, txt::kCliTenKhongUtf8.arg(QLatin1String(nguon)));
        return std::nullopt;
    }
    static QTemporaryDir tam;
    static int dem = 0;
    const QString lienKet = tam.filePath(QStringLiteral("d%1").arg(++dem));
    char* that = ::realpath(thuMuc.constData(), nullptr);
    const bool duoc = that && tam.isValid() && ::symlink(that, QFile::encodeName(lienKet).constData()) == 0;
    const int soLoi = errno;
    std::free(that);
    if (!duoc) {
        std::fprintf(stderr, "thilaixe: %s: %s\n", nguon, std::strerror(soLoi));
        return std::nullopt;
    }
    return lienKet + QLatin1Char('/') + QFile::decodeName(goc);
}

// --check-bank and --draw-paper.
int lenhNganHang(const DongLenh& d)
{
    RealSeams seams;
    const QDate ngay = d.ngayThi.isValid() ? d.ngayThi : seams.bayGio().date();
    const std::optional<QString> quyTac = tepTheoByte(d.quyTac, "--rules");
    if (!quyTac)
        return 2;
    if (!d.rutDe) {
        const std::optional<QString> tep = tepTheoByte(d.kiemTraNganHang, "--check-bank");
        return tep ? lenhKiemTraNganHang(*tep, *quyTac, ngay) : 2;
    }
    if (d.nganHang.isEmpty() || d.hang.isEmpty()) {
        inDong(stderr, txt::kCliRutDeCan);
        return 2;
    }
    const std::optional<QString> tep = tepTheoByte(d.nganHang, "--bank");
    return tep ? lenhRutDe(*tep, QString::fromUtf8(d.hang), d.hatGiong, *quyTac, ngay, hatGiong(seams)) : 2;
}

// --bank FILE for the windows: refused by what it is before anything opens
// it, and --class checked against the rule set the bank uses today.
bool nganHangDungDuoc(const QString& tep, const QByteArray& hang, const QDate& homNay)
{
    QFile f;
    QString lyDo;
    if (moTepNguon(tep, f, &lyDo) != KetQuaMo::DaMo) {
        inDong(stderr, txt::kCliTepKhongDoc.arg(QStringLiteral("--bank"), tep, lyDo));
        return false;
    }
    if (hang.isEmpty())
        return true;
    return hangHoacBao(chonQuyTacCho(tep, homNay).bo, QString::fromUtf8(hang)) != nullptr;
}

// --export --bank: an id as kept, or a bank file whose id it is.
std::optional<QString> idNganHangXuat(const QByteArray& nganHang)
{
    if (nganHang.isEmpty())
        return QString();
    const QString ten = QFile::decodeName(nganHang);
    if (!QFileInfo::exists(ten))
        return QString::fromUtf8(nganHang);
    const DocDuoc<NganHang> doc = docNganHangTep(ten);
    if (!doc.giaTri) {
        for (const LoiDuLieu& l : doc.loi)
            std::fprintf(stderr, "thilaixe: --bank: %s\n", qPrintable(l.dong()));
        return std::nullopt;
    }
    return doc.giaTri->id;
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
        std::fputs(txt::kCliTroGiup.toUtf8().constData(), stdout);
        return 0;
    }
    if (dongLenh.phienBan) {
        std::printf("thilaixe %s\n", THILAIXE_VERSION);
        return 0;
    }
    if (!dongLenh.caiDatMayChu.isEmpty()) {
        QCoreApplication c(argc, argv);  // the SQL drivers are plugins
        return lenhCaiDatMayChu(QString::fromLocal8Bit(dongLenh.caiDatMayChu));
    }
    // A school's server, for the windows: the option, else the variable.
    QString chuoiMayChu = QString::fromLocal8Bit(dongLenh.mayChu);
    if (chuoiMayChu.isEmpty())
        chuoiMayChu = qEnvironmentVariable("THILAIXE_SERVER");
    std::optional<KetNoiMayChu> mayChu;
    if (!chuoiMayChu.trimmed().isEmpty()) {
        QString loi;
        mayChu = KetNoiMayChu::doc(chuoiMayChu, &loi);
        if (!mayChu) {
            std::fprintf(stderr, "%s\n", qPrintable(txt::kCliMayChuSai.arg(loi)));
            return 2;
        }
    }
    // A school's verbs: QGuiApplication for the PDF's fonts, with no display.
    if (!dongLenh.guiNganHang.isEmpty() || !dongLenh.danhSach.isEmpty() || !dongLenh.moPhien.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication g(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("thilaixe"));
        if (!mayChu || FormDangNhap::laHocVien(*mayChu)) {
            inDong(stderr, txt::kCliTruongCanMayChu);
            return 2;
        }
        if (!dongLenh.guiNganHang.isEmpty()) {
            const std::optional<QString> t = tepTheoByte(dongLenh.guiNganHang, "--publish-bank");
            return t ? lenhGuiNganHang(*mayChu, QFileInfo(*t).absoluteFilePath()) : 2;
        }
        if (!dongLenh.danhSach.isEmpty()) {
            const std::optional<QString> t = tepTheoByte(dongLenh.danhSach, "--roster");
            if (!t)
                return 2;
            const QString phieu = dongLenh.phieu.isEmpty()
                                      ? QStringLiteral("pin-%1.pdf").arg(QString::fromUtf8(dongLenh.khoaHoc))
                                      : QFile::decodeName(dongLenh.phieu);
            return lenhDanhSach(*mayChu, *t, QString::fromUtf8(dongLenh.khoaHoc),
                                QString::fromUtf8(dongLenh.hang), phieu, dongLenh.chiSo);
        }
        const ThuMucDuLieu chon = chonThuMucDuLieu(
            dongLenh.thuMuc ? std::optional<QString>(QFile::decodeName(*dongLenh.thuMuc)) : std::nullopt,
            qEnvironmentVariable("THILAIXE_DATA"), QString(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QDir().mkpath(chon.duongDan);
        return lenhMoPhien(*mayChu, QDir(chon.duongDan).absolutePath(), QString::fromUtf8(dongLenh.moPhien),
                           QString::fromUtf8(dongLenh.hang), dongLenh.phut,
                           dongLenh.moLuc.isValid() ? dongLenh.moLuc : RealSeams().bayGio(),
                           QFile::decodeName(dongLenh.nganHang));
    }
    if (!dongLenh.kiemTraNganHang.isEmpty() || dongLenh.rutDe) {
        QCoreApplication c(argc, argv);  // picture plugins; no display needed
        return lenhNganHang(dongLenh);
    }
    if (!dongLenh.nhapBangTinh.isEmpty() || !dongLenh.xuatNganHang.isEmpty() || !dongLenh.bangMau.isEmpty()) {
        QCoreApplication c(argc, argv);  // picture plugins; no display needed
        if (!dongLenh.bangMau.isEmpty())
            return lenhMauNganHang(QFile::decodeName(dongLenh.bangMau));
        if (!dongLenh.xuatNganHang.isEmpty()) {
            const std::optional<QString> t = tepTheoByte(dongLenh.xuatNganHang, "--export-bank");
            return t ? lenhXuatNganHang(*t, QFile::decodeName(dongLenh.bangRa)) : 2;
        }
        const std::optional<QString> t = tepTheoByte(dongLenh.nhapBangTinh, "--import-bank");
        if (!t)
            return 2;
        YeuCauNhap yc{*t, QFile::decodeName(dongLenh.thuMucAnh), QFile::decodeName(dongLenh.thuMucRa),
                      RealSeams().bayGio().date()};
        return lenhNhapNganHang(yc);
    }

    // Named before --data may enter another folder.
    QString tepNganHang;
    if (!dongLenh.nganHang.isEmpty() && !dongLenh.xuat && dongLenh.nhap.isEmpty()) {
        const std::optional<QString> t = tepTheoByte(dongLenh.nganHang, "--bank");
        if (!t)
            return 2;
        tepNganHang = QFileInfo(*t).absoluteFilePath();
        QCoreApplication c(argc, argv);  // the rule set is a resource
        if (!nganHangDungDuoc(tepNganHang, dongLenh.hang, RealSeams().bayGio().date()))
            return 2;
    }
    QString tepNhap;
    QStringList nganHangNhap;
    if (!dongLenh.nhap.isEmpty()) {
        const std::optional<QString> t = tepTheoByte(dongLenh.nhap, "--import");
        if (!t)
            return 2;
        tepNhap = QFileInfo(*t).absoluteFilePath();
        // The bank its attempts are scored again from, when it is not one at hand.
        if (!dongLenh.nganHang.isEmpty()) {
            const std::optional<QString> b = tepTheoByte(dongLenh.nganHang, "--bank");
            if (!b)
                return 2;
            nganHangNhap << QFileInfo(*b).absoluteFilePath();
        }
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
    QString hienTai = tenThuMucHienTai();
    if (const QByteArray b = thuMucHienTai(); !b.isEmpty() && QFile::encodeName(QFile::decodeName(b)) == b)
        hienTai = QFile::decodeName(b);

    if (dongLenh.xuat || !tepNhap.isEmpty()) {
        QCoreApplication c(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("thilaixe"));
        const ThuMucDuLieu chon =
            chonThuMucDuLieu(thuMucDongLenh, bienMoiTruong, hienTai,
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        const QString thuMuc = QDir(chon.duongDan).absolutePath();
        if (!tepNhap.isEmpty())
            return lenhNhap(thuMuc, tepNhap, nganHangNhap);
        const std::optional<QString> id = idNganHangXuat(dongLenh.nganHang);
        return id ? lenhXuat(thuMuc, *id) : 1;
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

    // Else the one chosen on a home, kept in this folder's store.
    bool mayChuTuNha = false;
    if (!mayChu) {
        if (const QString chuoi = KhoSqlite::docMayChuTruong(QDir(thuMuc).filePath(kTepKho));
            !chuoi.isEmpty()) {
            mayChu = KetNoiMayChu::doc(chuoi);
            mayChuTuNha = mayChu.has_value();
        }
    }
    RealSeams seams;
    App app(seams, thuMuc);
    QString nganHangMayChu;
    if (mayChu) {
        // Signed in before any window: a learner with course, candidate
        // number and PIN (checked by the server); a teacher with a password
        // when ~/.pgpass has none.
        KetNoiMayChu k = *mayChu;
        const bool hocVien = FormDangNhap::laHocVien(k);
        std::optional<DangNhapHocVien> dn;
        QString loi, khoaHoc, soBaoDanh;
        std::unique_ptr<KhoHocVien> kho;
        bool hoi = hocVien;
        while (!kho) {
            if (hoi) {
                FormDangNhap f(*mayChu, loi, khoaHoc, soBaoDanh, mayChuTuNha);
                const int ketQua = f.exec();
                if (ketQua == FormDangNhap::kKhongDungMayChu) {
                    // Back to this computer's own data, from now on.
                    app.moiTruong().kho().datMayChuTruong({});
                    break;
                }
                if (ketQua != QDialog::Accepted)
                    return 0;
                k = f.ketNoi();
                dn = f.hocVien();
                khoaHoc = f.khoaHoc();
                soBaoDanh = f.soBaoDanh();
            }
            kho = moKho(thuMuc, k, dn);
            const KhoTruong* tr = kho->truong();
            switch (tr ? tr->ketQuaDangNhap() : KetQuaDangNhap::Xong) {
            case KetQuaDangNhap::Xong:
            case KetQuaDangNhap::KhongToi: break;
            case KetQuaDangNhap::SaiPin:
                // A teacher's first try is with ~/.pgpass: none there only
                // asks for the password, it is no fault.
                loi = hocVien                ? txt::kDnSaiHocVien
                      : k.password.isEmpty() ? QString()
                                             : txt::kDnSaiMatKhau.arg(k.user);
                break;
            case KetQuaDangNhap::BiKhoa: loi = txt::kDnBiKhoa.arg((tr->giayConKhoa() + 59) / 60); break;
            case KetQuaDangNhap::DangMoNoiKhac: loi = txt::kDnMoNoiKhac; break;
            }
            if (tr && tr->ketQuaDangNhap() != KetQuaDangNhap::Xong
                && tr->ketQuaDangNhap() != KetQuaDangNhap::KhongToi) {
                hoi = true;
                kho.reset();
            }
        }
        if (kho) {
            // The school's bank, for a computer given none: taken from the
            // server (or its copy kept here when it is the current one).
            if (tepNganHang.isEmpty() && kho->truong()) {
                QString vi;
                if (const std::optional<QString> t = nganHangTuMayChu(*kho->truong(), thuMuc, &vi))
                    nganHangMayChu = *t;
                else
                    std::fprintf(stderr, "thilaixe: %s\n", qPrintable(vi));
            }
            app.moiTruong().datKho(std::move(kho));
        }
    }
    // --bank opens the bank's home; a bank that cannot be used is said and
    // the entry form shows instead.
    const QString moNgay = !tepNganHang.isEmpty()      ? tepNganHang
                           : !nganHangMayChu.isEmpty() ? nganHangMayChu
                           : dongLenh.nganHangMacDinh  ? timNganHangMacDinh(app.moiTruong())
                                                       : QString();
    if (!moNgay.isEmpty() && app.moDeMoi(moNgay, QString::fromUtf8(dongLenh.hang)))
        return QApplication::exec();  // the 300 pictures are not needed there
    app.form<FormInit>()->show();
    // The 300 pictures are looked for once the form is on screen: the
    // learner sees the program at once, and the box (if any) follows.
    QTimer::singleShot(0, &app, [&seams, thuMuc, loiChuanBi] {
        const QStringList thieu = anhConThieu(thuMuc);
        if (!thieu.isEmpty() || !loiChuanBi.isEmpty())
            seams.hienThongBao(txt::kTieuDeThieuNganHang, thongBaoThieuNganHang(thuMuc, thieu, loiChuanBi),
                               {});
    });
    return QApplication::exec();
}
