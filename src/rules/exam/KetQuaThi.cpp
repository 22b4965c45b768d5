#include "rules/exam/KetQuaThi.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/HangGiayPhep.h"

namespace thilaixe {

namespace {
// Slots whose class has no table entry take the stricter pass mark.
constexpr int kDiemDatMacDinh = 27;
}  // namespace

KetQuaThi ketQuaBaiThi(const SharedState& s)
{
    KetQuaThi kq;
    for (int i = 1; i <= kSoCau; ++i) {
        kq.dung += s.DungSai[i] == 1 ? 1 : 0;
        kq.saiTai[static_cast<std::size_t>(i)] = !laDung(s, s.CH[i], s.TL[i]);
    }
    const HangGiayPhep* h = timHang(s.Hang);
    kq.dat = h ? h->dat(kq.dung) : kq.dung > kDiemDatMacDinh;
    return kq;
}

KetQuaThi ketQuaLanDaThi(const SharedState& s)
{
    KetQuaThi kq;
    for (int i = 1; i <= kSoCau; ++i) {
        const bool dung = laDung(s, s.MangCHDaThi[i], s.MangTLDaThi[i]);
        kq.saiTai[static_cast<std::size_t>(i)] = !dung;
        kq.dung += dung ? 1 : 0;
    }
    return kq;
}

}  // namespace thilaixe
