#include "bank/HienAnh.h"

#include "bank/AnhCauHoi.h"
#include "bank/DapAn.h"

#include <QLabel>
#include <QPixmap>

namespace thilaixe {

bool hienAnhCauHoi(App& app, QLabel* img, std::int16_t cauHoi, NoiBaoLoi noi)
{
    QImage anh;
    switch (taiAnh(TenTepAnh(cauHoi), img->size(), &anh)) {
    case KetQuaTaiAnh::DaTai:
        img->setPixmap(QPixmap::fromImage(anh));
        return true;
    case KetQuaTaiAnh::ThieuTep:
        app.baoThieuTep(noi);
        return false;
    case KetQuaTaiAnh::Hong:
        return false;
    }
    return false;
}

void hienAnhHoacTrong(QLabel* img, std::optional<std::int16_t> cauHoi)
{
    QImage anh;
    if (cauHoi && taiAnh(TenTepAnh(*cauHoi), img->size(), &anh) == KetQuaTaiAnh::DaTai)
        img->setPixmap(QPixmap::fromImage(anh));
    else
        img->clear();
}

} // namespace thilaixe
