#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <termios.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace thilaixe {

namespace {

QString loiHeThong() { return lyDoLoi(errno); }

bool baoLyDo(QString* lyDo, const QString& why);

}  // namespace

namespace {

LoaiTep loaiTheoCheDo(mode_t m)
{
    return S_ISREG(m)                 ? LoaiTep::Thuong
           : S_ISDIR(m)               ? LoaiTep::ThuMuc
           : S_ISLNK(m)               ? LoaiTep::LienKet
           : S_ISFIFO(m)              ? LoaiTep::Fifo
           : S_ISCHR(m) || S_ISBLK(m) ? LoaiTep::ThietBi
           : S_ISSOCK(m)              ? LoaiTep::Socket
                                      : LoaiTep::Khac;
}

QString khongPhaiTepThuong(mode_t m) { return khongPhaiTepThuong(loaiTheoCheDo(m)); }

}  // namespace

QString khongPhaiTepThuong(LoaiTep loai)
{
    switch (loai) {
    case LoaiTep::LienKet: return txt::kHtLienKet;
    case LoaiTep::ThuMuc: return txt::kHtThuMuc;
    case LoaiTep::Fifo: return txt::kHtFifo;
    case LoaiTep::ThietBi: return txt::kHtThietBi;
    case LoaiTep::Socket: return txt::kHtSocket;
    case LoaiTep::KhongCo:
    case LoaiTep::Thuong:
    case LoaiTep::Khac: break;
    }
    return txt::kHtTepDacBiet;
}

ThongTinTep xemTep(const QString& tep, bool theoLienKet)
{
    return xemTep(QFile::encodeName(tep), theoLienKet);
}

ThongTinTep xemTep(const QByteArray& ten, bool theoLienKet)
{
    struct stat st {};
    ThongTinTep kq;
    if ((theoLienKet ? ::stat(ten.constData(), &st) : ::lstat(ten.constData(), &st)) != 0) {
        kq.soLoi = errno;
        return kq;
    }
    kq.loai = loaiTheoCheDo(st.st_mode);
    kq.kichThuoc = st.st_size;
    return kq;
}

