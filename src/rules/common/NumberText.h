#pragma once

#include <QString>

namespace thilaixe {

// Number as shown in captions that keep a sign position: one blank before a
// non-negative number (" 5"), the minus sign otherwise ("-5").
inline QString soCoDau(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

// Plain decimal text, no blank.
inline QString soTron(long long n) { return QString::number(n); }

// Numeric value of the number a text starts with: leading blanks skipped,
// an optional sign, digits with an optional decimal point. A text that does
// not start with a number is worth 0.
double giaTriSo(QStringView text);

}  // namespace thilaixe
