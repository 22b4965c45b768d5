#include "rules/bank/AnhCauHoi.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace thilaixe {

namespace {
// The decoder's allocation cap: a picture of kDiemAnhToiDa pixels at 16
// bits a channel (a PNG decoder reads it whole before scaling it down).
constexpr int kGioiHanMB = static_cast<int>(kDiemAnhToiDa * 8 / (qint64{1024} * 1024)) + 16;

// Decodes under the caps at the size asked for (its shape kept when
// `giuTiLe`: a bank's pictures come in any shape).
KetQuaTaiAnh giaiMa(QImageReader& reader, QSize kichThuoc, bool giuTiLe, QImage* anh)
{
    QImageReader::setAllocationLimit(kGioiHanMB);
    const QSize goc = reader.size();
    if (!goc.isValid() || qint64{goc.width()} * goc.height() > kDiemAnhToiDa)
        return KetQuaTaiAnh::Hong;
    if (kichThuoc.isValid() && !kichThuoc.isEmpty())
        reader.setScaledSize(giuTiLe ? goc.scaled(kichThuoc, Qt::KeepAspectRatio) : kichThuoc);
    QImage img = reader.read();
    if (img.isNull())
        return KetQuaTaiAnh::Hong;
    if (anh)
        *anh = std::move(img);
    return KetQuaTaiAnh::DaTai;
}
}  // namespace

QSize kichThuocAnh(const QString& tenTep)
{
    QImageReader reader(tenTep);
    return reader.size();
}

KetQuaTaiAnh taiAnh(const QString& tenTep, QSize kichThuoc, QImage* anh)
{
    const QFileInfo fi(tenTep);
    if (tenTep.isEmpty() || !fi.exists())
        return KetQuaTaiAnh::ThieuTep;
    QFile f(tenTep);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly))
        return KetQuaTaiAnh::Hong;

    // A JPEG cut short still decodes, grey where the data stopped; its
    // missing end-of-image marker tells it apart.
    f.seek(qMax<qint64>(0, f.size() - 4096));
    if (!f.read(4096).contains("\xFF\xD9") || !f.seek(0))
        return KetQuaTaiAnh::Hong;

    // Question pictures are JPEG: anything else under a .jpg name is damaged.
    QImageReader reader(&f, "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    return giaiMa(reader, kichThuoc, false, anh);
}

KetQuaTaiAnh taiAnhBatKy(const QString& tenTep, QSize kichThuoc, QImage* anh)
{
    const QFileInfo fi(tenTep);
    if (tenTep.isEmpty() || !fi.exists())
        return KetQuaTaiAnh::ThieuTep;
    if (!fi.isFile())
        return KetQuaTaiAnh::Hong;
    QImageReader reader(tenTep);
    return giaiMa(reader, kichThuoc, true, anh);
}

}  // namespace thilaixe
