#include "screens/common/MoiTruong.h"

#include "rules/common/Texts.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/store/MoKho.h"

#include "screens/common/FormAbout.h"
#include "screens/common/Personalisation.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace thilaixe {

MoiTruong::MoiTruong(Seams& seams, QString thuMuc) : m_seams(seams), m_thuMuc(std::move(thuMuc)) {}

QString MoiTruong::duongDan(const QString& tenTep) const { return QDir(m_thuMuc).filePath(tenTep); }

KhoHocVien& MoiTruong::kho()
{
    if (!m_thuLai) {
        if (!m_kho)
            m_kho = moKho(m_thuMuc);
        // A window never waits on another copy holding the store: what
        // cannot be written at once is held and tried again.
        m_kho->datThoiGianCho(kChoGhiCuaSoMs);
        m_thuLai = new QTimer(this);
        m_thuLai->setTimerType(Qt::PreciseTimer);
        m_thuLai->setInterval(kThuLaiMs);
        connect(m_thuLai, &QTimer::timeout, this, &MoiTruong::thuGhiLai);
        m_thuLai->start();
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
            if (w)
                thuGhiLai();
        });
        for (const QString& bao : {m_kho->canhBao(), m_kho->thongBaoNhap()})
            if (!bao.isEmpty())
                m_seams.hienThongBao(txt::kTieuDeKho, bao, {});
    }
    return *m_kho;
}

int MoiTruong::giaoDienDaChon()
{
    if (!m_kho && !QFileInfo::exists(duongDan(kTepKho)))
        return 0;
    KhoHocVien& k = kho();
    return k.giaoDien(k.hoSoDangHoc());
}

void MoiTruong::datKho(std::unique_ptr<KhoHocVien> kho)
{
    if (!m_thuLai)
        m_kho = std::move(kho);
}

SoOnTap MoiTruong::onTapCoDien()
{
    return kho().docOnTap(KhoHocVien::kHoSoMacDinh, kIdNganHangCoDien, kSoCauHoi);
}

void MoiTruong::baoLoiGhiKho(bool& daBao, const QString& lyDo)
{
    if (daBao || m_dangKetThuc)
        return;
    daBao = true;
    m_seams.hienThongBao(txt::kTieuDeKho, kho().thongBaoLoiGhi(lyDo), {});
}

void MoiTruong::hien(QWidget* form)
{
    if (form && !m_dangKetThuc)
        form->show();
}

void MoiTruong::dongForm(QWidget* form)
{
    if (!form)
        return;
    emit formDaDong(form);
    form->hide();
    form->deleteLater();
}

void MoiTruong::moThongTin(QWidget* tu)
{
    if (m_dangKetThuc)
        return;
    auto* f = new FormAbout(tu);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->setWindowModality(Qt::ApplicationModal);
    f->show();
}

KetQuaDoc MoiTruong::docLichSu(NoiBaoLoi noi)
{
    QString lyDo;
    const KetQuaDoc kq = DocDuLieu(m_trangThai, duongDan(kTepDuLieu), &lyDo);
    if (kq == KetQuaDoc::ThieuTep)
        baoThieuTep(noi);
    else
        baoLichSu(kq, lyDo);
    return kq;
}

LichSuDaDoc MoiTruong::docLichSuHoc()
{
    LichSuDaDoc kq = thilaixe::docLichSu(duongDan(kTepDuLieu));
    // A missing history is a learner with no exam yet, not a fault.
    if (kq.trangThai != KetQuaDoc::ThieuTep)
        baoLichSu(kq.trangThai, kq.lyDo);
    return kq;
}

void MoiTruong::baoLichSu(KetQuaDoc kq, const QString& lyDo)
{
    if (kq != KetQuaDoc::LoiKhac) {
        m_daBaoLichSu = false;
        return;
    }
    if (m_daBaoLichSu || m_dangKetThuc)
        return;
    m_daBaoLichSu = true;
    m_seams.hienThongBao(txt::kTieuDeLichSu,
                         txt::kKhongDocDuocLichSu.arg(QDir::toNativeSeparators(duongDan(kTepDuLieu)), lyDo),
                         {});
}

QString MoiTruong::noiDungThieuTep(NoiBaoLoi noi)
{
    const QString crlf = QStringLiteral("\r\n");
    return txt::kLoiDocDong1 + crlf + crlf + rieng::kLienHeDong1 + crlf + rieng::kLienHeDong2 + crlf + crlf
           + (noi == NoiBaoLoi::Thi ? rieng::kDienThoaiThi : rieng::kDienThoaiHoc);
}

