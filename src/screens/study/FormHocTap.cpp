#include "screens/study/FormHocTap.h"

#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"
#include "rules/history/LichSuThi.h"

#include "screens/common/DaiTacGia.h"
#include "screens/common/HienAnh.h"
#include "screens/common/HopChu.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace thilaixe {

using namespace ui;

FormHocTap::FormHocTap(MoiTruong& mt) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(QStringLiteral("FormHocTap"));
    setWindowTitle(txt::kTieuDeHoc);
    setFixedSize(726, 463);
    datGiua(this);

    m_cmThoat =
        taoNut(this, QStringLiteral("CM_Thoat"), txt::kThoat, QRect(544, 420, 129, 33), phongViet(11, true));
    m_lbch =
        taoNhan(this, QStringLiteral("LBCH"), QString(), QRect(186, 26, 145, 25), kXanh, phongViet(12, true));
    m_img = new KhungAnh(this, QRect(70, 58, 400, 300));
    m_frTen = new DaiTacGia(this, m_mt, QPoint(70, 384));
    QLabel* l1 = taoNhan(this, QStringLiteral("Label1"), txt::kCacPhan, QRect(511, 56, 194, 78), kXanh,
                         phongViet(11), Qt::AlignLeft | Qt::AlignTop);
    l1->setWordWrap(true);
    m_chDapAn = new QCheckBox(txt::kXemDapAn, this);
    m_chDapAn->setObjectName(QStringLiteral("Ch_DapAn"));
    m_chDapAn->setGeometry(518, 188, 97, 25);
    m_chDapAn->setFont(phongViet(10.5, true));
    m_lbDapAn = taoNhan(this, QStringLiteral("LB_DapAn"), QString(), QRect(621, 188, 25, 26), kDoDam,
                        phongViet(15, true), Qt::AlignCenter);

    auto* frame1 = new QGroupBox(txt::kChuyenToi, this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(518, 273, 180, 87);
    frame1->setFont(phongViet(10, true));
    taoNhan(frame1, QStringLiteral("Label4"), txt::kToiCauHoiSo, QRect(8, 26, 105, 17), kXanh, phongViet(10),
            Qt::AlignRight | Qt::AlignVCenter);
    m_cauHoiSo = new HopChu(frame1);
    m_cauHoiSo->setObjectName(QStringLiteral("CauHoiSo"));
    m_cauHoiSo->setGeometry(122, 24, 42, 25);
    m_cauHoiSo->setFont(phongViet(10));
    datMauChu(m_cauHoiSo, kXanh);
    m_cauHoiSo->datLoc(HopChu::chiSo);
    m_cmTiep = taoNut(frame1, QStringLiteral("CM_Tiep"), txt::kTiep, QRect(10, 56, 65, 25), phongViet(9.5));
    m_cmVe = taoNut(frame1, QStringLiteral("CM_Ve"), txt::kVe, QRect(102, 56, 65, 25), phongViet(9.5));
    m_cmDaThi = taoNut(this, QStringLiteral("CM_DaThi"), txt::kCacLanDaThi, QRect(544, 378, 129, 33),
                       phongViet(11, true));
    m_cmDaThi->setEnabled(false);
    DaiTacGia::bieuTuong(this, QPoint(21, 70));
    // The learning windows, in the right column's free space.
    m_cmOnTap = taoNut(this, QStringLiteral("CM_OnTap"), txt::kOnCauSai, QRect(544, 142, 129, 33),
                       phongViet(11, true));
    m_cmTienBo = taoNut(this, QStringLiteral("CM_TienBo"), txt::kTienBo, QRect(544, 228, 129, 33),
                        phongViet(11, true));

    setTabOrder(m_cmThoat, m_chDapAn);
    setTabOrder(m_chDapAn, m_cauHoiSo);
    setTabOrder(m_cauHoiSo, m_cmTiep);
    setTabOrder(m_cmTiep, m_cmVe);
    setTabOrder(m_cmVe, m_cmDaThi);
    setTabOrder(m_cmDaThi, m_cmOnTap);
    setTabOrder(m_cmOnTap, m_cmTienBo);
    m_cmThoat->setFocus(Qt::OtherFocusReason);

    connect(m_cauHoiSo, &QLineEdit::textChanged, this, &FormHocTap::CauHoiSo_Change);
    connect(m_chDapAn, &QCheckBox::clicked, this, &FormHocTap::KiemTraDapAn);
    connect(m_cmTiep, &QPushButton::clicked, this, &FormHocTap::CM_Tiep_Click);
    connect(m_cmVe, &QPushButton::clicked, this, &FormHocTap::CM_Ve_Click);
    connect(m_cmDaThi, &QPushButton::clicked, this, &FormHocTap::CM_DaThi_Click);
    connect(m_cmThoat, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cmOnTap, &QPushButton::clicked, this, &FormHocTap::moOnTap);
    connect(m_cmTienBo, &QPushButton::clicked, this, &FormHocTap::moTienBo);

    load();
}

