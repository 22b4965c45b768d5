#pragma once

#include "rules/common/SharedState.h"

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

// The key's option for a stored question number, or nothing when the
// number is not a question of the bank.
std::optional<std::int16_t> dapAnCua(const SharedState& s, std::optional<double> cauHoi);

// The one rule of a right answer: the slot names a question of the bank, it
// was answered, and the answer is the key's option.
bool laDung(const SharedState& s, std::optional<double> cauHoi, std::optional<double> traLoi);

// Picture file of question n: three digits and ".jpg"; empty past 999.
QString TenTepAnh(std::int16_t n);

}  // namespace thilaixe
