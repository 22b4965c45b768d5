#pragma once

#include <QImage>
#include <QSize>

namespace thilaixe {

// Draws frame k (1..15) of the turning globe onto an image of the given
// size: the blue outline and meridians, the red equator.
QImage veKhungQuaDia(int k, QSize size);

}  // namespace thilaixe
