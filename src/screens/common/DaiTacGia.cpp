#include "screens/common/DaiTacGia.h"

#include "rules/common/Texts.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Personalisation.h"
#include "screens/common/Ui.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace thilaixe {

using namespace ui;

DaiTacGia::DaiTacGia(QWidget* parent, MoiTruong& mt, QPoint at) : QFrame(parent), m_mt(mt)
{
    setObjectName(QStringLiteral("FrTen"));
    setGeometry(at.x(), at.y(), 273, 57);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setToolTip(txt::kTooltipTacGia);
    setAccessibleName(txt::kTtTacGia);
    setCursor(Qt::PointingHandCursor);

    m_lbTen[0] = taoNhan(this, QStringLiteral("LbTen0"), txt::kNguoiViet + QLatin1Char(' ') + rieng::kTacGia,
                         QRect(40, 16, 225, 17), kTim, phongChuNho(7.5), Qt::AlignCenter);
    m_lbTen[1] = taoNhan(this, QStringLiteral("LbTen1"), rieng::kCoQuan, QRect(72, 32, 161, 17), kTim,
                         phongChuNho(7.5), Qt::AlignCenter);
    m_image2 = new QLabel(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setGeometry(2, 8, 37, 46);
    m_image2->setScaledContents(true);
    m_image2->setPixmap(anhTacGia());
    m_image2->setAccessibleName(txt::kTtAnhTacGia);
    for (QLabel* l : {m_lbTen[0], m_lbTen[1], m_image2})
        l->installEventFilter(this);
}

bool DaiTacGia::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        m_mt.moThongTin(window());
        return true;
    }
    return QFrame::eventFilter(o, e);
}

void DaiTacGia::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_mt.moThongTin(window());
}

QLabel* DaiTacGia::bieuTuong(QWidget* parent, QPoint at)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("Image1"));
    l->setAccessibleName(txt::kTtBieuTuong);
    l->setGeometry(at.x(), at.y(), 32, 32);
    l->setPixmap(
        anhTacGia().copy(10, 28, 137, 137).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return l;
}

QPixmap DaiTacGia::anhTacGia()
{
    static const QPixmap anh(rieng::kAnhTacGia);
    return anh;
}

}  // namespace thilaixe
