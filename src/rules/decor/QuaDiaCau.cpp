#include "rules/decor/QuaDiaCau.h"

#include <cmath>

namespace thilaixe::QuaDiaCau {

void DiemTrenVong(double& R, double& A, double& X, double& Y)
{
    const double a = A * kDoRaRadian;
    X = R * std::cos(a);
    Y = R * std::sin(a);
}

void XoayTrucY(double& X, double& /*Y*/, double& Z, double& A)
{
    const double a = A * kDoRaRadian;
    const double x = X, z = Z;
    X = x * std::cos(a) + z * std::sin(a);
    Z = z * std::cos(a) - x * std::sin(a);
}

void XoayTrucX(double& /*X*/, double& Y, double& Z, double& A)
{
    const double a = A * kDoRaRadian;
    const double y = Y, z = Z;
    Y = y * std::cos(a) - z * std::sin(a);
    Z = y * std::sin(a) + z * std::cos(a);
}

}  // namespace thilaixe::QuaDiaCau
