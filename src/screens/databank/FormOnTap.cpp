#include "screens/databank/FormOnTap.h"

#include "rules/common/Texts.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/CoCuaSo.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"
#include "screens/databank/NutCauHoi.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace thilaixe {

namespace {

std::vector<int> lietCuaHang(MoiTruong& mt, const NganHangMo& nh, qint64 hoSo, const QString& hang,
                             FormOnTap::CheDo cheDo)
{
    if (cheDo == FormOnTap::CheDo::HomNay)
        return keHoachHomNay(mt, nh, hoSo, hang).phien();
    if (cheDo == FormOnTap::CheDo::DaLuu)
        return mt.kho().cauDaLuu(hoSo, nh.nh.id);
    const QuyTacHang* q = nh.quyTacHocVien(mt.kho(), hoSo, mt.seams().bayGio().date()).timHang(hang);
    return cheDo == FormOnTap::CheDo::DiemLiet && q ? nh.cauDiemLiet(*q) : std::vector<int>{};
}

}  // namespace

FormOnTap::FormOnTap(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, const QString& hang,
                     CheDo cheDo)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh)), m_hoSo(hoSo), m_hang(hang),
      m_phien(mt.kho(), hoSo, m_nh->nh, cheDo, lietCuaHang(mt, *m_nh, hoSo, hang, cheDo),
              m_nh->coDien ? PhienOn::DocLanThi([this] {
                  return lichSuNgoaiKho(m_mt, *m_nh, m_hoSo, m_daBaoLoi, &m_lichSuHong)
                      .value_or(std::vector<LanThi>{});
              })
                           : PhienOn::DocLanThi{})
{
    setObjectName(cheDo == CheDo::CauSai   ? QStringLiteral("FormOnSai")
                  : cheDo == CheDo::HomNay ? QStringLiteral("FormHomNay")
                  : cheDo == CheDo::DaLuu  ? QStringLiteral("FormDaLuu")
                                           : QStringLiteral("FormOnLiet"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tieuDe());
    auto* doc = new QVBoxLayout(this);
    m_con = new QLabel(this);
    m_con->setObjectName(QStringLiteral("LB_Con"));
    doc->addWidget(m_con);
    m_trong = new QLabel(this);
    m_trong->setObjectName(QStringLiteral("LB_Trong"));
    m_trong->setWordWrap(true);
    m_trong->setAlignment(Qt::AlignCenter);
    doc->addWidget(m_trong, 1);
    m_khung = new KhungCauHoi(this);
    m_khung->nhoCoChu(m_mt.kho(), m_hoSo);
    m_khung->batLuuCau(m_mt.kho(), m_hoSo, m_nh->nh.id);
    doc->addWidget(m_khung, 1);
    m_ketQua = new QLabel(this);
    m_ketQua->setObjectName(QStringLiteral("LB_KetQua"));
    m_ketQua->setWordWrap(true);
    QFont dam = m_ketQua->font();
    dam.setBold(true);
    m_ketQua->setFont(dam);
    doc->addWidget(m_ketQua);
    auto* duoi = new QHBoxLayout;
    m_tiep = new QPushButton(txt::kDlCauTiep, this);
    m_tiep->setObjectName(QStringLiteral("CM_Tiep"));
    m_dong = new QPushButton(txt::kDlDong, this);
    m_dong->setObjectName(QStringLiteral("CM_Dong"));
    duoi->addStretch(1);
    duoi->addWidget(m_tiep);
    duoi->addWidget(m_dong);
    connect(m_dong, &QPushButton::clicked, this, &QWidget::close);
    doc->addLayout(duoi);
    connect(m_tiep, &QPushButton::clicked, this, &FormOnTap::cauTiep);
    connect(m_khung, &KhungCauHoi::daChonViTri, this, [this](int viTri) { traLoi(viTri); });
    m_khung->ganPhimChung(this);
    // Enter and Space choose the focused option, then go on; → only goes on.
    // On any other button they press it: "Đóng" of a finished list, the
    // save toggle.
    for (const auto k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Right})
        themPhim(this, QKeySequence(k), [this, k] {
            auto* pa = qobject_cast<NutPhuongAn*>(focusWidget());
            if (pa && k != Qt::Key_Right && !m_phien.daTraLoi())
                pa->click();
            else if (k == Qt::Key_Right || !bamNutDangChon(this))
                cauTiep();
        });
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    moCoCuaSo(this, m_mt, m_hoSo, kCoCuaSoCauHoi);
    hien();
}

