#include "screens/databank/FormTienBo.h"

#include "rules/common/Texts.h"
#include "rules/session/DuBao.h"
#include "rules/session/PhienOn.h"
#include "rules/session/PhienThi.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/BieuDoDiem.h"
#include "screens/common/CoCuaSo.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>

namespace thilaixe {

namespace {

QLabel* nhan(QWidget* cha, const QString& ten, bool dam = false)
{
    auto* l = new QLabel(cha);
    l->setObjectName(ten);
    l->setWordWrap(true);
    if (dam) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// A score with two decimals, written the Vietnamese way.
QString haiSo(double x) { return QString::number(x, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')); }

}  // namespace

FormTienBo::FormTienBo(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, const QString& hang)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh)), m_hoSo(hoSo), m_hang(hang)
{
    setObjectName(QStringLiteral("FormTienBo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(txt::kDlTieuDeTienBo.arg(hang));
    auto* luoi = new QGridLayout(this);
    m_bieuDo = new BieuDoDiem(this);
    m_bieuDo->setMinimumSize(420, 220);
    if (const QuyTacHang* q = m_nh->quyTacHocVien(mt.kho(), hoSo, mt.seams().bayGio().date()).timHang(hang))
        m_bieuDo->datToiDa(q->soCau);
    luoi->addWidget(m_bieuDo, 0, 0);
    auto* phai = new QVBoxLayout;
    m_dat = nhan(this, QStringLiteral("LB_SanSang"), true);
    m_liet = nhan(this, QStringLiteral("LB_Liet"), true);
    m_coSo = nhan(this, QStringLiteral("LB_CoSo"));
    m_kiemChung = nhan(this, QStringLiteral("LB_KiemChung"));
    m_vung = nhan(this, QStringLiteral("LB_Vung"), true);
    m_khac = nhan(this, QStringLiteral("LB_UocLuongKhac"));
    m_soSanh = nhan(this, QStringLiteral("LB_SoSanh"));
    for (QLabel* l : {m_dat, m_liet, m_coSo, m_khac, m_vung})
        phai->addWidget(l);
    // How well the figures predicted: scores for whoever wants them, one
    // step further, with what they mean.
    m_chiTiet = new QPushButton(txt::kDlChiTietDuBao, this);
    m_chiTiet->setObjectName(QStringLiteral("CM_ChiTietDuBao"));
    m_chiTiet->setCheckable(true);
    m_chiTiet->setAccessibleDescription(txt::kDlYNghiaDiem);
    auto* yNghia = nhan(this, QStringLiteral("LB_YNghiaDiem"));
    yNghia->setText(txt::kDlYNghiaDiem);
    m_vungChiTiet = new QWidget(this);
    auto* chiTiet = new QVBoxLayout(m_vungChiTiet);
    chiTiet->setContentsMargins(12, 0, 0, 0);
    for (QLabel* l : {yNghia, m_soSanh, m_kiemChung}) {
        l->setParent(m_vungChiTiet);
        chiTiet->addWidget(l);
    }
    m_vungChiTiet->hide();
    phai->addWidget(m_chiTiet, 0, Qt::AlignLeft);
    phai->addWidget(m_vungChiTiet);
    connect(m_chiTiet, &QPushButton::toggled, m_vungChiTiet, &QWidget::setVisible);
    auto* tieuDeSai = nhan(this, QStringLiteral("LB_SaiNhieu"), true);
    tieuDeSai->setText(txt::kSaiNhieuNhat);
    phai->addWidget(tieuDeSai);
    m_saiNhieu = new QListWidget(this);
    m_saiNhieu->setObjectName(QStringLiteral("DS_SaiNhieu"));
    m_saiNhieu->setAccessibleName(txt::kSaiNhieuNhat);
    tieuDeSai->setBuddy(m_saiNhieu);
    phai->addWidget(m_saiNhieu, 1);
    luoi->addLayout(phai, 0, 1, 2, 1);
    auto* duoi = new QGridLayout;
    auto* tieuDePhu = nhan(this, QStringLiteral("LB_DoPhu"), true);
    tieuDePhu->setText(txt::kDlDoPhu);
    duoi->addWidget(tieuDePhu, 0, 0, 1, 2);
    for (std::size_t c = 0; c < m_nh->nh.chuong.size(); ++c) {
        const ChuongNganHang& ch = m_nh->nh.chuong[c];
        auto* l = new QLabel(txt::kDlMotChuong.arg(ch.so).arg(ch.tieuDe).arg(ch.dau).arg(ch.cuoi), this);
        l->setWordWrap(true);
        auto* b = new QProgressBar(this);
        b->setObjectName(QStringLiteral("DoPhu%1").arg(ch.so));
        b->setRange(0, ch.cuoi - ch.dau + 1);
        b->setFormat(QStringLiteral("%v/%m"));
        duoi->addWidget(l, static_cast<int>(c) + 1, 0);
        duoi->addWidget(b, static_cast<int>(c) + 1, 1);
        m_doPhu.push_back(b);
        auto* dung = new QLabel(this);
        dung->setObjectName(QStringLiteral("DungGanDay%1").arg(ch.so));
        duoi->addWidget(dung, static_cast<int>(c) + 1, 2);
        m_dungGanDay.push_back(dung);
    }
    luoi->addLayout(duoi, 1, 0);
    luoi->setColumnStretch(0, 3);
    luoi->setColumnStretch(1, 2);
    const auto mo = [this](QListWidgetItem* m) { emit moCau(m->data(Qt::UserRole).toInt()); };
    connect(m_saiNhieu, &QListWidget::itemActivated, this, mo);
    connect(m_saiNhieu, &QListWidget::itemClicked, this, mo);
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    moCoCuaSo(this, m_mt, m_hoSo, QSize(940, 620));
    tinhLai();
}

void FormTienBo::tinhLai()
{
    KhoHocVien& kho = m_mt.kho();
    const NganHang& nh = m_nh->nh;
    const QuyTacHang* q = m_nh->quyTacHocVien(kho, m_hoSo, m_mt.seams().bayGio().date()).timHang(m_hang);
    // The readiness and its inputs as the paper reads them.
    bool lichSuHong = false;
    const std::optional<std::vector<LanThi>> lichSu =
        lichSuNgoaiKho(m_mt, *m_nh, m_hoSo, m_daBaoLoi, &lichSuHong);
    const HoSoHang h = docHoSoHang(kho, m_hoSo, nh, m_hang, lichSu ? &*lichSu : nullptr);
    const std::vector<LanThi>& ds = h.lanThi;
    const std::vector<std::pair<double, bool>>& duDoan = h.duDoan;
    const SoOnTap& onTap = h.onTap;
    // Every answer of the bank's record, for the memory of each question
    // (the 300-question bank logs none); each counts as met, wherever given.
    const std::vector<LanTraLoi> traLoi =
        m_nh->coDien ? std::vector<LanTraLoi>{} : lanTraLoiCuaHocVien(kho, m_hoSo, nh.id);
    std::vector<int> daTraLoi;
    daTraLoi.reserve(traLoi.size());
    for (const LanTraLoi& l : traLoi)
        daTraLoi.push_back(l.cau);
    const TienBo t = tinhTienBo(nh, ds, onTap, daTraLoi);
    m_bieuDo->datDiem(t.diem);
    m_brier = diemBrier(duDoan);
    // How sure the main figure is, in words, beside it.
    const QString chacChan =
        txt::kDlDoTinCay[static_cast<int>(doTinCay(ds.size(), traLoi.size(), m_brier))].arg(ds.size()).arg(
            traLoi.size());
    const QDate homNay = m_mt.seams().bayGio().date();
    const QDate ngay = NganHangMo::ngayQuyTac(kho, m_hoSo, homNay);
    m_haiCach = q ? uocLuongHaiCach(nh, *q, h, traLoi, ngay) : HaiUocLuong{};
    const std::optional<SanSang>& s = m_haiCach.tiLe;
    m_sanSang = s.value_or(SanSang{});
    const auto theoTriNho = [&](const SanSang& x) {
        return ngay != homNay ? txt::kDlKhaNangNgayThi.arg(ngay.toString(QStringLiteral("dd/MM/yyyy")),
                                                           ui::phanTram(x.xacSuat))
                              : txt::kDlKhaNangNhoHomNay.arg(ui::phanTram(x.xacSuat));
    };
    if (!s) {
        m_dat->setText(lichSuHong ? txt::kLichSuKhongDoc : txt::kDlChuaCoBaiHang.arg(m_hang));
        m_liet->clear();
        m_coSo->clear();
    } else {
        m_dat->setText(txt::kDlKhaNangDat.arg(ui::phanTram(m_sanSang.xacSuat)) + txt::kDlNoiTinCay
                       + chacChan);
        m_liet->setText(txt::kDlKhaNangLiet.arg(ui::phanTram(m_sanSang.xacSuatLiet)));
        m_coSo->setText(txt::kDlDuaTren.arg(ds.size()).arg(m_hang) + QLatin1Char(' ')
                        + txt::kDatGanDay.arg(t.datGanDay).arg(t.soGanDay) + QLatin1Char('.'));
    }
    // The estimate that predicted the learner's answers better comes first;
    // the other follows it.
    m_khac->clear();
    if (m_haiCach.theoTriNho()) {
        if (s)
            m_khac->setText(txt::kDlKhaNangDat.arg(ui::phanTram(m_sanSang.xacSuat)));
        m_dat->setText(theoTriNho(*m_haiCach.triNho) + txt::kDlNoiTinCay + chacChan);
        m_liet->setText(txt::kDlKhaNangLiet.arg(ui::phanTram(m_haiCach.triNho->xacSuatLiet)));
    } else if (m_haiCach.triNho) {
        m_khac->setText(theoTriNho(*m_haiCach.triNho));
    }
    if (const std::optional<SoSanhDuBao>& ss = m_haiCach.soSanh)
        m_soSanh->setText(txt::kDlSoSanh.arg(ss->soTraLoi)
                              .arg(haiSo(ss->tiLe.logLoss), haiSo(ss->tiLe.brier), haiSo(ss->triNho.logLoss),
                                   haiSo(ss->triNho.brier),
                                   ss->triNhoTotHon() ? txt::kDlCachTriNho : txt::kDlCachTiLe));
    else
        m_soSanh->setText(txt::kDlSoSanhChuaDu.arg(traLoi.size()));
    m_khac->setVisible(!m_khac->text().isEmpty());
    m_soSanh->setVisible(!m_nh->coDien);
    if (m_brier) {
        double tb = 0, thuc = 0;
        for (const auto& [p, d] : duDoan) {
            tb += p;
            thuc += d ? 1 : 0;
        }
        m_kiemChung->setText(txt::kDlBrier.arg(duDoan.size())
                                 .arg(haiSo(*m_brier))
                                 .arg(ui::phanTram(tb / static_cast<double>(duDoan.size())))
                                 .arg(ui::phanTram(thuc / static_cast<double>(duDoan.size()))));
    } else {
        m_kiemChung->setText(txt::kDlBrierChuaDu.arg(duDoan.size()));
    }
    // A bank without critical questions (the 300-question one) says nothing
    // of them, and one whose papers keep no prediction has nothing to check.
    const bool coLiet = q && m_nh->soDiemLiet(q) > 0;
    m_liet->setVisible(coLiet);
    m_vung->setVisible(coLiet);
    m_kiemChung->setVisible(!m_nh->coDien);
    m_chiTiet->setVisible(!m_nh->coDien);
    if (coLiet) {
        const QHash<int, int> ngay = kho.soNgayDungDiemLiet(m_hoSo, nh.id);
        const std::vector<int> liet = m_nh->cauDiemLiet(*q);
        const auto vung = soDaThuoc(liet, ngay);
        m_vung->setText(txt::kDlDaVung.arg(vung).arg(liet.size()));
    }
    m_saiNhieu->clear();
    for (const auto& [cau, lan] : t.saiNhieuNhat) {
        auto* m = new QListWidgetItem(txt::kMucSaiNhieu.arg(cau).arg(lan), m_saiNhieu);
        m->setData(Qt::UserRole, cau);
    }
    for (std::size_t c = 0; c < m_doPhu.size() && c < t.daGap.size(); ++c) {
        m_doPhu[c]->setValue(t.daGap[c]);
        m_doPhu[c]->setAccessibleName(
            txt::kDlTtDoPhu.arg(nh.chuong[c].so).arg(t.daGap[c]).arg(m_doPhu[c]->maximum()));
    }
    // Each chapter's rate of right answers, lately.
    const std::vector<std::pair<int, int>> dung = dungGanDayTheoChuong(nh, traLoi);
    for (std::size_t c = 0; c < m_dungGanDay.size() && c < dung.size(); ++c) {
        const auto [dd, tong] = dung[c];
        m_dungGanDay[c]->setText(tong > 0 ? txt::kDlDungGanDay.arg(ui::phanTram(double(dd) / tong)).arg(tong)
                                          : txt::kDlDungGanDayChua);
        m_dungGanDay[c]->setAccessibleName(
            txt::kDlTtDungGanDay.arg(nh.chuong[c].so).arg(m_dungGanDay[c]->text()));
        m_dungGanDay[c]->setVisible(!m_nh->coDien);
    }
}

void FormTienBo::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        tinhLai();
    QWidget::changeEvent(e);
}

void FormTienBo::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (e->isAccepted())
        emit daDong();
}

}  // namespace thilaixe
