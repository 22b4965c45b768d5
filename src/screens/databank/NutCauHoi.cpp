#include "screens/databank/NutCauHoi.h"

#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Ui.h"

#include <QKeyEvent>
#include <QPainter>

namespace thilaixe {

namespace {

// Room for the ring (2 px and a pixel's gap) outside an option's box, the
// box's widest edge inside it, then the space round the text.
constexpr int kVong = 3;
constexpr int kVien = 3;
constexpr int kDem = 6;
constexpr int kLe = kVong + kVien + kDem;
constexpr int kChuCo = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

NutPhuongAn::NutPhuongAn(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy sp(QSizePolicy::Expanding, QSizePolicy::Preferred);
    sp.setHeightForWidth(true);
    setSizePolicy(sp);
}

QFont NutPhuongAn::phongChu() const
{
    QFont f = font();
    f.setBold(m_dau == Dau::Dung);
    return f;
}

void NutPhuongAn::datDau(Dau d)
{
    if (d == m_dau)
        return;
    m_dau = d;
    updateGeometry();
    update();
}

void NutPhuongAn::datChon(bool chon)
{
    if (isChecked() == chon)
        return;
    const bool rieng = autoExclusive();
    setAutoExclusive(false);
    setChecked(chon);
    setAutoExclusive(rieng);
}

int NutPhuongAn::heightForWidth(int w) const
{
    const QFontMetrics fm(phongChu());
    const QRect r = fm.boundingRect(QRect(0, 0, std::max(1, w - 2 * kLe), 100000), kChuCo, text());
    return std::max(r.height(), fm.height()) + 2 * kLe;
}

QSize NutPhuongAn::sizeHint() const
{
    // As wide as a line of some sixty letters; the layout gives it what
    // it has and the text wraps.
    const int w = QFontMetrics(phongChu()).averageCharWidth() * 60 + 2 * kLe;
    return {w, heightForWidth(w)};
}

QSize NutPhuongAn::minimumSizeHint() const
{
    const int w = QFontMetrics(phongChu()).averageCharWidth() * 16 + 2 * kLe;
    return {w, QFontMetrics(phongChu()).height() + 2 * kLe};
}

void NutPhuongAn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& bang = palette();
    const QColor chu = bang.color(QPalette::Active, QPalette::Text);
    const QColor nen = bang.color(QPalette::Active, QPalette::Base);
    const QRect hop = rect().adjusted(kVong, kVong, -kVong, -kVong);
    p.fillRect(hop, nen);
    // The box's edge: the key's solid and a wrong choice's dashed, in the
    // theme's green and red; the choice's in the text's colour.
    QPen vien(bang.color(QPalette::Active, QPalette::Mid), 1);
    if (m_dau == Dau::Dung)
        vien = QPen(ui::mauNghia(ui::Nghia::Tot, nen), kVien);
    else if (m_dau == Dau::Sai)
        vien = QPen(ui::mauNghia(ui::Nghia::Xau, nen), kVien, Qt::DashLine);
    else if (isChecked())
        vien = QPen(chu, 2);
    vien.setJoinStyle(Qt::MiterJoin);
    const qreal nua = vien.widthF() / 2;
    p.setPen(vien);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(hop).adjusted(nua, nua, -nua, -nua));
    p.setPen(chu);
    p.setFont(phongChu());
    p.drawText(rect().adjusted(kLe, kLe, -kLe, -kLe), kChuCo, text());
    if (hasFocus())
        KieuTieuDiem::veVong(&p, rect(), bang);
}

void NutPhuongAn::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // To the next shown option of the same question, if there is one.
        const QList<NutPhuongAn*> cung =
            parentWidget()->findChildren<NutPhuongAn*>(Qt::FindDirectChildrenOnly);
        qsizetype i = cung.indexOf(this);
        const int buoc = e->key() == Qt::Key_Up ? -1 : 1;
        for (i += buoc; i >= 0 && i < cung.size(); i += buoc)
            if (cung[i]->isVisible()) {
                cung[i]->setFocus(Qt::TabFocusReason);
                break;
            }
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: click(); return;
    default: QAbstractButton::keyPressEvent(e);
    }
}

OBaiThi::OBaiThi(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QColor OBaiThi::mauNen(Kieu k, const QColor& nen)
{
    // Light fields under dark text, or dark fields under light text: each
    // at 7:1 or more with the theme's text.
    const bool toi = ui::laNenToi(nen);
    switch (k) {
    case Kieu::Trong: return toi ? QColor(20, 20, 22) : QColor(255, 255, 255);
    case Kieu::Lam: return toi ? QColor(21, 56, 100) : QColor(187, 222, 251);
    case Kieu::BoTrong: return toi ? QColor(58, 58, 62) : QColor(238, 238, 238);
    case Kieu::Dung: return toi ? QColor(24, 72, 30) : QColor(200, 230, 201);
    case Kieu::Sai: return toi ? QColor(100, 24, 24) : QColor(255, 205, 210);
    }
    return nen;
}

void OBaiThi::datKieu(Kieu k, bool dangXem)
{
    if (k == m_kieu && dangXem == m_dangXem)
        return;
    m_kieu = k;
    m_dangXem = dangXem;
    update();
}

QSize OBaiThi::sizeHint() const
{
    QFont dam = font();
    dam.setBold(true);
    const QFontMetrics fm(dam);
    return {std::max(44, fm.horizontalAdvance(QStringLiteral("●4 88")) + 8), 2 * fm.height() + 14};
}

void OBaiThi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& bang = palette();
    const QColor nen = bang.color(QPalette::Active, QPalette::Window);
    const QColor chu = ui::laNenToi(nen) ? QColor(240, 240, 240) : QColor(0, 0, 0);
    const QRect hop = rect().adjusted(2, 2, -2, -2);
    p.fillRect(hop, mauNen(m_kieu, nen));
    p.setPen(QColor(119, 119, 119));
    p.drawRect(hop.adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setBold(m_dangXem);
    p.setFont(f);
    p.setPen(chu);
    p.drawText(hop.adjusted(0, 1, 0, -6), Qt::AlignCenter, text());
    // The slot on screen: a bar along its foot.
    if (m_dangXem)
        p.fillRect(QRect(hop.left() + 4, hop.bottom() - 4, hop.width() - 8, 4), chu);
    if (hasFocus())
        KieuTieuDiem::veVong(&p, rect(), bang);
}

}  // namespace thilaixe
