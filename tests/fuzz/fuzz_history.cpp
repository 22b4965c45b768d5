// libFuzzer target: the bytes of DuLieu.txt through the reader, both
// parsers and the re-scoring of every record listed, as the past-exam
// review uses them. Any index outside an array aborts.
#include "rules/bank/DapAn.h"
#include "rules/exam/KetQuaThi.h"
#include "rules/history/LichSuThi.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

using namespace thilaixe;

static void abortOnInternalError(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    if (msg.startsWith(QLatin1String("internal error")))
        std::abort();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(abortOnInternalError);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SharedState s;
    NapDapAn(s);
    QBuffer buf;
    buf.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    buf.open(QIODevice::ReadOnly);
    DocDuLieu(s, buf);
    for (int r = 1; r <= kSoLanLuu; ++r) {
        s.LanThiChon = static_cast<std::int16_t>(r);
        TachLanDaThi(s, r);
        const KetQuaThi kq = ketQuaLanDaThi(s);
        if (kq.dung < 0 || kq.dung > kSoCau)
            std::abort();
        for (int i = 1; i <= kSoCau; ++i) {
            const std::optional<std::int16_t> d = dapAnCua(s, s.MangCHDaThi[i]);
            if (d && (*d < 1 || *d > 4))
                std::abort();
            // The picture name the review would ask for.
            if (const std::optional<std::int16_t> q = cauHoiHopLe(s.MangCHDaThi[i]))
                (void)TenTepAnh(*q);
        }
        if (!s.LichSuNg[r] || s.LichSuNg[r]->isEmpty())
            break;  // the review lists records up to the first empty one
    }
    return 0;
}
