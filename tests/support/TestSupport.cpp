#include "TestSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/history/LichSuThi.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>

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
