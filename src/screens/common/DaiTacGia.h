#pragma once

#include <QFrame>
#include <QPixmap>

#include <array>

class QLabel;

namespace thilaixe {

class MoiTruong;

// The author strip in the lower left corner of four screens; a click
// anywhere on it opens the information window.
class DaiTacGia final : public QFrame {
    Q_OBJECT
public:
    DaiTacGia(QWidget* parent, MoiTruong& mt, QPoint at);

    QLabel* LbTen(int i) const { return m_lbTen[static_cast<std::size_t>(i)]; }
    QLabel* Image2() const { return m_image2; }

    // The photograph of the strip and the information window: an emblem the
    // program draws itself, 157 x 225.
    static QPixmap anhTacGia();
    // The small decorative icon several screens carry ("Image1"), 32 x 32.
    static QLabel* bieuTuong(QWidget* parent, QPoint at);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    MoiTruong& m_mt;
    std::array<QLabel*, 2> m_lbTen{};
    QLabel* m_image2;
};

}  // namespace thilaixe
