#include "TestSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/history/LichSuThi.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace thilaixe::test {

StoreHolder::StoreHolder(const QString& file) : m_name(QStringLiteral("holder-") + file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(file);
    db.open();
}

StoreHolder::~StoreHolder()
{
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

bool StoreHolder::run(const char* sql)
{
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    return q.exec(QString::fromLatin1(sql));
}

FullDisk::FullDisk(int kb)
{
    // Once per process: a mount namespace of its own, whose mounts stay
    // private to it.
    static const QString ns = []() -> QString {
        if (::geteuid() != 0)
            return QStringLiteral("needs root");
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("no mount namespace: ") + QString::fromLocal8Bit(std::strerror(errno));
        return QString();
    }();
    if (!ns.isEmpty()) {
        m_why = ns;
        return;
    }
    const QByteArray opt = "size=" + QByteArray::number(kb) + "k";
    if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, opt.constData()) != 0) {
        m_why = QStringLiteral("tmpfs cannot be mounted: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_ok = true;
}

FullDisk::~FullDisk()
{
    if (m_ok)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString FullDisk::path(const QString& name) const
{
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}

void FullDisk::fill()
{
    const int fd = ::open(QFile::encodeName(path(QStringLiteral(".filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    const QByteArray block(4096, 'f');
    while (fd >= 0 && ::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
    }
    // The last partial page too.
    while (fd >= 0 && ::write(fd, "f", 1) == 1) {
    }
    if (fd >= 0)
        ::close(fd);
}

void FullDisk::free() { QFile::remove(path(QStringLiteral(".filler"))); }

QStringList FullDisk::names() const
{
    QStringList kq =
        QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    kq.removeAll(QStringLiteral(".filler"));
    return kq;
}

void WorkDir::makePictures(int from, int to) const
{
    for (int q = from; q <= to; ++q) {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(QColor::fromHsv((q * 7) % 360, 200, 200));
        img.save(path(TenTepAnh(static_cast<std::int16_t>(q))), "JPG");
    }
}

void WorkDir::write(const QString& name, const QByteArray& bytes) const
{
    QFile::remove(path(name));  // a new file: never written through a link
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray WorkDir::read(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

SharedState exam(const ExamSpec& spec)
{
    SharedState s;
    int answered = 0;
    for (int i = 1; i <= kSoCau; ++i) {
        const int q = i <= 13 ? (i - 1) * 11 + 1 + spec.seed % 10 : i <= 23 ? 140 + i * 4 : 270 + i;
        s.CH[i] = static_cast<std::int16_t>(q);
        if (spec.blank.contains(i))
            continue;
        const int key = kDapAn[static_cast<std::size_t>(q)];
        const bool right = answered++ < spec.right;
        s.TL[i] = static_cast<std::int16_t>(right ? key : key % kSoPhuongAn[static_cast<std::size_t>(q)] + 1);
        s.DungSai[i] = right ? 1 : 0;
    }
    s.Hang = spec.hang;
    s.NgayThi = QDate(2026, 3, spec.seed % 28 + 1);
    s.GioThi = QTime(10, spec.seed % 60, 20);
    return s;
}

QByteArray recordBytes(const SharedState& s)
{
    return QByteArray(dongNg(s.NgayThi, s.GioThi, s.Hang) + "\r\n" + dongCH(s) + "\r\n" + dongTL(s) + "\r\n");
}

}  // namespace thilaixe::test
