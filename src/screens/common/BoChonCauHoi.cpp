#include "screens/common/BoChonCauHoi.h"

#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"

#include "screens/common/Ui.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>

namespace thilaixe {

BoChonCauHoi::BoChonCauHoi(QWidget* parent, const QString& name, const QString& title, const Bo& bo)
    : QGroupBox(title, parent), m_nhom(new QButtonGroup(this))
{
    setObjectName(name);
    setGeometry(bo.khung);
    m_nhom->setExclusive(true);
    for (int i = 1; i <= 30; ++i) {
        auto* b = new QRadioButton(txt::kCau + soCoDau(i), this);
        b->setObjectName(QStringLiteral("CauHoi%1").arg(i));
        const int left = i <= 15 ? bo.trai1 : bo.trai2;
        const int top = 280 * (i <= 15 ? i : i - 15);
        b->setGeometry(ui::tw(left), ui::tw(top), bo.nut.width(), bo.nut.height());
        b->setFont(bo.font);
        b->installEventFilter(this);
        m_nhom->addButton(b, i);
        m_nut[static_cast<std::size_t>(i)] = b;
        connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                emit chon(i);
        });
    }
}

QRadioButton* BoChonCauHoi::nut(int i) const
{
    return i >= 1 && i <= 30 ? m_nut[static_cast<std::size_t>(i)] : nullptr;
}

void BoChonCauHoi::chonCau(int i)
{
    if (QRadioButton* b = nut(i)) {
        b->setChecked(true);
        b->setFocus(Qt::OtherFocusReason);
    }
}

void BoChonCauHoi::datTenTruyCap(int i, const QString& ten)
{
    if (QRadioButton* b = nut(i))
        b->setAccessibleName(ten);
}

void BoChonCauHoi::datMau(int i, const QColor& c)
{
    if (QRadioButton* b = nut(i))
        ui::datMauChu(b, c);
}

QColor BoChonCauHoi::mau(int i) const
{
    const QRadioButton* b = nut(i);
    return b ? ui::mauChu(b) : QColor();
}

void BoChonCauHoi::choPhep(bool on)
{
    for (int i = 1; i <= 30; ++i)
        m_nut[static_cast<std::size_t>(i)]->setEnabled(on);
}

bool BoChonCauHoi::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const int i = m_nhom->id(qobject_cast<QAbstractButton*>(o));
    if (i < 1)
        return false;
    // Arrows walk the group in number order, round the ends, as a group of
    // option buttons does.
    switch (k->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: chonCau(i % 30 + 1); return true;
    case Qt::Key_Up:
    case Qt::Key_Left: chonCau(i == 1 ? 30 : i - 1); return true;
    default: break;
    }
    if (m_xuLyPhim && !k->text().isEmpty())
        return m_xuLyPhim(k);
    return false;
}

}  // namespace thilaixe
