#include "screens/databank/GiaoDien.h"

#include "screens/common/Ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace thilaixe {

namespace {

QPalette bangMau(int giaoDien)
{
    QPalette p = QApplication::style()->standardPalette();
    if (giaoDien == 2) {
        const QColor nen(45, 45, 48), chu(235, 235, 235), o(30, 30, 32);
        p.setColor(QPalette::Window, nen);
        p.setColor(QPalette::WindowText, chu);
        p.setColor(QPalette::Base, o);
        p.setColor(QPalette::AlternateBase, nen);
        p.setColor(QPalette::Text, chu);
        p.setColor(QPalette::Button, QColor(60, 60, 64));
        p.setColor(QPalette::ButtonText, chu);
        p.setColor(QPalette::Highlight, QColor(90, 160, 255));
        p.setColor(QPalette::HighlightedText, Qt::black);
        p.setColor(QPalette::ToolTipBase, o);
        p.setColor(QPalette::ToolTipText, chu);
        p.setColor(QPalette::Mid, QColor(140, 140, 146));
        p.setColor(QPalette::PlaceholderText, QColor(170, 170, 170));
        for (auto r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, r, QColor(160, 160, 160));
    } else if (giaoDien == 3) {
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        p.setColor(QPalette::Base, Qt::black);
        p.setColor(QPalette::Text, Qt::white);
        p.setColor(QPalette::Button, Qt::black);
        p.setColor(QPalette::ButtonText, Qt::yellow);
        p.setColor(QPalette::Highlight, Qt::yellow);
        p.setColor(QPalette::HighlightedText, Qt::black);
        p.setColor(QPalette::AlternateBase, Qt::black);
        p.setColor(QPalette::Mid, Qt::white);
        p.setColor(QPalette::PlaceholderText, QColor(200, 200, 200));
        p.setColor(QPalette::ToolTipBase, Qt::black);
        p.setColor(QPalette::ToolTipText, Qt::white);
        for (auto r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, r, QColor(170, 170, 170));
    }
    return p;
}

}  // namespace

void apDungGiaoDien(QWidget* w, int giaoDien)
{
    if (!w)
        return;
    w->setPalette(giaoDien == 0 ? QApplication::palette() : bangMau(giaoDien));
    ui::toMauLai(w);
}

void apDungGiaoDienCoDien(QWidget* w, int giaoDien)
{
    if (!w || giaoDien == 0)
        return;
    const QPalette bang = bangMau(giaoDien);
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        // A colour the design gives (a slot's red, a caption's blue) is set
        // on the control itself, and stays.
        if (b->palette().isBrushSet(QPalette::Active, QPalette::ButtonText)
            || b->palette().isBrushSet(QPalette::Active, QPalette::Button))
            continue;
        QPalette p = b->palette();
        for (auto vai :
             {QPalette::Button, QPalette::ButtonText, QPalette::Mid, QPalette::Light, QPalette::Dark})
            for (auto nhom : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                p.setBrush(nhom, vai, bang.brush(nhom, vai));
        b->setPalette(p);
    }
}

}  // namespace thilaixe
