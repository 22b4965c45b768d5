#include "rules/bank/DapAn.h"

#include <cmath>

namespace thilaixe {

// Index 0 is not a question.
// clang-format off
const std::array<std::int16_t, 301> kDapAn = {
    0,
    // 1-30
    2, 2, 1, 2, 1, 3, 3, 1, 1, 2, 1, 4, 4, 4, 2, 1, 2, 1, 2, 1, 3, 2, 4, 4, 1, 1, 1, 4, 4, 4,
    // 31-60
    1, 2, 1, 2, 4, 2, 3, 1, 4, 3, 3, 2, 1, 4, 3, 4, 2, 3, 1, 3, 3, 3, 2, 3, 1, 3, 4, 1, 3, 4,
    // 61-90
    3, 2, 1, 1, 4, 4, 2, 2, 4, 3, 4, 4, 3, 3, 4, 3, 4, 2, 4, 3, 4, 1, 3, 2, 2, 1, 2, 4, 3, 1,
    // 91-120
    3, 3, 4, 2, 1, 2, 4, 3, 3, 2, 1, 2, 2, 3, 1, 4, 4, 1, 1, 3, 2, 1, 1, 2, 1, 1, 2, 3, 2, 1,
    // 121-150
    1, 2, 3, 2, 2, 4, 1, 1, 2, 3, 1, 4, 2, 2, 2, 2, 4, 2, 3, 2, 3, 2, 1, 3, 2, 2, 2, 2, 4, 3,
    // 151-180
    3, 1, 3, 1, 4, 3, 4, 1, 3, 4, 2, 2, 1, 2, 1, 2, 3, 3, 2, 1, 2, 1, 2, 3, 2, 1, 3, 1, 3, 1,
    // 181-210
    4, 1, 4, 3, 1, 2, 3, 2, 2, 2, 1, 2, 2, 4, 1, 3, 1, 2, 1, 3, 2, 1, 1, 1, 3, 1, 3, 3, 3, 2,
    // 211-240
    1, 2, 1, 2, 3, 1, 3, 3, 2, 1, 2, 2, 2, 2, 1, 2, 1, 2, 1, 2, 3, 1, 2, 3, 3, 2, 1, 2, 2, 3,
    // 241-270
    2, 2, 3, 1, 3, 3, 2, 4, 2, 3, 2, 1, 4, 3, 1, 2, 1, 2, 2, 1, 1, 2, 1, 1, 2, 2, 1, 3, 1, 2,
    // 271-300
    1, 1, 3, 2, 2, 4, 3, 1, 2, 1, 2, 1, 2, 4, 1, 2, 3, 2, 1, 2, 3, 3, 3, 1, 3, 2, 3, 1, 3, 1,
};

const std::array<std::int16_t, 301> kSoPhuongAn = {
    0,
    // 1-30
    2, 2, 3, 2, 3, 3, 3, 2, 3, 2, 3, 4, 4, 4, 2, 3, 3, 3, 3, 3, 3, 3, 4, 4, 2, 2, 3, 4, 4, 4,
    // 31-60
    3, 2, 4, 3, 4, 2, 3, 3, 4, 3, 3, 2, 3, 4, 3, 4, 2, 3, 4, 3, 3, 3, 3, 3, 2, 3, 4, 3, 3, 4,
    // 61-90
    4, 3, 3, 4, 4, 4, 3, 3, 4, 3, 4, 4, 3, 3, 4, 3, 4, 2, 4, 3, 4, 2, 4, 2, 3, 2, 3, 4, 4, 3,
    // 91-120
    4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 2, 2, 2, 3, 2, 4, 4, 3, 2, 3, 2, 2, 3, 2, 2, 3, 3, 3, 2, 2,
    // 121-150
    3, 3, 4, 2, 3, 4, 3, 3, 3, 3, 2, 4, 2, 2, 2, 3, 4, 2, 3, 2, 3, 2, 2, 3, 2, 2, 2, 3, 4, 3,
    // 151-180
    4, 4, 4, 4, 4, 3, 4, 3, 4, 4, 4, 3, 3, 3, 4, 3, 3, 3, 4, 3, 3, 3, 3, 4, 3, 3, 3, 3, 3, 2,
    // 181-210
    4, 3, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3, 3, 2, 3, 4, 4, 4, 2, 2, 2, 4, 4, 4, 3, 3, 2,
    // 211-240
    3, 2, 3, 3, 3, 2, 3, 3, 2, 2, 3, 3, 2, 2, 2, 2, 2, 3, 3, 3, 3, 2, 3, 3, 3, 3, 3, 3, 3, 3,
    // 241-270
    3, 3, 3, 3, 3, 3, 3, 4, 3, 3, 4, 4, 4, 4, 2, 2, 3, 3, 2, 3, 2, 2, 2, 3, 2, 4, 3, 4, 4, 3,
    // 271-300
    3, 4, 4, 2, 2, 4, 4, 3, 2, 2, 2, 2, 4, 4, 4, 2, 4, 4, 2, 2, 4, 3, 4, 2, 3, 3, 3, 3, 3, 4,
};
// clang-format on

void NapDapAn(SharedState& s)
{
    for (int q = 0; q <= kSoCauHoi; ++q)
        s.DapAn[q] = kDapAn[static_cast<std::size_t>(q)];
}

void NapSoPhuongAn(SharedState& s)
{
    for (int q = 0; q <= kSoCauHoi; ++q)
        s.SoPhuongAn[q] = kSoPhuongAn[static_cast<std::size_t>(q)];
}

std::optional<std::int16_t> cauHoiHopLe(std::optional<double> so)
{
    if (!so || !std::isfinite(*so) || *so != std::floor(*so) || *so < 1 || *so > kSoCauHoi)
        return std::nullopt;
    return static_cast<std::int16_t>(*so);
}

std::optional<std::int16_t> dapAnCua(const SharedState& s, std::optional<double> cauHoi)
{
    const std::optional<std::int16_t> q = cauHoiHopLe(cauHoi);
    return q ? std::optional<std::int16_t>(s.DapAn[*q]) : std::nullopt;
}

bool laDung(const SharedState& s, std::optional<double> cauHoi, std::optional<double> traLoi)
{
    const std::optional<std::int16_t> dapAn = dapAnCua(s, cauHoi);
    return dapAn && traLoi && *traLoi == *dapAn;
}

QString TenTepAnh(std::int16_t n)
{
    const QString so = QString::number(n < 0 ? -static_cast<int>(n) : n);
    switch (so.size()) {
    case 1: return QStringLiteral("00") + so + QStringLiteral(".jpg");
    case 2: return QStringLiteral("0") + so + QStringLiteral(".jpg");
    case 3: return so + QStringLiteral(".jpg");
    default: return QString();
    }
}

}  // namespace thilaixe
