#include "screens/common/HienAnh.h"

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/common/Texts.h"

#include "screens/common/MoiTruong.h"

#include <QPainter>
#include <QPixmap>

namespace thilaixe {

KhungAnh::KhungAnh(QWidget* parent, const QRect& r) : QLabel(parent)
{
    setObjectName(QStringLiteral("Img"));
    setAccessibleName(txt::kTtKhongCoAnh);
    setGeometry(r);
    setScaledContents(true);
}

void KhungAnh::paintEvent(QPaintEvent* e)
{
    const QPixmap anh = pixmap();
    if (anh.isNull()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(contentsRect(), anh);
}

namespace {

// Decodes at the screen's pixels, not the box's logical size: sharp at any
// scale (a 400x300 box at 2x shows 800x600 pixels of the picture).
KetQuaTaiAnh taiAnhCho(const QLabel* img, const QString& tep, QPixmap* pixmap)
{
    const qreal tiLe = img->devicePixelRatioF();
    QImage anh;
    const KetQuaTaiAnh kq = taiAnh(tep, (QSizeF(img->size()) * tiLe).toSize(), &anh);
    if (kq == KetQuaTaiAnh::DaTai) {
        *pixmap = QPixmap::fromImage(std::move(anh));
        pixmap->setDevicePixelRatio(tiLe);
    }
    return kq;
}

}  // namespace

bool hienAnhCauHoi(MoiTruong& mt, QLabel* img, std::int16_t cauHoi, NoiBaoLoi noi)
{
    QPixmap anh;
    switch (taiAnhCho(img, mt.duongDan(TenTepAnh(cauHoi)), &anh)) {
    case KetQuaTaiAnh::DaTai:
        img->setPixmap(anh);
        img->setAccessibleName(txt::kTtAnh.arg(cauHoi));
        return true;
    case KetQuaTaiAnh::ThieuTep: mt.baoThieuTep(noi); return false;
    case KetQuaTaiAnh::Hong:
        img->setText(txt::kAnhHong.arg(TenTepAnh(cauHoi)));
        img->setAccessibleName(txt::kTtAnhHong.arg(cauHoi));
        img->setAlignment(Qt::AlignCenter);
        return true;
    }
    return false;
}

void hienAnhHoacTrong(const MoiTruong& mt, QLabel* img, std::optional<std::int16_t> cauHoi)
{
    QPixmap anh;
    if (cauHoi && taiAnhCho(img, mt.duongDan(TenTepAnh(*cauHoi)), &anh) == KetQuaTaiAnh::DaTai) {
        img->setPixmap(anh);
        img->setAccessibleName(txt::kTtAnh.arg(*cauHoi));
    } else {
        img->clear();
        img->setAccessibleName(txt::kTtKhongCoAnh);
    }
}

}  // namespace thilaixe
