#pragma once

// Searching a bank's texts as a learner types, with or without diacritics:
// "bien bao cam" finds "biển báo cấm".

#include "rules/databank/NganHangCauHoi.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace thilaixe {

// Lower case without diacritics ("Đường" → "duong"); every other character
// kept, so a match's place in the folded text is its place in the original.
QString boDau(const QString& s);

class ChiMucTimKiem final {
public:
    // Folds every question's text, options and explanation once.
    explicit ChiMucTimKiem(const NganHang& nh);
    // Questions whose texts hold every word of `cauHoi` (folded; a number
    // alone also finds that question), in number order; at most `toiDa`.
    std::vector<int> tim(const QString& cauHoi, int toiDa = 200) const;

private:
    std::vector<QString> m_chu;  // m_chu[n - 1]: question n's folded texts
};

}  // namespace thilaixe
