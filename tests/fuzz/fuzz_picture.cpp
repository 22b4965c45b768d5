// libFuzzer target: the bytes of a question picture through the same
// loading path the forms use (a file in the working folder, decoded at the
// size it is shown).
#include "rules/bank/AnhCauHoi.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

using namespace thilaixe;

static QString g_tep;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // The decoder's complaints about broken input are expected here.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    g_tep = QDir::tempPath()
            + QStringLiteral("/thilaixe-fuzz-%1-017.jpg").arg(QCoreApplication::applicationPid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        QFile f(g_tep);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QImage img;
    const KetQuaTaiAnh kq = taiAnh(g_tep, QSize(400, 300), &img);
    if (kq == KetQuaTaiAnh::DaTai && img.size() != QSize(400, 300))
        std::abort();
    if (kq == KetQuaTaiAnh::ThieuTep)
        std::abort();  // the file is there
    return 0;
}
