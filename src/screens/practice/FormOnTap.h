#pragma once

#include "rules/practice/LanThi.h"

#include <QWidget>

#include <array>
#include <deque>

class QLabel;
class QPushButton;

namespace thilaixe {

class MoiTruong;

// Practising one's own mistakes: the questions missed in the kept exams,
// one at a time, until each is answered right twice in a row.
class FormOnTap final : public QWidget {
    Q_OBJECT
public:
    explicit FormOnTap(MoiTruong& mt);

    // The question on show (0: none), and those still to practise in order.
    int cauDangOn() const { return m_cau; }
    const std::deque<int>& hangDoi() const { return m_hangDoi; }
    // Answers the question on show with option `phuongAn` (as its key or
    // button does); nothing once it is answered, or for an option it lacks.
    void traLoi(int phuongAn);
    // The next question (Câu tiếp).
    void cauTiep();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void napDanhSach();
    void hienCau();
    void theoKho();

    MoiTruong& m_mt;
    std::vector<LanThi> m_lanThi;
    std::deque<int> m_hangDoi;
    int m_cau = 0;
    bool m_daTraLoi = false;
    bool m_daBaoLoiGhi = false;
    bool m_lichSuHong = false;  // the history could not be read: the list is practice alone
    QLabel* m_lbch;
    QLabel* m_lbCon;
    QLabel* m_img;
    QLabel* m_lbTrong;
    QLabel* m_lbHuongDan;
    QLabel* m_lbKetQua;
    std::array<QPushButton*, 4> m_cmPhuongAn{};
    QPushButton* m_cmTiep;
    QPushButton* m_cmThoat;
};

}  // namespace thilaixe
