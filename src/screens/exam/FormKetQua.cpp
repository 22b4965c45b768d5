#include "screens/exam/FormKetQua.h"

#include "rules/common/NenTang.h"
#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"

#include "screens/common/DaiTacGia.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace thilaixe {

using namespace ui;

FormKetQua::FormKetQua(MoiTruong& mt) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(QStringLiteral("FormKetQua"));
    setFixedSize(tw(6600), tw(3480));
    datGiua(this);

    m_lbHang = taoNhan(this, QStringLiteral("LB_Hang"), QString(), twRect(1920, 480, 3132, 492), kXanh,
                       phongViet(13.5, true), Qt::AlignCenter);
    const auto nhan = [this](const char* name, const QString& text, int top, int left, int width) {
        taoNhan(this, QString::fromLatin1(name), text, twRect(left, top, width, 372), kXanh, phongViet(12),
                Qt::AlignRight | Qt::AlignVCenter);
    };
    const auto o = [this](const char* name, int top, int width) {
        QLabel* l = taoNhan(this, QString::fromLatin1(name), QString(), twRect(3720, top, width, 372), kDo,
                            phongViet(12, true), Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        return l;
    };
    nhan("Label1", txt::kSoCauDung, 1080, 1320, 2292);
    m_tDung = o("TDung", 1080, 492);
    nhan("Label2", txt::kSoCauSai, 1560, 1320, 2292);
    m_tSai = o("TSai", 1560, 492);
    nhan("Label3", txt::kKetQua, 2040, 1680, 1932);
    m_tKetQua = o("TKetQua", 2040, 1572);
    m_cmOK = taoNut(this, QStringLiteral("CMOK"), txt::kThoatKQ, twRect(1800, 2640, 1572, 492),
                    phongViet(10.5, true));
    m_cmXemKQ = taoNut(this, QStringLiteral("CM_XemKQ"), txt::kXemLai, twRect(3600, 2640, 1572, 492),
                       phongViet(10.5, true));
    DaiTacGia::bieuTuong(this, QPoint(tw(480), tw(480)));
    setTabOrder(m_cmOK, m_cmXemKQ);
    connect(m_cmOK, &QPushButton::clicked, this, [this] { m_mt.ketThucChuongTrinh(); });
    connect(m_cmXemKQ, &QPushButton::clicked, this, &FormKetQua::CM_XemKQ_Click);

    load();
}

void FormKetQua::load()
{
    const SharedState& s = m_mt.trangThai();
    // The capital-letter font of the original shows this caption in capitals.
    m_lbHang->setText((txt::kThiLaiXeHang + s.Hang).toUpper());
    setWindowTitle(txt::kTieuDeKQ + s.HoTen + txt::kTieuDeKQSBD + s.SoBaoDanh);
}

void FormKetQua::hienKetQua(const KetQuaThi& kq)
{
    m_tDung->setText(soTron(kq.dung));
    m_tSai->setText(soTron(kq.sai()));
    m_tKetQua->setText(kq.dat ? txt::kDat : txt::kKhongDat);
    // Said once the window is in front, after its title and its button.
    thongBaoKhiHien(m_tKetQua, txt::kTtKetQua.arg(m_tKetQua->text()).arg(kq.dung).arg(kq.sai()));
}

void FormKetQua::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    m_cmOK->setFocus(Qt::OtherFocusReason);
}

void FormKetQua::CM_XemKQ_Click()
{
    hide();
    // Not shown again in this run (closing the review ends it): its window
    // and the pixels behind it go now, not at the end, and with them the
    // pages the exam's pictures were decoded in.
    destroy();
    traLaiBoNhoTrong();
    emit xemLai();
}

void FormKetQua::closeEvent(QCloseEvent* e)
{
    e->accept();
    m_mt.ketThucChuongTrinh();
}

}  // namespace thilaixe
