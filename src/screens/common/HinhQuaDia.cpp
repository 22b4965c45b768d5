#include "screens/common/HinhQuaDia.h"

#include "rules/decor/QuaDiaCau.h"

#include "screens/common/Ui.h"

#include <QPainter>
#include <QTimer>

#include <array>
#include <cmath>

namespace thilaixe {

using namespace QuaDiaCau;

HinhQuaDia::HinhQuaDia(QWidget* parent) : QWidget(parent), m_tmr(new QTimer(this))
{
    setObjectName(QStringLiteral("picGlobe"));
    m_tmr->setObjectName(QStringLiteral("tmrGlobe"));
    m_tmr->setTimerType(Qt::PreciseTimer);
    m_tmr->setInterval(5);
    connect(m_tmr, &QTimer::timeout, this, &HinhQuaDia::tmrGlobe_Timer);
}

void HinhQuaDia::batDau() { m_tmr->start(); }

void HinhQuaDia::dung()
{
    m_tmr->stop();
    hide();
}

void HinhQuaDia::tmrGlobe_Timer()
{
    if (m_buocVe == -1) {
        m_soKhung = std::fmod(std::nearbyint(m_soKhung), 15.0) + 1;
        const auto i = static_cast<std::size_t>(m_soKhung) - 1;
        if (i < m_khung.size())
            m_anh = m_khung[i];
    } else if (m_buocVe == 0) {
        m_thuocDo = size();
        m_buocVe = 1;
        return;
    } else if (m_buocVe == 16) {
        m_buocVe = -1;
        return;
    } else {
        m_anh = veKhung(static_cast<int>(m_buocVe), m_thuocDo);
        m_khung.push_back(m_anh);
        m_buocVe += 1;
    }
    update();
}

QImage HinhQuaDia::veKhung(int k, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    // User coordinates: -1.1..1.1 left to right, 1.1..-1.1 top to bottom.
    const double sx = size.width() / 2.2, sy = size.height() / 2.2;
    const auto diem = [&](double x, double y) { return QPointF((x + 1.1) * sx, (1.1 - y) * sy); };
    QPen but(ui::kXanh, 0);
    QPen butDo(ui::kDo, 0);

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

void HinhQuaDia::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_anh.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawImage(rect(), m_anh);
}

}  // namespace thilaixe
