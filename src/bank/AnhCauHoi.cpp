#include "bank/AnhCauHoi.h"

#include <QFileInfo>
#include <QImageReader>

namespace thilaixe {

namespace {
constexpr int kGioiHanMB = 64;      // decoder allocation cap
constexpr int kCanhToiDa = 20000;   // larger claims are not pictures we show
}

KetQuaTaiAnh taiAnh(const QString& tenTep, QSize kichThuoc, QImage* anh)
{
    const QFileInfo fi(tenTep);
    if (tenTep.isEmpty() || !fi.exists())
        return KetQuaTaiAnh::ThieuTep;
    if (!fi.isFile())
        return KetQuaTaiAnh::Hong;

    QImageReader::setAllocationLimit(kGioiHanMB);
    QImageReader reader(tenTep);
    reader.setAutoTransform(false);
    const QSize goc = reader.size();
    if (!goc.isValid() || goc.width() > kCanhToiDa || goc.height() > kCanhToiDa)
        return KetQuaTaiAnh::Hong;
    if (kichThuoc.isValid() && !kichThuoc.isEmpty())
        reader.setScaledSize(kichThuoc);
    QImage img = reader.read();
    if (img.isNull())
        return KetQuaTaiAnh::Hong;
    if (anh)
        *anh = std::move(img);
    return KetQuaTaiAnh::DaTai;
}

} // namespace thilaixe
