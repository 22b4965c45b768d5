#pragma once

class QWidget;

namespace thilaixe {

// Applies a theme to a window: 0 the desktop's, 1 light, 2 dark, 3 high
// contrast. Meanings never rest on colour alone in these windows.
void apDungGiaoDien(QWidget* w, int giaoDien);
// The same on a window whose colours are fixed where its design fixes them:
// only its buttons whose colours nothing fixed take the theme's.
void apDungGiaoDienCoDien(QWidget* w, int giaoDien);

}  // namespace thilaixe
