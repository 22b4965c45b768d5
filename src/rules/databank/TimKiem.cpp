#include "rules/databank/TimKiem.h"

namespace thilaixe {

QString boDau(const QString& s)
{
    QString kq;
    kq.reserve(s.size());
    for (const QChar c : s) {
        if (c == QChar(0x0110) || c == QChar(0x0111)) {  // Đ đ
            kq += QLatin1Char('d');
            continue;
        }
        const ushort u = c.unicode();
        // A decomposed text's marks stand alone: they are dropped as the
        // composed letters' are.
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (u < 0x80) {
            kq += c.toLower();
            continue;
        }
        // The base letter of a precomposed Vietnamese letter.
        const QString tach = QString(c).normalized(QString::NormalizationForm_D);
        QChar goc = tach.isEmpty() ? c : tach.front();
        kq += goc.toLower();
    }
    return kq;
}

ChiMucTimKiem::ChiMucTimKiem(const NganHang& nh)
{
    m_chu.reserve(nh.cauHoi.size());
    for (const CauHoiNganHang& c : nh.cauHoi) {
        QString t = c.noiDung;
        for (const QString& p : c.phuongAn)
            t += QLatin1Char('\n') + p;
        t += QLatin1Char('\n') + c.giaiThich;
        m_chu.push_back(boDau(t));
    }
}

std::vector<int> ChiMucTimKiem::tim(const QString& cauHoi, int toiDa) const
{
    const QStringList tu = boDau(cauHoi).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<int> kq;
    if (tu.isEmpty())
        return kq;
    bool laSo = false;
    const int so = tu.size() == 1 ? tu.front().toInt(&laSo) : 0;
    if (laSo && so >= 1 && so <= static_cast<int>(m_chu.size()))
        kq.push_back(so);
    for (std::size_t i = 0; i < m_chu.size() && static_cast<int>(kq.size()) < toiDa; ++i) {
        const int n = static_cast<int>(i) + 1;
        if (laSo && n == so)
            continue;
        bool du = true;
        for (const QString& t : tu)
            if (!m_chu[i].contains(t)) {
                du = false;
                break;
            }
        if (du)
            kq.push_back(n);
    }
    return kq;
}

}  // namespace thilaixe
