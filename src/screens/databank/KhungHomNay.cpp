#include "screens/databank/KhungHomNay.h"

#include "rules/common/Texts.h"
#include "rules/session/KeHoach.h"

#include "screens/common/Ui.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace thilaixe {

namespace {
// The limit's bounds, in questions or minutes.
constexpr int kGioiHanNhoNhat = 5, kGioiHanLonNhat = 500;
}  // namespace

KhungHomNay::KhungHomNay(QWidget* cha) : QWidget(cha)
{
    auto* doc = new QVBoxLayout(this);
    doc->setContentsMargins(0, 0, 0, 0);
    auto* dong = new QHBoxLayout;
    m_nut = new QPushButton(txt::kDlHomNay, this);
    m_nut->setObjectName(QStringLiteral("CM_HomNay"));
    m_nut->setMinimumHeight(44);
    QFont dam = m_nut->font();
    dam.setBold(true);
    m_nut->setFont(dam);
    m_dong = new QLabel(this);
    m_dong->setObjectName(QStringLiteral("LB_HomNay"));
    m_dong->setWordWrap(true);
    auto* nhanGioiHan = new QLabel(txt::kDlGioiHan, this);
    m_gioiHan = new QSpinBox(this);
    m_gioiHan->setObjectName(QStringLiteral("SB_GioiHan"));
    m_gioiHan->setRange(kGioiHanNhoNhat, kGioiHanLonNhat);
    nhanGioiHan->setBuddy(m_gioiHan);
    m_donVi = new QComboBox(this);
    m_donVi->setObjectName(QStringLiteral("CB_DonViGioiHan"));
    m_donVi->addItems(QStringList(std::begin(txt::kDlDonViGioiHan), std::end(txt::kDlDonViGioiHan)));
    m_donVi->setAccessibleName(txt::kDlTtDonViGioiHan);
    dong->addWidget(m_nut);
    dong->addWidget(m_dong, 1);
    dong->addWidget(nhanGioiHan);
    dong->addWidget(m_gioiHan);
    dong->addWidget(m_donVi);
    doc->addLayout(dong);
    // Behind: one line, the exam day's readiness beside it, and the offer.
    m_cham = new QWidget(this);
    auto* cham = new QHBoxLayout(m_cham);
    cham->setContentsMargins(0, 0, 0, 0);
    m_dongCham = new QLabel(m_cham);
    m_dongCham->setObjectName(QStringLiteral("LB_ChamTienDo"));
    m_dongCham->setWordWrap(true);
    ui::datMauNghia(m_dongCham, ui::Nghia::Xau);
    m_sanSang = new QLabel(m_cham);
    m_sanSang->setObjectName(QStringLiteral("LB_SanSangNgayThi"));
    m_sanSang->setWordWrap(true);
    m_nang = new QPushButton(m_cham);
    m_nang->setObjectName(QStringLiteral("CM_NangGioiHan"));
    cham->addWidget(m_dongCham, 3);
    cham->addWidget(m_sanSang, 1);
    cham->addWidget(m_nang);
    doc->addWidget(m_cham);
    m_cham->hide();
    connect(m_nut, &QPushButton::clicked, this, &KhungHomNay::moHomNay);
    connect(m_gioiHan, &QSpinBox::valueChanged, this,
            [this](int n) { emit daDoiGioiHan(n, m_donVi->currentIndex() == 1); });
    connect(m_donVi, &QComboBox::currentIndexChanged, this,
            [this](int i) { emit daDoiGioiHan(m_gioiHan->value(), i == 1); });
    connect(m_nang, &QPushButton::clicked, this, [this] {
        if (m_deNghi > 0)
            m_gioiHan->setValue(m_deNghi);  // said, and kept, through valueChanged
    });
}

void KhungHomNay::hien(const KeHoachNgay& k, int gioiHan, bool theoPhut, int giayMoiCau,
                       const QString& sanSang)
{
    {
        const QSignalBlocker a(m_gioiHan), b(m_donVi);
        m_gioiHan->setValue(gioiHan);
        m_donVi->setCurrentIndex(theoPhut ? 1 : 0);
    }
    QString dong =
        txt::kDlDongHomNay.arg(k.denHan.size()).arg(k.moi.size()).arg(k.soChuaGap).arg(k.soTrongBo);
    if (k.nhoNgayThi)
        dong += txt::kDlNhoNgayThi.arg(ui::phanTram(*k.nhoNgayThi));
    m_dong->setText(dong);
    m_nut->setAccessibleDescription(dong);
    m_cham->setVisible(k.khongKip);
    m_deNghi = 0;
    if (!k.khongKip)
        return;
    // What a day needs, in the limit's own unit; never past its top.
    const int can = theoPhut ? (k.canMoiNgay * giayMoiCau + 59) / 60 : k.canMoiNgay;
    const QString donVi = txt::kDlDonViGioiHan[theoPhut ? 1 : 0];
    m_deNghi = std::min(can, kGioiHanLonNhat);
    m_dongCham->setText(can > kGioiHanLonNhat
                            ? txt::kDlKhongKip.arg(k.soChuaGap).arg(k.soTrongBo)
                            : txt::kDlChamTienDo.arg(k.soTrongBo).arg(can).arg(donVi).arg(gioiHan));
    m_sanSang->setText(sanSang);
    m_sanSang->setVisible(!sanSang.isEmpty());
    m_nang->setText(txt::kDlNangGioiHan.arg(m_deNghi).arg(donVi));
    m_nang->setVisible(m_deNghi > gioiHan);
    m_nang->setAccessibleDescription(m_dongCham->text());
}

}  // namespace thilaixe
