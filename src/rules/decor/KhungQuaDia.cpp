#include "rules/decor/KhungQuaDia.h"

#include "rules/decor/QuaDiaCau.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace thilaixe {

using namespace QuaDiaCau;

QImage veKhungQuaDia(int k, QSize size, qreal tiLe)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    // User coordinates: -1.1..1.1 left to right, 1.1..-1.1 top to bottom.
    const double sx = size.width() / 2.2, sy = size.height() / 2.2;
    const auto diem = [&](double x, double y) { return QPointF((x + 1.1) * sx, (1.1 - y) * sy); };
    const qreal rong = tiLe > 1 ? tiLe : 0;  // one logical pixel
    QPen but(QColor(0, 0, 255), rong);
    QPen butDo(QColor(255, 0, 0), rong);

    std::array<double, 73> x{}, y{}, z{};
    double mot = 1.0, khong = 0.0;

    p.setPen(but);
    for (int i = 0; i <= 72; ++i) {
        double a = 5.0 * i;
        DiemTrenVong(mot, a, x[i], y[i]);
    }
    for (int i = 1; i <= 72; ++i)
        p.drawLine(diem(x[i - 1], y[i - 1]), diem(x[i], y[i]));

    p.setPen(butDo);
    for (int phi = -75; phi <= 75; phi += 15) {
        double r = std::cos(phi * kDoRaRadian);
        for (int i = 0; i <= 72; ++i) {
            double a = 5.0 * i;
            DiemTrenVong(r, a, x[i], z[i]);
            y[i] = std::sin(phi * kDoRaRadian);
            XoayTrucX(x[i], y[i], z[i], khong);
        }
        for (int i = 1; i <= 72; ++i)
            if (z[i] >= 0)
                p.drawLine(diem(x[i - 1], y[i - 1]), diem(x[i], y[i]));
    }

    p.setPen(but);
    for (int lambda = 0; lambda <= 165; lambda += 15) {
        for (int i = 0; i <= 72; ++i) {
            double a = 5.0 * i;
            DiemTrenVong(mot, a, x[i], y[i]);
            z[i] = 0;
            double goc = lambda + k;
            XoayTrucY(x[i], y[i], z[i], goc);
            XoayTrucX(x[i], y[i], z[i], khong);
        }
        for (int i = 1; i <= 72; ++i)
            if (z[i] >= 0)
                p.drawLine(diem(x[i - 1], y[i - 1]), diem(x[i], y[i]));
    }
    return img;
}

}  // namespace thilaixe
