#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace thilaixe {

struct KeHoachNgay;

// Today's plan on a bank's home: "Hôm nay", what is due and new, the day's
// limit (questions or minutes); and, when the pool cannot be met a week
// before the exam day within that limit, one line saying so with what a day
// would need, an offer to raise the limit, and the exam day's readiness
// beside it.
class KhungHomNay final : public QWidget {
    Q_OBJECT
public:
    explicit KhungHomNay(QWidget* cha);
    // `giayMoiCau`: the learner's pace (a limit in minutes is shown in
    // minutes); `sanSang`: the readiness line for the exam day (empty:
    // none to show).
    void hien(const KeHoachNgay& k, int gioiHan, bool theoPhut, int giayMoiCau, const QString& sanSang);
    // What raising the limit would set it to (0: nothing to raise).
    int gioiHanDeNghi() const { return m_deNghi; }

signals:
    void moHomNay();
    void daDoiGioiHan(int gioiHan, bool theoPhut);

private:
    QPushButton* m_nut;
    QLabel* m_dong;
    QSpinBox* m_gioiHan;
    QComboBox* m_donVi;
    QWidget* m_cham;
    QLabel* m_dongCham;
    QLabel* m_sanSang;
    QPushButton* m_nang;
    int m_deNghi = 0;
};

}  // namespace thilaixe
