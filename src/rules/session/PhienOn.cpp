#include "rules/session/PhienOn.h"

#include <algorithm>

namespace thilaixe {

int soDaThuoc(const std::vector<int>& liet, const QHash<int, int>& soNgay)
{
    return static_cast<int>(
        std::count_if(liet.begin(), liet.end(), [&](int c) { return daThuoc(soNgay.value(c)); }));
}

std::vector<int> hangDoiDiemLiet(const std::vector<int>& liet, const QHash<int, int>& soNgay)
{
    std::vector<int> ds;
    std::copy_if(liet.begin(), liet.end(), std::back_inserter(ds),
                 [&](int c) { return !daThuoc(soNgay.value(c)); });
    std::stable_sort(ds.begin(), ds.end(), [&](int a, int b) { return soNgay.value(a) < soNgay.value(b); });
    return ds;
}

std::vector<int> thuTuPhuongAn(const CauHoiNganHang& c, bool xao, BoSinhSo& rng)
{
    std::vector<int> thuTu;
    for (int k = 1; k <= c.soPhuongAn; ++k)
        thuTu.push_back(k);
    if (xao && !c.phuongAn.isEmpty())
        for (std::size_t i = thuTu.size(); i > 1; --i)
            std::swap(thuTu[i - 1], thuTu[static_cast<std::size_t>(rng.next() % i)]);
    return thuTu;
}

int viTriCua(const std::vector<int>& thuTu, int pa)
{
    const auto it = std::find(thuTu.begin(), thuTu.end(), pa);
    return it == thuTu.end() ? 0 : static_cast<int>(it - thuTu.begin()) + 1;
}

QString theoThuTuHien(const QString& van, const std::vector<int>& thuTu)
{
    static const QString tu = QStringLiteral("ph\u01B0\u01A1ng \u00E1n ");  // "phương án "
    QString kq = van;
    for (qsizetype i = kq.indexOf(tu, 0, Qt::CaseInsensitive); i >= 0;
         i = kq.indexOf(tu, i + 1, Qt::CaseInsensitive)) {
        const qsizetype so = i + tu.size();
        // One digit, not the start of a longer number.
        const auto soAscii = [&](qsizetype j) {
            return j < kq.size() && kq.at(j) >= u'0' && kq.at(j) <= u'9';
        };
        if (!soAscii(so) || soAscii(so + 1))
            continue;
        if (const int viTri = viTriCua(thuTu, kq.at(so).digitValue()))
            kq[so] = QChar(u'0' + viTri);
    }
    return kq;
}

PhienOn::PhienOn(KhoHocVien& kho, qint64 hoSo, const NganHang& nh, CheDo cheDo, std::vector<int> liet,
                 DocLanThi docLanThi)
    : m_kho(kho), m_hoSo(hoSo), m_nh(nh), m_cheDo(cheDo), m_liet(std::move(liet)),
      m_docLanThi(std::move(docLanThi))
{
    napLai();
}

void PhienOn::napLai()
{
    m_hangDoi.clear();
    m_daTraLoi = false;
    if (m_cheDo == CheDo::CauSai) {
        m_lanThi.clear();
        if (m_docLanThi)
            m_lanThi = m_docLanThi();
        else
            for (const BaiLam& b : m_kho.cacBaiLam(m_hoSo, m_nh.id))
                m_lanThi.push_back(b.lanThi());
        const std::vector<int> ds =
            m_kho.docOnTap(m_hoSo, m_nh.id, static_cast<int>(m_nh.cauHoi.size())).danhSach(m_lanThi);
        m_hangDoi.assign(ds.begin(), ds.end());
        return;
    }
    if (m_cheDo == CheDo::HomNay || m_cheDo == CheDo::DaLuu) {
        m_hangDoi.assign(m_liet.begin(), m_liet.end());
        return;
    }
    const std::vector<int> ds = hangDoiDiemLiet(m_liet, m_kho.soNgayDungDiemLiet(m_hoSo, m_nh.id));
    m_hangDoi.assign(ds.begin(), ds.end());
}

void PhienOn::theoKho()
{
    if (m_cheDo != CheDo::CauSai)
        return;
    const SoOnTap onTap = m_kho.docOnTap(m_hoSo, m_nh.id, static_cast<int>(m_nh.cauHoi.size()));
    std::erase_if(m_hangDoi, [&](int q) { return !onTap.coCau(q) || !onTap.mucCua(q).canOn; });
    for (int q : onTap.danhSach(m_lanThi))
        if (std::find(m_hangDoi.begin(), m_hangDoi.end(), q) == m_hangDoi.end())
            m_hangDoi.push_back(q);
}

void PhienOn::batDauCau(bool xao, BoSinhSo& rng)
{
    theoKho();
    m_daTraLoi = false;
    m_thuTu.clear();
    if (const CauHoiNganHang* c = cau() ? m_nh.cau(cau()) : nullptr)
        m_thuTu = thuTuPhuongAn(*c, xao, rng);
}

std::optional<PhienOn::TraLoi> PhienOn::traLoi(int viTri, const QDateTime& luc)
{
    const QDate homNay = luc.date();
    const CauHoiNganHang* c = cau() ? m_nh.cau(cau()) : nullptr;
    if (!c || m_daTraLoi || viTri < 1 || viTri > static_cast<int>(m_thuTu.size()))
        return std::nullopt;
    m_daTraLoi = true;
    const int onTap = c->so;
    TraLoi kq;
    kq.dung = m_thuTu[static_cast<std::size_t>(viTri - 1)] == c->dapAn;
    kq.viTriDung = viTriCua(m_thuTu, c->dapAn);
    if (m_cheDo == CheDo::CauSai) {
        MucOnTap sau;
        kq.daGhi = m_kho.traLoiOnTap(m_hoSo, m_nh.id, onTap, kq.dung, &sau, nullptr, &kq.loi);
        kq.roi = !sau.canOn;
        kq.dungLienTiep = sau.dungLienTiep;
    } else if (m_cheDo == CheDo::HomNay || m_cheDo == CheDo::DaLuu) {
        // Once each; a critical question right counts for its days too.
        if (kq.dung && c->diemLiet)
            kq.daGhi = m_kho.ghiDungDiemLiet(m_hoSo, m_nh.id, onTap, homNay, &kq.loi);
        kq.roi = true;
    } else {
        if (kq.dung)
            kq.daGhi = m_kho.ghiDungDiemLiet(m_hoSo, m_nh.id, onTap, homNay, &kq.loi);
        // Right once today: again on another day.
        kq.roi = kq.dung;
        kq.soNgay = std::min(kSoNgayThuoc, m_kho.soNgayDungDiemLiet(m_hoSo, m_nh.id).value(onTap));
    }
    // Every answer goes into the question's memory too (held with the rest
    // when the store cannot be written).
    QString loiNho;
    if (!m_kho.ghiTraLoi(m_hoSo, m_nh.id, onTap, kq.dung, luc, &loiNho) && kq.daGhi) {
        kq.daGhi = false;
        kq.loi = loiNho;
    }
    m_hangDoi.pop_front();
    if (!kq.roi)
        m_hangDoi.push_back(onTap);
    theoKho();  // the count shown follows another copy's answers too
    return kq;
}

}  // namespace thilaixe
