#pragma once

#include "study/FormXemLai.h"

namespace thilaixe {

// The answers of the exam just taken, slot by slot, wrong ones in red.
class FormDapAn final : public FormXemLai {
    Q_OBJECT
public:
    explicit FormDapAn(App& app);
    QLabel* LBCH() const { return m_lbch; }

protected:
    void hienCau(int i) override;
    void CM_Thoat_Click() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void load();
    QLabel* m_lbch;
};

} // namespace thilaixe
