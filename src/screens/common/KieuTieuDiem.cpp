#include "screens/common/KieuTieuDiem.h"

#include "screens/common/Ui.h"

#include <QPainter>
#include <QStyleOption>

namespace thilaixe {

QColor KieuTieuDiem::mauVong(const QPalette& p)
{
    return ui::laNenToi(p.color(QPalette::Window)) ? QColor(255, 213, 79) : mauVong();
}

void KieuTieuDiem::veVong(QPainter* p, const QRect& r, const QPalette& bang)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(QPen(mauVong(bang), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p->setBrush(Qt::NoBrush);
    // A 2-px pen centred one pixel in covers the box's two outer pixels.
    p->drawRect(QRectF(r).adjusted(1, 1, -1, -1));
    p->restore();
}

namespace {

bool coTieuDiem(const QStyleOption* opt, const QWidget* w)
{
    return (opt->state & QStyle::State_HasFocus) && (!w || w->hasFocus());
}

}  // namespace

void KieuTieuDiem::drawControl(ControlElement e, const QStyleOption* opt, QPainter* p, const QWidget* w) const
{
    // The base style's own faint mark is left out: one mark, the clear one.
    const bool nut = e == CE_PushButton || e == CE_CheckBox || e == CE_RadioButton;
    const auto* b = nut ? qstyleoption_cast<const QStyleOptionButton*>(opt) : nullptr;
    if (b) {
        QStyleOptionButton khongDau(*b);
        khongDau.state &= ~State_HasFocus;
        QProxyStyle::drawControl(e, &khongDau, p, w);
    } else {
        QProxyStyle::drawControl(e, opt, p, w);
    }
    if (nut && coTieuDiem(opt, w))
        veVong(p, opt->rect, opt->palette);
}

void KieuTieuDiem::drawPrimitive(PrimitiveElement e, const QStyleOption* opt, QPainter* p,
                                 const QWidget* w) const
{
    if (e == PE_FrameFocusRect) {
        // Items of a list, and whatever else asks for a focus frame.
        veVong(p, opt->rect, opt->palette);
        return;
    }
    QProxyStyle::drawPrimitive(e, opt, p, w);
    if (e == PE_PanelLineEdit && coTieuDiem(opt, w))
        veVong(p, opt->rect, opt->palette);
}

QSize KieuTieuDiem::sizeFromContents(ContentsType t, const QStyleOption* opt, const QSize& size,
                                     const QWidget* w) const
{
    QSize s = QProxyStyle::sizeFromContents(t, opt, size, w);
    if (t == CT_ItemViewItem)
        s.rheight() += 6;
    return s;
}

void KieuTieuDiem::drawComplexControl(ComplexControl c, const QStyleOptionComplex* opt, QPainter* p,
                                      const QWidget* w) const
{
    QProxyStyle::drawComplexControl(c, opt, p, w);
    if (c == CC_ComboBox && coTieuDiem(opt, w))
        veVong(p, opt->rect, opt->palette);
}

}  // namespace thilaixe
