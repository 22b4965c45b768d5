#include "screens/common/HopChu.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

namespace thilaixe {

namespace {
// Text that reaches the box other than by a key (a middle-click paste, a
// drop, an input method) passes the same character rule as typed keys.
class BoLoc final : public QValidator {
public:
    BoLoc(const HopChu::Loc& loc, QObject* parent) : QValidator(parent), m_loc(loc) {}
    State validate(QString& input, int&) const override
    {
        if (m_loc)
            for (QChar c : input)
                if (!m_loc(c))
                    return Invalid;
        return Acceptable;
    }

private:
    const HopChu::Loc& m_loc;
};
}  // namespace

HopChu::HopChu(QWidget* parent) : DongChu(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setValidator(new BoLoc(m_loc, this));
}

void HopChu::keyPressEvent(QKeyEvent* e)
{
    if (m_loc) {
        const QString t = e->text();
        const bool dieuHuong = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
        const bool xoaLui = e->key() == Qt::Key_Backspace;
        // Keys that carry a character (printable or control: Enter, Esc,
        // Ctrl+V...) must pass the filter; keys without one (arrows, Home,
        // Delete) edit as usual.
        if (!dieuHuong && !xoaLui && !t.isEmpty()) {
            if (t.size() != 1 || !m_loc(t.at(0))) {
                e->accept();
                return;
            }
        }
        if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut)) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void HopChu::inputMethodEvent(QInputMethodEvent* e)
{
    if (m_loc) {
        for (QChar c : e->commitString())
            if (!m_loc(c)) {
                e->accept();
                return;
            }
    }
    QLineEdit::inputMethodEvent(e);
}

void HopChu::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit daBam();
}

}  // namespace thilaixe
