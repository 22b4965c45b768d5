#include "screens/history/FormDapAnKQDaThi.h"

#include "rules/bank/DapAn.h"
#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"
#include "rules/exam/KetQuaThi.h"
#include "rules/history/LichSuThi.h"

#include "screens/common/BoChonCauHoi.h"
#include "screens/common/HienAnh.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>

namespace thilaixe {

using namespace ui;

FormDapAnKQDaThi::FormDapAnKQDaThi(MoiTruong& mt)
    : FormXemLai(mt, QStringLiteral("FormDapAnKQDaThi"),
                 {QSize(tw(10905), tw(7005)), twRect(1056, 768, 6000, 4500), twRect(7872, 672, 2412, 4605),
                  twRect(7875, 5355, 2412, 885), twRect(8448, 6300, 1332, 492), txt::kDong})
{
    setWindowTitle(txt::kTieuDeDaThi);
    m_cbNgayThi = new QComboBox(this);
    m_cbNgayThi->setObjectName(QStringLiteral("CB_NgayThi"));
    m_cbNgayThi->setGeometry(twRect(1056, 360, 6105, 345));
    m_cbNgayThi->setFont(phongViet(11));
    m_lbKetQua = taoNhan(this, QStringLiteral("LB_KetQua"), QString(), twRect(384, 5448, 5100, 300), kXanhDam,
                         phongViet(12, true));
    connect(m_cbNgayThi, &QComboBox::activated, this, &FormDapAnKQDaThi::CB_NgayThi_Click);
    load();
}

void FormDapAnKQDaThi::load()
{
    SharedState& s = m_mt.trangThai();
    s.LanThiChon = 1;
    if (m_mt.docLichSu(NoiBaoLoi::Hoc) == KetQuaDoc::ThieuTep)
        return;  // unreadable: what was read before still stands
    for (int r = 1; r <= kSoLanLuu; ++r) {
        const std::optional<QString>& ng = s.LichSuNg[r];
        if (!ng || ng->isEmpty())
            break;
        m_cbNgayThi->addItem(*ng);
    }
    TaiLaiMangCH();
    if (m_cbNgayThi->count() > 0) {
        m_cbNgayThi->setCurrentIndex(0);
        CB_NgayThi_Click(0);
    }
    KiemTra();
}

void FormDapAnKQDaThi::CB_NgayThi_Click(int viTri)
{
    if (viTri < 0 || viTri >= kSoLanLuu)
        return;
    m_mt.trangThai().LanThiChon = static_cast<std::int16_t>(viTri + 1);
    TaiLaiMangCH();
    KiemTra();
    hienCau(1);
    m_cauHoi->chonCau(1);
}

void FormDapAnKQDaThi::TaiLaiMangCH()
{
    SharedState& s = m_mt.trangThai();
    TachLanDaThi(s, s.LanThiChon);
}

void FormDapAnKQDaThi::KiemTra()
{
    const SharedState& s = m_mt.trangThai();
    const QColor thuong = palette().color(QPalette::ButtonText);
    for (int i = 1; i <= kSoCau; ++i)
        m_cauHoi->datMau(i, thuong);
    const KetQuaThi kq = ketQuaLanDaThi(s);
    for (int i = 1; i <= kSoCau; ++i) {
        const bool sai = kq.saiTai[static_cast<std::size_t>(i)];
        if (sai)
            m_cauHoi->datMau(i, kDo);
        m_cauHoi->datTenTruyCap(i, (sai ? txt::kTtCauSai : txt::kTtCauDung).arg(i));
    }
    m_lbKetQua->setText(txt::kBanDaTraLoiDung + soCoDau(kq.dung) + txt::kTrenBaMuoi);
    coChuVua(m_lbKetQua);
}

void FormDapAnKQDaThi::hienCau(int i)
{
    SharedState& s = m_mt.trangThai();
    s.CauHienTai = static_cast<std::int16_t>(i);
    s.CHHienTai = s.MangCHDaThi[i];
    hienAnhHoacTrong(m_mt, m_img, cauHoiHopLe(s.MangCHDaThi[i]));
    const std::optional<double> tl = s.MangTLDaThi[i];
    m_lbPhuongAnTL->setText(tl ? QString::number(*tl, 'g', 15) : QString());
    const std::optional<std::int16_t> dapAn = dapAnCua(s, s.MangCHDaThi[i]);
    m_lbDapAn->setText(dapAn ? QString::number(*dapAn) : QString());
}

void FormDapAnKQDaThi::veHocTap()
{
    if (m_daRoi)
        return;
    m_daRoi = true;
    m_mt.dongForm(this);
    emit daDong();
}

void FormDapAnKQDaThi::CM_Thoat_Click() { veHocTap(); }

void FormDapAnKQDaThi::closeEvent(QCloseEvent* e)
{
    e->accept();
    veHocTap();
}

}  // namespace thilaixe
