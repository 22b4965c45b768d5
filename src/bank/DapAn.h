#pragma once

#include "app/SharedState.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace thilaixe {

// The correct option and the number of options of every question, 1..300.
extern const std::array<std::int16_t, 301> kDapAn;
extern const std::array<std::int16_t, 301> kSoPhuongAn;

void NapDapAn(SharedState& s);
void NapSoPhuongAn(SharedState& s);

// The question a stored number names: a whole number from 1 to 300, or
// nothing (a damaged history record).
std::optional<std::int16_t> cauHoiHopLe(std::optional<double> so);

// Picture file of question n: three digits and ".jpg"; empty past 999.
QString TenTepAnh(std::int16_t n);

} // namespace thilaixe
