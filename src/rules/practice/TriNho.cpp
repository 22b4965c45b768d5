#include "rules/practice/TriNho.h"

#include <algorithm>
#include <cmath>

namespace thilaixe::trinho {

namespace {

constexpr double kOnDinhToiThieu = 0.001;
constexpr double kTot = 3;   // "Good"
constexpr double kQuen = 1;  // "Again"

double suyGiam() { return -kW[20]; }
double heSo() { return std::pow(0.9, 1.0 / suyGiam()) - 1.0; }

double doKhoDau(double g) { return kW[4] - std::exp(kW[5] * (g - 1)) + 1; }

double doKhoSau(double d, double g)
{
    const double doi = -kW[6] * (g - kTot);
    const double tam = d + doi * (10.0 - d) / 9.0;  // smaller steps near the top
    // A little back toward the difficulty of an easy first answer.
    return std::clamp(kW[7] * doKhoDau(4) + (1 - kW[7]) * tam, 1.0, 10.0);
}

}  // namespace

double xacSuatNho(double onDinh, double ngay)
{
    if (onDinh <= 0)
        return 0;
    return std::pow(1.0 + heSo() * std::max(0.0, ngay) / onDinh, suyGiam());
}

double xacSuatNho(const TrangThai& s, const QDate& ngay)
{
    return s.daGap() ? xacSuatNho(s.onDinh, static_cast<double>(s.lanCuoi.daysTo(ngay))) : 0;
}

double soNgayDen(double onDinh, double mucTieu)
{
    return onDinh / heSo() * (std::pow(mucTieu, 1.0 / suyGiam()) - 1.0);
}

TrangThai traLoi(const TrangThai& s, const QDate& ngay, bool dung)
{
    const double g = dung ? kTot : kQuen;
    TrangThai m = s;
    m.lanCuoi = ngay;
    ++m.soLan;
    if (!s.daGap()) {
        m.lanDau = ngay;
        m.onDinh = std::max(kW[static_cast<std::size_t>(g) - 1], kOnDinhToiThieu);
        m.doKho = std::clamp(doKhoDau(g), 1.0, 10.0);
        return m;
    }
    const qint64 cach = s.lanCuoi.daysTo(ngay);
    double on = 0;
    if (cach <= 0) {
        // Again the same day: the short-term rule.
        double tang = std::exp(kW[17] * (g - kTot + kW[18])) * std::pow(s.onDinh, -kW[19]);
        if (dung)
            tang = std::max(tang, 1.0);
        on = s.onDinh * tang;
    } else {
        const double r = xacSuatNho(s.onDinh, static_cast<double>(cach));
        if (dung) {
            on = s.onDinh
                 * (std::exp(kW[8]) * (11 - s.doKho) * std::pow(s.onDinh, -kW[9])
                        * (std::exp(kW[10] * (1 - r)) - 1)
                    + 1);
        } else {
            on = kW[11] * std::pow(s.doKho, -kW[12]) * (std::pow(s.onDinh + 1, kW[13]) - 1)
                 * std::exp(kW[14] * (1 - r));
            on = std::min(on, s.onDinh / std::exp(kW[17] * kW[18]));
        }
    }
    m.onDinh = std::max(on, kOnDinhToiThieu);
    m.doKho = doKhoSau(s.doKho, g);
    return m;
}

}  // namespace thilaixe::trinho
