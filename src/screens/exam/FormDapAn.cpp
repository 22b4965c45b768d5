#include "screens/exam/FormDapAn.h"

#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"

#include "screens/common/BoChonCauHoi.h"
#include "screens/common/HienAnh.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QLabel>

namespace thilaixe {

using namespace ui;

FormDapAn::FormDapAn(MoiTruong& mt)
    : FormXemLai(mt, QStringLiteral("FormDapAn"),
                 {QSize(tw(10905), tw(7035)), twRect(1152, 768, 6000, 4500), twRect(7968, 630, 2412, 4605),
                  twRect(7980, 5460, 2412, 870), twRect(8544, 6405, 1332, 492), txt::kThoat})
{
    setWindowTitle(txt::kTieuDeDapAn);
    m_lbch = taoNhan(this, QStringLiteral("LBCH"), QString(), twRect(2688, 288, 2172, 372), kXanh,
                     phongViet(12, true));
}

void FormDapAn::datKetQua(const KetQuaThi& kq)
{
    setWindowTitle(txt::kBanDaTraLoi + soTron(kq.dung) + txt::kCauDung);
    for (int i = 1; i <= kSoCau; ++i) {
        const bool sai = kq.saiTai[static_cast<std::size_t>(i)];
        if (sai)
            m_cauHoi->datMau(i, kDo);
        m_cauHoi->datTenTruyCap(i, (sai ? txt::kTtCauSai : txt::kTtCauDung).arg(i));
    }
}

void FormDapAn::hienCau(int i)
{
    SharedState& s = m_mt.trangThai();
    s.CauHienTai = static_cast<std::int16_t>(i);
    s.CHHienTai = s.CH[i];
    m_lbch->setText(txt::kCauHoiSo + soCoDau(i));
    coChuVua(m_lbch);
    hienAnhHoacTrong(m_mt, m_img, s.CH[i]);
    const std::optional<std::int16_t> tl = s.TL[i];
    m_lbPhuongAnTL->setText(tl ? QString::number(*tl) : QString());
    m_lbDapAn->setText(QString::number(s.DapAn[s.CH[i]]));
}

void FormDapAn::CM_Thoat_Click() { m_mt.ketThucChuongTrinh(); }

void FormDapAn::closeEvent(QCloseEvent* e)
{
    // With the review gone, the result form and the sheet go too: the end.
    e->accept();
    m_mt.ketThucChuongTrinh();
}

}  // namespace thilaixe
