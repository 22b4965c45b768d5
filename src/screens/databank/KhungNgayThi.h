#pragma once

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <optional>

class QCheckBox;
class QDateEdit;
class QDialog;
class QLabel;

namespace thilaixe {

// The learner's exam day on a bank's home: a box that says there is one
// (its row's caption, `hop()`), the day, and a line saying what that day's
// paper is. Ticking the box asks for the day; nothing is set until the
// learner says one.
class KhungNgayThi final : public QWidget {
    Q_OBJECT
public:
    // `cha`: the home, which places the box as the row's caption.
    explicit KhungNgayThi(QWidget* cha);
    QCheckBox* hop() const { return m_co; }
    // Shows a learner's day (none: the box clear), saying nothing.
    void hien(const std::optional<QDate>& ngay, const QDate& homNay);
    std::optional<QDate> ngay() const;
    void datDong(const QString& dong);
    // The question of the day, open (the box ticked, no day yet).
    QDialog* hoiDangMo() const { return m_hoi; }

signals:
    // The learner set a day, changed it, or took it off.
    void daDoi(const std::optional<QDate>& ngay);

private:
    void hoiNgay();
    QCheckBox* m_co;
    QDateEdit* m_ngay;
    QLabel* m_dong;
    QPointer<QDialog> m_hoi;
    QDate m_homNay;
};

}  // namespace thilaixe
