#include "rules/session/PhienThi.h"

#include "rules/common/Texts.h"

#include <algorithm>

namespace thilaixe {

HoSoHang docHoSoHang(KhoHocVien& kho, qint64 hoSo, const NganHang& nh, const QString& hang,
                     const std::vector<LanThi>* lichSu)
{
    HoSoHang h;
    if (lichSu) {
        std::copy_if(lichSu->begin(), lichSu->end(), std::back_inserter(h.lanThi), [&](const LanThi& l) {
            // An exam whose class was not written counts for the one asked.
            return l.hang.isEmpty() || l.hang.compare(hang, Qt::CaseInsensitive) == 0;
        });
    } else {
        for (const BaiLam& b : kho.cacBaiLam(hoSo, nh.id))
            // A short test is never counted as a paper.
            if (!b.laBaiNgan() && b.hang.compare(hang, Qt::CaseInsensitive) == 0) {
                if (b.duDoan && !h.lanThi.empty())
                    h.duDoan.emplace_back(b.duDoan->first, b.dat());
                h.lanThi.push_back(b.lanThi());
            }
    }
    h.onTap = kho.docOnTap(hoSo, nh.id, static_cast<int>(nh.cauHoi.size()));
    return h;
}

std::optional<SanSang> sanSangCuaHang(const NganHang& nh, const QuyTacHang& q, const HoSoHang& h)
{
    return sanSangHienThi(nh, q, h.lanThi, h.onTap);
}

namespace {

DeThi deRut(const NganHang& nh, const QuyTacHang& q, std::uint64_t hat)
{
    return rutDeTheoHat(nh, q, hat).value_or(DeThi{});
}

}  // namespace

PhienThi::PhienThi(const NganHang& nh, QString boQuyTac, const QuyTacHang& q, std::uint64_t hat,
                   const QDateTime& batDau, std::optional<SanSang> daHien)
    : PhienThi(nh, std::move(boQuyTac), q, deRut(nh, q, hat), HanGio(batDau, qint64{q.soPhut} * 60), daHien)
{}

PhienThi::PhienThi(const NganHang& nh, QString boQuyTac, const QuyTacHang& q, DeThi de, const HanGio& han,
                   std::optional<SanSang> daHien)
    : m_nh(nh), m_boQuyTac(std::move(boQuyTac)), m_q(q), m_de(std::move(de)), m_han(han), m_daHien(daHien)
{
    std::sort(m_de.diemLiet.begin(), m_de.diemLiet.end());
    m_tl.assign(m_de.cau.size(), 0);
    for (int c : m_de.cau)
        m_dapAn.push_back(nh.cau(c)->dapAn);
}

std::vector<int> chonBaiNgan(std::vector<int> nguon, BoSinhSo& rng)
{
    std::sort(nguon.begin(), nguon.end());
    nguon.erase(std::unique(nguon.begin(), nguon.end()), nguon.end());
    // The first picks of a shuffle (Fisher-Yates), then in order.
    const std::size_t n = std::min<std::size_t>(nguon.size(), kSoCauBaiNgan);
    for (std::size_t i = 0; i < n; ++i)
        std::swap(nguon[i], nguon[i + rng.next() % (nguon.size() - i)]);
    nguon.resize(n);
    std::sort(nguon.begin(), nguon.end());
    return nguon;
}

std::optional<PhienThi> PhienThi::moi(const NganHang& nh, const BoQuyTac& bo, const QString& hang,
                                      std::uint64_t hat, const QDateTime& batDau,
                                      std::optional<SanSang> daHien, QString* loi)
{
    const QuyTacHang* q = bo.timHang(hang);
    if (!q) {
        if (loi)
            *loi = txt::kCliKhongCoHang.arg(hang, bo.id, QString());
        return std::nullopt;
    }
    const std::optional<DeThi> de = rutDeTheoHat(nh, *q, hat, loi);
    if (!de)
        return std::nullopt;
    return PhienThi(nh, q->boId.isEmpty() ? bo.id : q->boId, *q, *de, HanGio(batDau, qint64{q->soPhut} * 60),
                    daHien);
}

std::optional<PhienThi> PhienThi::kiemTra(const NganHang& nh, const QString& boQuyTac, const QuyTacHang& q,
                                          const BaiCuaPhien& bai, const QDateTime& bayGio)
{
    if (bai.de.cau.empty()
        || !std::all_of(bai.de.cau.begin(), bai.de.cau.end(), [&](int c) { return nh.cau(c) != nullptr; }))
        return std::nullopt;
    QuyTacHang theoPhien = q;
    theoPhien.soPhut = bai.phut > 0 ? bai.phut : q.soPhut;
    theoPhien.soCau = static_cast<int>(bai.de.cau.size());
    PhienThi p(nh, boQuyTac, theoPhien, bai.de,
               HanGio(bayGio.addSecs(-bai.giayDaQua), qint64{theoPhien.soPhut} * 60), std::nullopt);
    for (std::size_t o = 0; o < bai.traLoi.size(); ++o)
        p.chon(static_cast<int>(o), bai.traLoi[o]);
    return p;
}

PhienThi PhienThi::baiNgan(const NganHang& nh, QString boQuyTac, const QuyTacHang& q,
                           const std::vector<int>& cau, const QDateTime& batDau)
{
    const QuyTacHang qn = quyTacBaiNgan(q, static_cast<int>(cau.size()));
    const auto n = static_cast<qint64>(cau.size());
    const qint64 soCau = std::max(q.soCau, 1);
    DeThi de{cau, {}};
    for (int c : cau)
        if (nh.cau(c)->diemLiet)
            de.diemLiet.push_back(c);
    PhienThi p(nh, std::move(boQuyTac), qn, std::move(de), HanGio(batDau, qint64{q.soPhut} * 60 * n / soCau),
               std::nullopt);
    p.m_baiNgan = true;
    return p;
}

std::optional<PhienThi> PhienThi::tuBaiLam(const NganHang& nh, const BaiLam& b, const QuyTacHang& q)
{
    if (b.cau.empty()
        || !std::all_of(b.cau.begin(), b.cau.end(), [&](int c) { return nh.cau(c) != nullptr; }))
        return std::nullopt;
    QuyTacHang qb = q;
    qb.hang = b.hang;
    qb.canDeDat = b.canDeDat;
    qb.soCau = static_cast<int>(b.cau.size());
    DeThi de{b.cau, {}};
    for (std::size_t i = 0; i < b.cau.size(); ++i)
        if (i < b.diemLiet.size() && b.diemLiet[i])
            de.diemLiet.push_back(b.cau[i]);
    PhienThi p(nh, b.quyTac, qb, std::move(de), HanGio(b.batDau, qint64{q.soPhut} * 60), std::nullopt);
    p.m_tl = b.traLoi;
    p.m_tl.resize(b.cau.size(), 0);
    p.m_dapAn = b.dapAn;
    p.m_dapAn.resize(b.cau.size(), 0);
    p.m_daNop = true;
    p.m_baiNgan = b.baiNgan;
    p.m_ketThuc = b.ketThuc;
    for (std::size_t i = 0; i < b.cau.size(); ++i)
        ++(p.m_tl[i] == 0 ? p.m_kq.boTrong : p.m_tl[i] == p.m_dapAn[i] ? p.m_kq.dung : p.m_kq.sai);
    p.m_kq.diemLietSai = b.diemLietSai();
    p.m_kq.dat = b.dat();
    return p;
}

const CauHoiNganHang& PhienThi::cauTai(int o) const
{
    return *m_nh.cau(m_de.cau.at(static_cast<std::size_t>(o)));
}

bool PhienThi::chon(int o, int pa)
{
    if (m_daNop || o < 0 || o >= soO() || pa < 1 || pa > cauTai(o).soPhuongAn)
        return false;
    m_tl[static_cast<std::size_t>(o)] = pa;
    return true;
}

std::vector<int> PhienThi::oTrong() const
{
    std::vector<int> kq;
    for (std::size_t i = 0; i < m_tl.size(); ++i)
        if (m_tl[i] == 0)
            kq.push_back(static_cast<int>(i) + 1);
    return kq;
}

PhienThi::SuKien PhienThi::nhip(const QDateTime& bayGio)
{
    if (m_daNop)
        return SuKien::Khong;
    const qint64 con = m_han.conLai(bayGio);
    if (con <= 0) {
        nop(bayGio, true);
        return SuKien::HetGio;
    }
    switch (m_bao.buoc(con)) {
    case CanhBaoGio::Bao::Con5Phut: return SuKien::Con5Phut;
    case CanhBaoGio::Bao::Con1Phut: return SuKien::Con1Phut;
    case CanhBaoGio::Bao::Khong: break;
    }
    return SuKien::Khong;
}

void PhienThi::nop(const QDateTime& bayGio, bool hetGio)
{
    if (m_daNop)
        return;
    m_daNop = true;
    m_hetGio = hetGio;
    // A paper handed in late (the machine slept) ends at its deadline.
    m_ketThuc = std::min(bayGio, m_han.han);
    m_kq = chamDiem(m_nh, m_q, m_de, m_tl);
}

bool PhienThi::dungO(int o) const
{
    const int tl = m_tl.at(static_cast<std::size_t>(o));
    return tl != 0 && tl == dapAnO(o);
}

int PhienThi::oXemLaiDau() const
{
    for (int o = 0; o < soO(); ++o)
        if (!dungO(o))
            return o;
    return 0;
}

BaiLam PhienThi::baiLam(qint64 hoSo) const
{
    BaiLam b;
    b.hoSo = hoSo;
    b.nganHang = m_nh.id;
    b.phienBan = m_nh.phienBan;
    b.quyTac = m_boQuyTac;
    b.hang = m_q.hang;
    b.batDau = m_han.batDau;
    b.ketThuc = m_ketThuc;
    b.cau = m_de.cau;
    b.traLoi = m_tl;
    b.canDeDat = m_q.canDeDat;
    b.baiNgan = m_baiNgan;
    if (m_daHien)
        b.duDoan = std::make_pair(m_daHien->xacSuat, m_daHien->xacSuatLiet);
    for (int q : m_de.cau) {
        b.dapAn.push_back(m_nh.cau(q)->dapAn);
        b.diemLiet.push_back(m_nh.cau(q)->diemLiet);
    }
    return b;
}

}  // namespace thilaixe
