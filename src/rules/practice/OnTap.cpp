#include "rules/practice/OnTap.h"

#include "rules/history/TepAnToan.h"

#include <QFile>
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
    if (t.isEmpty() || t.size() > 6
        || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int v = t.toInt();
    return v >= thap && v <= cao ? std::optional<int>(v) : std::nullopt;
}

}  // namespace

bool SoOnTap::gopLanThi(const std::vector<LanThi>& ds)
{
    bool doi = false;
    QSet<QByteArray> conGiu;
    for (const LanThi& l : ds) {
        conGiu.insert(l.khoa);
        if (daGop.contains(l.khoa))
            continue;
        for (int i = 1; i <= kSoCau; ++i) {
            const int q = l.cau[static_cast<std::size_t>(i)];
            if (q != 0 && !l.dung[static_cast<std::size_t>(i)]) {
                MucOnTap& m = muc[static_cast<std::size_t>(q)];
                m.canOn = true;
                m.dungLienTiep = 0;
            }
        }
        daGop.insert(l.khoa);
        doi = true;
    }
    const qsizetype truoc = daGop.size();
    daGop.intersect(conGiu);
    return doi || daGop.size() != truoc;
}

bool SoOnTap::traLoi(int cau, bool dung)
{
    if (cau < 1 || cau > kSoCauHoi)
        return false;
    MucOnTap& m = muc[static_cast<std::size_t>(cau)];
    if (!dung) {
        ++m.sai;
        m.dungLienTiep = 0;
        return false;
    }
    ++m.dung;
    if (!m.canOn)
        return false;
    if (++m.dungLienTiep < kDungDeXong)
        return false;
    m.canOn = false;
    m.dungLienTiep = 0;
    return true;
}

std::vector<int> SoOnTap::danhSach(const std::vector<LanThi>& ds) const
{
    const CauSai sai = demCauSai(ds);
    std::vector<int> kq;
    for (int q = 1; q <= kSoCauHoi; ++q)
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
    for (int q = 1; q <= kSoCauHoi; ++q) {
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
    if (!dong.isEmpty() && dong.last().isEmpty())
        dong.removeLast();  // the last line's break
    if (dong.isEmpty() || dong.first() != kDauTep)
        return std::nullopt;
    SoOnTap so;
    std::array<bool, kSoCauHoi + 1> daCo{};
    for (qsizetype i = 1; i < dong.size(); ++i) {
        const QList<QByteArray> o = dong[i].split(' ');
        if (o.size() == 2 && o[0] == "exam" && laKhoa(o[1]) && so.daGop.size() < kSoLanLuu
            && !so.daGop.contains(o[1])) {
            so.daGop.insert(o[1]);
            continue;
        }
        if (o.size() != 6 || o[0] != "q")
            return std::nullopt;
        const auto q = soNguyen(o[1], 1, kSoCauHoi);
        const auto canOn = soNguyen(o[2], 0, 1);
        const auto lienTiep = soNguyen(o[3], 0, kDungDeXong - 1);
        const auto dung = soNguyen(o[4], 0, 999999);
        const auto sai = soNguyen(o[5], 0, 999999);
        if (!q || !canOn || !lienTiep || !dung || !sai || daCo[static_cast<std::size_t>(*q)])
            return std::nullopt;
        daCo[static_cast<std::size_t>(*q)] = true;
        so.muc[static_cast<std::size_t>(*q)] = {*canOn == 1, *lienTiep, *dung, *sai};
    }
    return so;
}

KhoOnTap::TrangThaiDoc KhoOnTap::napLai()
{
    m_so = {};
    QFile f;
    TrangThaiDoc kq = TrangThaiDoc::Hong;
    switch (moDeDoc(m_tep, f)) {
    case KetQuaMo::ThieuTep: kq = TrangThaiDoc::Moi; break;
    case KetQuaMo::LoiKhac: break;
    case KetQuaMo::DaMo:
        if (const std::optional<SoOnTap> so = SoOnTap::docVao(f.read(kOnTapToiDa + 1))) {
            m_so = *so;
            kq = TrangThaiDoc::DaDoc;
        }
        break;
    }
    for (const ThayDoi& d : m_choGhi)
        d(m_so);
    return kq;
}

bool KhoOnTap::gopLanThi(const std::vector<LanThi>& ds, QString* loi)
{
    SoOnTap thu = m_so;
    if (!thu.gopLanThi(ds) && m_choGhi.empty())
        return true;
    return capNhat([ds](SoOnTap& so) { so.gopLanThi(ds); }, loi);
}

bool KhoOnTap::traLoi(int cau, bool dung, bool* roi, QString* loi)
{
    // Whether it took the question out, as the boxes here see it.
    const bool coTrongDanhSach =
        cau >= 1 && cau <= kSoCauHoi && m_so.muc[static_cast<std::size_t>(cau)].canOn;
    const bool ghiDuoc = capNhat([cau, dung](SoOnTap& so) { so.traLoi(cau, dung); }, loi);
    if (roi)
        *roi = coTrongDanhSach && !m_so.muc[static_cast<std::size_t>(cau)].canOn;
    return ghiDuoc;
}

bool KhoOnTap::capNhat(ThayDoi thayDoi, QString* loi)
{
    SoOnTap moi;
    const bool ghiDuoc = thayTheTep(
        m_tep,
        [&](QFile* cu) {
            // The file as it stands now; a damaged one starts afresh. What
            // waits to be written goes in first, in its order.
            std::optional<SoOnTap> dangCo;
            if (cu)
                dangCo = SoOnTap::docVao(cu->read(kOnTapToiDa + 1));
            moi = dangCo.value_or(SoOnTap{});
            for (const ThayDoi& d : m_choGhi)
                d(moi);
            thayDoi(moi);
            return moi.vietRa();
        },
        loi);
    if (ghiDuoc) {
        m_so = moi;
        m_choGhi.clear();
    } else {
        thayDoi(m_so);
        m_choGhi.push_back(std::move(thayDoi));
    }
    return ghiDuoc;
}

}  // namespace thilaixe
