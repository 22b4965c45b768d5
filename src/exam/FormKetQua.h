#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace thilaixe {

class App;

// The result of the exam: right and wrong counts and the verdict.
class FormKetQua final : public QWidget {
    Q_OBJECT
public:
    explicit FormKetQua(App& app);

    QLabel* LB_Hang() const { return m_lbHang; }
    QLabel* TDung() const { return m_tDung; }
    QLabel* TSai() const { return m_tSai; }
    QLabel* TKetQua() const { return m_tKetQua; }
    QPushButton* CMOK() const { return m_cmOK; }
    QPushButton* CM_XemKQ() const { return m_cmXemKQ; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void load();
    void CM_XemKQ_Click();

    App& m_app;
    QLabel* m_lbHang;
    QLabel* m_tDung;
    QLabel* m_tSai;
    QLabel* m_tKetQua;
    QPushButton* m_cmOK;
    QPushButton* m_cmXemKQ;
};

} // namespace thilaixe
