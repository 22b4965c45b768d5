#pragma once

#include <QProxyStyle>

namespace thilaixe {

// The program's style: the platform's, with a focus mark that can be seen.
// Every focused control (button, selector, check box, text box, list,
// combo box) gets a 2-pixel ring inside its own box, drawn whether the focus
// came from the keyboard or was given by the program (the button that
// Space would press is always the one marked). Nothing moves: the ring lies
// on the control's edge.
class KieuTieuDiem final : public QProxyStyle {
    Q_OBJECT
public:
    // Dark blue: at least 3:1 against every background of the windows
    // (white, the light greys of buttons, the pale purple of the answer
    // boxes).
    static QColor mauVong() { return QColor(0, 40, 120); }
    // The ring for a palette: dark blue on a light theme, amber on a dark
    // or high-contrast one (7:1 or more on #2D2D30 and on black).
    static QColor mauVong(const QPalette& p);
    // Draws the ring on the edge of `r`.
    static void veVong(QPainter* p, const QRect& r, const QPalette& bang);

    void drawControl(ControlElement e, const QStyleOption* opt, QPainter* p,
                     const QWidget* w = nullptr) const override;
    void drawPrimitive(PrimitiveElement e, const QStyleOption* opt, QPainter* p,
                       const QWidget* w = nullptr) const override;
    // Items of a list are a few pixels taller than their text, so the ring
    // on their edge never crosses the marks above or below a line.
    QSize sizeFromContents(ContentsType t, const QStyleOption* opt, const QSize& size,
                           const QWidget* w = nullptr) const override;
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w = nullptr) const override;
};

}  // namespace thilaixe
