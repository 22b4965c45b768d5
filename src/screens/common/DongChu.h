#pragma once

#include <QLineEdit>

namespace thilaixe {

// A line of text that, reached by Tab, selects its text only once the
// focus has settled: a selection moved before the focus is taken by a
// screen reader for the focus, and the box is never named.
class DongChu : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* e) override;
};

}  // namespace thilaixe
