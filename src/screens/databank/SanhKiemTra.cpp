#include "screens/databank/SanhKiemTra.h"

#include "rules/common/Texts.h"
#include "rules/school/Truong.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace thilaixe {

namespace {
// How often the home asks the server whether a course-end test is open.
constexpr int kHoiKiemTraMs = 10000;
}  // namespace

SanhKiemTra::SanhKiemTra(QWidget* cha, KhoTruong& mayChu) : QWidget(cha), m_mayChu(mayChu)
{
    auto* dong = new QHBoxLayout(this);
    dong->setContentsMargins(0, 0, 0, 0);
    m_dong = new QLabel(this);
    m_dong->setObjectName(QStringLiteral("LB_KiemTra"));
    m_dong->setWordWrap(true);
    m_vao = new QPushButton(txt::kTrVaoKiemTra, this);
    m_vao->setObjectName(QStringLiteral("CM_KiemTra"));
    dong->addWidget(m_dong, 1);
    dong->addWidget(m_vao);
    connect(m_vao, &QPushButton::clicked, this, &SanhKiemTra::vao);
    auto* hoi = new QTimer(this);
    hoi->setInterval(kHoiKiemTraMs);
    connect(hoi, &QTimer::timeout, this, [this] {
        if (window()->isActiveWindow())
            capNhat();
    });
    hoi->start();
    capNhat();
}

std::optional<PhienKiemTra> SanhKiemTra::capNhat()
{
    std::optional<PhienKiemTra> p = m_mayChu.phienDangMo();
    m_dong->setText(p ? txt::kTrCoPhien.arg(p->hang).arg(p->phut) : txt::kTrKhongPhien);
    m_vao->setEnabled(p.has_value());
    return p;
}

void SanhKiemTra::daNop() { m_dong->setText(txt::kTrDaNop); }

}  // namespace thilaixe
