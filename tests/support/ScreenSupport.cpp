#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"

#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Ui.h"
#include "screens/databank/NutCauHoi.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <unistd.h>
#include <vector>

namespace thilaixe::test {

void FakeSeams::closeMessage()
{
    if (messages.isEmpty())
        return;
    auto done = messages.last().onClosed;
    if (done)
        done();
}

void FakeSeams::answer(int index)
{
    if (questions.isEmpty())
        return;
    const Question q = questions.takeLast();
    if (q.onChosen)
        q.onChosen(index);
}

Program::Program()
{
    // The program's own style, as main() sets it.
    if (!qobject_cast<KieuTieuDiem*>(QApplication::style()))
        QApplication::setStyle(new KieuTieuDiem);
    // Encoding 300 JPEGs for every test costs seconds: they are made once
    // and linked in (WorkDir::write replaces a file, never writes through a
    // link into the shared copy).
    static const WorkDir pictures;
    static const bool made = (pictures.makePictures(), true);
    Q_UNUSED(made);
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const QString name = TenTepAnh(static_cast<std::int16_t>(q));
        if (::link(QFile::encodeName(pictures.path(name)).constData(),
                   QFile::encodeName(dir.path(name)).constData())
            != 0)
            QFile::copy(pictures.path(name), dir.path(name));
    }
    dir.write(QStringLiteral("DuLieu.txt"), {});
    NapDapAn(app.trangThai());
}

namespace {

QString ten(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Width and height a caption needs in the widget's own font.
bool vua(const QWidget* w, QString text, QString* why)
{
    text.remove(QLatin1Char('&'));
    if (text.isEmpty())
        return true;
    const QFontMetrics fm(w->font());
    QRect box = w->contentsRect();
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (!l->pixmap().isNull())
            return true;
        if (l->wordWrap()) {
            const QRect need = fm.boundingRect(box, Qt::TextWordWrap | int(l->alignment()), text);
            if (need.height() <= box.height())
                return true;
            *why = QStringLiteral("needs %1 px of height, has %2").arg(need.height()).arg(box.height());
            return false;
        }
        box.adjust(l->margin(), l->margin(), -l->margin(), -l->margin());
    } else if (qobject_cast<const QPushButton*>(w)) {
        box.adjust(3, 0, -3, 0);  // inside the button's frame
    } else if (qobject_cast<const QAbstractButton*>(w) && w->hasHeightForWidth()) {
        // A button whose text wraps: the height its width asks for.
        const int need = w->heightForWidth(w->width());
        if (need <= w->height())
            return true;
        *why = QStringLiteral("needs %1 px of height, has %2").arg(need).arg(w->height());
        return false;
    } else if (qobject_cast<const QAbstractButton*>(w)) {
        // A radio button or a check box: its text beside the indicator (a
        // pixel or two of the style's trailing margin may go, as above).
        const int need = static_cast<const QAbstractButton*>(w)->sizeHint().width() - 2;
        if (need <= w->width())
            return true;
        *why = QStringLiteral("needs %1 px, has %2 (%3)").arg(need).arg(w->width()).arg(w->height());
        return false;
    }
    // The ink of the line, marks above and below the letters included, as
    // a vertically centred line puts it.
    const int need = fm.horizontalAdvance(text);
    const QRect ink = fm.tightBoundingRect(text);
    const auto* lbl = qobject_cast<const QLabel*>(w);
    const Qt::Alignment align = lbl ? lbl->alignment() : Qt::AlignVCenter;
    const int baseline = align & Qt::AlignTop      ? fm.ascent()
                         : align & Qt::AlignBottom ? box.height() - fm.descent()
                                                   : (box.height() - fm.height()) / 2 + fm.ascent();
    // A pixel to spare at each end for the antialiased edge of the ink.
    if (need <= box.width() && baseline + ink.top() >= 1 && baseline + ink.bottom() < box.height() - 1)
        return true;
    *why = QStringLiteral("needs %1 px wide and rows %2..%3, has %4 x %5")
               .arg(need)
               .arg(baseline + ink.top())
               .arg(baseline + ink.bottom())
               .arg(box.width())
               .arg(box.height());
    return false;
}

void kiemTra(QWidget* w, QWidget* window, const QStringList& allowed, QStringList& faults)
{
    QList<QWidget*> con;
    for (QObject* o : w->children())
        if (auto* c = qobject_cast<QWidget*>(o); c && !c->isWindow() && c->isVisibleTo(window))
            con.append(c);
    for (qsizetype i = 0; i < con.size(); ++i) {
        QWidget* a = con[i];
        if (!w->rect().contains(a->geometry()))
            faults << ten(a) + QStringLiteral(" sticks out of ") + ten(w);
        for (qsizetype j = i + 1; j < con.size(); ++j) {
            QWidget* b = con[j];
            // Boxes placed in twips may share a pixel or two where they
            // meet: that is rounding, not an overlap.
            const QRect x = a->geometry().intersected(b->geometry());
            if (x.isEmpty() || x.width() <= 2 || x.height() <= 2)
                continue;
            const QString pair = ten(a) + QLatin1Char('|') + ten(b),
                          back = ten(b) + QLatin1Char('|') + ten(a);
            const bool ok = std::any_of(allowed.begin(), allowed.end(), [&](const QString& m) {
                const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(m));
                return re.match(pair).hasMatch() || re.match(back).hasMatch();
            });
            if (!ok)
                faults << ten(a) + QStringLiteral(" overlaps ") + ten(b);
        }
        QString why;
        QString text;
        if (const auto* l = qobject_cast<QLabel*>(a))
            text = l->text();
        else if (const auto* b = qobject_cast<QAbstractButton*>(a))
            text = b->text();
        if (!vua(a, text, &why))
            faults << ten(a) + QStringLiteral(" \"") + text + QStringLiteral("\" does not fit: ") + why;
        if (const auto* g = qobject_cast<QGroupBox*>(a)) {
            const int need = QFontMetrics(g->font()).horizontalAdvance(g->title()) + 16;
            if (need > g->width())
                faults << ten(a) + QStringLiteral(" title does not fit");
        }
        kiemTra(a, window, allowed, faults);
    }
}

}  // namespace

