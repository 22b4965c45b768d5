#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

namespace thilaixe {

class MoiTruong;
class DaiTacGia;
class HopChu;

// Paging through the whole bank with the key on demand.
class FormHocTap final : public QWidget {
    Q_OBJECT
public:
    explicit FormHocTap(MoiTruong& mt);

    std::int16_t CauDangXem() const { return m_cauDangXem; }
    bool XemDapAn() const { return m_xemDapAn; }
    QLabel* LBCH() const { return m_lbch; }
    QLabel* Img() const { return m_img; }
    QLabel* LB_DapAn() const { return m_lbDapAn; }
    QCheckBox* Ch_DapAn() const { return m_chDapAn; }
    HopChu* CauHoiSo() const { return m_cauHoiSo; }
    QPushButton* CM_Tiep() const { return m_cmTiep; }
    QPushButton* CM_Ve() const { return m_cmVe; }
    QPushButton* CM_DaThi() const { return m_cmDaThi; }
    QPushButton* CM_Thoat() const { return m_cmThoat; }
    QPushButton* CM_OnTap() const { return m_cmOnTap; }
    QPushButton* CM_TienBo() const { return m_cmTienBo; }

    // Shows question n as if its number were typed into the number box.
    void denCau(int n);

    void CM_Tiep_Click();
    void CM_Ve_Click();
    void KiemTraDapAn();

signals:
    // "Các lần đã thi": the past-exam review should open over this form.
    void moCacLanDaThi();
    // "Ôn câu sai" and "Tiến bộ": their windows should open beside this one.
    void moOnTap();
    void moTienBo();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void load();
    void CauHoiSo_Change();
    void CM_DaThi_Click();
    void datLBCH();
    bool hienAnhDangXem();

    MoiTruong& m_mt;
    std::int16_t m_cauDangXem = 0;
    std::array<std::int16_t, 301> m_banSaoDapAn{};
    bool m_xemDapAn = false;
    QLabel* m_lbch;
    QLabel* m_img;
    QLabel* m_lbDapAn;
    QCheckBox* m_chDapAn;
    HopChu* m_cauHoiSo;
    QPushButton* m_cmTiep;
    QPushButton* m_cmVe;
    QPushButton* m_cmDaThi;
    QPushButton* m_cmThoat;
    QPushButton* m_cmOnTap;
    QPushButton* m_cmTienBo;
    DaiTacGia* m_frTen;
};

}  // namespace thilaixe
