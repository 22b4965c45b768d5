#include "screens/common/CoCuaSo.h"

#include "rules/store/KhoHocVien.h"

#include "screens/common/MoiTruong.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace thilaixe {

namespace {

// The frame a window manager puts round a window (title bar and borders):
// known only once a window is on screen, so read from one that is (the
// home, or the window opening it); none before the first.
QMargins khungCuaSo(const QWidget* tru)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == tru || !w->isVisible() || w->isMinimized() || (w->windowFlags() & Qt::FramelessWindowHint))
            continue;
        const QRect ngoai = w->frameGeometry(), trong = w->geometry();
        const QMargins m(trong.left() - ngoai.left(), trong.top() - ngoai.top(),
                         ngoai.right() - trong.right(), ngoai.bottom() - trong.bottom());
        if (m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0 && m.top() < 200)
            return m;
    }
    return {};
}

// Keeps the window's size for the learner each time it is hidden.
class NhoCo final : public QObject {
public:
    NhoCo(QWidget* cuaSo, MoiTruong& mt, qint64 hoSo) : QObject(cuaSo), m_mt(mt), m_hoSo(hoSo) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        auto* w = static_cast<QWidget*>(o);
        // Not as the program ends: its windows go with it, at their size.
        if (e->type() == QEvent::Hide && !m_mt.dangKetThuc() && !w->isMinimized() && !w->isMaximized()
            && !w->isFullScreen())
            m_mt.kho().datCoCuaSo(m_hoSo, w->objectName(), w->size());
        return false;
    }

private:
    MoiTruong& m_mt;
    qint64 m_hoSo;
};

}  // namespace

void datCoTrongVung(QWidget* cuaSo, QSize mongMuon, const QRect& vung)
{
    const QMargins khung = khungCuaSo(cuaSo);
    const QSize toiDa(vung.width() - khung.left() - khung.right(),
                      vung.height() - khung.top() - khung.bottom());
    // Never below what its controls need: a window that cannot fit starts
    // at the area's top-left corner, its buttons in reach.
    const QSize co =
        mongMuon.boundedTo(toiDa).expandedTo(cuaSo->minimumSizeHint()).expandedTo(cuaSo->minimumSize());
    cuaSo->resize(co);
    // move() places the frame's corner.
    cuaSo->move(vung.left() + std::max(0, (toiDa.width() - co.width()) / 2),
                vung.top() + std::max(0, (toiDa.height() - co.height()) / 2));
}

void moCoCuaSo(QWidget* cuaSo, MoiTruong& mt, qint64 hoSo, QSize mongMuon)
{
    const QSize daNho = mt.kho().coCuaSo(hoSo, cuaSo->objectName());
    const QScreen* s = cuaSo->screen() ? cuaSo->screen() : QGuiApplication::primaryScreen();
    const QRect vung = s ? s->availableGeometry() : QRect(0, 0, 1280, 720);
    datCoTrongVung(cuaSo, daNho.isValid() ? daNho : mongMuon, vung);
    cuaSo->installEventFilter(new NhoCo(cuaSo, mt, hoSo));
}

}  // namespace thilaixe