QStringList layoutFaults(QWidget* window, const QStringList& allowed)
{
    QStringList faults;
    kiemTra(window, window, allowed, faults);
    return faults;
}

double bestLikeness(const QString& caption, const QString& text)
{
    // Edit distance of the caption against any substring of the text (the
    // substring's ends are free).
    const qsizetype n = caption.size();
    if (n == 0)
        return 1.0;
    std::vector<qsizetype> prev(static_cast<std::size_t>(n + 1)), cur(prev.size());
    for (qsizetype i = 0; i <= n; ++i)
        prev[static_cast<std::size_t>(i)] = i;
    qsizetype best = n;
    for (QChar t : text) {
        cur[0] = 0;
        for (qsizetype i = 1; i <= n; ++i) {
            const auto u = static_cast<std::size_t>(i);
            cur[u] = std::min({prev[u] + 1, cur[u - 1] + 1, prev[u - 1] + (caption[i - 1] == t ? 0 : 1)});
        }
        best = std::min(best, cur[static_cast<std::size_t>(n)]);
        std::swap(prev, cur);
    }
    return 1.0 - double(best) / double(n);
}

// Where a widget's text is drawn, inside its frame or field.
QRect textArea(QWidget* w, QWidget* window)
{
    QRect r = w->contentsRect();
    if (qobject_cast<NutPhuongAn*>(w))
        r.adjust(12, 12, -12, -12);
    else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
        r.adjust(4, 4, -4, -4);
    else if (qobject_cast<QComboBox*>(w))
        r.adjust(4, 4, -24, -4);
    return QRect(w->mapTo(window, r.topLeft()), r.size());
}

// Each text of a window against what is behind it, from the pixels: the
// field is the commonest colour of the text's area, the ink the colour
// farthest from it. 4.5:1 at least, 3:1 for large text.
QStringList contrastFaults(QWidget* window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
    const QImage img = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = img.devicePixelRatio();
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->visibleRegion().isEmpty())
            continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull())
            text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            text = c->currentText();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            text = e->text();
        if (text.trimmed().isEmpty())
            continue;
        const QRect r = textArea(w, window);
        const QRect px(QPoint(qRound(r.left() * dpr), qRound(r.top() * dpr)), r.size() * dpr);
        QHash<QRgb, int> count;
        for (int y = std::max(0, px.top()); y <= std::min(img.height() - 1, px.bottom()); ++y)
            for (int x = std::max(0, px.left()); x <= std::min(img.width() - 1, px.right()); ++x)
                ++count[img.pixel(x, y)];
        if (count.isEmpty())
            continue;
        QRgb field = count.begin().key();
        for (auto it = count.begin(); it != count.end(); ++it)
            if (it.value() > count[field])
                field = it.key();
        double best = 1;
        for (auto it = count.begin(); it != count.end(); ++it)
            best = std::max(best, ui::doTuongPhan(QColor(it.key()), QColor(field)));
        const QFont f = w->font();
        const bool large = f.pointSizeF() >= 18 || (f.bold() && f.pointSizeF() >= 14);
        if (best < (large ? 3.0 : 4.5))
            faults << QStringLiteral("%1 \"%2\": %3:1 on %4")
                          .arg(w->objectName(), text.left(40))
                          .arg(best, 0, 'f', 2)
                          .arg(QColor(field).name());
    }
    return faults;
}

QStringList unnamedControls(QWidget* w)
{
    QStringList unnamed;
    for (QWidget* x : w->findChildren<QWidget*>()) {
        const auto* l = qobject_cast<QLabel*>(x);
        const bool control = qobject_cast<QAbstractButton*>(x) || qobject_cast<QLineEdit*>(x)
                             || qobject_cast<QComboBox*>(x) || qobject_cast<QAbstractItemView*>(x)
                             || qobject_cast<QProgressBar*>(x)
                             || (l && l->objectName() == QStringLiteral("Img"))
                             || (l && !l->pixmap().isNull()) || x->objectName() == QStringLiteral("FrTen")
                             || (x->children().isEmpty() && !l && !qobject_cast<QGroupBox*>(x)
                                 && x->metaObject()->className() != QByteArray("QWidget"));
        // A scroll bar is said by its role; it needs no name.
        if (!control || !x->isVisibleTo(w) || x->parentWidget()->inherits("QAbstractScrollArea")
            || x->inherits("QScrollBar"))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(x);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(x->objectName() + QStringLiteral(" (")
                           + QString::fromLatin1(x->metaObject()->className()) + QStringLiteral(")"));
    }
    return unnamed;
}

}  // namespace thilaixe::test