void MoiTruong::baoThieuTep(NoiBaoLoi noi)
{
    if (m_dangKetThuc)
        return;
    m_dangKetThuc = true;
    m_seams.hienThongBao(txt::kTieuDeLoiDoc, noiDungThieuTep(noi), [this] { ketThucChuongTrinh(); });
}

void MoiTruong::thuGhiLai()
{
    if (m_kho && m_kho->soChoGhi() > 0 && !m_kho->thuGhiLai())
        hoiKhiNhieuChoGhi();
}

void MoiTruong::hoiKhiNhieuChoGhi()
{
    const std::size_t n = m_kho->soChoGhi();
    if (n < m_daHoiNhieu + KhoHocVien::kChoGhiNhieu || m_dangKetThuc || m_dangHoiChuaGhi)
        return;
    m_daHoiNhieu = n;
    m_dangHoiChuaGhi = true;
    m_seams.hoiChon(txt::kTieuDeChuaGhi,
                    txt::kHoiNhieuChoGhi.arg(m_kho->moTaChoGhi(), QDir::toNativeSeparators(m_kho->tep()),
                                             m_kho->lyDoChoGhi()),
                    {txt::kNutLuuRaTep, txt::kNutDeSau}, [this](int chon) {
                        m_dangHoiChuaGhi = false;
                        if (chon == 0)
                            m_seams.chonTepLuu(txt::kChonTepChuaGhi, tenTepChuaGhi(),
                                               [this](const QString& tep) { luuChoGhi(tep, false); });
                    });
}

QString MoiTruong::tenTepChuaGhi()
{
    return QDir::home().filePath(
        txt::kTenTepChuaGhi.arg(m_seams.bayGio().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
}

void MoiTruong::ketThucChuongTrinh(bool moLai)
{
    m_dangKetThuc = true;
    if (m_daKetThuc)
        return;
    if (m_kho && m_kho->soChoGhi() > 0 && !m_kho->thuGhiLai(nullptr, moLai)) {
        hoiTruocKhiKetThuc();
        return;
    }
    m_daKetThuc = true;
    m_seams.thoat();
}

void MoiTruong::hoiTruocKhiKetThuc()
{
    if (m_dangHoiChuaGhi)
        return;
    m_dangHoiChuaGhi = true;
    m_seams.hoiChon(txt::kTieuDeChuaGhi,
                    txt::kHoiChuaGhi.arg(m_kho->moTaChoGhi(), QDir::toNativeSeparators(m_kho->tep()),
                                         m_kho->lyDoChoGhi()),
                    {txt::kNutThuLai, txt::kNutLuuRaTep, txt::kNutKetThucMat}, [this](int chon) {
                        m_dangHoiChuaGhi = false;
                        if (chon == 1) {
                            m_seams.chonTepLuu(txt::kChonTepChuaGhi, tenTepChuaGhi(),
                                               [this](const QString& tep) { luuChoGhi(tep, true); });
                        } else if (chon == 2) {
                            m_daKetThuc = true;
                            m_seams.thoat();
                        } else {
                            ketThucChuongTrinh(true);  // tried again; asked again if it still fails
                        }
                    });
}

void MoiTruong::luuChoGhi(const QString& tep, bool ketThuc)
{
    if (tep.isEmpty()) {
        if (ketThuc)
            ketThucChuongTrinh();
        return;
    }
    QString loi;
    if (!m_kho->luuChoGhiRaTep(tep, &loi)) {
        // Nothing is saved: asked again, with the same three choices.
        m_seams.hienThongBao(txt::kTieuDeChuaGhi,
                             txt::kKhongLuuDuocTep.arg(QDir::toNativeSeparators(tep), loi), [this, ketThuc] {
                                 if (ketThuc)
                                     ketThucChuongTrinh();
                             });
        return;
    }
    m_seams.hienThongBao(
        txt::kTieuDeChuaGhi,
        (ketThuc ? txt::kDaLuuChuaGhi : txt::kDaLuuVanThu)
            .arg(m_kho->moTaChoGhi(), QDir::toNativeSeparators(tep), QDir::toNativeSeparators(m_thuMuc)),
        [this, ketThuc] {
            if (!ketThuc)
                return;
            m_daKetThuc = true;
            m_seams.thoat();
        });
}

}  // namespace thilaixe
