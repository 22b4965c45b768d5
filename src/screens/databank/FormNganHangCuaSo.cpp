#include "rules/common/Texts.h"
#include "rules/school/Truong.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/MoiTruong.h"
#include "screens/databank/FormBaiDaLam.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/FormGiaoVien.h"
#include "screens/databank/FormHocChuong.h"
#include "screens/databank/FormNganHang.h"
#include "screens/databank/FormNhapBangTinh.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/databank/FormTimCau.h"
#include "screens/databank/NganHangMo.h"
#include "screens/databank/SanhKiemTra.h"

#include <QCloseEvent>

// The windows a bank's home opens, each at most once, and its way back.

namespace thilaixe {

FormNganHang::~FormNganHang()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_thi, m_hoc, m_on, m_tim, m_tienBo, m_baiDaLam})
        delete w;
}

FormGiaoVien* FormNganHang::quanLy()
{
    KhoTruong* mayChu = m_mt.kho().truong();
    if (!mayChu || !mayChu->laGiaoVien())
        return nullptr;
    if (!m_giaoVien) {
        m_giaoVien = new FormGiaoVien(m_mt, *mayChu, m_nh);
        connect(m_giaoVien, &FormGiaoVien::moCau, this, [this](int so) { hocTheoChuong(so); });
    }
    hienCuaSo(m_giaoVien);
    return m_giaoVien;
}

FormNhapBangTinh* FormNganHang::cuaSoNhap() const { return m_nhapBang; }

FormNhapBangTinh* FormNganHang::nhapBangTinh()
{
    if (!m_nhapBang) {
        m_nhapBang = new FormNhapBangTinh(this, m_mt);
        connect(m_nhapBang, &FormNhapBangTinh::moNganHang, this, &FormNganHang::doiNganHang);
    }
    hienCuaSo(m_nhapBang);
    return m_nhapBang;
}

void FormNganHang::capNhatKiemTra()
{
    if (m_sanh)
        m_sanh->capNhat();
}

FormBaiThi* FormNganHang::vaoKiemTra()
{
    KhoTruong* mayChu = m_mt.kho().truong();
    const std::optional<PhienKiemTra> p = m_sanh ? m_sanh->capNhat() : std::nullopt;
    if (!mayChu || !p)
        return nullptr;
    if (m_thi && m_thi->phienKiemTra() == p->id) {
        hienCuaSo(m_thi);
        return m_thi;
    }
    QString loi;
    const std::optional<BaiCuaPhien> bai = mayChu->batDauPhien(p->id, &loi);
    if (!bai) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, txt::kTrKhongVao.arg(loi), {});
        return nullptr;
    }
    if (bai->daNop) {
        m_sanh->daNop();
        return nullptr;
    }
    if (m_thi)
        m_thi->close();
    m_thi = FormBaiThi::moBaiKiemTra(m_mt, m_nh, hoSo(), *p, *bai);
    if (!m_thi)
        return nullptr;
    connect(m_thi, &FormBaiThi::veNha, this, [this] {
        capNhat();
        capNhatKiemTra();
        raise();
        activateWindow();
    });
    hienCuaSo(m_thi);
    return m_thi;
}

void FormNganHang::hienCuaSo(QWidget* w)
{
    apDungGiaoDien(w, m_giaoDien);
    m_mt.hien(w);
    w->raise();
    w->activateWindow();
}

FormBaiThi* FormNganHang::thiThu()
{
    if (!m_nh->khongCoQuyTac.isEmpty()) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, m_nh->khongCoQuyTac, {});
        return nullptr;
    }
    const QuyTacHang* q = quyTacHocVien().timHang(hang());
    if (!q || khongRutDuoc(m_nh->nh, *q))
        return nullptr;
    if (m_thi) {
        hienCuaSo(m_thi);
        return m_thi;
    }
    m_thi = FormBaiThi::moBai(m_mt, m_nh, hoSo(), hang());
    if (!m_thi)
        return nullptr;
    connect(m_thi, &FormBaiThi::veNha, this, [this] {
        capNhat();
        raise();
        activateWindow();
    });
    connect(m_thi, &FormBaiThi::thiLai, this, [this](const QString& h) {
        chonHang(h);
        QMetaObject::invokeMethod(
            this, [this] { thiThu(); }, Qt::QueuedConnection);
    });
    hienCuaSo(m_thi);
    return m_thi;
}

FormHocChuong* FormNganHang::hocTheoChuong(int cau)
{
    if (!m_hoc)
        m_hoc = new FormHocChuong(m_mt, m_nh);
    if (cau > 0)
        m_hoc->moCau(cau);
    hienCuaSo(m_hoc);
    return m_hoc;
}

FormOnTap* FormNganHang::onCauSai() { return moOn(FormOnTap::CheDo::CauSai); }

FormOnTap* FormNganHang::onDiemLiet() { return moOn(FormOnTap::CheDo::DiemLiet); }

