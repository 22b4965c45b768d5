#include "screens/practice/FormTienBo.h"

#include "rules/common/Texts.h"
#include "rules/dulieu/NganHangDL.h"

#include "screens/common/BieuDoDiem.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

namespace thilaixe {

using namespace ui;

FormTienBo::FormTienBo(MoiTruong& mt) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(QStringLiteral("FormTienBo"));
    setWindowTitle(txt::kTieuDeTienBo);
    setFixedSize(760, 470);
    datGiua(this);

    m_bieuDo = new BieuDoDiem(this);
    m_bieuDo->setGeometry(16, 16, 470, 250);
    m_lbDat = taoNhan(this, QStringLiteral("LB_Dat"), QString(), QRect(502, 16, 242, 24), kXanh,
                      phongViet(12, true));
    m_lbSanSang = taoNhan(this, QStringLiteral("LB_SanSang"), QString(), QRect(502, 46, 242, 52), kDoDam,
                          phongViet(12, true), Qt::AlignLeft | Qt::AlignTop);
    m_lbSanSang->setWordWrap(true);
    m_lbCoSo = taoNhan(this, QStringLiteral("LB_CoSo"), QString(), QRect(502, 100, 242, 56), kXanh,
                       phongViet(10), Qt::AlignLeft | Qt::AlignTop);
    m_lbCoSo->setWordWrap(true);

    taoNhan(this, QStringLiteral("LB_SaiNhieu"), txt::kSaiNhieuNhat, QRect(502, 164, 242, 22), kXanh,
            phongViet(10.5, true));
    m_dsSaiNhieu = new QListWidget(this);
    m_dsSaiNhieu->setObjectName(QStringLiteral("DS_SaiNhieu"));
    m_dsSaiNhieu->setAccessibleName(txt::kSaiNhieuNhat);
    m_dsSaiNhieu->setGeometry(502, 188, 242, 214);
    m_dsSaiNhieu->setFont(phongViet(10.5));
    // A click, or Enter on the current line.
    const auto moCau = [this](QListWidgetItem* muc) { emit moCauHoi(muc->data(Qt::UserRole).toInt()); };
    connect(m_dsSaiNhieu, &QListWidget::itemClicked, this, moCau);
    connect(m_dsSaiNhieu, &QListWidget::itemActivated, this, moCau);

    taoNhan(this, QStringLiteral("LB_DaGap"), txt::kDaGap, QRect(16, 282, 470, 22), kXanh,
            phongViet(10.5, true));
    const NganHangDL& nh = nganHangCoDien();
    for (std::size_t p = 0; p < 3; ++p) {
        taoNhan(this, QStringLiteral("LB_Phan%1").arg(p), nh.chuong[p].tieuDe,
                QRect(16, 310 + static_cast<int>(p) * 32, 160, 24), kXanh, phongViet(10.5));
        auto* thanh = new QProgressBar(this);
        thanh->setObjectName(QStringLiteral("DoPhu%1").arg(p));
        thanh->setGeometry(180, 310 + static_cast<int>(p) * 32, 306, 24);
        thanh->setRange(0, nh.chuong[p].cuoi - nh.chuong[p].dau + 1);
        thanh->setFormat(QStringLiteral("%v/%m"));
        thanh->setFont(phongSans(9));
        m_doPhu[p] = thanh;
    }

    m_cmThoat =
        taoNut(this, QStringLiteral("CM_Thoat"), txt::kThoat, QRect(615, 420, 129, 33), phongViet(11, true));
    connect(m_cmThoat, &QPushButton::clicked, this, &QWidget::close);

    tinhLai();
}

void FormTienBo::tinhLai()
{
    const LichSuDaDoc lichSu = m_mt.docLichSuHoc();
    const std::vector<LanThi>& ds = lichSu.lanThi;
    // The store as it is now: another copy may have practised meanwhile.
    const SoOnTap so = m_mt.onTapCoDien();
    const NganHangDL& nh = nganHangCoDien();
    m_tienBo = tinhTienBo(nh, ds, so);

    const BoQuyTac& quyTac = boQuyTacCoDien();
    const QuyTacHang* hang = quyTac.timHang(m_mt.trangThai().Hang.trimmed());
    if (!hang && !ds.empty())
        hang = quyTac.timHang(ds.back().hang);
    if (!hang)
        hang = quyTac.timHang(QStringLiteral("B2"));
    m_hang = hang->hang;
    // A fixed seed: the figure moves only when the learner's answers do.
    BoSinhSo nguon(1);
    m_sanSang = uocLuongSanSang(nh, *hang, ds, so, nguon);

    m_bieuDo->datDiem(m_tienBo.diem);
    if (ds.empty()) {
        m_lbDat->clear();
        m_lbSanSang->setText(lichSu.trangThai == KetQuaDoc::LoiKhac ? txt::kLichSuKhongDoc
                                                                    : txt::kChuaDuDuLieu);
        m_lbCoSo->clear();
    } else {
        m_lbDat->setText(txt::kDatGanDay.arg(m_tienBo.datGanDay).arg(m_tienBo.soGanDay));
        m_lbSanSang->setText(txt::kSanSang.arg(m_hang, ui::phanTram(m_sanSang.xacSuat)));
        m_lbCoSo->setText(txt::kCoSoSanSang.arg(m_sanSang.soLanThi).arg(m_sanSang.soDe));
    }
    m_dsSaiNhieu->clear();
    for (const auto& [cau, lan] : m_tienBo.saiNhieuNhat) {
        auto* muc = new QListWidgetItem(txt::kMucSaiNhieu.arg(cau).arg(lan), m_dsSaiNhieu);
        muc->setData(Qt::UserRole, cau);
    }
    for (std::size_t p = 0; p < 3; ++p) {
        m_doPhu[p]->setValue(m_tienBo.daGap[p]);
        m_doPhu[p]->setAccessibleName(txt::kTtDoPhu.arg(nganHangCoDien().chuong[p].tieuDe)
                                          .arg(m_tienBo.daGap[p])
                                          .arg(m_doPhu[p]->maximum()));
    }
}

void FormTienBo::changeEvent(QEvent* e)
{
    // Back from practising beside it: the figures follow.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        tinhLai();
    QWidget::changeEvent(e);
}

void FormTienBo::closeEvent(QCloseEvent* e)
{
    e->accept();
    m_mt.dongForm(this);
}

}  // namespace thilaixe
