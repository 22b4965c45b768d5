#pragma once

#include "rules/practice/TienBo.h"

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace thilaixe {

class MoiTruong;
class BieuDoDiem;

// The learner's progress: scores over time, recent passes, the most missed
// questions, how much of the bank has been met, and the chance of passing
// the next exam.
class FormTienBo final : public QWidget {
    Q_OBJECT
public:
    explicit FormTienBo(MoiTruong& mt);

    const TienBo& tienBo() const { return m_tienBo; }
    const SanSang& sanSang() const { return m_sanSang; }
    // The class the estimate is for: the one declared, else the newest
    // exam's, else B2.
    const QString& hang() const { return m_hang; }
    // Reads the history and the practice again and shows the figures.
    void tinhLai();

signals:
    // A most-missed question was clicked: show it on the study form.
    void moCauHoi(int cau);

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    MoiTruong& m_mt;
    TienBo m_tienBo;
    SanSang m_sanSang;
    QString m_hang;
    BieuDoDiem* m_bieuDo;
    QLabel* m_lbDat;
    QLabel* m_lbSanSang;
    QLabel* m_lbCoSo;
    QListWidget* m_dsSaiNhieu;
    std::array<QProgressBar*, 3> m_doPhu{};
    QPushButton* m_cmThoat;
};

}  // namespace thilaixe
