#pragma once

#include "screens/common/DongChu.h"

#include <functional>

namespace thilaixe {

// A one-line text box whose typed characters pass a filter first, and that
// reports a click once the click has been handled (so the handler may
// select the text). No context menu and no drops: text only comes in through
// the filter or from the program.
class HopChu final : public DongChu {
    Q_OBJECT
public:
    using Loc = std::function<bool(QChar)>;  // true: the character passes

    explicit HopChu(QWidget* parent = nullptr);
    void datLoc(Loc loc) { m_loc = std::move(loc); }

    // Digits 0-9 only.
    static bool chiSo(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

signals:
    void daBam();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    Loc m_loc;
};

}  // namespace thilaixe
