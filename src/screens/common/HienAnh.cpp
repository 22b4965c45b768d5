#include "screens/common/HienAnh.h"

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/common/Texts.h"

#include "screens/common/MoiTruong.h"

#include <QLabel>
#include <QPixmap>

namespace thilaixe {

bool hienAnhCauHoi(MoiTruong& mt, QLabel* img, std::int16_t cauHoi, NoiBaoLoi noi)
{
    QImage anh;
    switch (taiAnh(mt.duongDan(TenTepAnh(cauHoi)), img->size(), &anh)) {
    case KetQuaTaiAnh::DaTai: img->setPixmap(QPixmap::fromImage(anh)); return true;
    case KetQuaTaiAnh::ThieuTep: mt.baoThieuTep(noi); return false;
    case KetQuaTaiAnh::Hong:
        img->setText(txt::kAnhHong.arg(TenTepAnh(cauHoi)));
        img->setAlignment(Qt::AlignCenter);
        return true;
    }
    return false;
}

void hienAnhHoacTrong(const MoiTruong& mt, QLabel* img, std::optional<std::int16_t> cauHoi)
{
    QImage anh;
    if (cauHoi && taiAnh(mt.duongDan(TenTepAnh(*cauHoi)), img->size(), &anh) == KetQuaTaiAnh::DaTai)
        img->setPixmap(QPixmap::fromImage(anh));
    else
        img->clear();
}

}  // namespace thilaixe