void FormHocTap::datLBCH()
{
    m_lbch->setText(txt::kCauHoiSoHoc + soCoDau(m_cauDangXem));
    coChuVua(m_lbch);
}

bool FormHocTap::hienAnhDangXem() { return hienAnhCauHoi(m_mt, m_img, m_cauDangXem, NoiBaoLoi::Hoc); }

void FormHocTap::load()
{
    SharedState& s = m_mt.trangThai();
    for (int q = 0; q <= kSoCauHoi; ++q)
        m_banSaoDapAn[static_cast<std::size_t>(q)] = s.DapAn[q];
    m_cauDangXem = 1;
    if (!hienAnhDangXem())
        return;
    datLBCH();
    m_cauHoiSo->setText(QStringLiteral("1"));
    if (m_mt.dangKetThuc())
        return;
    if (m_mt.docLichSu(NoiBaoLoi::Hoc) != KetQuaDoc::DaDoc)
        return;  // missing: reported; unreadable: no past exams to offer
    m_cmDaThi->setEnabled(s.LichSuNg[1].has_value() && !s.LichSuNg[1]->isEmpty());
}

void FormHocTap::CauHoiSo_Change()
{
    if (m_mt.dangKetThuc())
        return;
    const double v = std::nearbyint(giaTriSo(m_cauHoiSo->text()));
    m_cauDangXem = static_cast<std::int16_t>(v < 1 ? 1 : v > kSoCauHoi ? kSoCauHoi : v);
    if (!hienAnhDangXem())
        return;
    datLBCH();
    KiemTraDapAn();
}

void FormHocTap::CM_Tiep_Click()
{
    if (m_cauDangXem < kSoCauHoi)
        ++m_cauDangXem;
    m_lbDapAn->clear();
    m_cauHoiSo->setText(QString::number(m_cauDangXem));
    if (m_mt.dangKetThuc())
        return;
    datLBCH();
    if (!hienAnhDangXem())
        return;
    KiemTraDapAn();
}

void FormHocTap::CM_Ve_Click()
{
    if (m_cauDangXem > 1)
        --m_cauDangXem;
    m_cauHoiSo->setText(QString::number(m_cauDangXem));
    if (m_mt.dangKetThuc())
        return;
    m_lbDapAn->clear();
    datLBCH();
    if (!hienAnhDangXem())
        return;
    KiemTraDapAn();
}

void FormHocTap::KiemTraDapAn()
{
    m_xemDapAn = m_chDapAn->isChecked();
    m_lbDapAn->setText(m_xemDapAn ? QString::number(m_banSaoDapAn[static_cast<std::size_t>(m_cauDangXem)])
                                  : QString());
}

void FormHocTap::CM_DaThi_Click()
{
    emit moCacLanDaThi();
    if (!m_mt.dangKetThuc())
        hide();
}

void FormHocTap::denCau(int n)
{
    m_cauHoiSo->setText(QString::number(n));
    show();
    raise();
    activateWindow();
}

void FormHocTap::closeEvent(QCloseEvent* e)
{
    e->accept();
    m_mt.ketThucChuongTrinh();
}

}  // namespace thilaixe
