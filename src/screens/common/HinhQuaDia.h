#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

class QTimer;

namespace thilaixe {

// The wire-frame globe that turns on the exam sheet until Start. The first
// ticks draw 15 frames once and keep them; later ticks only show them in turn.
class HinhQuaDia final : public QWidget {
    Q_OBJECT
public:
    explicit HinhQuaDia(QWidget* parent);

    void batDau();  // the timer runs from the sheet's load
    void dung();    // Start: stopped, hidden and its frames freed for good
    void tmrGlobe_Timer();

    double BuocVe() const { return m_buocVe; }
    double SoKhung() const { return m_soKhung; }
    const std::vector<QImage>& imlGlobe() const { return m_khung; }
    const QImage& anhHienTai() const { return m_anh; }
    QTimer* tmrGlobe() const { return m_tmr; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QTimer* m_tmr;
    double m_buocVe = 0;
    double m_soKhung = 0;
    QSize m_thuocDo;   // drawing size in the screen's pixels, set by the first tick
    qreal m_tiLe = 1;  // the screen's pixels per logical pixel
    std::vector<QImage> m_khung;
    QImage m_anh;
};

}  // namespace thilaixe
