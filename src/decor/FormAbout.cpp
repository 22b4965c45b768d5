#include "decor/FormAbout.h"

#include "app/Personalisation.h"
#include "app/Texts.h"
#include "app/Ui.h"
#include "decor/DaiTacGia.h"

#include <QLabel>
#include <QPushButton>

namespace thilaixe {

using namespace ui;

FormAbout::FormAbout(QWidget* over) : QWidget(over, Qt::Dialog)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(txt::kTieuDeThongTin);
    setFixedSize(402, 213);
    centre(this);

    m_cmOK = button(this, QStringLiteral("CM_OK"), txt::kDong, QRect(272, 160, 89, 33), fontViet(11));
    auto* img = new QLabel(this);
    img->setObjectName(QStringLiteral("IMG_TG"));
    img->setGeometry(16, 24, 126, 172);
    img->setScaledContents(true);
    img->setPixmap(DaiTacGia::anhTacGia());
    const QFont f = fontViet(12);
    label(this, QStringLiteral("LB1"), txt::kCamOn, QRect(152, 32, 241, 25), kXanh, f);
    label(this, QStringLiteral("LB2"), txt::kLienHe, QRect(152, 56, 241, 25), kXanh, f);
    label(this, QStringLiteral("LB3"), txt::kDTCQ + QLatin1Char(' ') + rieng::kDienThoaiCoQuan,
          QRect(184, 80, 209, 25), kXanh, f);
    label(this, QStringLiteral("Label1"), txt::kDD + rieng::kDienThoaiDiDong, QRect(184, 104, 209, 25), kXanh, f);
    connect(m_cmOK, &QPushButton::clicked, this, &QWidget::close);
    m_cmOK->setFocus(Qt::OtherFocusReason);
}

} // namespace thilaixe
