#pragma once

#include "screens/common/FormXemLai.h"

class QComboBox;

namespace thilaixe {

// The exams kept in the history file: choose one by its date, see it
// re-scored against the key and walk through its answers.
class FormDapAnKQDaThi final : public FormXemLai {
    Q_OBJECT
public:
    explicit FormDapAnKQDaThi(MoiTruong& mt);

    QComboBox* CB_NgayThi() const { return m_cbNgayThi; }
    QLabel* LB_KetQua() const { return m_lbKetQua; }
    void CB_NgayThi_Click(int viTri);

signals:
    // The form has closed for good; the study form comes back.
    void daDong();

protected:
    void hienCau(int i) override;
    void CM_Thoat_Click() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void load();
    void TaiLaiMangCH();
    void KiemTra();
    void veHocTap();

    QComboBox* m_cbNgayThi;
    QLabel* m_lbKetQua;
    bool m_daRoi = false;
};

}  // namespace thilaixe
