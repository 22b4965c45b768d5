#include "screens/practice/FormOnTap.h"

#include "rules/bank/DapAn.h"
#include "rules/common/Texts.h"
#include "rules/dulieu/NganHangDL.h"

#include "screens/common/HienAnh.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace thilaixe {

using namespace ui;

namespace {
const QColor kXanhLa{0, 128, 0};
}

FormOnTap::FormOnTap(MoiTruong& mt) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(QStringLiteral("FormOnTap"));
    setWindowTitle(txt::kTieuDeOnTap);
    setFixedSize(726, 463);
    datGiua(this);

    m_lbch =
        taoNhan(this, QStringLiteral("LBCH"), QString(), QRect(70, 22, 200, 28), kXanh, phongViet(12, true));
    m_lbCon = taoNhan(this, QStringLiteral("LB_Con"), QString(), QRect(270, 22, 200, 28), kTim, phongViet(11),
                      Qt::AlignRight | Qt::AlignVCenter);
    m_img = new QLabel(this);
    m_img->setObjectName(QStringLiteral("Img"));
    m_img->setAccessibleName(txt::kTtKhongCoAnh);
    m_img->setGeometry(70, 58, 400, 300);
    m_img->setScaledContents(true);
    m_lbTrong = taoNhan(this, QStringLiteral("LB_Trong"), QString(), QRect(70, 58, 400, 300), kXanhDam,
                        phongViet(13, true), Qt::AlignCenter);
    m_lbTrong->setWordWrap(true);
    m_lbHuongDan = taoNhan(this, QStringLiteral("LB_HuongDan"), txt::kHuongDanOnTap, QRect(500, 58, 206, 80),
                           kXanh, phongViet(10.5), Qt::AlignLeft | Qt::AlignTop);
    m_lbHuongDan->setWordWrap(true);
    for (int k = 0; k < 4; ++k) {
        m_cmPhuongAn[static_cast<std::size_t>(k)] =
            taoNut(this, QStringLiteral("CM_PhuongAn%1").arg(k + 1), QString::number(k + 1),
                   QRect(500 + k * 52, 148, 46, 40), phongViet(14, true));
        connect(m_cmPhuongAn[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { traLoi(k + 1); });
    }
    m_lbKetQua = taoNhan(this, QStringLiteral("LB_KetQua"), QString(), QRect(500, 200, 206, 80), kXanh,
                         phongViet(12, true), Qt::AlignLeft | Qt::AlignTop);
    m_lbKetQua->setWordWrap(true);
    m_cmTiep =
        taoNut(this, QStringLiteral("CM_Tiep"), txt::kCauTiep, QRect(544, 300, 129, 33), phongViet(11, true));
    m_cmThoat =
        taoNut(this, QStringLiteral("CM_Thoat"), txt::kThoat, QRect(544, 420, 129, 33), phongViet(11, true));
    connect(m_cmTiep, &QPushButton::clicked, this, &FormOnTap::cauTiep);
    connect(m_cmThoat, &QPushButton::clicked, this, &QWidget::close);
    // The keys go to the form: the option buttons take no focus.
    for (QPushButton* b : m_cmPhuongAn)
        b->setFocusPolicy(Qt::NoFocus);
    m_cmTiep->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);

    napDanhSach();
    hienCau();
}

void FormOnTap::napDanhSach()
{
    KhoHocVien& kho = m_mt.kho();
    const LichSuDaDoc lichSu = m_mt.docLichSuHoc();
    m_lanThi = lichSu.lanThi;
    m_lichSuHong = lichSu.trangThai == KetQuaDoc::LoiKhac;
    QString loi;
    // Only a history read whole is folded in: one that cannot be read for
    // a while must not undo what was practised.
    if (lichSu.daDoc()
        && !kho.gopLanThi(KhoHocVien::kHoSoMacDinh, kIdNganHangCoDien, kSoCauHoi, m_lanThi, &loi))
        m_mt.baoLoiGhiKho(m_daBaoLoiGhi, loi);
    const std::vector<int> ds = m_mt.onTapCoDien().danhSach(m_lanThi);
    m_hangDoi.assign(ds.begin(), ds.end());
}

void FormOnTap::theoKho()
{
    // Another copy of the program may practise the same list: the queue
    // keeps its order, loses what the store no longer lists, and gains
    // what it newly lists.
    const SoOnTap so = m_mt.onTapCoDien();
    std::erase_if(m_hangDoi, [&](int q) { return !so.coCau(q) || !so.o(q).canOn; });
    for (int q : so.danhSach(m_lanThi))
        if (std::find(m_hangDoi.begin(), m_hangDoi.end(), q) == m_hangDoi.end())
            m_hangDoi.push_back(q);
}

