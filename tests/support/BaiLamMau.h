#pragma once

#include "rules/store/KhoHocVien.h"

namespace thilaixe::test {

// A class D attempt of 45 slots at the 600-question bank: every ninth slot
// blank (five misses), slot 8 critical. The benchmarks and the store's
// writer process keep it.
inline BaiLam baiLam45()
{
    BaiLam b;
    b.nganHang = QStringLiteral("gplx-600-2025");
    b.phienBan = QStringLiteral("2025-06-01");
    b.quyTac = QStringLiteral("tt12-2025");
    b.hang = QStringLiteral("D");
    b.canDeDat = 41;
    b.batDau = QDateTime::currentDateTimeUtc();
    b.ketThuc = b.batDau.addSecs(1500);
    for (int i = 0; i < 45; ++i) {
        b.cau.push_back(i * 13 + 1);
        b.dapAn.push_back(1 + i % 3);
        b.traLoi.push_back(i % 9 == 0 ? 0 : 1 + i % 3);
        b.diemLiet.push_back(i == 7);
    }
    return b;
}

}  // namespace thilaixe::test
