#include "app/Ui.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QFontMetrics>
#include <QWidget>

namespace thilaixe::ui {

static QFont make(const QStringList& families, qreal pt, bool bold)
{
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(pt);
    f.setBold(bold);
    return f;
}

QFont fontViet(qreal pt, bool bold)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, pt, bold);
}

QFont fontTimes(qreal pt, bool bold)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, pt, bold);
}

QFont fontSans(qreal pt, bool bold)
{
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pt, bold);
}

void setTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, c);
        p.setColor(group, QPalette::ButtonText, c);
        p.setColor(group, QPalette::Text, c);
    }
    w->setPalette(p);
}

QColor textColor(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

void setBackground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void fitText(QLabel* l)
{
    QFont f = l->font();
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(l->text()) > l->width() - 2) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    l->setFont(f);
}

void centre(QWidget* w)
{
    if (const QScreen* s = w->screen())
        w->move(s->availableGeometry().center() - w->rect().center());
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& r,
              const QColor& color, const QFont& font, Qt::Alignment align)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align);
    l->setTextFormat(Qt::PlainText);
    setTextColor(l, color);
    return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& r,
                    const QFont& font)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setFont(font);
    return b;
}

} // namespace thilaixe::ui
