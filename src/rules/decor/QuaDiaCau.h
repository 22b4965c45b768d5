#pragma once

// Geometry of the turning globe: points on circles and turns about two axes.
// Angles in degrees; results are written back into the arguments.
namespace thilaixe::QuaDiaCau {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kDoRaRadian = kPi / 180.0;

void DiemTrenVong(double& R, double& A, double& X, double& Y);
void XoayTrucY(double& X, double& Y, double& Z, double& A);
void XoayTrucX(double& X, double& Y, double& Z, double& A);

}  // namespace thilaixe::QuaDiaCau
