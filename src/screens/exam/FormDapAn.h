#pragma once

#include "rules/exam/KetQuaThi.h"

#include "screens/common/FormXemLai.h"

namespace thilaixe {

// The answers of the exam just taken, slot by slot, wrong ones in red.
class FormDapAn final : public FormXemLai {
    Q_OBJECT
public:
    explicit FormDapAn(MoiTruong& mt);
    QLabel* LBCH() const { return m_lbch; }

    // The title with the right answers, the wrong slots in red.
    void datKetQua(const KetQuaThi& kq);

protected:
    void hienCau(int i) override;
    void CM_Thoat_Click() override;
    void closeEvent(QCloseEvent* e) override;

private:
    QLabel* m_lbch;
};

}  // namespace thilaixe
