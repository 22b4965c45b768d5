#include "exam/FormKetQua.h"

#include "app/App.h"
#include "app/Texts.h"
#include "app/Ui.h"
#include "decor/DaiTacGia.h"
#include "exam/FormMain.h"
#include "study/FormDapAn.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace thilaixe {

using namespace ui;

FormKetQua::FormKetQua(App& app) : QWidget(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("FormKetQua"));
    setFixedSize(tw(6600), tw(3480));
    centre(this);

    m_lbHang = label(this, QStringLiteral("LB_Hang"), QString(), twRect(1920, 480, 3132, 492), kXanh,
                     fontViet(13.5, true), Qt::AlignCenter);
    const auto nhan = [this](const char* name, const QString& text, int top, int left, int width) {
        label(this, QString::fromLatin1(name), text, twRect(left, top, width, 372), kXanh, fontViet(12),
              Qt::AlignRight | Qt::AlignVCenter);
    };
    const auto o = [this](const char* name, int top, int width) {
        QLabel* l = label(this, QString::fromLatin1(name), QString(), twRect(3720, top, width, 372), kDo,
                          fontViet(12, true), Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        return l;
    };
    nhan("Label1", txt::kSoCauDung, 1080, 1320, 2292);
    m_tDung = o("TDung", 1080, 492);
    nhan("Label2", txt::kSoCauSai, 1560, 1320, 2292);
    m_tSai = o("TSai", 1560, 492);
    nhan("Label3", txt::kKetQua, 2040, 1680, 1932);
    m_tKetQua = o("TKetQua", 2040, 1572);
    m_cmOK = button(this, QStringLiteral("CMOK"), txt::kThoatKQ, twRect(1800, 2640, 1572, 492),
                    fontViet(10.5, true));
    m_cmXemKQ = button(this, QStringLiteral("CM_XemKQ"), txt::kXemLai, twRect(3600, 2640, 1572, 492),
                       fontViet(10.5, true));
    DaiTacGia::bieuTuong(this, QPoint(tw(480), tw(480)));
    setTabOrder(m_cmOK, m_cmXemKQ);
    connect(m_cmOK, &QPushButton::clicked, this, [this] { m_app.ketThuc(); });
    connect(m_cmXemKQ, &QPushButton::clicked, this, &FormKetQua::CM_XemKQ_Click);

    load();
}

void FormKetQua::load()
{
    if (m_app.coFormMain())
        m_app.formMain()->khoaBaiThi();
    const SharedState& s = m_app.state();
    // The capital-letter font of the original shows this caption in capitals.
    m_lbHang->setText((txt::kThiLaiXeHang + s.Hang).toUpper());
    setWindowTitle(txt::kTieuDeKQ + s.HoTen + txt::kTieuDeKQSBD + s.SoBaoDanh);
}

void FormKetQua::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    m_cmOK->setFocus(Qt::OtherFocusReason);
}

void FormKetQua::CM_XemKQ_Click()
{
    hide();
    m_app.hien(m_app.formDapAn());
}

void FormKetQua::closeEvent(QCloseEvent* e)
{
    e->accept();
    m_app.ketThuc();
}

} // namespace thilaixe
