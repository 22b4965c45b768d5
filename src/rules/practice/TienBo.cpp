#include "rules/practice/TienBo.h"

#include <algorithm>

namespace thilaixe {

namespace {

// Each question's chapter, as its place in the bank's list (-1: none).
std::vector<int> viTriChuong(const NganHang& nh)
{
    std::vector<int> kq(nh.cauHoi.size() + 1, -1);
    for (std::size_t c = 0; c < nh.chuong.size(); ++c)
        for (int q = std::max(1, nh.chuong[c].dau); q <= std::min<int>(nh.chuong[c].cuoi, kq.size() - 1); ++q)
            kq[static_cast<std::size_t>(q)] = static_cast<int>(c);
    return kq;
}

}  // namespace

// The critical questions form a group of their own: a learner's record on
// them says most about the others.
std::vector<int> nhomUocLuong(const NganHang& nh, std::size_t* soNhom)
{
    std::vector<int> kq = viTriChuong(nh);
    *soNhom = nh.chuong.size();
    bool coLiet = false;
    for (const CauHoiNganHang& c : nh.cauHoi)
        if (c.diemLiet && c.so >= 1 && c.so < static_cast<int>(kq.size())) {
            kq[static_cast<std::size_t>(c.so)] = static_cast<int>(nh.chuong.size());
            coLiet = true;
        }
    if (coLiet)
        ++*soNhom;
    return kq;
}

TienBo tinhTienBo(const NganHang& nh, const std::vector<LanThi>& ds, const SoOnTap& onTap,
                  const std::vector<int>& gapKhac)
{
    const int n = static_cast<int>(nh.cauHoi.size());
    TienBo t;
    std::vector<bool> daGap(static_cast<std::size_t>(n) + 1);
    for (int q : gapKhac)
        if (q >= 1 && q <= n)
            daGap[static_cast<std::size_t>(q)] = true;
    for (const LanThi& l : ds) {
        t.diem.push_back({l.soDung, l.canDeDat, l.dat});
        for (int i = 1; i <= l.soCau(); ++i)
            if (const int q = l.cau[static_cast<std::size_t>(i)]; q >= 1 && q <= n)
                daGap[static_cast<std::size_t>(q)] = true;
    }
    const CauSai sai = demCauSai(ds, n);
    const std::size_t tu = ds.size() > 10 ? ds.size() - 10 : 0;
    for (std::size_t r = tu; r < t.diem.size(); ++r) {
        ++t.soGanDay;
        t.datGanDay += t.diem[r].dat ? 1 : 0;
    }
    const std::vector<int> chuong = viTriChuong(nh);
    t.daGap.assign(nh.chuong.size(), 0);
    for (int q = 1; q <= n; ++q) {
        const auto i = static_cast<std::size_t>(q);
        const bool daOn = onTap.coCau(q) && onTap.mucCua(q).dung + onTap.mucCua(q).sai > 0;
        if ((daGap[i] || daOn) && chuong[i] >= 0)
            ++t.daGap[static_cast<std::size_t>(chuong[i])];
        if (sai.soLan[i] > 0)
            t.saiNhieuNhat.emplace_back(q, sai.soLan[i]);
    }
    std::stable_sort(t.saiNhieuNhat.begin(), t.saiNhieuNhat.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    if (t.saiNhieuNhat.size() > 10)
        t.saiNhieuNhat.resize(10);
    return t;
}

std::vector<double> xacSuatDung(const NganHang& nh, const std::vector<LanThi>& ds, const SoOnTap& onTap)
{
    const int n = static_cast<int>(nh.cauHoi.size());
    const auto kichThuoc = static_cast<std::size_t>(n) + 1;
    std::vector<double> dung(kichThuoc), lan(kichThuoc);
    // Newer exams weigh more: the newest counts whole, each older one
    // kGiamTheoLan of the next.
    double trongSo = 1;
    for (auto l = ds.rbegin(); l != ds.rend(); ++l, trongSo *= kGiamTheoLan)
        for (int i = 1; i <= l->soCau(); ++i) {
            const int q = l->cau[static_cast<std::size_t>(i)];
            if (q < 1 || q > n)
                continue;
            lan[static_cast<std::size_t>(q)] += trongSo;
            dung[static_cast<std::size_t>(q)] += l->dung[static_cast<std::size_t>(i)] ? trongSo : 0;
        }
    for (int q = 1; q <= n && onTap.coCau(q); ++q) {
        lan[static_cast<std::size_t>(q)] +=
            kTrongSoOnTap * (double{1} * onTap.mucCua(q).dung + onTap.mucCua(q).sai);
        dung[static_cast<std::size_t>(q)] += kTrongSoOnTap * onTap.mucCua(q).dung;
    }
    // Overall, then per chapter (the critical questions apart), each with
    // one right and one wrong answer of prior (and the overall rate as the
    // chapters' prior).
    std::size_t soNhom = 0;
    const std::vector<int> chuong = nhomUocLuong(nh, &soNhom);
    double tongDung = 0, tongLan = 0;
    std::vector<double> phanDung(soNhom), phanLan(soNhom);
    for (int q = 1; q <= n; ++q) {
        const auto i = static_cast<std::size_t>(q);
        tongDung += dung[i];
        tongLan += lan[i];
        if (chuong[i] >= 0) {
            phanDung[static_cast<std::size_t>(chuong[i])] += dung[i];
            phanLan[static_cast<std::size_t>(chuong[i])] += lan[i];
        }
    }
    const double chung = (tongDung + 1) / (tongLan + 2);
    std::vector<double> tiLePhan(soNhom);
    for (std::size_t c = 0; c < tiLePhan.size(); ++c)
        tiLePhan[c] = (phanDung[c] + 2 * chung) / (phanLan[c] + 2);
    std::vector<double> p(kichThuoc);
    for (int q = 1; q <= n; ++q) {
        const auto i = static_cast<std::size_t>(q);
        const double nen = chuong[i] >= 0 ? tiLePhan[static_cast<std::size_t>(chuong[i])] : chung;
        p[i] = (dung[i] + kDoCo * nen) / (lan[i] + kDoCo);
    }
    return p;
}

SanSang uocLuongSanSang(const NganHang& nh, const QuyTacHang& q, const std::vector<LanThi>& ds,
                        const SoOnTap& onTap, BoSinhSo& rng, int soDe)
{
    SanSang kq = sanSangTuXacSuat(nh, q, xacSuatDung(nh, ds, onTap), rng, soDe);
    kq.soLanThi = static_cast<int>(ds.size());
    return kq;
}

SanSang sanSangTuXacSuat(const NganHang& nh, const QuyTacHang& q, const std::vector<double>& p, BoSinhSo& rng,
                         int soDe)
{
    SanSang kq;
    if (p.size() < 2)
        return kq;
    double tongDat = 0, tongLiet = 0;
    std::vector<double> dem;
    for (int n = 0; n < soDe; ++n) {
        const std::optional<DeThi> de = rutDe(nh, q, rng);
        if (!de)
            break;
        ++kq.soDe;
        // Every critical question right; then the chance of each count of
        // right answers over the other slots.
        double lietDung = 1;
        dem.assign(de->cau.size() + 1, 0);
        dem[0] = 1;
        int khac = 0;
        for (const int c : de->cau) {
            const double pi = p[static_cast<std::size_t>(std::clamp<int>(c, 1, p.size() - 1))];
            if (std::binary_search(de->diemLiet.begin(), de->diemLiet.end(), c)) {
                lietDung *= pi;
                continue;
            }
            ++khac;
            for (int k = khac; k >= 1; --k)
                dem[static_cast<std::size_t>(k)] =
                    dem[static_cast<std::size_t>(k)] * (1 - pi) + dem[static_cast<std::size_t>(k - 1)] * pi;
            dem[0] *= 1 - pi;
        }
        const int canKhac = q.canDeDat - static_cast<int>(de->diemLiet.size());
        double du = 0;
        for (int k = std::max(0, canKhac); k <= khac; ++k)
            du += dem[static_cast<std::size_t>(k)];
        tongDat += lietDung * du;
        tongLiet += 1 - lietDung;
    }
    if (kq.soDe > 0) {
        kq.xacSuat = tongDat / kq.soDe;
        kq.xacSuatLiet = tongLiet / kq.soDe;
    }
    return kq;
}

std::optional<double> diemBrier(const std::vector<std::pair<double, bool>>& duDoan, std::size_t itNhat)
{
    if (duDoan.size() < itNhat || duDoan.empty())
        return std::nullopt;
    double tong = 0;
    for (const auto& [p, xayRa] : duDoan)
        tong += (p - (xayRa ? 1.0 : 0.0)) * (p - (xayRa ? 1.0 : 0.0));
    return tong / static_cast<double>(duDoan.size());
}

std::optional<SanSang> sanSangHienThi(const NganHang& nh, const QuyTacHang& q, const std::vector<LanThi>& ds,
                                      const SoOnTap& onTap)
{
    if (ds.empty())
        return std::nullopt;
    BoSinhSo rng(1);
    return uocLuongSanSang(nh, q, ds, onTap, rng, kSoDeHienThi);
}

}  // namespace thilaixe
