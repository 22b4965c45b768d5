#include "screens/common/HinhQuaDia.h"

#include "rules/decor/KhungQuaDia.h"

#include <QPainter>
#include <QTimer>

#include <cmath>
#ifdef __GLIBC__
#include <malloc.h>
#endif

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

void HinhQuaDia::dung()
{
    m_tmr->stop();
    hide();
    // One exam a run: the globe never shows again, its frames can go.
    m_khung = {};
    m_anh = {};
#ifdef __GLIBC__
    // The frames were the biggest blocks of the heap: hand the pages back
    // now rather than keep them for the rest of the run.
    malloc_trim(0);
#endif
}

void HinhQuaDia::tmrGlobe_Timer()
{
    if (m_buocVe == -1) {
        m_soKhung = std::fmod(std::nearbyint(m_soKhung), 15.0) + 1;
        const auto i = static_cast<std::size_t>(m_soKhung) - 1;
        if (i < m_khung.size())
            m_anh = m_khung[i];
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
        // Kept with a palette: a frame has a handful of colours (no
        // smoothing), so this is exact at a quarter of the memory, and the
        // fifteen frames no longer stand at the top of the run's peak.
        m_khung.push_back(
            veKhungQuaDia(static_cast<int>(m_buocVe), m_thuocDo, m_tiLe)
                .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither));
        m_anh = m_khung.back();
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
