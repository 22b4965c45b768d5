#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace thilaixe {

enum class KetQuaTaiAnh {
    DaTai,     // decoded
    ThieuTep,  // no such file: the missing-file message and the end
    Hong,      // exists but does not decode: silent
};

// The most pixels a bank's picture may have (its header says how many): a
// photo from any camera fits; a file claiming 20,000 x 20,000 does not.
constexpr qint64 kDiemAnhToiDa = 64'000'000;

// The size a picture's header declares, read without decoding it; invalid
// when it cannot be read.
QSize kichThuocAnh(const QString& tenTep);

// Decodes a question picture at the size it is shown, so a large picture
// costs no more than a small one. The decoder's allocation is capped.
KetQuaTaiAnh taiAnh(const QString& tenTep, QSize kichThuoc, QImage* anh);

// The same for a picture of a bank file: any format Qt reads (JPEG, PNG,
// …), with the same caps. `anh` may be null (only checked).
KetQuaTaiAnh taiAnhBatKy(const QString& tenTep, QSize kichThuoc, QImage* anh);

}  // namespace thilaixe
