#include "rules/session/KeHoach.h"

#include <algorithm>

namespace thilaixe {

std::vector<LanTraLoi> cacLanTraLoi(const std::vector<BaiLam>& baiLam,
                                    const std::vector<KhoHocVien::TraLoiDaGhi>& traLoi)
{
    std::vector<LanTraLoi> ds;
    ds.reserve(traLoi.size() + baiLam.size() * 30);
    for (const BaiLam& b : baiLam) {
        const qint64 luc = KhoHocVien::lucDongHo(b.ketThuc.isValid() ? b.ketThuc : b.batDau);
        for (std::size_t i = 0; i < b.cau.size() && luc > 0; ++i)
            ds.push_back(
                {luc, b.cau[i],
                 i < b.traLoi.size() && i < b.dapAn.size() && b.traLoi[i] != 0 && b.traLoi[i] == b.dapAn[i],
                 true});
    }
    for (const KhoHocVien::TraLoiDaGhi& t : traLoi)
        if (t.luc > 0)
            ds.push_back({t.luc, t.cau, t.dung, false});
    std::stable_sort(ds.begin(), ds.end(),
                     [](const LanTraLoi& a, const LanTraLoi& b) { return a.luc < b.luc; });
    return ds;
}

std::vector<trinho::TrangThai> triNhoCacCau(int soCauHoi, const std::vector<LanTraLoi>& ds)
{
    std::vector<trinho::TrangThai> kq(static_cast<std::size_t>(std::max(soCauHoi, 0)) + 1);
    for (const LanTraLoi& l : ds)
        if (l.cau >= 1 && l.cau <= soCauHoi) {
            trinho::TrangThai& s = kq[static_cast<std::size_t>(l.cau)];
            s = trinho::traLoi(s, KhoHocVien::ngayCua(l.luc), l.dung);
        }
    return kq;
}

std::vector<trinho::TrangThai> triNhoCacCau(int soCauHoi, const std::vector<BaiLam>& baiLam,
                                            const std::vector<KhoHocVien::TraLoiDaGhi>& traLoi)
{
    return triNhoCacCau(soCauHoi, cacLanTraLoi(baiLam, traLoi));
}

std::vector<LanTraLoi> lanTraLoiCuaHocVien(KhoHocVien& kho, qint64 hoSo, const QString& nganHang)
{
    return cacLanTraLoi(kho.cacBaiLam(hoSo, nganHang), kho.cacTraLoi(hoSo, nganHang));
}

std::optional<int> giayMoiCau(const std::vector<LanTraLoi>& ds)
{
    std::vector<qint64> khoang;
    qint64 truoc = -1;
    for (const LanTraLoi& l : ds) {
        if (l.trongBaiThi)
            continue;
        if (truoc >= 0 && l.luc > truoc && l.luc - truoc <= 300)
            khoang.push_back(l.luc - truoc);
        truoc = l.luc;
    }
    if (static_cast<int>(khoang.size()) < kItNhatNhip)
        return std::nullopt;
    std::nth_element(khoang.begin(), khoang.begin() + static_cast<std::ptrdiff_t>(khoang.size() / 2),
                     khoang.end());
    return static_cast<int>(khoang[khoang.size() / 2]);
}

int gioiHanTheoPhut(int phut, int giay) { return std::max(1, phut * 60 / std::max(giay, 1)); }

std::vector<int> KeHoachNgay::phien() const
{
    std::vector<int> kq = denHan;
    kq.insert(kq.end(), moi.begin(), moi.end());
    return kq;
}

KeHoachNgay lapKeHoach(const std::vector<trinho::TrangThai>& nho, const std::vector<int>& nhom,
                       const QSet<int>& liet, const QDate& homNay, const std::optional<QDate>& ngayThi,
                       int gioiHan)
{
    KeHoachNgay kh;
    kh.soTrongBo = static_cast<int>(nhom.size());
    std::vector<std::pair<double, int>> denHan;
    std::vector<int> chuaGap;
    // What today already did: questions met for the first time, and every
    // question answered, count against today's share and limit.
    int gapHomNay = 0, daLamHomNay = 0;
    double tongNgayThi = 0;
    const auto trangThai = [&](int c) {
        return c >= 0 && static_cast<std::size_t>(c) < nho.size() ? nho[static_cast<std::size_t>(c)]
                                                                  : trinho::TrangThai{};
    };
    for (int c : nhom) {
        const trinho::TrangThai s = trangThai(c);
        if (!s.daGap()) {
            chuaGap.push_back(c);
            continue;
        }
        gapHomNay += s.lanDau == homNay ? 1 : 0;
        daLamHomNay += s.lanCuoi == homNay ? 1 : 0;
        const double r = trinho::xacSuatNho(s, homNay);
        if (r < kMucNho)
            denHan.emplace_back(r, c);
        if (ngayThi)
            tongNgayThi += trinho::xacSuatNho(s, *ngayThi);
    }
    kh.soChuaGap = static_cast<int>(chuaGap.size());
    if (ngayThi && !nhom.empty())
        kh.nhoNgayThi = tongNgayThi / static_cast<double>(nhom.size());
    // Critical first, then the least likely recalled; new: critical first.
    std::stable_sort(denHan.begin(), denHan.end(), [&](const auto& a, const auto& b) {
        const bool la = liet.contains(a.second), lb = liet.contains(b.second);
        return la != lb ? la : a.first < b.first;
    });
    std::stable_partition(chuaGap.begin(), chuaGap.end(), [&](int c) { return liet.contains(c); });
    const int gioi = std::max(gioiHan - daLamHomNay, 0);
    for (const auto& [r, c] : denHan)
        if (static_cast<int>(kh.denHan.size()) < gioi)
            kh.denHan.push_back(c);
    int moiHomNay = kMoiMoiNgayMacDinh;
    if (ngayThi) {
        // Days left to meet them all, today included, from where the day
        // began.
        const qint64 con = std::max<qint64>(1, homNay.daysTo(ngayThi->addDays(-kGapTruocNgayThi)) + 1);
        moiHomNay = static_cast<int>((static_cast<qint64>(chuaGap.size()) + gapHomNay + con - 1) / con);
    }
    moiHomNay -= gapHomNay;
    if (ngayThi && !chuaGap.empty()) {
        kh.canMoiNgay = daLamHomNay + static_cast<int>(denHan.size()) + std::max(moiHomNay, 0);
        kh.khongKip = kh.canMoiNgay > gioiHan;
    }
    moiHomNay =
        std::min({moiHomNay, gioi - static_cast<int>(kh.denHan.size()), static_cast<int>(chuaGap.size())});
    kh.moi.assign(chuaGap.begin(), chuaGap.begin() + std::max(moiHomNay, 0));
    return kh;
}

}  // namespace thilaixe
