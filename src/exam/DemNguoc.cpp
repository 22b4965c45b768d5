#include "exam/DemNguoc.h"

#include "app/NumberText.h"
#include "app/Texts.h"

namespace thilaixe {

QString DemNguoc::thietLap(SharedState& s)
{
    if (s.Hang == QLatin1String("B1") || s.Hang == QLatin1String("B2") || s.Hang == QLatin1String("C")) {
        s.Phut = 24;
        s.Giay = 1500;
        return txt::k25Phut;
    }
    s.Phut = 19;
    s.Giay = 1200;
    return txt::k20Phut;
}

DemNguoc::Nhip DemNguoc::tick(SharedState& s)
{
    const int giay = s.Giay.value_or(0) - 1;
    s.Giay = giay;
    if (giay == 0)
        return {soCoDau(0) + txt::kPhutCuoi + soCoDau(0) + txt::kGiay, true};
    const int phut = s.Phut.value_or(0);
    const int du = giay % 60;
    Nhip n{soCoDau(phut) + txt::kPhut + soCoDau(du) + txt::kGiay, false};
    if (du == 0)
        s.Phut = phut - 1;
    return n;
}

} // namespace thilaixe
