#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QWidget;

namespace thilaixe {

class MoiTruong;

// How large a window of a bank opens, and that the learner's size is kept.
//
// It opens at `mongMuon` (or at the size the learner left it at), never
// larger than the screen's free area less the window's frame, and in the
// middle of that area; when it is hidden its size is kept for the
// learner, under its object name. A question's windows ask for more than
// any screen has, and so fill the free area.
void moCoCuaSo(QWidget* cuaSo, MoiTruong& mt, qint64 hoSo, QSize mongMuon);

// The same in a free area given (a test's screen, or the one the window is
// on): what the window's outer frame is given, and where it goes.
void datCoTrongVung(QWidget* cuaSo, QSize mongMuon, const QRect& vung);

// What a question's window asks for: as much as the screen has, up to a
// size whose lines are still short enough to read.
inline constexpr QSize kCoCuaSoCauHoi{1680, 1050};

}  // namespace thilaixe
