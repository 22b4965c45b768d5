#include "screens/common/HinhQuaDia.h"

#include "rules/common/NenTang.h"
#include "rules/decor/KhungQuaDia.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

namespace thilaixe {

HinhQuaDia::HinhQuaDia(QWidget* parent) : QWidget(parent), m_tmr(new QTimer(this))
{
    setObjectName(QStringLiteral("picGlobe"));
    // Every frame covers the whole box: nothing beneath needs repainting
    // at each tick.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_tmr->setObjectName(QStringLiteral("tmrGlobe"));
    m_tmr->setTimerType(Qt::PreciseTimer);
    m_tmr->setInterval(5);
    connect(m_tmr, &QTimer::timeout, this, &HinhQuaDia::tmrGlobe_Timer);
}

void HinhQuaDia::batDau() { m_tmr->start(); }

// The pixels of `sau` that differ from `truoc` (same size and format).
std::vector<HinhQuaDia::DiemDoi> HinhQuaDia::diemKhac(const QImage& truoc, const QImage& sau)
{
    std::vector<DiemDoi> kq;
    const int rong = sau.width();
    for (int y = 0; y < sau.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(truoc.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(sau.constScanLine(y));
        for (int x = 0; x < rong; ++x)
            if (a[x] != b[x])
                kq.push_back({static_cast<quint32>(y * rong + x), b[x]});
    }
    kq.shrink_to_fit();
    return kq;
}

void HinhQuaDia::dung()
{
    m_tmr->stop();
    hide();
    // One exam a run: the globe never shows again, its frames can go.
    m_doiSang = {};
    m_khungDau = {};
    m_anh = {};
    // The frames were the biggest blocks of the heap: hand the pages back
    // now rather than keep them for the rest of the run.
    traLaiBoNhoTrong();
}

void HinhQuaDia::tmrGlobe_Timer()
{
    if (m_buocVe == -1) {
        m_soKhung = std::fmod(std::nearbyint(m_soKhung), 15.0) + 1;
        // Frames follow each other in a ring: the shown one becomes the next.
        const auto k = static_cast<std::size_t>(m_soKhung) - 1;
        if (k < m_doiSang.size() && !m_anh.isNull()) {
            auto* diem = reinterpret_cast<QRgb*>(m_anh.bits());
            for (const DiemDoi& d : m_doiSang[k])
                diem[d.viTri] = d.mau;
        }
    } else if (m_buocVe == 0) {
        // Drawn at the screen's pixels: sharp at any scale.
        m_tiLe = devicePixelRatioF();
        m_thuocDo = (QSizeF(size()) * m_tiLe).toSize();
        m_buocVe = 1;
        return;
    } else if (m_buocVe == 16) {
        m_buocVe = -1;
        return;
    } else {
        QImage moi = veKhungQuaDia(static_cast<int>(m_buocVe), m_thuocDo, m_tiLe);
        if (m_buocVe == 1) {
            m_khungDau = moi;
            m_doiSang.emplace_back();  // 15 to 1, known once 15 is drawn
        } else {
            m_doiSang.push_back(diemKhac(m_anh, moi));
        }
        if (m_buocVe == 15) {
            m_doiSang.front() = diemKhac(moi, m_khungDau);
            m_khungDau = {};
        }
        m_anh = std::move(moi);
        m_buocVe += 1;
    }
    update();
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
