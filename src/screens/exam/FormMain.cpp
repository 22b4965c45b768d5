#include "screens/exam/FormMain.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/XuLyCacCauHoi.h"
#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"
#include "rules/exam/DemNguoc.h"
#include "rules/exam/KetQuaThi.h"
#include "rules/history/LichSuThi.h"

#include "screens/common/BoChonCauHoi.h"
#include "screens/common/DaiTacGia.h"
#include "screens/common/HienAnh.h"
#include "screens/common/HinhQuaDia.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace thilaixe {

using namespace ui;

FormMain::FormMain(MoiTruong& mt) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(QStringLiteral("FormMain"));
    setFixedSize(tw(10890), tw(7035));
    datGiua(this);

    m_img = new KhungAnh(this, twRect(960, 384, 6000, 4500));

    m_picGlobe = new HinhQuaDia(this);
    m_picGlobe->setAccessibleName(txt::kTtQuaDia);
    m_picGlobe->setGeometry(128, 51, 281, 250);

    m_lbch = taoNhan(this, QStringLiteral("LBCH"), QString(), twRect(3072, 120, 1812, 300), kXanh,
                     phongViet(12, true));
    coChuVua(taoNhan(this, QStringLiteral("LbTieuDe0"), txt::kHuongDanChonCau, twRect(1248, 5088, 5652, 300),
                     kXanh, phongViet(12, true), Qt::AlignCenter));
    coChuVua(taoNhan(this, QStringLiteral("LbTieuDe2"), txt::kHuongDanChonPA, twRect(1536, 5376, 5172, 300),
                     kXanh, phongViet(12, true), Qt::AlignCenter));
    m_lbThoiGian1 = taoNhan(this, QStringLiteral("LB_ThoiGian1"), QString(), twRect(1344, 5664, 3012, 360),
                            kDoDam, phongViet(13.5, true), Qt::AlignRight | Qt::AlignVCenter);
    m_lbThoiGian = taoNhan(this, QStringLiteral("LB_ThoiGian"), QString(), twRect(4320, 5664, 2292, 360), kDo,
                           phongViet(13.5, true), Qt::AlignCenter);
    taoNhan(this, QStringLiteral("Label4"), txt::kNhanHoTen, twRect(5145, 6240, 750, 300), Qt::black,
            phongViet(11, true));
    m_lbHoTen = taoNhan(this, QStringLiteral("LB_HoTen"), QString(), twRect(5895, 6240, 1785, 300), kHong,
                        phongViet(11, true));
    taoNhan(this, QStringLiteral("Label5"), txt::kNhanSoBaoDanh, twRect(5355, 6600, 540, 300), Qt::black,
            phongViet(11, true));
    m_lbSoBaoDanh = taoNhan(this, QStringLiteral("LB_SoBaoDanh"), QString(), twRect(5895, 6600, 1785, 300),
                            kHong, phongViet(11, true));

    m_cauHoi = new BoChonCauHoi(
        this, QStringLiteral("FrCH"), txt::kCacCauHoi,
        {twRect(7488, 288, 3000, 4650), 120, 1560, QSize(tw(975), tw(330)), phongTimes(9, true)});
    datMauChu(m_cauHoi, kDo);
    m_cauHoi->setFont(phongViet(10, true));
    for (int i = 1; i <= 30; ++i) {
        m_cauHoi->datMau(i, kXanh);
        auto* t = new QLineEdit(m_cauHoi);
        t->setObjectName(QStringLiteral("T_ChonCH%1").arg(i));
        t->setGeometry(tw(i <= 15 ? 1200 : 2600), tw(280 * (i <= 15 ? i : i - 15)) + 2, tw(250), tw(280) - 2);
        t->setFont(phongSans(8.25, true));
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);  // display only: typing can never reach TL
        t->setAlignment(Qt::AlignCenter);
        t->setAccessibleName(txt::kTtOChon.arg(i));
        datMauNen(t, kTimNhat);
        datMauChu(t, Qt::black);
        m_tChonCH[static_cast<std::size_t>(i)] = t;
    }
    connect(m_cauHoi, &BoChonCauHoi::chon, this, &FormMain::CauHoi_Click);
    m_cauHoi->datXuLyPhim([this](QKeyEvent* k) { return CauHoi_KeyPress(k); });

    m_frPA = new QGroupBox(txt::kChonCacPhuongAn, this);
    m_frPA->setObjectName(QStringLiteral("FrPA"));
    m_frPA->setGeometry(twRect(7620, 4950, 2772, 1332));
    m_frPA->setFont(phongViet(10, true));
    datMauChu(m_frPA, kDo);
    const QPoint cho[5] = {{}, {120, 360}, {1440, 360}, {120, 840}, {1440, 840}};
    for (int k = 1; k <= 4; ++k) {
        auto* b = taoNut(m_frPA, QStringLiteral("PATL%1").arg(k), QString(),
                         twRect(cho[k].x(), cho[k].y(), 1212, 372), phongViet(9.75));
        datMauChu(b, Qt::black);
        connect(b, &QPushButton::clicked, this, [this, k] { PATL_Click(k); });
        m_patl[static_cast<std::size_t>(k)] = b;
    }

    m_cmStartEnd = taoNut(this, QStringLiteral("CMStartEnd"), QString(), twRect(8190, 6405, 1572, 495),
                          phongViet(10.5, true));
    connect(m_cmStartEnd, &QPushButton::clicked, this, &FormMain::CMStartEnd_Click);

    m_thoiGian = new QTimer(this);
    m_thoiGian->setObjectName(QStringLiteral("ThoiGian"));
    m_thoiGian->setTimerType(Qt::PreciseTimer);
    m_thoiGian->setInterval(1000);
    connect(m_thoiGian, &QTimer::timeout, this, &FormMain::ThoiGian_Timer);

    m_frTen = new DaiTacGia(this, m_mt, QPoint(tw(384), tw(6060)));
    DaiTacGia::bieuTuong(this, QPoint(16, 26));

    // Start first in the tab order: it holds the focus when the sheet opens.
    setTabOrder(m_cmStartEnd, m_cauHoi->nut(1));
    m_cmStartEnd->setFocus(Qt::OtherFocusReason);

    load();
}

