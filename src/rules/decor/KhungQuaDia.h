#pragma once

#include <QImage>
#include <QSize>

namespace thilaixe {

// Draws frame k (1..15) of the turning globe onto an image of the given
// size: the blue outline, eleven red parallels (every 15 degrees from 75 S
// to 75 N, the equator among them) and twelve blue meridians turned by k
// degrees, front halves only. `tiLe` is the screen's pixels per logical
// pixel: the lines keep their width on a high-density screen.
QImage veKhungQuaDia(int k, QSize size, qreal tiLe = 1);

}  // namespace thilaixe
