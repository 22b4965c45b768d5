#include "screens/common/Ui.h"

#include "rules/common/Texts.h"

#include "screens/common/NhanThongBao.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace thilaixe::ui {

static QFont make(const QStringList& families, qreal pt, bool bold)
{
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(pt);
    f.setBold(bold);
    return f;
}

QFont phongViet(qreal pt, bool bold)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, pt, bold);
}

QFont phongTimes(qreal pt, bool bold)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, pt, bold);
}

QFont phongChuNho(qreal pt)
{
    return make({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}, pt, false);
}

QFont phongSans(qreal pt, bool bold)
{
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pt, bold);
}

void datMauChu(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, c);
        p.setColor(group, QPalette::ButtonText, c);
        p.setColor(group, QPalette::Text, c);
    }
    w->setPalette(p);
}

QColor mauChu(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

void datMauNen(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The ink of a one-line, vertically centred caption lies inside the box.
bool vuaHop(const QFont& f, const QString& text, QSize box)
{
    const QFontMetrics fm(f);
    const QRect muc = fm.tightBoundingRect(text);
    const int chanChu = (box.height() - fm.height()) / 2 + fm.ascent();  // the baseline
    // A pixel to spare at each end: the line is placed at fractional
    // positions and its antialiased edge must not be cut either.
    return fm.horizontalAdvance(text) <= box.width() - 2 && chanChu + muc.top() >= 1
           && chanChu + muc.bottom() < box.height() - 1;
}

void coChuVua(QLabel* l)
{
    QFont f = l->font();
    const QString chu = l->text();
    const QSize hop = l->contentsRect().size();
    if (vuaHop(f, chu, hop))
        return;
    // The largest size in half points below the label's own that fits. Each
    // size tried loads a face, so start from where the width and height
    // ratios point and step from there, rather than walking down from the top.
    const qreal goc = f.pointSizeF();
    const QFontMetricsF fm(f);
    const QRectF muc = fm.tightBoundingRect(chu);
    const qreal tiLe = std::min((hop.width() - 2) / std::max<qreal>(fm.horizontalAdvance(chu), 1),
                                (hop.height() - 2) / std::max<qreal>(muc.height(), 1));
    auto thu = [&](qreal co) {
        f.setPointSizeF(co);
        return vuaHop(f, chu, hop);
    };
    qreal co = goc - std::max<qreal>(1, std::ceil((goc - goc * std::clamp<qreal>(tiLe, 0, 1)) * 2)) / 2;
    co = std::max<qreal>(co, goc - std::ceil((goc - 6) * 2) / 2);
    while (co + 0.5 < goc && thu(co + 0.5))
        co += 0.5;
    while (co > 6 && !thu(co))
        co -= 0.5;
    f.setPointSizeF(co);
    l->setFont(f);
}

void thongBaoTruyCap(QWidget* w, const QString& noiDung)
{
    w->setAccessibleDescription(noiDung);
    QWidget* cuaSo = w->window();
    auto* loa = cuaSo->findChild<NhanThongBao*>(QStringLiteral("LoaTruyCap"), Qt::FindDirectChildrenOnly);
    if (!loa)
        loa = new NhanThongBao(cuaSo);
    loa->bao(noiDung);
}

namespace {

// Waits for its window to come in front, says its message a moment later,
// and goes.
class BaoKhiHien final : public QObject {
public:
    BaoKhiHien(QWidget* w, QString noiDung) : QObject(w->window()), m_w(w), m_noiDung(std::move(noiDung)) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == parent() && e->type() == QEvent::WindowActivate) {
            o->removeEventFilter(this);
            QTimer::singleShot(400, this, [this] {
                if (m_w)
                    thongBaoTruyCap(m_w, m_noiDung);
                deleteLater();
            });
        }
        return false;
    }

private:
    QPointer<QWidget> m_w;
    QString m_noiDung;
};

}  // namespace

void thongBaoKhiHien(QWidget* w, const QString& noiDung)
{
    if (w->window()->isActiveWindow()) {
        thongBaoTruyCap(w, noiDung);
        return;
    }
    w->setAccessibleDescription(noiDung);
    w->window()->installEventFilter(new BaoKhiHien(w, noiDung));
}

double doTuongPhan(const QColor& a, const QColor& b)
{
    const auto doSang = [](const QColor& c) {
        const auto tt = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * tt(c.redF()) + 0.7152 * tt(c.greenF()) + 0.0722 * tt(c.blueF());
    };
    const double x = doSang(a), y = doSang(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

bool laNenToi(const QColor& nen) { return doTuongPhan(nen, Qt::black) < doTuongPhan(nen, Qt::white); }

QColor mauNghia(Nghia n, const QColor& nen)
{
    if (laNenToi(nen))
        return n == Nghia::Tot ? QColor(129, 199, 132) : QColor(239, 154, 154);
    return n == Nghia::Tot ? QColor(27, 94, 32) : QColor(183, 28, 28);
}

void datMauNghia(QWidget* w, Nghia n)
{
    w->setProperty("nghia", static_cast<int>(n) + 1);
    const QWidget* cha = w->parentWidget() ? w->parentWidget() : w;
    datMauChu(w, mauNghia(n, cha->palette().color(QPalette::Window)));
}

void toMauLai(QWidget* cuaSo)
{
    for (QWidget* w : cuaSo->findChildren<QWidget*>())
        if (const int n = w->property("nghia").toInt(); n > 0)
            datMauNghia(w, static_cast<Nghia>(n - 1));
}

void datGiua(QWidget* w)
{
    const QScreen* s = w->screen();
    if (!s)
        return;
    // Centred; a window larger than the screen's free area (a small screen
    // at a large scale) starts at its top-left corner, never partly off it,
    // so its buttons can be reached.
    const QRect vung = s->availableGeometry();
    QPoint goc = vung.center() - w->rect().center();
    goc.setX(std::max(goc.x(), vung.left()));
    goc.setY(std::max(goc.y(), vung.top()));
    w->move(goc);
}

QLabel* taoNhan(QWidget* parent, const QString& name, const QString& text, const QRect& r,
                const QColor& color, const QFont& font, Qt::Alignment align)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align);
    l->setTextFormat(Qt::PlainText);
    datMauChu(l, color);
    return l;
}

QPushButton* taoNut(QWidget* parent, const QString& name, const QString& text, const QRect& r,
                    const QFont& font)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setFont(font);
    return b;
}

QString phanTram(double p)
{
    const long v = std::lround(p * 100);
    if (v == 0 && p > 0)
        return txt::kDuoiMot;
    if (v == 100 && p < 1)
        return txt::kTrenChinChin;
    return QString::number(v);
}

}  // namespace thilaixe::ui
