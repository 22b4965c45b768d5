#include "rules/bank/AnhCauHoi.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace thilaixe {

namespace {
// The decoder's allocation cap: a 16-bit PNG of 4000 x 4000 (a PNG decoder
// reads it whole before scaling it down; a JPEG scales while it decodes).
constexpr int kGioiHanMB = 256;
constexpr int kCanhToiDa = 20000;  // the classic pictures' bound, per side

// Decodes under the caps at the size asked for (its shape kept when
// `giuTiLe`: a bank's pictures come in any shape, bounded by pixel count).
KetQuaTaiAnh giaiMa(QImageReader& reader, QSize kichThuoc, bool giuTiLe, QImage* anh)
{
    QImageReader::setAllocationLimit(kGioiHanMB);
    const QSize goc = reader.size();
    if (!goc.isValid() || goc.width() > kCanhToiDa || goc.height() > kCanhToiDa
        || (giuTiLe && qint64{goc.width()} * goc.height() > kDiemAnhToiDa))
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
// Whether a picture's file stops before its end: a JPEG cut short still
// decodes, grey where the data stopped, and a PNG's first rows may too;
// their end markers tell them apart (a JPEG's end-of-image, a PNG's IEND
// chunk, a GIF's trailer). Other formats are left to their decoder.
bool biCatNgan(QFile& f)
{
    const QByteArray dau = f.peek(8);
    const qint64 n = f.size();
    QByteArray cuoi;
    if (f.seek(qMax<qint64>(0, n - 4096)))
        cuoi = f.read(4096);
    const bool ve = f.seek(0);
    if (!ve)
        return true;
    if (dau.startsWith("\xFF\xD8"))
        return !cuoi.contains("\xFF\xD9");
    if (dau.startsWith("\x89PNG\r\n\x1A\n"))
        return cuoi.size() < 12 || cuoi.mid(cuoi.size() - 8, 4) != "IEND";
    if (dau.startsWith("GIF8"))
        return !cuoi.endsWith(';');
    return false;
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

    if (biCatNgan(f))
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
    QFile f(tenTep);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly) || biCatNgan(f))
        return KetQuaTaiAnh::Hong;
    QImageReader reader(&f);
    return giaiMa(reader, kichThuoc, true, anh);
}

}  // namespace thilaixe
