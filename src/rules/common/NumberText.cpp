#include "rules/common/NumberText.h"

namespace thilaixe {

double giaTriSo(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    double sign = 1.0;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            sign = -1.0;
        ++i;
    }
    double value = 0.0;
    // Enough digits to pass any real question number; longer runs only
    // saturate, they never overflow.
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        if (digits < 18)
            value = value * 10.0 + (text[i].unicode() - '0');
        else
            value = value < 1e300 ? value * 10.0 : value;
        ++digits;
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        double scale = 0.1;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            value += scale * (text[i].unicode() - '0');
            scale /= 10.0;
            ++i;
        }
    }
    return sign * value;
}

}  // namespace thilaixe
