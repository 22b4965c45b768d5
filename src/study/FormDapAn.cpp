#include "study/FormDapAn.h"

#include "app/App.h"
#include "app/BoChonCauHoi.h"
#include "app/NumberText.h"
#include "app/Texts.h"
#include "app/Ui.h"
#include "bank/HienAnh.h"
#include "exam/FormKetQua.h"

#include <QCloseEvent>
#include <QLabel>

namespace thilaixe {

using namespace ui;

FormDapAn::FormDapAn(App& app)
    : FormXemLai(app, QStringLiteral("FormDapAn"),
                 {QSize(tw(10905), tw(7035)), twRect(1152, 768, 6000, 4500), twRect(7968, 630, 2412, 4605),
                  twRect(7980, 5460, 2412, 870), twRect(8544, 6405, 1332, 492), txt::kThoat})
{
    setWindowTitle(txt::kTieuDeDapAn);
    m_lbch = label(this, QStringLiteral("LBCH"), QString(), twRect(2688, 288, 2172, 372), kXanh,
                   fontViet(12, true));
    load();
}

void FormDapAn::load()
{
    if (m_app.coFormKetQua())
        m_app.formKetQua()->hide();
    const SharedState& s = m_app.state();
    for (int i = 1; i <= kSoCau; ++i) {
        const std::optional<std::int16_t> tl = s.TL[i];
        if (!tl || s.DapAn[s.CH[i]] != *tl)
            m_cauHoi->datMau(i, kDo);
    }
}

void FormDapAn::hienCau(int i)
{
    SharedState& s = m_app.state();
    s.CauHienTai = static_cast<std::int16_t>(i);
    s.CHHienTai = s.CH[i];
    m_lbch->setText(txt::kCauHoiSo + soCoDau(i));
    hienAnhHoacTrong(m_img, s.CH[i]);
    const std::optional<std::int16_t> tl = s.TL[i];
    m_lbPhuongAnTL->setText(tl ? QString::number(*tl) : QString());
    m_lbDapAn->setText(QString::number(s.DapAn[s.CH[i]]));
}

void FormDapAn::CM_Thoat_Click() { m_app.ketThuc(); }

void FormDapAn::closeEvent(QCloseEvent* e)
{
    // With the review gone, the result form and the sheet go too: the end.
    e->accept();
    m_app.ketThuc();
}

} // namespace thilaixe
