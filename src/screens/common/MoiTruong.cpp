#include "screens/common/MoiTruong.h"

#include "rules/common/Texts.h"
#include "rules/dulieu/NganHangDL.h"

#include "screens/common/FormAbout.h"
#include "screens/common/Personalisation.h"

#include <QDir>
#include <QWidget>

namespace thilaixe {

MoiTruong::MoiTruong(Seams& seams, QString thuMuc) : m_seams(seams), m_thuMuc(std::move(thuMuc)) {}

QString MoiTruong::duongDan(const QString& tenTep) const { return QDir(m_thuMuc).filePath(tenTep); }

KhoHocVien& MoiTruong::kho()
{
    if (!m_kho) {
        m_kho = std::make_unique<KhoHocVien>(duongDan(kTepKho));
        for (const QString& bao : {m_kho->canhBao(), m_kho->thongBaoNhap()})
            if (!bao.isEmpty())
                m_seams.hienThongBao(txt::kTieuDeKho, bao, {});
    }
    return *m_kho;
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
    m_seams.hienThongBao(txt::kTieuDeKho, loiGhiKho(kho().tep(), lyDo), {});
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

void MoiTruong::ketThucChuongTrinh()
{
    m_dangKetThuc = true;
    if (m_daKetThuc)
        return;
    m_daKetThuc = true;
    m_seams.thoat();
}

}  // namespace thilaixe
