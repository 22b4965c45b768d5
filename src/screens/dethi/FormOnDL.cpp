#include "screens/dethi/FormOnDL.h"

#include "rules/common/Texts.h"
#include "rules/kho/KhoHocVien.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/dethi/KhungCauHoi.h"
#include "screens/dethi/NganHangMo.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace thilaixe {

FormOnDL::FormOnDL(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, const QString& hang,
                   CheDo cheDo)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh)), m_hoSo(hoSo), m_hang(hang), m_cheDo(cheDo)
{
    setObjectName(cheDo == CheDo::CauSai ? QStringLiteral("FormOnSaiDL") : QStringLiteral("FormOnLietDL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        (cheDo == CheDo::CauSai ? txt::kDlTieuDeOnSai : txt::kDlTieuDeOnLiet).arg(m_nh->nh.tieuDe));
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
    duoi->addStretch(1);
    duoi->addWidget(m_tiep);
    doc->addLayout(duoi);
    connect(m_tiep, &QPushButton::clicked, this, &FormOnDL::cauTiep);
    connect(m_khung, &KhungCauHoi::daChonViTri, this, [this](int viTri) { traLoi(viTri); });
    m_khung->ganPhimChung(this);
    for (const auto k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Right})
        themPhim(this, QKeySequence(k), [this] { cauTiep(); });
    themPhim(this, QKeySequence(Qt::Key_Escape), [this] { close(); });
    datKieuCuaSo(this);
    resize(900, 640);
    ui::datGiua(this);
    napDanhSach();
    hien();
}

void FormOnDL::napDanhSach()
{
    KhoHocVien& kho = m_mt.kho();
    const int n = static_cast<int>(m_nh->nh.cauHoi.size());
    m_hangDoi.clear();
    if (m_cheDo == CheDo::CauSai) {
        m_lanThi.clear();
        for (const BaiLam& b : kho.cacBaiLam(m_hoSo, m_nh->nh.id))
            m_lanThi.push_back(b.lanThi());
        const std::vector<int> ds = kho.docOnTap(m_hoSo, m_nh->nh.id, n).danhSach(m_lanThi);
        m_hangDoi.assign(ds.begin(), ds.end());
        return;
    }
    // Not mastered yet, the fewest days right first; one already right
    // today waits for another day.
    const QuyTacHang* q = m_nh->quyTac.timHang(m_hang);
    if (!q)
        return;
    const QHash<int, int> ngay = kho.soNgayDungDiemLiet(m_hoSo, m_nh->nh.id);
    std::vector<int> ds;
    for (int c : m_nh->cauDiemLiet(*q))
        if (ngay.value(c) < 2)
            ds.push_back(c);
    std::stable_sort(ds.begin(), ds.end(), [&](int a, int b) { return ngay.value(a) < ngay.value(b); });
    m_hangDoi.assign(ds.begin(), ds.end());
}

void FormOnDL::hien()
{
    m_cau = m_hangDoi.empty() ? 0 : m_hangDoi.front();
    m_daTraLoi = false;
    m_ketQua->clear();
    m_tiep->setEnabled(false);
    m_khung->setVisible(m_cau != 0);
    m_trong->setVisible(m_cau == 0);
    if (m_cau == 0) {
        m_con->clear();
        setWindowTitle(
            (m_cheDo == CheDo::CauSai ? txt::kDlTieuDeOnSai : txt::kDlTieuDeOnLiet).arg(m_nh->nh.tieuDe));
        const QuyTacHang* q = m_nh->quyTac.timHang(m_hang);
        m_trong->setText(m_cheDo == CheDo::DiemLiet
                             ? txt::kDlDaVungHet.arg(q ? m_nh->cauDiemLiet(*q).size() : 0)
                         : m_lanThi.empty() ? txt::kDlChuaCoBai
                                            : txt::kDlKhongConSai);
        ui::thongBaoTruyCap(m_trong, m_trong->text());
        return;
    }
    m_con->setText(txt::kDlConOn.arg(m_hangDoi.size()));
    const CauHoiDL& c = *m_nh->nh.cau(m_cau);
    m_thuTu.clear();
    for (int k = 1; k <= c.soPhuongAn; ++k)
        m_thuTu.push_back(k);
    // Options in a new order (only those written out: a picture's options
    // are drawn in it).
    if (!c.phuongAn.isEmpty()
        && m_mt.kho().caiDat(m_hoSo, QStringLiteral("shuffle"), QStringLiteral("1")) == QStringLiteral("1")) {
        BoSinhSo rng(hatGiong(m_mt));
        for (std::size_t i = m_thuTu.size(); i > 1; --i)
            std::swap(m_thuTu[i - 1], m_thuTu[static_cast<std::size_t>(rng.next() % i)]);
    }
    m_khung->hien(c, m_nh->thuMuc, txt::kCauHoiSoHoc + QLatin1Char(' ') + QString::number(c.so), 0, false,
                  m_thuTu);
    setWindowTitle(
        (m_cheDo == CheDo::CauSai ? txt::kDlTieuDeOnSai : txt::kDlTieuDeOnLiet).arg(m_nh->nh.tieuDe)
        + QStringLiteral(" – ") + QString::number(c.so));
}

void FormOnDL::traLoi(int viTri)
{
    if (m_cau == 0 || m_daTraLoi)
        return;
    const int pa = m_khung->phuongAnTai(viTri);
    if (pa == 0)
        return;
    m_daTraLoi = true;
    const CauHoiDL& c = *m_nh->nh.cau(m_cau);
    const bool dung = pa == c.dapAn;
    KhoHocVien& kho = m_mt.kho();
    QString loi, them;
    bool roi = false;
    if (m_cheDo == CheDo::CauSai) {
        MucOnTap sau;
        if (!kho.traLoiOnTap(m_hoSo, m_nh->nh.id, m_cau, dung, &sau, nullptr, &loi))
            m_mt.baoLoiGhiKho(m_daBaoLoi, loi);
        roi = !sau.canOn;
        if (dung)
            them = roi ? txt::kDlDungRoiDS : txt::kDlDungLienTiep.arg(sau.dungLienTiep).arg(kDungDeXong);
    } else {
        if (dung && !kho.ghiDungDiemLiet(m_hoSo, m_nh->nh.id, m_cau, QDate::currentDate(), &loi))
            m_mt.baoLoiGhiKho(m_daBaoLoi, loi);
        // Right once today: again on another day.
        roi = dung;
        if (dung)
            them =
                txt::kDlNgayDung.arg(std::min(2, kho.soNgayDungDiemLiet(m_hoSo, m_nh->nh.id).value(m_cau)));
    }
    m_khung->hien(c, m_nh->thuMuc, txt::kCauHoiSoHoc + QLatin1Char(' ') + QString::number(c.so), pa, true,
                  m_thuTu);
    int viTriDung = 0;
    for (std::size_t k = 0; k < m_thuTu.size(); ++k)
        if (m_thuTu[k] == c.dapAn)
            viTriDung = static_cast<int>(k) + 1;
    const QString loiNhan = (dung ? txt::kTraLoiDung : txt::kTraLoiSai).arg(viTriDung)
                            + (them.isEmpty() ? QString() : QLatin1Char(' ') + them);
    m_ketQua->setText(loiNhan);
    ui::datMauChu(m_ketQua, dung ? QColor(27, 94, 32) : QColor(183, 28, 28));
    ui::thongBaoTruyCap(m_ketQua, loiNhan);
    if (!m_hangDoi.empty() && m_hangDoi.front() == m_cau)
        m_hangDoi.pop_front();
    if (!roi)
        m_hangDoi.push_back(m_cau);
    m_con->setText(txt::kDlConOn.arg(m_hangDoi.size()));
    m_tiep->setEnabled(true);
    m_tiep->setFocus();
    emit daDoi();
}

void FormOnDL::cauTiep()
{
    if (m_daTraLoi)
        hien();
}

}  // namespace thilaixe
