// libFuzzer target: the bytes as a bank file and as a rule file. A bank it
// accepts must draw and score papers for every class of the built-in rule
// set that can draw one, each paper as long as its class says and made of
// the bank's questions; a rule set it accepts must add up.
#include "rules/databank/NganHangCauHoi.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

using namespace thilaixe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static const BoQuyTac caiSan = boQuyTacCaiSan();
    const DocDuoc<NganHang> nh = docNganHang(bytes);
    if (nh.giaTri.has_value() == !nh.loi.empty())
        std::abort();
    if (nh.giaTri) {
        BoSinhSo rng(size);
        for (const QuyTacHang& h : caiSan.hang) {
            const std::optional<DeThi> de = rutDe(*nh.giaTri, h, rng);
            if (!de)
                continue;
            if (static_cast<int>(de->cau.size()) != h.soCau)
                std::abort();
            std::vector<int> tl;
            for (int q : de->cau) {
                const CauHoiNganHang* c = nh.giaTri->cau(q);
                if (!c)
                    std::abort();
                tl.push_back(c->dapAn);
            }
            if (!chamDiem(*nh.giaTri, h, *de, tl).dat)
                std::abort();
        }
    }
    const DocDuoc<BoQuyTac> r = docBoQuyTac(bytes);
    if (r.giaTri)
        for (const QuyTacHang& h : r.giaTri->hang) {
            int tong = h.soDiemLiet;
            for (const auto& [chuong, n] : h.theoChuong)
                tong += n;
            if (tong != h.soCau || h.canDeDat > h.soCau)
                std::abort();
        }
    return 0;
}
