#pragma once

#include <QByteArray>
#include <QString>

namespace thilaixe {

// TCVN3 (VN3) 8-bit text, used only at the history file's boundary.
QString giaiMaTCVN3(const QByteArray& bytes);
// Letters without a TCVN3 byte become '?'.
QByteArray maHoaTCVN3(const QString& text);

}  // namespace thilaixe
