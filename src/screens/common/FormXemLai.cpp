#include "screens/common/FormXemLai.h"

#include "rules/common/Texts.h"

#include "screens/common/BoChonCauHoi.h"
#include "screens/common/DaiTacGia.h"
#include "screens/common/HienAnh.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace thilaixe {

using namespace ui;

FormXemLai::FormXemLai(MoiTruong& mt, const QString& name, const Bo& bo) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(name);
    setFixedSize(bo.client);
    datGiua(this);

    m_img = new KhungAnh(this, bo.img);

    m_cauHoi = new BoChonCauHoi(this, QStringLiteral("Frame2"), txt::kCacCauHoi,
                                {bo.frame2, 240, 1320, QSize(tw(972), tw(330)), phongViet(10)});
    m_cauHoi->setFont(phongViet(10, true));
    datMauChu(m_cauHoi, kDo);
    // The frame's red caption must not pass to the buttons.
    for (int i = 1; i <= 30; ++i)
        m_cauHoi->datMau(i, palette().color(QPalette::ButtonText));
    connect(m_cauHoi, &BoChonCauHoi::chon, this, [this](int i) { hienCau(i); });

    auto* frame1 = new QGroupBox(txt::kChuyenToi, this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(bo.frame1);
    frame1->setFont(phongViet(10, true));
    datMauChu(frame1, kDo);
    m_cmTiep =
        taoNut(frame1, QStringLiteral("CM_Tiep"), txt::kTiep, twRect(160, 360, 972, 372), phongViet(10));
    m_cmVe = taoNut(frame1, QStringLiteral("CM_Ve"), txt::kVe, twRect(1280, 360, 972, 372), phongViet(10));
    for (QPushButton* b : {m_cmTiep, m_cmVe})
        datMauChu(b, Qt::black);
    connect(m_cmTiep, &QPushButton::clicked, this, &FormXemLai::CM_Tiep_Click);
    connect(m_cmVe, &QPushButton::clicked, this, &FormXemLai::CM_Ve_Click);

    coChuVua(taoNhan(this, QStringLiteral("Label1"), txt::kPhuongAnBanTraLoi, twRect(4320, 5760, 2652, 372),
                     kXanhDam, phongViet(12, true), Qt::AlignRight | Qt::AlignVCenter));
    m_lbPhuongAnTL = taoNhan(this, QStringLiteral("LB_PhuongAnTL"), QString(), twRect(7080, 5700, 372, 396),
                             kDoDam, phongSans(12, true), Qt::AlignCenter);
    coChuVua(taoNhan(this, QStringLiteral("Label2"), txt::kDapAnCuaChungToi, twRect(4440, 6240, 2532, 372),
                     kXanhDam, phongViet(12, true), Qt::AlignRight | Qt::AlignVCenter));
    m_lbDapAn = taoNhan(this, QStringLiteral("LB_DapAn"), QString(), twRect(7080, 6204, 372, 396), kDoDam,
                        phongSans(12, true), Qt::AlignCenter);

    m_cmThoat = taoNut(this, QStringLiteral("CM_Thoat"), bo.thoat, bo.cmThoat, phongViet(10.5, true));
    connect(m_cmThoat, &QPushButton::clicked, this, [this] { CM_Thoat_Click(); });

    // Lower left, clear of the score line above it and of the answer
    // captions to its right.
    m_frTen = new DaiTacGia(this, m_mt, QPoint(8, 388));
    DaiTacGia::bieuTuong(this, QPoint(16, 26));
}

void FormXemLai::diToi(int i)
{
    QRadioButton* b = m_cauHoi->nut(i);
    if (!b)
        return;
    if (b->isChecked()) {
        hienCau(i);
        b->setFocus(Qt::OtherFocusReason);
    } else {
        m_cauHoi->chonCau(i);  // selecting it shows the slot
    }
}

void FormXemLai::CM_Tiep_Click()
{
    const int c = m_mt.trangThai().CauHienTai.value_or(0);
    if (c < 30)
        diToi(c + 1);
}

void FormXemLai::CM_Ve_Click()
{
    const int c = m_mt.trangThai().CauHienTai.value_or(0);
    if (c > 1)
        diToi(c - 1);
}

}  // namespace thilaixe
