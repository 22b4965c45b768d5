#include "screens/entry/FormInit.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/HangGiayPhep.h"
#include "rules/common/Texts.h"

#include "screens/common/HopChu.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Personalisation.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace thilaixe {

using namespace ui;

namespace {
bool kyTuHang(QChar c) { return QStringLiteral("12bcdeBCDE").contains(c); }

HopChu* hopChu(QWidget* parent, const QString& name, const QRect& r)
{
    auto* h = new HopChu(parent);
    h->setObjectName(name);
    h->setGeometry(r);
    h->setFont(phongViet(13.5, true));
    datMauChu(h, kDo);
    return h;
}
}  // namespace

FormInit::FormInit(MoiTruong& mt) : QWidget(nullptr), m_mt(mt)
{
    setObjectName(QStringLiteral("FormInit"));
    setWindowTitle(rieng::kTenUngDung);
    setFixedSize(tw(8220), tw(4725));
    setFocusPolicy(Qt::StrongFocus);

    m_lbTieuDe = taoNhan(this, QStringLiteral("LB_TieuDe"), rieng::kTenTrungTam.toUpper(),
                         twRect(2520, 630, 5370, 540), kXanhDam, phongViet(14.25, true), Qt::AlignCenter);
    m_lbThongBao = taoNhan(this, QStringLiteral("LB_ThongBao"), txt::kThongBaoKhaiBao,
                           twRect(2415, 1995, 5055, 330), kXanh, phongViet(12, true), Qt::AlignCenter);
    m_lbThongBao->hide();
    m_cmHoc = taoNut(this, QStringLiteral("CM_Hoc"), txt::kHoc, twRect(3255, 2730, 1560, 492),
                     phongViet(12.75, true));
    m_cmThi = taoNut(this, QStringLiteral("CM_Thi"), txt::kThiThu, twRect(5145, 2730, 1560, 492),
                     phongViet(12.75, true));
    m_cmHoc->setEnabled(false);
    m_cmThi->setEnabled(false);
    // In the free space under the two buttons: the current exam's bank,
    // which needs no declaration.
    m_cmDeMoi = taoNut(this, QStringLiteral("CM_DeMoi"), txt::kDlNutVaoEntry, QRect(192, 229, 280, 30),
                       phongViet(11, true));
    m_cmDeMoi->setAccessibleDescription(txt::kDlTtNutVaoEntry);
    m_cmDeMoi->setToolTip(txt::kDlTtNutVaoEntry);
    // The current exam is the one a learner sits today: the two buttons of
    // the older exam say what they are, in the space under the new one.
    auto* deCu = taoNhan(this, QStringLiteral("LB_DeCu"), txt::kDlDeCuEntry, QRect(160, 262, 300, 34),
                         kXanhDam, phongViet(10, false), Qt::AlignCenter);
    deCu->setWordWrap(true);
    m_cmHoc->setAccessibleDescription(txt::kDlDeCuEntry);
    m_cmThi->setAccessibleDescription(txt::kDlDeCuEntry);
    connect(m_cmDeMoi, &QPushButton::clicked, this, &FormInit::chonNganHang);
    // Reached by Alt+M at once; in the Tab chain only once the declaration
    // is open, so the form's own keys still find no control focused.
    m_cmDeMoi->setFocusPolicy(Qt::NoFocus);
    m_lbThongBao->installEventFilter(this);
    m_lbTieuDe->installEventFilter(this);
    connect(m_cmHoc, &QPushButton::clicked, this, &FormInit::CM_Hoc_Click);
    connect(m_cmThi, &QPushButton::clicked, this, &FormInit::CM_Thi_Click);
    // The declaration's captions and boxes are hidden until the learner
    // asks for them: they are built, and the hint's type fitted, once the
    // event loop runs (before the first paint) or at first use, so the
    // window is mapped without measuring text first.
    QTimer::singleShot(0, this, &FormInit::taoOKhaiBao);

    datGiua(this);

    load();
    // The window has nothing focused until the declaration opens: a screen
    // reader hears its title, then what to press.
    QString tieuDe = m_lbTieuDe->text();
    while (tieuDe.endsWith(QLatin1Char('.')))
        tieuDe.chop(1);  // "X..." is read as X: the sentence has its own stop
    thongBaoKhiHien(m_lbThongBao, txt::kTtFormInit.arg(tieuDe, m_lbThongBao->text()));
}