// One practice window at a time: opening the other kind closes it.
FormOnTap* FormNganHang::moHomNay() { return moOn(FormOnTap::CheDo::HomNay); }

FormOnTap* FormNganHang::moOn(FormOnTap::CheDo cheDo)
{
    if (m_on)
        m_on->close();
    m_on = new FormOnTap(m_mt, m_nh, hoSo(), hang(), cheDo);
    connect(m_on, &FormOnTap::daDoi, this, &FormNganHang::capNhat);
    hienCuaSo(m_on);
    return m_on;
}

FormTimCau* FormNganHang::timCauHoi()
{
    if (!m_tim) {
        m_tim = new FormTimCau(m_nh);
        connect(m_tim, &FormTimCau::moCau, this, [this](int onTap) { hocTheoChuong(onTap); });
    }
    hienCuaSo(m_tim);
    m_tim->activateWindow();
    return m_tim;
}

std::vector<FormNganHang::NguonBaiNgan> FormNganHang::nguonBaiNgan()
{
    KhoHocVien& kho = m_mt.kho();
    const NganHang& nh = m_nh->nh;
    const QuyTacHang* q = quyTacHocVien().timHang(hang());
    std::vector<NguonBaiNgan> kq;
    // Each chapter, of the class's pool.
    for (const ChuongNganHang& ch : nh.chuong) {
        NguonBaiNgan n{txt::kDlNganChuong.arg(ch.so).arg(ch.tieuDe), {}};
        for (int c = ch.dau; c <= ch.cuoi; ++c)
            if (const CauHoiNganHang* cau = nh.cau(c);
                cau && (!q || q->nhom.isEmpty() || cau->nhom.contains(q->nhom)))
                n.cau.push_back(c);
        kq.push_back(std::move(n));
    }
    const SoOnTap onTap = kho.docOnTap(hoSo(), nh.id, static_cast<int>(nh.cauHoi.size()));
    std::vector<int> sai;
    for (int c = 1; c <= onTap.soCauHoi(); ++c)
        if (onTap.mucCua(c).canOn)
            sai.push_back(c);
    kq.push_back({txt::kDlNganCauSai.arg(sai.size()), sai});
    const std::vector<int> luu = kho.cauDaLuu(hoSo(), nh.id);
    kq.push_back({txt::kDlNganDaLuu.arg(luu.size()), luu});
    return kq;
}

FormBaiThi* FormNganHang::baiNgan(const std::vector<int>& nguon, const QString& ten)
{
    if (m_thi && m_thi->trang() == FormBaiThi::Trang::LamBai) {
        hienCuaSo(m_thi);
        return m_thi;
    }
    if (m_thi)
        m_thi->close();
    // The menu's label without its count, as the window's title says it.
    m_thi = FormBaiThi::moBaiNgan(m_mt, m_nh, hoSo(), hang(), nguon, ten.section(QStringLiteral(" ("), 0, 0));
    if (!m_thi) {
        m_mt.seams().hienThongBao(QString(txt::kDlKiemTraNgan).remove(QLatin1Char('&')), txt::kDlNganKhongCo,
                                  {});
        return nullptr;
    }
    connect(m_thi, &FormBaiThi::veNha, this, [this] {
        capNhat();
        raise();
        activateWindow();
    });
    hienCuaSo(m_thi);
    return m_thi;
}

FormBaiDaLam* FormNganHang::baiDaLam()
{
    if (!m_baiDaLam) {
        m_baiDaLam = new FormBaiDaLam(m_mt, m_nh, hoSo());
        connect(m_baiDaLam, &FormBaiDaLam::daMo, this, [this](QWidget* w) { hienCuaSo(w); });
        connect(m_baiDaLam, &FormBaiDaLam::thiLai, this, [this](const QString& h) {
            chonHang(h);
            QMetaObject::invokeMethod(
                this, [this] { thiThu(); }, Qt::QueuedConnection);
        });
    }
    hienCuaSo(m_baiDaLam);
    m_baiDaLam->activateWindow();
    return m_baiDaLam;
}

FormOnTap* FormNganHang::onDaLuu() { return moOn(FormOnTap::CheDo::DaLuu); }

FormTienBo* FormNganHang::tienBo()
{
    if (m_tienBo)
        m_tienBo->close();
    m_tienBo = new FormTienBo(m_mt, m_nh, hoSo(), hang());
    connect(m_tienBo, &FormTienBo::moCau, this, [this](int onTap) { hocTheoChuong(onTap); });
    hienCuaSo(m_tienBo);
    return m_tienBo;
}

void FormNganHang::closeEvent(QCloseEvent* e)
{
    // A paper being sat is asked about first; the rest close with the home.
    if (m_thi && m_thi->trang() == FormBaiThi::Trang::LamBai) {
        e->ignore();
        hienCuaSo(m_thi);
        m_thi->hoiNop();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_thi, m_hoc, m_on, m_tim, m_tienBo})
        if (w)
            w->close();
    e->accept();
    emit daDong();
}

}  // namespace thilaixe
