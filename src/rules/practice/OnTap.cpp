#include "rules/practice/OnTap.h"

#include <QList>

#include <algorithm>

namespace thilaixe {

namespace {

const QByteArray kDauTep = QByteArrayLiteral("thilaixe practice 1");

bool laKhoa(const QByteArray& k)
{
    return k.size() == 16 && std::all_of(k.begin(), k.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::optional<int> soNguyen(const QByteArray& t, int thap, int cao)
{
    if (t.isEmpty() || t.size() > 9
        || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int v = t.toInt();
    return v >= thap && v <= cao ? std::optional<int>(v) : std::nullopt;
}

}  // namespace

void boVaoDanhSach(MucOnTap& m)
{
    m.canOn = true;
    m.dungLienTiep = 0;
}

std::vector<int> cauBiSai(const LanThi& l)
{
    std::vector<int> kq;
    for (int i = 1; i <= l.soCau(); ++i)
        if (!l.dung[static_cast<std::size_t>(i)])
            kq.push_back(l.cau[static_cast<std::size_t>(i)]);
    return kq;
}

bool SoOnTap::gopLanThi(const std::vector<LanThi>& ds)
{
    bool doi = false;
    QSet<QByteArray> conGiu;
    for (const LanThi& l : ds) {
        conGiu.insert(l.khoa);
        if (daGop.contains(l.khoa))
            continue;
        for (int q : cauBiSai(l))
            if (coCau(q))
                boVaoDanhSach(muc[static_cast<std::size_t>(q)]);
        daGop.insert(l.khoa);
        doi = true;
    }
    const qsizetype truoc = daGop.size();
    daGop.intersect(conGiu);
    return doi || daGop.size() != truoc;
}

bool traLoiMuc(MucOnTap& m, bool dung)
{
    if (!dung) {
        if (m.sai < kDemToiDa)
            ++m.sai;
        m.dungLienTiep = 0;
        return false;
    }
    if (m.dung < kDemToiDa)
        ++m.dung;
    if (!m.canOn)
        return false;
    if (++m.dungLienTiep < kDungDeXong)
        return false;
    m.canOn = false;
    m.dungLienTiep = 0;
    return true;
}

bool SoOnTap::traLoi(int cau, bool dung)
{
    return coCau(cau) && traLoiMuc(muc[static_cast<std::size_t>(cau)], dung);
}

std::vector<int> SoOnTap::danhSach(const std::vector<LanThi>& ds) const
{
    const CauSai sai = demCauSai(ds, soCauHoi());
    std::vector<int> kq;
    for (int q = 1; q <= soCauHoi(); ++q)
        if (muc[static_cast<std::size_t>(q)].canOn)
            kq.push_back(q);
    std::stable_sort(kq.begin(), kq.end(), [&](int a, int b) {
        const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
        if (sai.soLan[ia] != sai.soLan[ib])
            return sai.soLan[ia] > sai.soLan[ib];
        return sai.lanCuoi[ia] > sai.lanCuoi[ib];
    });
    return kq;
}

QByteArray SoOnTap::vietRa() const
{
    QByteArray t = kDauTep + '\n';
    QList<QByteArray> khoa(daGop.begin(), daGop.end());
    std::sort(khoa.begin(), khoa.end());
    for (const QByteArray& k : khoa)
        t += "exam " + k + '\n';
    for (int q = 1; q <= soCauHoi(); ++q) {
        const MucOnTap& m = muc[static_cast<std::size_t>(q)];
        if (m == MucOnTap{})
            continue;
        t += "q " + QByteArray::number(q) + ' ' + QByteArray::number(m.canOn ? 1 : 0) + ' '
             + QByteArray::number(m.dungLienTiep) + ' ' + QByteArray::number(m.dung) + ' '
             + QByteArray::number(m.sai) + '\n';
    }
    return t;
}

std::optional<SoOnTap> SoOnTap::docVao(const QByteArray& noiDung)
{
    if (noiDung.size() > kOnTapToiDa)
        return std::nullopt;
    QList<QByteArray> dong = noiDung.split('\n');
    // A file that went through a Windows editor: its line ends are CR LF.
    for (QByteArray& d : dong)
        if (d.endsWith('\r'))
            d.chop(1);
    if (!dong.isEmpty() && dong.last().isEmpty())
        dong.removeLast();  // the last line's break
    if (dong.isEmpty() || dong.first() != kDauTep)
        return std::nullopt;
    SoOnTap onTap;
    std::array<bool, kSoCauHoi + 1> daCo{};
    for (qsizetype i = 1; i < dong.size(); ++i) {
        const QList<QByteArray> o = dong[i].split(' ');
        if (o.size() == 2 && o[0] == "exam" && laKhoa(o[1]) && onTap.daGop.size() < kSoLanLuu
            && !onTap.daGop.contains(o[1])) {
            onTap.daGop.insert(o[1]);
            continue;
        }
        if (o.size() != 6 || o[0] != "q")
            return std::nullopt;
        const auto q = soNguyen(o[1], 1, kSoCauHoi);
        const auto canOn = soNguyen(o[2], 0, 1);
        const auto lienTiep = soNguyen(o[3], 0, kDungDeXong - 1);
        const auto dung = soNguyen(o[4], 0, kDemToiDa);
        const auto sai = soNguyen(o[5], 0, kDemToiDa);
        if (!q || !canOn || !lienTiep || !dung || !sai || daCo[static_cast<std::size_t>(*q)])
            return std::nullopt;
        daCo[static_cast<std::size_t>(*q)] = true;
        onTap.muc[static_cast<std::size_t>(*q)] = {*canOn == 1, *lienTiep, *dung, *sai};
    }
    return onTap;
}

}  // namespace thilaixe
