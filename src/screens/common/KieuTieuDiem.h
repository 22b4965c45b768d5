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

    void drawControl(ControlElement e, const QStyleOption* opt, QPainter* p,
                     const QWidget* w = nullptr) const override;
    void drawPrimitive(PrimitiveElement e, const QStyleOption* opt, QPainter* p,
                       const QWidget* w = nullptr) const override;
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w = nullptr) const override;
};

}  // namespace thilaixe