void FormInit::taoOKhaiBao()
{
    if (m_tHang)
        return;
    m_nhanHang = taoNhan(this, QStringLiteral("Nhan_Hang"), txt::kNhanHang, twRect(3030, 1680, 735, 270),
                         kXanh, phongViet(12.75, true));
    m_nhanKhoa = taoNhan(this, QStringLiteral("Nhan_Khoa"), txt::kNhanKhoa, twRect(4215, 1680, 720, 270),
                         kXanh, phongViet(12.75, true));
    m_nhanSBD = taoNhan(this, QStringLiteral("Nhan_SBD"), txt::kNhanSBD, twRect(5385, 1680, 1515, 270), kXanh,
                        phongViet(12.75, true));
    m_tHang = hopChu(this, QStringLiteral("T_Hang"), twRect(3030, 1965, 732, 480));
    m_tHang->setToolTip(txt::kTooltipHang);
    m_tKhoa = hopChu(this, QStringLiteral("T_Khoa"), twRect(4200, 1965, 732, 510));
    m_tSoBaoDanh = hopChu(this, QStringLiteral("T_SoBaoDanh"), twRect(5370, 1965, 1452, 510));
    m_tHang->setAccessibleName(txt::kTtHang);
    m_tHang->setAccessibleDescription(txt::kTooltipHang);
    m_tKhoa->setAccessibleName(txt::kTtKhoa);
    m_tSoBaoDanh->setAccessibleName(txt::kTtSoBaoDanh);
    // The stand-in fonts are taller than the originals: marks above and
    // below the letters (Hạng, Bấm) must not be cut by the boxes.
    for (QLabel* l : {m_nhanHang, m_nhanKhoa, m_nhanSBD, m_lbThongBao})
        coChuVua(l);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_nhanHang, m_nhanKhoa, m_nhanSBD, m_tHang, m_tKhoa, m_tSoBaoDanh})
        w->hide();

    setTabOrder(m_tHang, m_tKhoa);
    setTabOrder(m_tKhoa, m_tSoBaoDanh);
    setTabOrder(m_tSoBaoDanh, m_cmHoc);
    setTabOrder(m_cmHoc, m_cmThi);
    setTabOrder(m_cmThi, m_cmDeMoi);

    m_tHang->datLoc(kyTuHang);
    m_tKhoa->datLoc(HopChu::chiSo);
    m_tSoBaoDanh->datLoc(HopChu::chiSo);

    connect(m_tHang, &QLineEdit::textChanged, this, &FormInit::T_Hang_Change);
    connect(m_tHang, &HopChu::daBam, this, &FormInit::T_Hang_Click);
    auto demBam = [](HopChu* h, std::optional<int>& dem) {
        dem = dem.value_or(0) + 1;
        h->setText(QString::number(*dem));
        h->selectAll();
    };
    connect(m_tKhoa, &HopChu::daBam, this, [this, demBam] { demBam(m_tKhoa, m_demKhoa); });
    connect(m_tSoBaoDanh, &HopChu::daBam, this, [this, demBam] { demBam(m_tSoBaoDanh, m_demSBD); });
}

HopChu* FormInit::T_Hang()
{
    taoOKhaiBao();
    return m_tHang;
}

HopChu* FormInit::T_Khoa()
{
    taoOKhaiBao();
    return m_tKhoa;
}

HopChu* FormInit::T_SoBaoDanh()
{
    taoOKhaiBao();
    return m_tSoBaoDanh;
}

void FormInit::load()
{
    NapDapAn(m_mt.trangThai());
    m_lbThongBao->show();
}

