#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"

#include <QFile>

#include <unistd.h>

namespace thilaixe::test {

void FakeSeams::closeMessage()
{
    if (messages.isEmpty())
        return;
    auto done = messages.last().onClosed;
    if (done)
        done();
}

Program::Program()
{
    // Encoding 300 JPEGs for every test costs seconds: they are made once
    // and linked in (WorkDir::write replaces a file, never writes through a
    // link into the shared copy).
    static const WorkDir pictures;
    static const bool made = (pictures.makePictures(), true);
    Q_UNUSED(made);
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const QString name = TenTepAnh(static_cast<std::int16_t>(q));
        if (::link(QFile::encodeName(pictures.path(name)).constData(),
                   QFile::encodeName(dir.path(name)).constData())
            != 0)
            QFile::copy(pictures.path(name), dir.path(name));
    }
    dir.write(QStringLiteral("DuLieu.txt"), {});
    NapDapAn(app.trangThai());
}

}  // namespace thilaixe::test
