#include "bank/HienAnh.h"

#include "bank/AnhCauHoi.h"
#include "bank/DapAn.h"

#include <QLabel>
#include <QPixmap>

#include <cmath>

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

void hienAnhHoacTrong(QLabel* img, double cauHoi)
{
    QImage anh;
    const double n = std::nearbyint(cauHoi);
    if (std::isfinite(n) && n >= 1 && n <= 300
        && taiAnh(TenTepAnh(static_cast<std::int16_t>(n)), img->size(), &anh) == KetQuaTaiAnh::DaTai)
        img->setPixmap(QPixmap::fromImage(anh));
    else
        img->clear();
}

} // namespace thilaixe
