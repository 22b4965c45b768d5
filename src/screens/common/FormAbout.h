#pragma once

#include <QWidget>

class QPushButton;

namespace thilaixe {

// "Thong tin them": thanks and the author's contact lines.
class FormAbout final : public QWidget {
    Q_OBJECT
public:
    explicit FormAbout(QWidget* over);
    QPushButton* CM_OK() const { return m_cmOK; }

private:
    QPushButton* m_cmOK;
};

}  // namespace thilaixe
