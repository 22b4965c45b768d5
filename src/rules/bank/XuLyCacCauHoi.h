#pragma once

#include "rules/bank/NgauNhien.h"
#include "rules/common/SharedState.h"

#include <array>
#include <cstdint>

namespace thilaixe {

struct NhomCauHoi {
    std::int16_t thap;
    std::int16_t cao;
};

// 30 groups of consecutive questions; a paper takes one from each.
extern const std::array<NhomCauHoi, 31> kNhom;  // index 0 unused
// 18 layouts: for each slot 1..30, the group that feeds it.
extern const std::array<std::array<std::int8_t, 31>, 19> kMau;  // [layout][slot]

// A whole number between thap and cao, both included; the ends half as
// likely as the inner values (rounding half to even of a float draw).
std::int16_t SoNgauNhien(NguonNgauNhien& src, std::int16_t thap, std::int16_t cao);

// Fills slots 1..30 of CH for the given layout.
void XepDeTheoMau(SharedState& s, NguonNgauNhien& src, std::int16_t mau);

// Chooses a layout (1 and 18 half as likely) and draws the paper into CH.
// Returns the layout drawn.
std::int16_t TaoDeThi(SharedState& s, NguonNgauNhien& src);

}  // namespace thilaixe