void FormOnTap::hienCau()
{
    theoKho();
    const int q = m_hangDoi.empty() ? 0 : m_hangDoi.front();
    m_cau = q;
    m_daTraLoi = false;
    m_lbKetQua->clear();
    m_cmTiep->setEnabled(false);
    m_img->setVisible(q != 0);
    m_lbTrong->setVisible(q == 0);
    m_lbHuongDan->setVisible(q != 0);
    m_cmTiep->setVisible(q != 0);
    // The question in the title too: a screen reader or a taskbar names it.
    setWindowTitle(q == 0 ? txt::kTieuDeOnTap : txt::kTieuDeOnTapCau.arg(q));
    if (q == 0) {
        m_lbch->clear();
        m_lbCon->clear();
        m_lbTrong->setText(m_lichSuHong       ? txt::kLichSuKhongDoc
                           : m_lanThi.empty() ? txt::kChuaCoBaiThi
                                              : txt::kKhongConCauSai);
        for (QPushButton* b : m_cmPhuongAn)
            b->hide();
        return;
    }
    m_lbch->setText(txt::kCauHoiSoHoc + QLatin1Char(' ') + QString::number(q));
    m_lbCon->setText(txt::kConLai.arg(m_hangDoi.size()));
    hienAnhHoacTrong(m_mt, m_img, static_cast<std::int16_t>(q));
    const int soPhuongAn = kSoPhuongAn[static_cast<std::size_t>(q)];
    for (int k = 0; k < 4; ++k) {
        QPushButton* b = m_cmPhuongAn[static_cast<std::size_t>(k)];
        b->setVisible(k < soPhuongAn);
        b->setEnabled(true);
        b->setStyleSheet(QString());
    }
}

void FormOnTap::traLoi(int phuongAn)
{
    const int q = cauDangOn();
    if (q == 0 || m_daTraLoi || phuongAn < 1 || phuongAn > kSoPhuongAn[static_cast<std::size_t>(q)])
        return;
    m_daTraLoi = true;
    const int dapAn = kDapAn[static_cast<std::size_t>(q)];
    const bool dung = phuongAn == dapAn;
    // Applied to the box as the store has it now, which another copy of the
    // program may have changed.
    MucOnTap sau;
    QString loi;
    if (!m_mt.kho().traLoiOnTap(KhoHocVien::kHoSoMacDinh, kIdNganHangCoDien, q, dung, &sau, nullptr, &loi))
        m_mt.baoLoiGhiKho(m_daBaoLoiGhi, loi);
    const bool roi = !sau.canOn;
    QString loiNhan = (dung ? txt::kTraLoiDung : txt::kTraLoiSai).arg(dapAn);
    if (roi && dung)
        loiNhan += QLatin1Char(' ') + txt::kRoiDanhSach;
    else if (dung)
        loiNhan += QLatin1Char(' ') + txt::kDungLienTiep.arg(sau.dungLienTiep).arg(kDungDeXong);
    m_lbKetQua->setText(loiNhan);
    thongBaoTruyCap(m_lbKetQua, loiNhan);
    datMauChu(m_lbKetQua, dung ? kXanhLa : kDoDam);
    // The key in green, a wrong choice in red; the others greyed.
    for (int k = 1; k <= 4; ++k) {
        QPushButton* b = m_cmPhuongAn[static_cast<std::size_t>(k - 1)];
        if (k == dapAn)
            b->setStyleSheet(QStringLiteral("background: #2e7d32; color: white; border: 1px solid #1b5e20;"));
        else if (k == phuongAn)
            b->setStyleSheet(QStringLiteral("background: #c62828; color: white; border: 1px solid #8e0000;"));
        else
            b->setEnabled(false);
    }
    m_cmTiep->setEnabled(true);
    // Done with: out of the queue; still to learn: to its end.
    if (!m_hangDoi.empty() && m_hangDoi.front() == q)
        m_hangDoi.pop_front();
    if (!roi)
        m_hangDoi.push_back(q);
    theoKho();
    m_lbCon->setText(txt::kConLai.arg(m_hangDoi.size()));
}

void FormOnTap::cauTiep()
{
    if (m_daTraLoi)
        hienCau();
}

void FormOnTap::keyPressEvent(QKeyEvent* e)
{
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_4 && !m_daTraLoi) {
        traLoi(k - Qt::Key_0);
        return;
    }
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space || k == Qt::Key_Right)
        && m_daTraLoi) {
        cauTiep();
        return;
    }
    if (k == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void FormOnTap::closeEvent(QCloseEvent* e)
{
    e->accept();
    m_mt.dongForm(this);
}

}  // namespace thilaixe