bool coKhoaCuaTienTrinhKhac(const QString& tep, qint64 viTri)
{
    const int fd = ::open(QFile::encodeName(tep).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock k {};
    k.l_type = F_WRLCK;
    k.l_whence = SEEK_SET;
    k.l_start = static_cast<off_t>(viTri);
    k.l_len = 1;
    const bool khoa = ::fcntl(fd, F_GETLK, &k) == 0 && k.l_type != F_UNLCK;
    ::close(fd);
    return khoa;
}

bool oDiaChiDoc(const QString& thuMuc)
{
    struct statvfs v {};
    return ::statvfs(QFile::encodeName(thuMuc).constData(), &v) == 0 && (v.f_flag & ST_RDONLY) != 0;
}

bool ghiDuoc(const QString& ten) { return ::access(QFile::encodeName(ten).constData(), W_OK) == 0; }

QByteArray thuMucHienTai()
{
    QByteArray b;
    if (char* cwd = ::getcwd(nullptr, 0)) {
        b = cwd;
        std::free(cwd);
    }
    return b;
}

QString tenThuMucHienTai() { return QStringLiteral("/proc/self/cwd"); }

bool vaoThuMuc(const QByteArray& ten, int* soLoi)
{
    if (::chdir(ten.constData()) == 0)
        return true;
    if (soLoi)
        *soLoi = errno;
    return false;
}

namespace {

bool baoLyDo(QString* lyDo, const QString& why)
{
    if (lyDo)
        *lyDo = why;
    return false;
}

bool ghiHet(int fd, const QByteArray& b)
{
    const char* p = b.constData();
    qsizetype con = b.size();
    while (con > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(con));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        p += n;
        con -= n;
    }
    return true;
}

mode_t umaskHienTai()
{
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

// Best effort: makes the rename itself durable.
void dongBoThuMuc(const QByteArray& thuMuc)
{
    const int fd = ::open(thuMuc.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// What stands between a file's name and the six characters mkstemp picks:
// no learner names a file of theirs so.
const QByteArray kDauTenTam = QByteArrayLiteral(".thilaixe-tam-");

bool laTenTam(const QByteArray& ten, const QByteArray& goc)
{
    const qsizetype dau = goc.size() + kDauTenTam.size();
    if (ten.size() != dau + 6 || !ten.startsWith(goc) || ten.mid(goc.size(), kDauTenTam.size()) != kDauTenTam)
        return false;
    for (qsizetype i = dau; i < ten.size(); ++i) {
        const char c = ten.at(i);
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

// Puts `moi` in place as the file named `ten`: a temporary file beside it,
// written whole, synced, its size on disk checked, given `quyen`, then
// renamed over the name and the folder synced. False with the error number
// in `soLoi`; the temporary file is then gone and the name untouched.
// Each step is checked: Qt 6.4's QSaveFile says a small file was saved
// when its buffered write never reached a full disk.
bool datVaoCho(const QByteArray& ten, const QByteArray& moi, mode_t quyen, int* soLoi)
{
    QByteArray mau = ten + kDauTenTam + QByteArrayLiteral("XXXXXX");
    const int fd = ::mkstemp(mau.data());
    if (fd < 0) {
        *soLoi = errno;
        return false;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto boTam = [&](int e) {
        ::close(fd);
        ::unlink(mau.constData());
        *soLoi = e;
        return false;
    };
    if (!ghiHet(fd, moi))
        return boTam(errno);
    if (::fsync(fd) != 0)
        return boTam(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return boTam(errno);
    if (st.st_size != moi.size())
        return boTam(ENOSPC);  // what a short file on disk means in practice
    if (::fchmod(fd, quyen) != 0)
        return boTam(errno);
    if (::close(fd) != 0) {
        *soLoi = errno;
        ::unlink(mau.constData());
        return false;
    }
    // rename() replaces whatever stands under the name (a link that was
    // planted meanwhile included) and never writes through it.
    if (::rename(mau.constData(), ten.constData()) != 0) {
        *soLoi = errno;
        ::unlink(mau.constData());
        return false;
    }
    const qsizetype gach = ten.lastIndexOf('/');
    dongBoThuMuc(gach < 0 ? QByteArray(".") : gach == 0 ? QByteArray("/") : ten.left(gach));
    return true;
}

}  // namespace

QString lyDoLoi(int e)
{
    switch (e) {
    case ENOENT: return txt::kHtKhongCo;
    case EACCES:
    case EPERM: return txt::kHtKhongCoQuyen;
    case EROFS: return txt::kHtChiDocThuMuc;
    case ENOSPC:
    case EDQUOT: return txt::kHtDiaDay;
    case EIO: return txt::kHtLoiDia;
    case ELOOP: return txt::kHtLienKet;
    case ENOTDIR: return txt::kHtKhongPhaiThuMuc;
    case ENAMETOOLONG: return txt::kHtTenQuaDai;
    case EMFILE:
    case ENFILE: return txt::kHtQuaNhieuTep;
    default: return txt::kHtLoiSo.arg(e).arg(QString::fromLocal8Bit(std::strerror(e)));
    }
}

namespace {

// Opens a regular file for reading, never blocking on a FIFO; a link is
// followed only when `theoLienKet`.
KetQuaMo moTepThuong(const QString& tep, QFile& f, QString* lyDo, bool theoLienKet)
{
    const QByteArray ten = QFile::encodeName(tep);
    struct stat st {};
    if ((theoLienKet ? ::stat(ten.constData(), &st) : ::lstat(ten.constData(), &st)) != 0) {
        baoLyDo(lyDo, loiHeThong());
        return errno == ENOENT ? KetQuaMo::ThieuTep : KetQuaMo::LoiKhac;
    }
    if (!S_ISREG(st.st_mode)) {
        baoLyDo(lyDo, khongPhaiTepThuong(st.st_mode));
        return KetQuaMo::LoiKhac;
    }
    // The name may have been swapped since: never wait on a FIFO, and check
    // again what was opened.
    const int fd =
        ::open(ten.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (theoLienKet ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        baoLyDo(lyDo, loiHeThong());
        return KetQuaMo::LoiKhac;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        baoLyDo(lyDo, khongPhaiTepThuong(st.st_mode));
        ::close(fd);
        return KetQuaMo::LoiKhac;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        baoLyDo(lyDo, f.errorString());
        ::close(fd);
        return KetQuaMo::LoiKhac;
    }
    return KetQuaMo::DaMo;
}

}  // namespace

KetQuaMo moDeDoc(const QString& tep, QFile& f, QString* lyDo) { return moTepThuong(tep, f, lyDo, false); }

KetQuaMo moTepNguon(const QString& tep, QFile& f, QString* lyDo) { return moTepThuong(tep, f, lyDo, true); }

KhoaTep::KhoaTep(const QString& tep)
{
    // flock on a lock file beside the history: the kernel lets go of it when
    // the process ends, however it ends, so a crash never leaves a lock
    // behind that others must wait out. The file itself stays.
    m_fd = ::open(QFile::encodeName(tep + QStringLiteral(".lock")).constData(),
                  O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        // A read-only folder, no permission, a full disk: not another copy.
        m_lyDo = txt::kHtKhongTaoKhoa.arg(tep, loiHeThong());
        return;
    }
    // A save takes milliseconds: wait for another copy's for a while.
    for (int i = 0; i < 1500; ++i) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_daKhoa = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_lyDo = txt::kHtKhongKhoa.arg(tep, loiHeThong());
            return;
        }
        ::usleep(10'000);
    }
    m_lyDo = txt::kHtBanKhacGhi;
}

KhoaTep::~KhoaTep()
{
    if (m_fd >= 0)
        ::close(m_fd);  // lets go of the lock
}

bool thayTheTep(const QString& tep, const std::function<QByteArray(QFile* cu)>& taoNoiDung, QString* loi,
                const std::function<bool()>& tiepTuc)
{
    auto baoLoi = [loi](const QString& why) {
        if (loi)
            *loi = why;
        return false;
    };

    KhoaTep khoa(tep);
    if (!khoa.daKhoa())
        return baoLoi(khoa.lyDo());
    donTepTam(tep);

    QFile cu;
    mode_t quyen = 0666 & ~umaskHienTai();
    QString lyDoDoc;
    switch (moDeDoc(tep, cu, &lyDoDoc)) {
    case KetQuaMo::ThieuTep: break;
    case KetQuaMo::LoiKhac: return baoLoi(lyDoDoc);
    case KetQuaMo::DaMo: {
        struct stat st {};
        if (::fstat(cu.handle(), &st) == 0)
            quyen = (st.st_mode & 07777) | S_IWUSR;  // a read-only history is rewritten all the same
        break;
    }
    }
    const QByteArray moi = taoNoiDung(cu.isOpen() ? &cu : nullptr);
    cu.close();
    if (tiepTuc && !tiepTuc())
        return false;
    int soLoi = 0;
    if (!datVaoCho(QFile::encodeName(tep), moi, quyen, &soLoi))
        return baoLoi(lyDoLoi(soLoi));
    return true;
}

bool ghiTep(const QString& tep, const QByteArray& noiDung, QString* loi, QString* loiEn)
{
    const auto sai = [&](int soLoi, const QString& vi = {}, const QString& en = {}) {
        if (loi)
            *loi = vi.isEmpty() ? lyDoLoi(soLoi) : vi;
        if (loiEn)
            *loiEn = en.isEmpty() ? lyDoLoiEn(soLoi) : en;
        return false;
    };
    QByteArray ten = QFile::encodeName(tep);
    mode_t quyen = 0666 & ~umaskHienTai();
    struct stat st {};
    if (::lstat(ten.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // Written where the learner's link leads, and the link kept.
        char* dich = ::realpath(ten.constData(), nullptr);
        if (dich == nullptr && errno != ENOENT)
            return sai(errno);
        if (dich != nullptr) {
            ten = dich;
            std::free(dich);
        } else {
            return sai(ENOENT);  // a dangling link: where it leads is not ours to make
        }
    }
    if (::stat(ten.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return sai(0, khongPhaiTepThuong(st.st_mode), QStringLiteral("not a regular file"));
        quyen = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return sai(errno);
    }
    int soLoi = 0;
    if (!datVaoCho(ten, noiDung, quyen, &soLoi))
        return sai(soLoi);
    return true;
}

QString lyDoLoiEn(int e)
{
    switch (e) {
    case ENOENT: return QStringLiteral("no such file or folder");
    case EACCES:
    case EPERM: return QStringLiteral("permission denied");
    case EROFS: return QStringLiteral("the folder is read-only");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("the disk is full");
    case EIO: return QStringLiteral("a disk input/output error");
    case ELOOP: return QStringLiteral("a symbolic link, not a regular file");
    case ENOTDIR: return QStringLiteral("a part of the path is not a folder");
    case ENAMETOOLONG: return QStringLiteral("the file name is too long");
    case EMFILE:
    case ENFILE: return QStringLiteral("too many open files");
    default: return QString::fromLocal8Bit(std::strerror(e));
    }
}

DanhTinhTep danhTinhTep(const QString& tep)
{
    struct stat st {};
    DanhTinhTep kq;
    if (::stat(QFile::encodeName(tep).constData(), &st) == 0) {
        kq.co = true;
        kq.thietBi = static_cast<quint64>(st.st_dev);
        kq.nut = static_cast<quint64>(st.st_ino);
    }
    return kq;
}

QString dauThoiGianTep() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")); }

QString thoiGianLuuTep() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

int donTepTam(const QString& tep, int tuoiGiay)
{
    const QFileInfo fi(tep);
    const QByteArray goc = QFile::encodeName(fi.fileName());
    // One pass over the folder's names (it holds the 300 pictures too); only
    // a name that looks like a temporary of this file is looked at further.
    DIR* thuMuc = ::opendir(QFile::encodeName(fi.absolutePath()).constData());
    if (thuMuc == nullptr)
        return 0;
    const qint64 moc = QDateTime::currentSecsSinceEpoch() - tuoiGiay;
    int daXoa = 0;
    while (const dirent* m = ::readdir(thuMuc)) {
        const QByteArray ten(m->d_name);
        struct stat st {};
        if (!laTenTam(ten, goc) || ::fstatat(::dirfd(thuMuc), m->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(st.st_mode))
            continue;
        if (st.st_mtime < moc && ::unlinkat(::dirfd(thuMuc), m->d_name, 0) == 0)
            ++daXoa;
    }
    ::closedir(thuMuc);
    return daXoa;
}

void traLaiBoNhoTrong()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void inDong(std::FILE* ra, const QString& dong)
{
    std::fputs(qPrintable(dong), ra);
    std::fputc('\n', ra);
}

std::optional<QString> docMatKhauTerminal(const QString& loiMoi)
{
    if (!isatty(STDIN_FILENO))
        return std::nullopt;
    std::fprintf(stderr, "%s", qPrintable(loiMoi));
    termios cu{};
    const bool an = tcgetattr(STDIN_FILENO, &cu) == 0;
    if (an) {
        termios moi = cu;
        moi.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &moi);
    }
    char dong[512] = {};
    const bool doc = std::fgets(dong, sizeof dong, stdin) != nullptr;
    if (an)
        tcsetattr(STDIN_FILENO, TCSANOW, &cu);
    std::fprintf(stderr, "\n");
    if (!doc)
        return std::nullopt;
    QString kq = QString::fromUtf8(dong);
    while (kq.endsWith(QLatin1Char('\n')) || kq.endsWith(QLatin1Char('\r')))
        kq.chop(1);
    std::memset(dong, 0, sizeof dong);
    return kq;
}

}  // namespace thilaixe