QLineEdit* FormMain::T_ChonCH(int i) const
{
    return i >= 1 && i <= 30 ? m_tChonCH[static_cast<std::size_t>(i)] : nullptr;
}

QPushButton* FormMain::PATL(int k) const
{
    return k >= 1 && k <= 4 ? m_patl[static_cast<std::size_t>(k)] : nullptr;
}

void FormMain::load()
{
    SharedState& s = m_mt.trangThai();
    m_lbHoTen->setText(s.HoTen);
    // A long number is cut with an ellipsis to its box and shown whole in
    // the tooltip.
    m_lbSoBaoDanh->setText(
        QFontMetrics(m_lbSoBaoDanh->font())
            .elidedText(s.SoBaoDanh, Qt::ElideRight, m_lbSoBaoDanh->contentsRect().width()));
    m_lbSoBaoDanh->setToolTip(s.SoBaoDanh);
    setWindowTitle(txt::kTieuDeThi + s.Hang);
    m_soCauDung = 0;
    m_lbThoiGian->setText(DemNguoc::thietLap(s));
    m_baoGio.datLai();
    m_lbThoiGian1->setText(txt::kTongThoiGian);
    coChuVua(m_lbThoiGian1);
    m_trangThai = 0;
    m_thoiGian->stop();
    m_cmStartEnd->setText(txt::kBatDau);
    m_cauHoi->choPhep(false);
    for (int i = 1; i <= kSoCau; ++i)
        m_cauHoi->datTenTruyCap(i, txt::kTtCauChuaTraLoi.arg(i));
    for (int k = 1; k <= 4; ++k) {
        m_patl[static_cast<std::size_t>(k)]->setText(txt::kPhuongAn + QLatin1Char('&') + QString::number(k));
        m_patl[static_cast<std::size_t>(k)]->setEnabled(false);
    }
    m_img->hide();
    m_picGlobe->batDau();
}

void FormMain::CMStartEnd_Click()
{
    if (m_trangThai == 0)
        batDau();
    else
        ketThucBaiThi();
}

void FormMain::batDau()
{
    SharedState& s = m_mt.trangThai();
    NapSoPhuongAn(s);
    TaoDeThi(s, m_mt.seams().ngauNhien());
    m_img->show();
    m_picGlobe->dung();
    m_cmStartEnd->setText(txt::kKetThuc);
    m_lbThoiGian1->setText(txt::kThoiGianCon);
    coChuVua(m_lbThoiGian1);
    m_trangThai = 1;
    m_cauHoi->choPhep(true);
    for (int k = 1; k <= 4; ++k)
        m_patl[static_cast<std::size_t>(k)]->setEnabled(true);
    m_cauHoi->chonCau(1);
    if (m_mt.dangKetThuc())
        return;  // the first picture is missing: the exam is over before it began
    m_thoiGian->start();
    s.NgayThi = m_mt.seams().bayGio().date();
    // Said after the first slot the focus went to: the time too.
    QTimer::singleShot(0, this, [this] {
        thongBaoTruyCap(m_lbThoiGian,
                        txt::kTtBatDauThi.arg(kSoCau).arg((m_mt.trangThai().Giay.value_or(0) + 59) / 60));
    });
}

