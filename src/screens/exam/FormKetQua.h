#pragma once

#include "rules/exam/KetQuaThi.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace thilaixe {

class MoiTruong;

// The result of the exam: right and wrong counts and the verdict.
class FormKetQua final : public QWidget {
    Q_OBJECT
public:
    explicit FormKetQua(MoiTruong& mt);

    QLabel* LB_Hang() const { return m_lbHang; }
    QLabel* TDung() const { return m_tDung; }
    QLabel* TSai() const { return m_tSai; }
    QLabel* TKetQua() const { return m_tKetQua; }
    QPushButton* CMOK() const { return m_cmOK; }
    QPushButton* CM_XemKQ() const { return m_cmXemKQ; }

    // Right and wrong counts and the verdict.
    void hienKetQua(const KetQuaThi& kq);

signals:
    // "Xem lại bài thi": the form has hidden itself; the review comes next.
    void xemLai();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void load();
    void CM_XemKQ_Click();

    MoiTruong& m_mt;
    QLabel* m_lbHang;
    QLabel* m_tDung;
    QLabel* m_tSai;
    QLabel* m_tKetQua;
    QPushButton* m_cmOK;
    QPushButton* m_cmXemKQ;
};

}  // namespace thilaixe
