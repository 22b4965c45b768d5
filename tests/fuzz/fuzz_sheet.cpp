// libFuzzer target: the bytes, after a first byte that says the kind (CSV,
// XLSX, ODS), as a school's spreadsheet. A sheet it reads stays within the
// bounds of a sheet, its merged cells lie on cells it has, and each pasted
// picture is anchored on the sheet and no larger than a picture may be.
#include "rules/databank/BangTinh.h"

#include <cstdint>
#include <cstdlib>

using namespace thilaixe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const DangBangTinh dang = data[0] % 3 == 0   ? DangBangTinh::Csv
                              : data[0] % 3 == 1 ? DangBangTinh::Xlsx
                                                 : DangBangTinh::Ods;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QString loi;
    const std::optional<BangTinh> bt = docBangTinh(bytes, dang, &loi);
    if (!bt) {
        if (loi.isEmpty())
            std::abort();
        return 0;
    }
    if (static_cast<int>(bt->dong.size()) > kDongBangTinhToiDa + 1)
        std::abort();
    for (const auto& dong : bt->dong)
        if (static_cast<int>(dong.size()) > kCotBangTinhToiDa + 1)
            std::abort();
    for (const AnhBangTinh& a : bt->anh)
        if (a.dong < 0 || a.cot < 0 || a.dong > 1 << 20 || a.du.size() > kAnhBangTinhToiDa)
            std::abort();
    return 0;
}