QString FormOnTap::tieuDe() const
{
    return (m_phien.cheDo() == CheDo::CauSai   ? txt::kDlTieuDeOnSai
            : m_phien.cheDo() == CheDo::HomNay ? txt::kDlTieuDeHomNay
            : m_phien.cheDo() == CheDo::DaLuu  ? txt::kDlTieuDeDaLuu
                                               : txt::kDlTieuDeOnLiet)
        .arg(m_nh->nh.tieuDe);
}

void FormOnTap::hien()
{
    BoSinhSo rng(hatGiong(m_mt.seams()));
    m_phien.batDauCau(m_mt.kho().daoPhuongAn(m_hoSo), rng);
    const int cau = m_cau = m_phien.cau();
    m_ketQua->clear();
    m_tiep->setEnabled(false);
    m_khung->setVisible(cau != 0);
    m_trong->setVisible(cau == 0);
    // An empty list has nothing to go on to: only a way out.
    m_tiep->setVisible(cau != 0);
    m_dong->setVisible(cau == 0);
    if (cau == 0) {
        m_dong->setFocus();
        m_con->clear();
        setWindowTitle(tieuDe());
        m_trong->setText(m_phien.cheDo() == CheDo::HomNay ? txt::kDlHomNayXong
                         : m_phien.cheDo() == CheDo::DaLuu
                             ? (m_phien.soLiet() == 0 ? txt::kDlChuaLuuCau : txt::kDlDaLuuXong)
                         : m_phien.cheDo() == CheDo::DiemLiet ? txt::kDlDaVungHet.arg(m_phien.soLiet())
                         : m_lichSuHong                       ? txt::kLichSuKhongDoc
                         : m_phien.coBaiLam()                 ? txt::kDlKhongConSai
                                                              : txt::kDlChuaCoBai);
        ui::thongBaoTruyCap(m_trong, m_trong->text());
        return;
    }
    m_con->setText(txt::kDlConOn.arg(m_phien.con()));
    const CauHoiNganHang& c = *m_nh->nh.cau(cau);
    m_khung->hien(c, m_nh->thuMuc, txt::kCauHoiSoHoc + QLatin1Char(' ') + QString::number(c.so), 0, false,
                  m_phien.thuTu());
    setWindowTitle(tieuDe() + QStringLiteral(" – ") + QString::number(c.so));
    m_khung->datTieuDiem();
}

void FormOnTap::traLoi(int viTri)
{
    const int cau = m_cau;
    const std::optional<PhienOn::TraLoi> kq = m_phien.traLoi(viTri, m_mt.seams().bayGio());
    if (!kq)
        return;
    if (!kq->daGhi)
        m_mt.baoLoiGhiKho(m_daBaoLoi, kq->loi);
    QString them;
    if (kq->dung)
        them = m_phien.cheDo() == CheDo::HomNay || m_phien.cheDo() == CheDo::DaLuu ? QString()
               : m_phien.cheDo() == CheDo::DiemLiet ? txt::kDlNgayDung.arg(kq->soNgay).arg(kSoNgayThuoc)
               : kq->roi                            ? txt::kDlDungRoiDS
                         : txt::kDlDungLienTiep.arg(kq->dungLienTiep).arg(kDungDeXong);
    const CauHoiNganHang& c = *m_nh->nh.cau(cau);
    m_khung->hien(c, m_nh->thuMuc, txt::kCauHoiSoHoc + QLatin1Char(' ') + QString::number(c.so),
                  m_phien.thuTu().at(static_cast<std::size_t>(viTri - 1)), true, m_phien.thuTu());
    // The verdict and the key stand in the question's box; this line adds
    // what the answer did to the list. A screen reader hears both.
    const QString noiDung = (kq->dung ? txt::kTraLoiDung : txt::kTraLoiSai).arg(kq->viTriDung)
                            + (them.isEmpty() ? QString() : QLatin1Char(' ') + them);
    m_ketQua->setText(them);
    ui::datMauNghia(m_ketQua, kq->dung ? ui::Nghia::Tot : ui::Nghia::Xau);
    // Said with the key and the explanation the question's box reads out.
    m_ketQua->setAccessibleDescription(noiDung);
    m_khung->themLoiDoc(them);
    m_con->setText(txt::kDlConOn.arg(m_phien.con()));
    m_tiep->setEnabled(true);
    m_tiep->setFocus();
    emit daDoi();
}

void FormOnTap::cauTiep()
{
    if (m_phien.daTraLoi())
        hien();
}

void FormOnTap::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (e->isAccepted())
        emit daDong();
}

}  // namespace thilaixe
