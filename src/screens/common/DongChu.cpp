#include "screens/common/DongChu.h"

#include <QFocusEvent>
#include <QTimer>

namespace thilaixe {

void DongChu::focusInEvent(QFocusEvent* e)
{
    const bool tab = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason
                     || e->reason() == Qt::ShortcutFocusReason;
    if (!tab) {
        QLineEdit::focusInEvent(e);
        return;
    }
    QFocusEvent khac(e->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&khac);
    if (!text().isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (hasFocus() && !hasSelectedText())
                selectAll();
        });
}

}  // namespace thilaixe
