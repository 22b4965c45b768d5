#pragma once

#include "app/SharedState.h"

#include <QString>

#include <array>
#include <cstdint>

namespace thilaixe {

// The correct option and the number of options of every question, 1..300.
extern const std::array<std::int16_t, 301> kDapAn;
extern const std::array<std::int16_t, 301> kSoPhuongAn;

void NapDapAn(SharedState& s);
void NapSoPhuongAn(SharedState& s);

// Picture file of question n: three digits and ".jpg"; empty past 999.
QString TenTepAnh(std::int16_t n);

} // namespace thilaixe
