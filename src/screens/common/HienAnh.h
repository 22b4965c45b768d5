#pragma once

#include <cstdint>
#include <optional>

class QLabel;

namespace thilaixe {

class MoiTruong;
enum class NoiBaoLoi;

// The rule every screen that must have its picture follows (exam sheet,
// study form): a missing file shows the missing-file message and ends the
// program; a file that does not decode is silent. Either way the caller's
// remaining steps do not run (false). The box keeps its previous picture.
bool hienAnhCauHoi(MoiTruong& mt, QLabel* img, std::int16_t cauHoi, NoiBaoLoi noi);

// The reviews go on without a picture: no question, or a picture that does
// not load, empties the box.
void hienAnhHoacTrong(const MoiTruong& mt, QLabel* img, std::optional<std::int16_t> cauHoi);

}  // namespace thilaixe
