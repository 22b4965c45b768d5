#include "screens/databank/NganHangMo.h"

#include "rules/common/Texts.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Seams.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace thilaixe {

int NganHangMo::soDiemLiet(const QuyTacHang* q) const
{
    return q ? static_cast<int>(cauDiemLiet(*q).size())
             : static_cast<int>(std::count_if(nh.cauHoi.begin(), nh.cauHoi.end(),
                                              [](const CauHoiNganHang& c) { return c.diemLiet; }));
}

std::vector<int> NganHangMo::cauDiemLiet(const QuyTacHang& q) const
{
    std::vector<int> kq;
    for (const CauHoiNganHang& c : nh.cauHoi)
        if (c.diemLiet && (q.nhom.isEmpty() || c.nhom.contains(q.nhom)))
            kq.push_back(c.so);
    return kq;
}

const BoQuyTac& NganHangMo::quyTacNgay(const QDate& ngay) const
{
    if (coDien || !ngay.isValid() || ngay == ngayMo)
        return quyTac;
    auto it = m_quyTacKhac.find(ngay);
    if (it == m_quyTacKhac.end())
        it = m_quyTacKhac.emplace(ngay, chonQuyTacCho(tep, ngay).bo).first;
    return it->second;
}

QDate NganHangMo::ngayQuyTac(KhoHocVien& kho, qint64 hoSo, const QDate& homNay)
{
    const std::optional<QDate> thi = kho.ngayThi(hoSo);
    return thi && *thi >= homNay ? *thi : homNay;
}

KeHoachNgay keHoachHomNay(MoiTruong& mt, const NganHangMo& nh, qint64 hoSo, const QString& hang)
{
    KhoHocVien& kho = mt.kho();
    const QDate homNay = mt.seams().bayGio().date();
    const QuyTacHang* q = nh.quyTacHocVien(kho, hoSo, homNay).timHang(hang);
    std::vector<int> nhom;
    QSet<int> liet;
    for (const CauHoiNganHang& c : nh.nh.cauHoi)
        if (!q || q->nhom.isEmpty() || c.nhom.contains(q->nhom)) {
            nhom.push_back(c.so);
            if (c.diemLiet)
                liet.insert(c.so);
        }
    std::optional<QDate> thi = kho.ngayThi(hoSo);
    if (thi && *thi < homNay)
        thi.reset();
    const std::vector<LanTraLoi> ds = lanTraLoiCuaHocVien(kho, hoSo, nh.nh.id);
    // A limit in minutes counts at the learner's own pace.
    int gioiHan = kho.gioiHanNgay(hoSo);
    if (kho.gioiHanTheoPhut(hoSo))
        gioiHan = gioiHanTheoPhut(gioiHan, giayMoiCau(ds).value_or(kGiayMoiCauMacDinh));
    return lapKeHoach(triNhoCacCau(static_cast<int>(nh.nh.cauHoi.size()), ds), nhom, liet, homNay, thi,
                      gioiHan);
}

std::shared_ptr<NganHangMo> moNganHang(const QString& tep, const QDate& ngay, QString* loi)
{
    DocDuoc<NganHang> doc = docNganHangTep(tep);
    if (!doc.giaTri) {
        QStringList dong;
        for (const LoiDuLieu& l : doc.loi)
            dong.append(l.dong());
        if (dong.size() > 12)
            dong = dong.mid(0, 12) << txt::kDlConLoi.arg(doc.loi.size());
        *loi = txt::kDlLoiNganHang.arg(QDir::toNativeSeparators(tep), dong.join(QLatin1Char('\n')));
        return nullptr;
    }
    const QuyTacDaChon chon = chonQuyTacCho(tep, ngay);
    auto kq = std::make_shared<NganHangMo>();
    kq->nh = std::move(*doc.giaTri);
    kq->tep = QFileInfo(tep).absoluteFilePath();
    kq->thuMuc = QFileInfo(tep).absolutePath();
    kq->quyTac = chon.bo;
    kq->ngayMo = ngay;
    kq->baoHet = chon.baoHet;
    if (!chon.coHieuLuc)
        kq->khongCoQuyTac = chon.khongCo;
    QStringList tepLoi;
    for (const LoiDuLieu& l : chon.loi)
        kq->canhBaoQuyTac.append(txt::kDlLoiTepQuyTac.arg(l.dong()));
    if (!chon.loi.empty())
        kq->canhBaoQuyTac.append(txt::kDlDungThay.arg(
            chon.bo.id, chon.tep.isEmpty() ? txt::kDlCaiSan : QDir::toNativeSeparators(chon.tep)));
    for (const QString& g : chon.ghiChu)
        kq->canhBaoQuyTac.append(QStringLiteral("⚠ ") + g);
    return kq;
}

QString timNganHangMacDinh(const MoiTruong& mt)
{
    const QStringList co = cacTepNganHangCoSan(mt.thuMuc());
    return co.isEmpty() ? QString() : co.front();
}

std::shared_ptr<NganHangMo> moNganHangCoDien(const MoiTruong& mt)
{
    auto kq = std::make_shared<NganHangMo>();
    kq->nh = nganHangCoDien();
    kq->thuMuc = QFileInfo(mt.duongDan(QStringLiteral("."))).absoluteFilePath();
    kq->quyTac = boQuyTacCoDien();
    kq->coDien = true;
    return kq;
}

std::optional<std::vector<LanThi>> lichSuNgoaiKho(MoiTruong& mt, const NganHangMo& nh, qint64 hoSo,
                                                  bool& daBao, bool* hong)
{
    if (!nh.coDien)
        return std::nullopt;
    const LichSuDaDoc lichSu = mt.docLichSuHoc();
    if (hong)
        *hong = lichSu.trangThai == KetQuaDoc::LoiKhac;
    QString loi;
    if (lichSu.daDoc()
        && !mt.kho().gopLanThi(hoSo, nh.nh.id, static_cast<int>(nh.nh.cauHoi.size()), lichSu.lanThi, &loi))
        mt.baoLoiGhiKho(daBao, loi);
    return lichSu.lanThi;
}

}  // namespace thilaixe