void FormMain::CauHoi_Click(int i)
{
    SharedState& s = m_mt.trangThai();
    s.CauHienTai = static_cast<std::int16_t>(i);
    s.CHHienTai = s.CH[i];
    m_lbch->setText(txt::kCauHoiSo + soCoDau(i));
    coChuVua(m_lbch);
    if (!hienAnhCauHoi(m_mt, m_img, s.CH[i], NoiBaoLoi::Thi))
        return;
    ChoPhepChonCacPhuongAn();
}

void FormMain::ChoPhepChonCacPhuongAn()
{
    const SharedState& s = m_mt.trangThai();
    const int n = s.SoPhuongAn[static_cast<long long>(s.CHHienTai.value_or(0))];
    for (int k = 1; k <= 4; ++k)
        m_patl[static_cast<std::size_t>(k)]->setEnabled(k <= n);
}

void FormMain::PATL_Click(int k)
{
    SharedState& s = m_mt.trangThai();
    if (m_trangThai != 1 || !s.CauHienTai)
        return;
    const int slot = *s.CauHienTai;
    s.PhuongAnChon = static_cast<std::int16_t>(k);
    KiemTra(slot);
    s.TL[slot] = static_cast<std::int16_t>(k);
}

void FormMain::KiemTra(int slot)
{
    SharedState& s = m_mt.trangThai();
    const int q = s.CH[slot];
    s.DungSai[slot] = laDung(s, q, s.PhuongAnChon) ? 1 : 0;
    m_cauHoi->datMau(slot, kDo);
    QLineEdit* t = m_tChonCH[static_cast<std::size_t>(slot)];
    datMauNen(t, kTrang);
    t->setText(QString::number(s.PhuongAnChon));
    m_cauHoi->datTenTruyCap(slot, txt::kTtCauDaChon.arg(slot).arg(s.PhuongAnChon));
    if (slot < 30)
        m_cauHoi->chonCau(slot + 1);
}

bool FormMain::CauHoi_KeyPress(QKeyEvent* k)
{
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
        return false;
    const QString t = k->text();
    if (t == QLatin1String("1") || t == QLatin1String("2")) {
        PATL_Click(t.toInt());
    } else if (t == QLatin1String("3") || t == QLatin1String("4")) {
        if (m_patl[static_cast<std::size_t>(t.toInt())]->isEnabled())
            PATL_Click(t.toInt());
    } else if (k->key() == Qt::Key_Escape) {
        CMStartEnd_Click();
    }
    return true;  // nothing else reaches the selector
}

void FormMain::ThoiGian_Timer()
{
    const DemNguoc::Nhip n = DemNguoc::motGiay(m_mt.trangThai());
    if (n.hetGio) {
        m_thoiGian->stop();
        m_lbThoiGian->setText(n.text);
        CMStartEnd_Click();
        return;
    }
    m_lbThoiGian->setText(n.text);
    // Warned at 5 and at 1 minute left, not every second.
    if (m_baoGio.buoc(m_mt.trangThai().Giay.value_or(0)) != CanhBaoGio::Bao::Khong)
        thongBaoTruyCap(m_lbThoiGian, txt::kTtConPhut.arg(m_mt.trangThai().Giay.value_or(0) / 60));
}

void FormMain::ketThucBaiThi()
{
    SharedState& s = m_mt.trangThai();
    m_thoiGian->stop();
    s.GioThi = m_mt.seams().bayGio().time();
    bool coTraLoi = false;
    for (int i = 1; i <= kSoCau && !coTraLoi; ++i)
        coTraLoi = s.TL[i].value_or(0) > 0;
    bool daLuu = true;
    QString lyDo;
    // Saved, `lyDo` carries what the learner must know of the file (a copy
    // of it was kept); not saved, why.
    if (coTraLoi)
        daLuu = GhiDuLieu(s, m_mt.duongDan(kTepDuLieu), &lyDo, &lyDo);
    const KetQuaThi kq = ketQuaBaiThi(s);
    m_soCauDung = static_cast<std::int16_t>(kq.dung);
    emit daKetThuc(kq, daLuu, lyDo);
}

void FormMain::khoaBaiThi()
{
    for (int k = 1; k <= 4; ++k)
        m_patl[static_cast<std::size_t>(k)]->setEnabled(false);
    m_cmStartEnd->setEnabled(false);
    setEnabled(false);
}

void FormMain::closeEvent(QCloseEvent* e)
{
    if (!isEnabled()) {
        e->ignore();  // the result or the review decides now
        return;
    }
    // Closed before End: the exam is neither scored nor kept.
    e->accept();
    m_mt.ketThucChuongTrinh();
}

}  // namespace thilaixe
