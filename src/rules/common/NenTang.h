#pragma once

// Everything the program asks of the operating system beyond Qt, in one
// place: NenTangPosix.cpp is its POSIX implementation (Linux, the BSDs,
// macOS); another system brings its own file beside it. Nothing else in
// src/ calls the system itself.
//
// Files the learner cannot get back (the history, the practice progress) are
// read and replaced only through here:
//  - only a regular file is read or replaced; a link, a FIFO, a device or a
//    folder under the file's name is refused and nothing it points at is
//    opened, created, written or has its permissions changed;
//  - the new content goes to a temporary file beside the old one, is synced
//    to disk and checked for size, and only then renamed over the old file;
//    on any failure the temporary file is removed and the old file keeps its
//    bytes and permissions;
//  - a lock on a file beside it (`tep` + ".lock", flock) keeps two copies
//    of the program from interleaving their read and replace.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <functional>
#include <optional>

class QFile;

namespace thilaixe {

// A line typed on the terminal without echo (a password), after `loiMoi`
// on standard error; nothing when standard input is no terminal.
std::optional<QString> docMatKhauTerminal(const QString& loiMoi);

enum class KetQuaMo {
    DaMo,      // a regular file, open for reading
    ThieuTep,  // nothing under that name
    LoiKhac,   // something else under that name, or it cannot be opened
};

// Opens a regular file for reading without following a link and without
// blocking on a FIFO. When it is not opened, `lyDo` says why (in Vietnamese).
KetQuaMo moDeDoc(const QString& tep, QFile& f, QString* lyDo = nullptr);
// The same for a file a school brings (a bank, a rule set): a link is
// followed, but only to a regular file; a FIFO, a device or a folder is
// refused by its type before anything opens it.
KetQuaMo moTepNguon(const QString& tep, QFile& f, QString* lyDo = nullptr);
// What stands under a name.
enum class LoaiTep { KhongCo, Thuong, ThuMuc, LienKet, Fifo, ThietBi, Socket, Khac };
struct ThongTinTep final {
    LoaiTep loai = LoaiTep::KhongCo;
    qint64 kichThuoc = 0;
    int soLoi = 0;  // the system's error number when it could not be looked at
};
// Looks at a name without following a link, or following it when
// `theoLienKet`.
ThongTinTep xemTep(const QString& tep, bool theoLienKet = false);
// The same for a name given by its bytes (they need not be UTF-8).
ThongTinTep xemTep(const QByteArray& ten, bool theoLienKet = false);
// What stands under a name that is not a regular file ("là một thư mục…").
QString khongPhaiTepThuong(LoaiTep loai);

// Whether another process holds a lock on byte `viTri` of a file (SQLite
// keeps one on its -shm while a connection is open). False when the file
// cannot be opened.
bool coKhoaCuaTienTrinhKhac(const QString& tep, qint64 viTri);
// Whether the disk holding `thuMuc` is mounted read-only.
bool oDiaChiDoc(const QString& thuMuc);
// Whether this process may write `ten` (a file or a folder).
bool ghiDuoc(const QString& ten);

// The current folder: its name as the system has it (bytes, which need not
// be UTF-8), and a name for it that is plain ASCII and always maps back
// (the kernel's link to it), for one that is not UTF-8 text.
QByteArray thuMucHienTai();
QString tenThuMucHienTai();
// Enters a folder named by its bytes; false with the error number in soLoi.
bool vaoThuMuc(const QByteArray& ten, int* soLoi = nullptr);

// A system error number said in Vietnamese for a learner ("ổ đĩa đã đầy").
QString lyDoLoi(int soLoi);

// Holds the lock of one file (flock on `tep` + ".lock") while it lives,
// waiting up to 15 s for another holder. The kernel releases it when its
// process ends, so a crash leaves no lock to wait out.
class KhoaTep final {
public:
    explicit KhoaTep(const QString& tep);
    ~KhoaTep();
    KhoaTep(const KhoaTep&) = delete;
    KhoaTep& operator=(const KhoaTep&) = delete;
    bool daKhoa() const { return m_daKhoa; }
    // Why it is not held: another copy, or no lock can be made at all.
    const QString& lyDo() const { return m_lyDo; }

private:
    int m_fd = -1;
    bool m_daKhoa = false;
    QString m_lyDo;
};

// Replaces `tep` under its lock with what `taoNoiDung` returns. It is called
// inside the lock with the old file open for reading at its start, or with
// nullptr when there is none, so a change is made to the file as it stands.
// A read-only file is replaced all the same (the new file is writable by its
// owner); a missing one is created. False, with a reason in Vietnamese in
// `loi`, when the new content is not safely on disk: `tep` is then as it was.
// `tiepTuc`, when given, is asked after `taoNoiDung`: false leaves `tep` as
// it was (the caller says why).
bool thayTheTep(const QString& tep, const std::function<QByteArray(QFile* cu)>& taoNoiDung,
                QString* loi = nullptr, const std::function<bool()>& tiepTuc = {});

// The one way the program writes a file of its own (a saved list of held
// changes, a CSV, a PDF, a picture, a bank): `noiDung` goes to a temporary
// file beside `tep`, is written whole, flushed and synced, its size on disk
// is checked, and only then is it renamed over `tep` and the folder synced.
// A link under the name is written through to the regular file it names
// (a learner's own link stays); a folder, a FIFO or a device is refused.
// An existing file keeps its permissions. False, with the reason in
// Vietnamese in `loi` (and in English in `loiEn` when asked), when it is
// not safely on disk: `tep` is then exactly as it was.
bool ghiTep(const QString& tep, const QByteArray& noiDung, QString* loi = nullptr, QString* loiEn = nullptr);

// A system error number said in English, for the command line's second
// language ("the disk is full").
QString lyDoLoiEn(int soLoi);

// Which file a name is now (device and inode), to tell whether a file a
// program holds open is still the one under its name: deleted, or replaced
// by another, it is not. Empty when nothing is under the name.
struct DanhTinhTep final {
    quint64 thietBi = 0, nut = 0;
    bool co = false;
    bool operator==(const DanhTinhTep& k) const { return co == k.co && thietBi == k.thietBi && nut == k.nut; }
};
DanhTinhTep danhTinhTep(const QString& tep);

// The stamp a file moved aside or kept beside another is named with, from
// the wall clock: "20261210-163005" (a file's date, not a rule).
QString dauThoiGianTep();
// The time a file of the program's says it was saved, in UTC, ISO 8601.
QString thoiGianLuuTep();

// Temporary files this program names for `tep` are `tep` + ".thilaixe-tam-"
// + six letters or digits, a name no learner gives a file (a backup such as
// "DuLieu.txt.backup" is never taken for one). Those older than `tuoiGiay`
// seconds are removed; nothing else is touched. Returns how many were
// removed.
int donTepTam(const QString& tep, int tuoiGiay = 300);

// Hands the allocator's free pages back to the system, where the C library
// allows it: after a window's large blocks are gone for good.
void traLaiBoNhoTrong();

// One line of a command's output on `ra`, in the terminal's encoding.
void inDong(std::FILE* ra, const QString& dong);

}  // namespace thilaixe
