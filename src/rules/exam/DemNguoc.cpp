#include "rules/exam/DemNguoc.h"

#include "rules/bank/HangGiayPhep.h"
#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"

#include <algorithm>

namespace thilaixe {

QString DemNguoc::thietLap(SharedState& s)
{
    // A class outside the table gets the shorter time.
    const HangGiayPhep* h = timHang(s.Hang);
    const int phut = h ? h->phut : 20;
    s.Phut = phut - 1;
    s.Giay = phut * 60;
    return QString::number(phut) + txt::kPhutKhongGiay;
}

DemNguoc::Nhip DemNguoc::motGiay(SharedState& s)
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

CanhBaoGio::Bao CanhBaoGio::buoc(qint64 conLaiGiay)
{
    if (conLaiGiay <= 60 && !m_bao1) {
        m_bao1 = m_bao5 = true;
        return Bao::Con1Phut;
    }
    if (conLaiGiay <= 300 && !m_bao5) {
        m_bao5 = true;
        return Bao::Con5Phut;
    }
    return Bao::Khong;
}

qint64 HanGio::conLai(const QDateTime& bayGio) const
{
    return std::max<qint64>(0, (bayGio.msecsTo(han) + 999) / 1000);
}

}  // namespace thilaixe