void FormInit::Inits()
{
    taoOKhaiBao();
    m_lbThongBao->hide();
    m_nhanHang->show();
    m_nhanKhoa->show();
    m_nhanSBD->show();
    m_tHang->show();
    m_tKhoa->show();
    m_tSoBaoDanh->show();
    m_cmHoc->setEnabled(true);
    m_cmDeMoi->setFocusPolicy(Qt::StrongFocus);
    m_tHang->setFocus(Qt::OtherFocusReason);
}

bool FormInit::event(QEvent* e)
{
    // The form's own keys: they reach it only while no control has the focus.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        QWidget* f = focusWidget();
        if (f == nullptr || f == this) {
            switch (k->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
                if (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::KeypadModifier) {
                    Inits();
                    return true;
                }
                break;
            default: break;
            }
            if (!k->text().isEmpty())
                return true;  // any other key is discarded
        }
    }
    return QWidget::event(e);
}

void FormInit::mouseDoubleClickEvent(QMouseEvent*) { Inits(); }

bool FormInit::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick && (o == m_lbThongBao || o == m_lbTieuDe)) {
        Inits();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void FormInit::T_Hang_Change()
{
    SharedState& s = m_mt.trangThai();
    s.Hang = m_tHang->text().toUpper();
    m_cmThi->setEnabled(timHang(s.Hang) != nullptr);
}

void FormInit::T_Hang_Click()
{
    int dem = m_demHang.value_or(0) + 1;
    if (dem == 6)
        dem = 1;
    m_demHang = dem;
    m_tHang->setText(kCacHang[static_cast<std::size_t>(dem - 1)].ten);
    m_tHang->selectAll();
}

void FormInit::CM_Hoc_Click()
{
    emit chonHoc();
    roiDi();
}

void FormInit::CM_Thi_Click()
{
    SharedState& s = m_mt.trangThai();
    s.HoTen = txt::kHoTenThiSinh;
    s.SoBaoDanh = T_SoBaoDanh()->text();
    emit chonThi();
    roiDi();
}

void FormInit::roiDi()
{
    m_daRoi = true;
    m_mt.dongForm(this);
}

void FormInit::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (!m_daRoi)
        m_mt.ketThucChuongTrinh();  // closed before choosing: nothing else is open
}

void FormInit::paintEvent(QPaintEvent*)
{

    // Background: a desk with a computer by a window on the left, a pale
    // pattern of emblems elsewhere, a small block of text at the lower right.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(236, 242, 250));
    p.setPen(QPen(QColor(214, 224, 240), 1.5));
    for (int y = 12; y < height(); y += 44)
        for (int x = 170 + ((y / 44) % 2) * 22; x < width(); x += 44) {
            p.drawEllipse(QPointF(x, y), 11, 11);
            p.drawLine(QPointF(x - 6, y), QPointF(x + 6, y));
            p.drawLine(QPointF(x, y - 6), QPointF(x, y + 6));
        }
    // window
    p.setPen(QPen(QColor(120, 110, 90), 3));
    p.setBrush(QColor(196, 224, 246));
    p.drawRect(18, 26, 110, 120);
    p.drawLine(73, 26, 73, 146);
    p.drawLine(18, 86, 128, 86);
    // desk
    p.setBrush(QColor(150, 110, 70));
    p.setPen(QPen(QColor(100, 70, 40), 2));
    p.drawRect(8, 218, 150, 14);
    p.drawRect(16, 232, 10, 70);
    p.drawRect(140, 232, 10, 70);
    // computer
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(40, 150, 86, 62, 4, 4);
    p.setBrush(QColor(90, 150, 210));
    p.drawRect(46, 156, 74, 48);
    p.setBrush(QColor(60, 64, 72));
    p.drawRect(76, 212, 14, 6);
    p.drawRect(50, 220, 66, 5);
    // text block
    p.setPen(QColor(110, 120, 140));
    p.setFont(phongSans(7));
    p.drawText(QRect(width() - 170, height() - 36, 160, 30), Qt::AlignRight | Qt::AlignBottom,
               rieng::kTenUngDung + QStringLiteral("\n") + rieng::kCoQuan);
}

}  // namespace thilaixe
