#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace thilaixe {

class MoiTruong;
class HopChu;

// The start-up screen: declare class, course and candidate number, then
// study or sit the practice exam.
class FormInit final : public QWidget {
    Q_OBJECT
public:
    explicit FormInit(MoiTruong& mt);

    void Inits();

    // The declaration's boxes (built on first use if not yet).
    HopChu* T_Hang();
    HopChu* T_Khoa();
    HopChu* T_SoBaoDanh();
    QPushButton* CM_Hoc() const { return m_cmHoc; }
    QPushButton* CM_Thi() const { return m_cmThi; }
    QPushButton* CM_DeMoi() const { return m_cmDeMoi; }
    // The bank asked for is open: the form closes for good.
    void daMoNganHang() { roiDi(); }

signals:
    // The candidate chose to study, or to sit the exam (HoTen and SoBaoDanh
    // are set); the form closes for good right after.
    void chonHoc();
    void chonThi();
    // The learner asked for the current exam's bank (the new button); the
    // form stays until daMoNganHang says the bank is open.
    void chonNganHang();

protected:
    bool event(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void load();
    void taoOKhaiBao();
    void T_Hang_Change();
    void T_Hang_Click();
    void CM_Hoc_Click();
    void CM_Thi_Click();
    void roiDi();

    MoiTruong& m_mt;
    QLabel* m_lbTieuDe;
    QLabel* m_lbThongBao;
    QLabel* m_nhanHang = nullptr;
    QLabel* m_nhanKhoa = nullptr;
    QLabel* m_nhanSBD = nullptr;
    HopChu* m_tHang = nullptr;
    HopChu* m_tKhoa = nullptr;
    HopChu* m_tSoBaoDanh = nullptr;
    QPushButton* m_cmHoc;
    QPushButton* m_cmThi;
    QPushButton* m_cmDeMoi;
    std::optional<int> m_demHang;
    std::optional<int> m_demKhoa;
    std::optional<int> m_demSBD;
    bool m_daRoi = false;
};

}  // namespace thilaixe
