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
    // The top of the score axis: the paper's questions (30 by default).
    void datToiDa(int soCau);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<DiemLanThi> m_diem;
    int m_toiDa = 30;
};

}  // namespace thilaixe
