#include "TestSupport.h"

#include "bank/DapAn.h"
#include "history/LichSuThi.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace thilaixe::test {

void FakeSeams::closeMessage()
{
    if (messages.isEmpty())
        return;
    auto done = messages.last().onClosed;
    if (done)
        done();
}

WorkDir::WorkDir() : m_old(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

WorkDir::~WorkDir() { QDir::setCurrent(m_old); }

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
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray WorkDir::read(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray recordBytes(const SharedState& s)
{
    return QByteArray(dongNg(s.NgayThi, s.GioThi, s.Hang) + "\r\n" + dongCH(s) + "\r\n" + dongTL(s) + "\r\n");
}

SharedState sampleExam()
{
    SharedState s;
    for (int i = 1; i <= 30; ++i) {
        s.CH[i] = static_cast<std::int16_t>(i * 10);
        s.TL[i] = 1;
    }
    s.Hang = QStringLiteral("B2");
    s.NgayThi = QDate(2026, 1, 2);
    s.GioThi = QTime(3, 4, 5);
    return s;
}

Program::Program()
{
    dir.makePictures();
    dir.write(QStringLiteral("DuLieu.txt"), {});
    NapDapAn(app.state());
}

} // namespace thilaixe::test
