#pragma once

#include "rules/practice/TienBo.h"

#include <QWidget>

#include <vector>

namespace thilaixe {

// The score of every kept exam in time order, with the pass line of its
// class: green points passed, red ones did not.
class BieuDoDiem final : public QWidget {
    Q_OBJECT
public:
    explicit BieuDoDiem(QWidget* parent);
    void datDiem(std::vector<DiemLanThi> diem);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<DiemLanThi> m_diem;
};

}  // namespace thilaixe
