#include "screens/common/FormAbout.h"

#include "rules/common/Texts.h"

#include "screens/common/DaiTacGia.h"
#include "screens/common/Personalisation.h"
#include "screens/common/Ui.h"

#include <QLabel>
#include <QPushButton>

namespace thilaixe {

using namespace ui;

FormAbout::FormAbout(QWidget* over) : QWidget(over, Qt::Dialog)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(txt::kTieuDeThongTin);
    setFixedSize(402, 213);
    datGiua(this);

    m_cmOK = taoNut(this, QStringLiteral("CM_OK"), txt::kDong, QRect(272, 160, 89, 33), phongViet(11));
    auto* img = new QLabel(this);
    img->setObjectName(QStringLiteral("IMG_TG"));
    img->setGeometry(16, 24, 126, 172);
    img->setScaledContents(true);
    img->setPixmap(DaiTacGia::anhTacGia());
    img->setAccessibleName(txt::kTtAnhTacGia);
    const QFont f = phongViet(12);
    taoNhan(this, QStringLiteral("LB1"), txt::kCamOn, QRect(152, 32, 241, 25), kXanh, f);
    taoNhan(this, QStringLiteral("LB2"), txt::kLienHe, QRect(152, 56, 241, 25), kXanh, f);
    taoNhan(this, QStringLiteral("LB3"), txt::kDTCQ + QLatin1Char(' ') + rieng::kDienThoaiCoQuan,
            QRect(184, 80, 209, 25), kXanh, f);
    taoNhan(this, QStringLiteral("Label1"), txt::kDD + rieng::kDienThoaiDiDong, QRect(184, 104, 209, 25),
            kXanh, f);
    connect(m_cmOK, &QPushButton::clicked, this, &QWidget::close);
    m_cmOK->setFocus(Qt::OtherFocusReason);
}

}  // namespace thilaixe
