#include "rules/session/DuBao.h"

#include <algorithm>
#include <cmath>

namespace thilaixe {

namespace {

// A question's chance of a right answer from its recall `r`: remembered,
// or guessed among its options.
double voiDoan(const NganHang& nh, int cau, double r)
{
    const CauHoiNganHang* c = nh.cau(cau);
    const double doan = c && c->soPhuongAn > 0 ? 1.0 / c->soPhuongAn : 0.0;
    return r + (1 - r) * doan;
}

// A prediction is never taken as certain: one miss would cost it all.
constexpr double kChanDuBao = 0.01;

void cong(DiemDuBao& d, double p, bool dung)
{
    const double q = std::clamp(p, kChanDuBao, 1 - kChanDuBao);
    d.logLoss -= std::log(dung ? q : 1 - q);
    d.brier += (q - (dung ? 1.0 : 0.0)) * (q - (dung ? 1.0 : 0.0));
}

}  // namespace

std::vector<double> xacSuatTheoTriNho(const NganHang& nh, const std::vector<trinho::TrangThai>& nho,
                                      const std::vector<double>& truoc, const QDate& ngay)
{
    std::vector<double> p = truoc;
    for (std::size_t q = 1; q < p.size() && q < nho.size(); ++q)
        if (nho[q].daGap())
            p[q] = voiDoan(nh, static_cast<int>(q), trinho::xacSuatNho(nho[q], ngay));
    return p;
}

std::optional<SoSanhDuBao> soSanhDuBao(const NganHang& nh, const std::vector<LanTraLoi>& ds,
                                       std::size_t itNhat)
{
    const int n = static_cast<int>(nh.cauHoi.size());
    const auto kt = static_cast<std::size_t>(n) + 1;
    std::size_t soNhom = 0;
    const std::vector<int> nhom = nhomUocLuong(nh, &soNhom);
    // The rates as xacSuatDung keeps them, answer by answer (without its
    // fading of older papers: the record is read once, in order).
    std::vector<double> dung(kt), lan(kt), phanDung(soNhom), phanLan(soNhom);
    double tongDung = 0, tongLan = 0;
    std::vector<trinho::TrangThai> nho(kt);
    SoSanhDuBao kq;
    for (const LanTraLoi& l : ds) {
        if (l.cau < 1 || l.cau > n)
            continue;
        const auto i = static_cast<std::size_t>(l.cau);
        const int g = nhom[i];
        const double chung = (tongDung + 1) / (tongLan + 2);
        const double nen = g >= 0 ? (phanDung[static_cast<std::size_t>(g)] + 2 * chung)
                                        / (phanLan[static_cast<std::size_t>(g)] + 2)
                                  : chung;
        const double pTiLe = (dung[i] + kDoCo * nen) / (lan[i] + kDoCo);
        const QDate ngay = KhoHocVien::ngayCua(l.luc);
        const double pNho = nho[i].daGap() ? voiDoan(nh, l.cau, trinho::xacSuatNho(nho[i], ngay)) : pTiLe;
        cong(kq.tiLe, pTiLe, l.dung);
        cong(kq.triNho, pNho, l.dung);
        ++kq.soTraLoi;
        const double w = l.trongBaiThi ? 1.0 : kTrongSoOnTap;
        const double d = l.dung ? w : 0.0;
        lan[i] += w;
        dung[i] += d;
        tongLan += w;
        tongDung += d;
        if (g >= 0) {
            phanLan[static_cast<std::size_t>(g)] += w;
            phanDung[static_cast<std::size_t>(g)] += d;
        }
        nho[i] = trinho::traLoi(nho[i], ngay, l.dung);
    }
    if (kq.soTraLoi < std::max<std::size_t>(itNhat, 1))
        return std::nullopt;
    for (DiemDuBao* d : {&kq.tiLe, &kq.triNho}) {
        d->logLoss /= static_cast<double>(kq.soTraLoi);
        d->brier /= static_cast<double>(kq.soTraLoi);
    }
    return kq;
}

HaiUocLuong uocLuongHaiCach(const NganHang& nh, const QuyTacHang& q, const HoSoHang& h,
                            const std::vector<LanTraLoi>& ds, const QDate& ngay)
{
    HaiUocLuong kq;
    kq.ngay = ngay;
    kq.tiLe = sanSangHienThi(nh, q, h.lanThi, h.onTap);
    kq.soSanh = soSanhDuBao(nh, ds);
    if (ds.empty())
        return kq;
    const std::vector<double> p = xacSuatTheoTriNho(nh, triNhoCacCau(static_cast<int>(nh.cauHoi.size()), ds),
                                                    xacSuatDung(nh, h.lanThi, h.onTap), ngay);
    // The same fixed draw as today's figure: the two differ by their
    // chances only.
    BoSinhSo rng(1);
    kq.triNho = sanSangTuXacSuat(nh, q, p, rng, kSoDeHienThi);
    kq.triNho->soLanThi = static_cast<int>(h.lanThi.size());
    return kq;
}

std::vector<std::pair<int, int>> dungGanDayTheoChuong(const NganHang& nh, const std::vector<LanTraLoi>& ds,
                                                      int soGanNhat)
{
    std::vector<std::pair<int, int>> kq(nh.chuong.size());
    for (auto l = ds.rbegin(); l != ds.rend(); ++l)
        for (std::size_t c = 0; c < nh.chuong.size(); ++c)
            if (l->cau >= nh.chuong[c].dau && l->cau <= nh.chuong[c].cuoi && kq[c].second < soGanNhat) {
                kq[c].first += l->dung ? 1 : 0;
                ++kq[c].second;
            }
    return kq;
}

DoTinCay doTinCay(std::size_t soBaiThi, std::size_t soTraLoi, std::optional<double> brier)
{
    // Earlier figures no better than a guess: whatever the amount, a guess.
    if (brier && *brier >= 0.25)
        return DoTinCay::Thap;
    if (soBaiThi >= 10 || (soBaiThi >= 5 && soTraLoi >= 600))
        return DoTinCay::Cao;
    if (soBaiThi >= 3 || soTraLoi >= 150)
        return DoTinCay::Vua;
    return DoTinCay::Thap;
}

}  // namespace thilaixe
