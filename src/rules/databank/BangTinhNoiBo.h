#pragma once

// What the readers of the sheet's kinds share; not for other files.

#include "rules/databank/BangTinh.h"

namespace thilaixe::bang {

// A cell's text is cut at this length (a question is at most 4,000).
constexpr int kDoDaiOToiDa = 32768;

inline void datLoi(QString* loi, const QString& vi)
{
    if (loi)
        *loi = vi;
}

// Puts a cell at (row, column), growing the rows to it: a fault past the
// bounds of a sheet.
bool datO(BangTinh& bt, int dong, int cot, OBangTinh o, QString* loi);

// Marks a merged range: its first cell, and the others it covers among the
// rows and columns there are (a range over a whole column makes no rows).
void danhDauGop(BangTinh& bt, int d1, int c1, int d2, int c2);

std::optional<BangTinh> docZip(const QByteArray& noiDung, DangBangTinh dang, QString* loi,
                               const std::function<void(int, int)>& tienDo);

}  // namespace thilaixe::bang
