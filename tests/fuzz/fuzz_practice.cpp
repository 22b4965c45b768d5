// libFuzzer target: the bytes as a practice file through its reader (a text
// it accepts must write back to the same box), and as a history through the
// learning features (kept exams, folding in, progress, per-question chances).
// Any index outside an array, or a chance outside 0..1, aborts.
#include "rules/history/LichSuThi.h"
#include "rules/practice/OnTap.h"
#include "rules/practice/TienBo.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace thilaixe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SoOnTap onTap;
    if (const std::optional<SoOnTap> doc = SoOnTap::docVao(bytes)) {
        if (SoOnTap::docVao(doc->vietRa()) != doc)
            std::abort();
        onTap = *doc;
    }

    auto s = std::make_unique<SharedState>();
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    DocDuLieu(*s, buf);
    const std::vector<LanThi> ds = cacLanThi(*s);
    onTap.gopLanThi(ds);
    for (int q : onTap.danhSach(ds))
        onTap.traLoi(q, q % 2 == 0);
    const TienBo t = tinhTienBo(nganHangCoDien(), ds, onTap);
    if (t.datGanDay > t.soGanDay || t.saiNhieuNhat.size() > 10)
        std::abort();
    for (double p : xacSuatDung(nganHangCoDien(), ds, onTap))
        if (!(p >= 0 && p <= 1))
            std::abort();
    return 0;
}
