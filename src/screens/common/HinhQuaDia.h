#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

class QTimer;

namespace thilaixe {

// The wire-frame globe that turns on the exam sheet until Start. The first
// ticks draw 15 frames once; later ticks show them in turn. A frame is kept
// as the pixels that change from the one before it (about 4,000 of 70,000):
// each tick writes those into the one picture shown, so the globe costs
// what any 5 ms repaint costs, and its frames a ninth of their full size.
class HinhQuaDia final : public QWidget {
    Q_OBJECT
public:
    explicit HinhQuaDia(QWidget* parent);

    void batDau();  // the timer runs from the sheet's load
    void dung();    // Start: stopped, hidden and its frames freed for good
    void tmrGlobe_Timer();

    double BuocVe() const { return m_buocVe; }
    double SoKhung() const { return m_soKhung; }
    // How many frames are kept (15 once drawn, 0 after Start).
    std::size_t soKhungDaGiu() const { return m_doiSang.size(); }
    // The frame on screen, in the screen's pixels.
    const QImage& anhHienTai() const { return m_anh; }
    QTimer* tmrGlobe() const { return m_tmr; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct DiemDoi {
        quint32 viTri;  // pixel index in the frame
        QRgb mau;
    };
    static std::vector<DiemDoi> diemKhac(const QImage& truoc, const QImage& sau);
    QTimer* m_tmr;
    double m_buocVe = 0;
    double m_soKhung = 0;
    QSize m_thuocDo;   // drawing size in the screen's pixels, set by the first tick
    qreal m_tiLe = 1;  // the screen's pixels per logical pixel
    // m_doiSang[k]: the pixels that turn frame k (0-based, the one before
    // frame 1 being frame 15) into frame k + 1.
    std::vector<std::vector<DiemDoi>> m_doiSang;
    QImage m_khungDau;  // frame 1, kept while the others are drawn
    QImage m_anh;
};
}  // namespace thilaixe
