#include "rules/practice/TienBo.h"

#include "rules/bank/XuLyCacCauHoi.h"

#include <algorithm>
#include <memory>

namespace thilaixe {

int phanCua(int cau) { return cau <= kCacPhan[0].cuoi ? 0 : cau <= kCacPhan[1].cuoi ? 1 : 2; }

TienBo tinhTienBo(const std::vector<LanThi>& ds, const SoOnTap& so)
{
    TienBo t;
    std::array<bool, kSoCauHoi + 1> daGap{};
    for (const LanThi& l : ds) {
        const HangGiayPhep* h = timHang(l.hang);
        t.diem.push_back({l.soDung, h ? h->itNhatDeDat() : -1, h && h->dat(l.soDung)});
        for (int i = 1; i <= kSoCau; ++i)
            daGap[static_cast<std::size_t>(l.cau[static_cast<std::size_t>(i)])] = true;
    }
    const CauSai sai = demCauSai(ds);
    const std::size_t tu = ds.size() > 10 ? ds.size() - 10 : 0;
    for (std::size_t r = tu; r < t.diem.size(); ++r) {
        ++t.soGanDay;
        t.datGanDay += t.diem[r].dat ? 1 : 0;
    }
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const MucOnTap& m = so.muc[static_cast<std::size_t>(q)];
        if (daGap[static_cast<std::size_t>(q)] || m.dung + m.sai > 0)
            ++t.daGap[static_cast<std::size_t>(phanCua(q))];
        if (sai.soLan[static_cast<std::size_t>(q)] > 0)
            t.saiNhieuNhat.emplace_back(q, sai.soLan[static_cast<std::size_t>(q)]);
    }
    std::stable_sort(t.saiNhieuNhat.begin(), t.saiNhieuNhat.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    if (t.saiNhieuNhat.size() > 10)
        t.saiNhieuNhat.resize(10);
    return t;
}

std::array<double, kSoCauHoi + 1> xacSuatDung(const std::vector<LanThi>& ds, const SoOnTap& so)
{
    std::array<double, kSoCauHoi + 1> dung{}, lan{};
    // Newer exams weigh more: the newest counts whole, each older one
    // kGiamTheoLan of the next.
    double trongSo = 1;
    for (auto l = ds.rbegin(); l != ds.rend(); ++l, trongSo *= kGiamTheoLan)
        for (int i = 1; i <= kSoCau; ++i) {
            const auto q = static_cast<std::size_t>(l->cau[static_cast<std::size_t>(i)]);
            if (q == 0)
                continue;
            lan[q] += trongSo;
            dung[q] += l->dung[static_cast<std::size_t>(i)] ? trongSo : 0;
        }
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const MucOnTap& m = so.muc[static_cast<std::size_t>(q)];
        lan[static_cast<std::size_t>(q)] += kTrongSoOnTap * (m.dung + m.sai);
        dung[static_cast<std::size_t>(q)] += kTrongSoOnTap * m.dung;
    }
    // Overall, then per section, each with one right and one wrong answer of
    // prior (and the overall rate as the sections' prior).
    double tongDung = 0, tongLan = 0;
    std::array<double, 3> phanDung{}, phanLan{};
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const auto i = static_cast<std::size_t>(q);
        tongDung += dung[i];
        tongLan += lan[i];
        phanDung[static_cast<std::size_t>(phanCua(q))] += dung[i];
        phanLan[static_cast<std::size_t>(phanCua(q))] += lan[i];
    }
    const double chung = (tongDung + 1) / (tongLan + 2);
    std::array<double, 3> tiLePhan{};
    for (std::size_t p = 0; p < 3; ++p)
        tiLePhan[p] = (phanDung[p] + 2 * chung) / (phanLan[p] + 2);
    std::array<double, kSoCauHoi + 1> p{};
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const auto i = static_cast<std::size_t>(q);
        p[i] = (dung[i] + kDoCo * tiLePhan[static_cast<std::size_t>(phanCua(q))]) / (lan[i] + kDoCo);
    }
    return p;
}

SanSang uocLuongSanSang(const std::vector<LanThi>& ds, const SoOnTap& so, const HangGiayPhep& hang,
                        NguonNgauNhien& nguon, int soDe)
{
    const std::array<double, kSoCauHoi + 1> p = xacSuatDung(ds, so);
    auto de = std::make_unique<SharedState>();
    double tong = 0;
    for (int n = 0; n < soDe; ++n) {
        TaoDeThi(*de, nguon);
        // Chance of each count of right answers over the 30 slots.
        std::array<double, kSoCau + 1> dem{};
        dem[0] = 1;
        for (int i = 1; i <= kSoCau; ++i) {
            const double pi = p[static_cast<std::size_t>(std::clamp<int>(de->CH[i], 1, kSoCauHoi))];
            for (int k = i; k >= 1; --k)
                dem[static_cast<std::size_t>(k)] =
                    dem[static_cast<std::size_t>(k)] * (1 - pi) + dem[static_cast<std::size_t>(k - 1)] * pi;
            dem[0] *= 1 - pi;
        }
        for (int k = hang.itNhatDeDat(); k <= kSoCau; ++k)
            tong += dem[static_cast<std::size_t>(k)];
    }
    return {soDe > 0 ? tong / soDe : 0, static_cast<int>(ds.size()), soDe};
}

}  // namespace thilaixe
