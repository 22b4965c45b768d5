#include "screens/databank/KhungCauHoi.h"

#include "rules/bank/AnhCauHoi.h"
#include "rules/common/Texts.h"
#include "rules/session/PhienOn.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Ui.h"
#include "screens/databank/NutCauHoi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCache>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

namespace thilaixe {

namespace {

// Pictures decoded lately, by file and size (in KB): 2 MB holds the last
// few at a paper's size, for the slot just left; one further back is
// decoded again, off the window's thread. Every megabyte here is a
// megabyte of the paper's memory.
QCache<QString, QImage>& boNhoAnh()
{
    static QCache<QString, QImage> c(qsizetype{2} * 1024);
    return c;
}

// One decode at a time: a picture format that cannot decode to a smaller
// size holds the whole picture while it decodes, and two at once doubled
// the paper's peak memory. The window never waits either way.
QThreadPool& luongGiaiMa()
{
    // The application's own: it goes, waiting for a decode under way,
    // before the application does.
    static QThreadPool* p = [] {
        auto* t = new QThreadPool(qApp);
        t->setMaxThreadCount(1);
        t->setExpiryTimeout(2000);
        return t;
    }();
    return *p;
}

}  // namespace

AnhTrongKhung::AnhTrongKhung(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("Anh"));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setWordWrap(true);
}

void AnhTrongKhung::datTep(const QString& tep, const QString& tenTruyCap)
{
    m_tep = tep;
    m_daVe = {};
    setAccessibleName(tenTruyCap);
    setToolTip(tep.isEmpty() ? QString() : txt::kDlPhongToGoiY);
    veLai();
}

void AnhTrongKhung::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    veLai();
}

void AnhTrongKhung::mouseDoubleClickEvent(QMouseEvent*)
{
    if (!m_tep.isEmpty())
        emit phongTo();
}

void AnhTrongKhung::veLai()
{
    if (m_tep.isEmpty()) {
        ++m_luot;
        m_dangGiaiMa = false;
        clear();
        return;
    }
    // Decoded for the box's size at the screen's density; the same size
    // again draws nothing new.
    const qreal tiLe = devicePixelRatioF();
    const QSize can = (QSizeF(size()) * tiLe).toSize();
    if (can == m_daVe || !can.isValid() || can.isEmpty())
        return;
    m_daVe = can;
    // Decoded away from the window (a large picture takes a while) and kept
    // for when the question comes back.
    const QString khoa = m_tep + QLatin1Char('|') + QString::number(can.width()) + QLatin1Char('x')
                         + QString::number(can.height());
    const quint64 luot = ++m_luot;
    if (const QImage* daCo = boNhoAnh().object(khoa)) {
        hien(KetQuaTaiAnh::DaTai, *daCo);
        return;
    }
    QPointer<AnhTrongKhung> toi(this);
    m_dangGiaiMa = true;
    luongGiaiMa().start([toi, tep = m_tep, can, luot, khoa] {
        auto anh = std::make_shared<QImage>();
        const KetQuaTaiAnh kq = taiAnhBatKy(tep, can, anh.get());
        QMetaObject::invokeMethod(
            qApp,
            [toi, luot, khoa, kq, anh] {
                if (kq == KetQuaTaiAnh::DaTai)
                    boNhoAnh().insert(khoa, new QImage(*anh),
                                      static_cast<int>(std::max<qsizetype>(1, anh->sizeInBytes() / 1024)));
                if (toi && toi->m_luot == luot)
                    toi->hien(kq, *anh);
            },
            Qt::QueuedConnection);
    });
}

void AnhTrongKhung::hien(KetQuaTaiAnh kq, const QImage& anh)
{
    m_dangGiaiMa = false;
    if (kq != KetQuaTaiAnh::DaTai) {
        clear();
        setText(txt::kDlAnhHong.arg(QFileInfo(m_tep).fileName()));
        return;
    }
    // Decoded straight to the size that fits (the aspect kept).
    QPixmap p = QPixmap::fromImage(anh);
    p.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(p);
}

void datKieuCuaSo(QWidget* w)
{
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->wordWrap())
            l->setMinimumHeight(l->fontMetrics().height() + 8);
}

void themPhim(QWidget* cuaSo, const QKeySequence& k, const std::function<void()>& viec)
{
    auto* s = new QShortcut(k, cuaSo);
    QObject::connect(s, &QShortcut::activated, cuaSo, viec);
}

namespace {

// Enter on a focused button of a window that asks for it presses the
// button, as Space does (outside a dialog Qt leaves Enter to the default
// button, and these windows have none).
class BamEnter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        auto* b = qobject_cast<QAbstractButton*>(o);
        if (!b || (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter)
            || (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !b->isEnabled()
            || !b->window()->property("bamEnter").toBool() || qobject_cast<QDialog*>(b->window()))
            return false;
        b->click();
        return true;
    }
};

}  // namespace

bool bamNutDangChon(QWidget* cuaSo)
{
    auto* nut = qobject_cast<QAbstractButton*>(cuaSo->focusWidget());
    if (!nut || qobject_cast<NutPhuongAn*>(nut) || !nut->isEnabled() || !nut->isVisible())
        return false;
    nut->click();
    return true;
}

void ganPhimEnter(QWidget* cuaSo)
{
    static BamEnter* loc = [] {
        auto* l = new BamEnter(qApp);
        qApp->installEventFilter(l);
        return l;
    }();
    Q_UNUSED(loc);
    cuaSo->setProperty("bamEnter", true);
}

void themPhimThoat(QWidget* cuaSo, const std::function<void()>& viec)
{
    themPhim(cuaSo, QKeySequence(Qt::Key_Escape), [viec] {
        // An open list (a combo box's) is the innermost thing: it goes first.
        if (QWidget* p = QApplication::activePopupWidget()) {
            p->close();
            return;
        }
        viec();
    });
}

void moAnhPhongTo(QWidget* cha, const QString& tep, const QString& tieuDe)
{
    auto* d = new QDialog(cha);
    d->setObjectName(QStringLiteral("PhongTo"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowTitle(tieuDe);
    if (cha)
        d->setPalette(cha->palette());  // the window's theme
    auto* l = new QVBoxLayout(d);
    auto* a = new AnhTrongKhung(d);
    l->addWidget(a);
    auto* dong = new QPushButton(txt::kDlDong, d);
    dong->setObjectName(QStringLiteral("CM_Dong"));
    QObject::connect(dong, &QPushButton::clicked, d, &QDialog::close);
    l->addWidget(dong, 0, Qt::AlignRight);
    const QRect man =
        (cha && cha->screen() ? cha->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    d->resize(man.size() * 0.85);
    a->datTep(tep, tieuDe);
    d->show();
    dong->setFocus();
}

namespace {

// The room under a question's heading, the text and the picture placed in
// it by hand (KhungCauHoi::boTri): no layout of its own, so no size of a
// part of it holds the window larger than the learner made it.
class GiuaCauHoi final : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {800, 420}; }
    QSize minimumSizeHint() const override { return {360, 200}; }
};

}  // namespace

NhanGiaiThich::NhanGiaiThich(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("LB_GiaiThich"));
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);  // after the flags, which set their own
    // Room for the focus ring, clear of the text.
    setContentsMargins(5, 4, 5, 4);
}

bool NhanGiaiThich::event(QEvent* e)
{
    // Its keys are its own while it has the focus: Page Up / Page Down and
    // Home / End scroll the explanation instead of changing the slot.
    if (e->type() == QEvent::ShortcutOverride) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (static_cast<QKeyEvent*>(e)->modifiers() == Qt::NoModifier
            && (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown
                || k == Qt::Key_Home || k == Qt::Key_End)) {
            e->accept();
            return true;
        }
    }
    return QLabel::event(e);
}

void NhanGiaiThich::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up: emit cuon(-1); return;
    case Qt::Key_Down: emit cuon(1); return;
    case Qt::Key_PageUp: emit cuon(-1000); return;
    case Qt::Key_PageDown: emit cuon(1000); return;
    case Qt::Key_Home: emit cuon(-100000); return;
    case Qt::Key_End: emit cuon(100000); return;
    default: QLabel::keyPressEvent(e);
    }
}

void NhanGiaiThich::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (hasFocus()) {
        QPainter p(this);
        KieuTieuDiem::veVong(&p, rect(), palette());
    }
}

KhungCauHoi::KhungCauHoi(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KhungCauHoi"));
    m_coGoc = QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 10;
    auto* doc = new QVBoxLayout(this);
    doc->setContentsMargins(0, 0, 0, 0);
    m_tieuDe = new QLabel(this);
    m_tieuDe->setObjectName(QStringLiteral("LB_TieuDeCau"));
    auto* dauTrang = new QHBoxLayout;
    dauTrang->addWidget(m_tieuDe, 1);
    m_luu = new QPushButton(txt::kDlLuuCau, this);
    m_luu->setObjectName(QStringLiteral("CM_LuuCau"));
    m_luu->setCheckable(true);
    m_luu->setAccessibleDescription(txt::kDlTtLuuCau);
    m_luu->setToolTip(txt::kDlTtLuuCau);
    m_luu->hide();
    connect(m_luu, &QPushButton::clicked, this, [this] { doiLuuCau(); });
    dauTrang->addWidget(m_luu);
    doc->addLayout(dauTrang);
    // The text, the options and the explanation scroll when they outgrow
    // the room (a very long text, large type); the picture stands beside or
    // under them as the room allows (boTri).
    m_giuaW = new GiuaCauHoi(this);
    m_giuaW->setObjectName(QStringLiteral("GiuaCau"));
    m_giuaW->installEventFilter(this);
    m_cuon = new QScrollArea(m_giuaW);
    m_cuon->setObjectName(QStringLiteral("VungCau"));
    m_cuon->setFrameShape(QFrame::NoFrame);
    m_cuon->setWidgetResizable(true);
    m_cuon->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cuon->setFocusPolicy(Qt::NoFocus);
    auto* cot = new QWidget(m_cuon);
    cot->setObjectName(QStringLiteral("CotCau"));
    auto* trai = new QVBoxLayout(cot);
    trai->setContentsMargins(0, 0, 0, 0);
    m_noiDung = new QLabel(this);
    m_noiDung->setObjectName(QStringLiteral("LB_NoiDung"));
    m_noiDung->setWordWrap(true);
    m_noiDung->setTextInteractionFlags(Qt::TextSelectableByMouse);
    trai->addWidget(m_noiDung);
    for (std::size_t k = 0; k < m_nut.size(); ++k) {
        auto* b = new NutPhuongAn(this);
        b->setObjectName(QStringLiteral("CM_PA%1").arg(k + 1));
        connect(b, &NutPhuongAn::clicked, this, [this, k] { chonViTri(static_cast<int>(k) + 1); });
        trai->addWidget(b);
        m_nut[k] = b;
    }
    m_giaiThich = new NhanGiaiThich(this);
    connect(m_giaiThich, &NhanGiaiThich::cuon, this, [this](int buoc) {
        QScrollBar* t = m_cuon->verticalScrollBar();
        t->setValue(t->value()
                    + (std::abs(buoc) >= 100000 ? buoc * t->maximum()
                       : std::abs(buoc) >= 1000 ? buoc / 1000 * t->pageStep()
                                                : buoc * t->singleStep()));
    });
    trai->addWidget(m_giaiThich);
    trai->addStretch(1);
    m_cuon->setWidget(cot);
    m_anh = new AnhTrongKhung(m_giuaW);
    m_anh->datTheoTiLe(false);
    doc->addWidget(m_giuaW, 1);
    // Whatever takes the focus in the question's area is scrolled into view:
    // an option reached by ↓, the explanation by Tab.
    connect(qApp, &QApplication::focusChanged, this, [this, cot](QWidget*, QWidget* moi) {
        if (moi && cot->isAncestorOf(moi))
            m_cuon->ensureWidgetVisible(moi, 0, 4);
    });
    datCoChu(0);
}

void KhungCauHoi::hien(const CauHoiNganHang& c, const QString& thuMucAnh, const QString& tieuDe, int chon,
                       bool hienDapAn, std::vector<int> thuTu)
{
    m_hienDapAn = hienDapAn;
    if (thuTu.size() != static_cast<std::size_t>(c.soPhuongAn)) {
        thuTu.clear();
        for (int k = 1; k <= c.soPhuongAn; ++k)
            thuTu.push_back(k);
    }
    m_thuTu = std::move(thuTu);
    m_so = c.so;
    capNhatLuuCau();
    m_tieuDe->setText(tieuDe + (c.diemLiet ? QStringLiteral(" – ") + txt::kDlDiemLiet : QString()));
    const QString noiDung = c.noiDung.isEmpty() ? txt::kDlNoiDungTrongAnh : c.noiDung;
    m_noiDung->setText(noiDung);
    m_noiDung->setAccessibleName(tieuDe + QStringLiteral(": ") + noiDung);
    m_anh->setVisible(!c.anh.isEmpty());
    m_anh->datTep(c.anh.isEmpty() ? QString() : QDir(thuMucAnh).filePath(c.anh), txt::kDlTtAnh.arg(c.so));
    for (std::size_t k = 0; k < m_nut.size(); ++k) {
        NutPhuongAn* b = m_nut[k];
        const bool co = k < m_thuTu.size();
        b->setVisible(co);
        if (!co)
            continue;
        const int pa = m_thuTu[k];
        const QString chu =
            pa - 1 < c.phuongAn.size() ? c.phuongAn[pa - 1] : txt::kDlPhuongAnTrongAnh.arg(pa);
        // Chosen, key and wrong choice are said by a mark and in words, not
        // by colour alone.
        QString dau = pa == chon ? QStringLiteral("● ") : QStringLiteral("○ ");
        QString sau;
        if (hienDapAn && pa == c.dapAn)
            sau = QStringLiteral("  ✓ ") + txt::kDlDapAnDung;
        else if (hienDapAn && pa == chon)
            sau = QStringLiteral("  ✗ ") + txt::kDlBanChon;
        b->setText(dau + QStringLiteral("%1. ").arg(k + 1) + chu + sau);
        b->setAccessibleName(
            QStringLiteral("%1. ").arg(k + 1) + chu
            + (pa == chon ? QStringLiteral(", ") + txt::kDlDaChon : QString())
            + (hienDapAn && pa == c.dapAn ? QStringLiteral(", ") + txt::kDlDapAnDung : QString()));
        // Every option stays readable and reachable when the key is shown
        // (choosing then does nothing).
        b->datChon(pa == chon);
        b->datDau(hienDapAn && pa == c.dapAn ? NutPhuongAn::Dau::Dung
                  : hienDapAn && pa == chon  ? NutPhuongAn::Dau::Sai
                                             : NutPhuongAn::Dau::Khong);
    }
    QString giai;
    if (hienDapAn) {
        int viTriDung = 0, viTriChon = 0;
        for (std::size_t k = 0; k < m_thuTu.size(); ++k) {
            if (m_thuTu[k] == c.dapAn)
                viTriDung = static_cast<int>(k) + 1;
            if (m_thuTu[k] == chon)
                viTriChon = static_cast<int>(k) + 1;
        }
        giai = (chon == 0         ? txt::kDlChuaChon
                : chon == c.dapAn ? txt::kDlChonDung
                                  : txt::kDlChonSai + QLatin1Char(' ') + txt::kDlBanChonLa.arg(viTriChon))
               + QLatin1Char(' ') + txt::kDlDapAnLa.arg(viTriDung);
        if (!c.giaiThich.isEmpty())
            giai += QStringLiteral("\n") + txt::kDlGiaiThich + theoThuTuHien(c.giaiThich, m_thuTu);
        if (!c.meo.isEmpty())
            giai += QStringLiteral("\n") + txt::kDlMeo + theoThuTuHien(c.meo, m_thuTu);
        if (!c.vanBan.isEmpty())
            giai += QStringLiteral("\n") + txt::kDlCanCu + c.vanBan
                    + (c.dieuKhoan.isEmpty() ? QString() : QStringLiteral(", ") + c.dieuKhoan);
    }
    m_giaiThich->setText(giai);
    m_giaiThich->setVisible(!giai.isEmpty());
    m_giaiThich->setAccessibleName(QString(giai).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    // A screen reader hears a new question's heading and text, and the key
    // and explanation once they show; not a choice redrawn.
    const bool cauMoi = c.so != m_soDaDoc || tieuDe != m_tieuDeDaDoc;
    if (cauMoi) {
        m_choDoc.clear();  // what was still to say of the question before
        themLoiDoc(tieuDe + QStringLiteral(". ") + noiDung);
    }
    if (hienDapAn && (cauMoi || !m_daDocDapAn))
        themLoiDoc(QString(giai).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    m_soDaDoc = c.so;
    m_tieuDeDaDoc = tieuDe;
    m_daDocDapAn = hienDapAn;
    boTri();
    if (cauMoi)
        m_cuon->verticalScrollBar()->setValue(0);
}

int KhungCauHoi::caoNoiDung(int rong, bool giai) const
{
    const QLayout* l = m_cuon->widget()->layout();
    const int cach = std::max(0, l->spacing());
    int cao = m_noiDung->heightForWidth(rong);
    for (const NutPhuongAn* b : m_nut)
        if (!b->isHidden())
            cao += cach + b->heightForWidth(rong);
    if (giai && !m_giaiThich->isHidden())
        cao += cach + m_giaiThich->heightForWidth(rong);
    return cao;
}

void KhungCauHoi::boTri()
{
    const QSize vung = m_giuaW->size();
    if (vung.isEmpty())
        return;
    const int W = vung.width(), H = vung.height(), cach = 8;
    if (m_anh->isHidden()) {
        m_cuon->setGeometry(0, 0, W, H);
        return;
    }
    // The picture as large as leaves the text and the options whole beside
    // it (the explanation too, when it can); else under them, smaller; only
    // when neither leaves them whole does the text scroll, beside the
    // smallest picture still worth looking at. Z zooms it whatever its size.
    constexpr int kAnhNhoNhat = 320, kCaoNhoNhat = 120, kBuoc = 16;
    const int lonNhat = std::min(W / 2, H * 4 / 3);
    const auto benVua = [&](bool giai) {
        for (int p = lonNhat; p >= kAnhNhoNhat; p -= kBuoc)
            if (caoNoiDung(W - p - cach, giai) <= H)
                return p;
        return 0;
    };
    int p = benVua(true);
    if (p == 0)
        p = benVua(false);
    if (p > 0) {
        m_viTriAnh = ViTriAnh::Ben;
        m_cuon->setGeometry(0, 0, W - p - cach, H);
        m_anh->setGeometry(W - p, 0, p, std::min(H, p * 3 / 4 + 40));
        return;
    }
    int cao = H - caoNoiDung(W, true) - cach;
    if (cao < kCaoNhoNhat)
        cao = H - caoNoiDung(W, false) - cach;
    if (cao >= kCaoNhoNhat) {
        m_viTriAnh = ViTriAnh::Duoi;
        const int rong = std::min(W, cao * 4 / 3);
        cao = std::min(cao, rong * 3 / 4);
        m_cuon->setGeometry(0, 0, W, H - cao - cach);
        m_anh->setGeometry((W - rong) / 2, H - cao, rong, cao);
        return;
    }
    m_viTriAnh = ViTriAnh::Ben;
    const int rong = std::min(kAnhNhoNhat, W / 2);
    m_cuon->setGeometry(0, 0, W - rong - cach, H);
    m_anh->setGeometry(W - rong, 0, rong, std::min(H, rong * 3 / 4));
}

void KhungCauHoi::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    boTri();
}

void KhungCauHoi::themLoiDoc(const QString& loi)
{
    if (loi.isEmpty())
        return;
    m_choDoc += (m_choDoc.isEmpty() ? QString() : QStringLiteral(" ")) + loi;
    if (m_henDoc)
        return;
    m_henDoc = true;
    // Said once the window has done its part: one message, not several
    // cutting each other off. A window not yet in front says it once it
    // is, after a screen reader has named the window and the focus.
    QTimer::singleShot(0, this, [this] {
        if (window()->isActiveWindow()) {
            docNgay();
            return;
        }
        window()->installEventFilter(this);
    });
}

void KhungCauHoi::docNgay()
{
    m_henDoc = false;
    if (!m_choDoc.isEmpty())
        ui::thongBaoTruyCap(m_noiDung, m_choDoc);
    m_choDoc.clear();
}

bool KhungCauHoi::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_giuaW && e->type() == QEvent::Resize)
        boTri();
    if (o == window() && e->type() == QEvent::WindowActivate) {
        window()->removeEventFilter(this);
        QTimer::singleShot(400, this, &KhungCauHoi::docNgay);
    }
    return QWidget::eventFilter(o, e);
}

void KhungCauHoi::docLai()
{
    m_soDaDoc = 0;
    m_tieuDeDaDoc.clear();
}

void KhungCauHoi::datTieuDiem()
{
    for (std::size_t k = 0; k < m_thuTu.size(); ++k)
        if (m_nut[k]->isChecked()) {
            m_nut[k]->setFocus(Qt::OtherFocusReason);
            return;
        }
    if (!m_thuTu.empty())
        m_nut[0]->setFocus(Qt::OtherFocusReason);
}

int KhungCauHoi::phuongAnTai(int viTri) const
{
    return viTri >= 1 && viTri <= soPhuongAn() ? m_thuTu[static_cast<std::size_t>(viTri - 1)] : 0;
}

void KhungCauHoi::chonViTri(int viTri)
{
    const int pa = phuongAnTai(viTri);
    if (m_hienDapAn || pa == 0) {
        // A click on a shown key does not toggle it.
        for (std::size_t k = 0; k < m_thuTu.size(); ++k)
            m_nut[k]->datChon(m_nut[k]->text().startsWith(QStringLiteral("●")));
        return;
    }
    emit daChonViTri(viTri);
}

void KhungCauHoi::batLuuCau(KhoHocVien& kho, qint64 hoSo, const QString& nganHang)
{
    m_khoLuu = &kho;
    m_hoSoLuu = hoSo;
    m_nganHangLuu = nganHang;
    hienLuuCau(true);
}

void KhungCauHoi::hienLuuCau(bool hien)
{
    m_luu->setVisible(hien && m_khoLuu);
    capNhatLuuCau();
}

void KhungCauHoi::capNhatLuuCau()
{
    if (!m_khoLuu || m_luu->isHidden())
        return;
    const std::vector<int> ds = m_khoLuu->cauDaLuu(m_hoSoLuu, m_nganHangLuu);
    const bool da = std::binary_search(ds.begin(), ds.end(), m_so);
    m_luu->setChecked(da);
    m_luu->setText(da ? txt::kDlBoLuuCau : txt::kDlLuuCau);
}

void KhungCauHoi::doiLuuCau()
{
    if (!m_khoLuu || m_luu->isHidden() || m_so <= 0)
        return;
    std::vector<int> ds = m_khoLuu->cauDaLuu(m_hoSoLuu, m_nganHangLuu);
    const auto it = std::lower_bound(ds.begin(), ds.end(), m_so);
    const bool da = it != ds.end() && *it == m_so;
    if (da)
        ds.erase(it);
    else
        ds.insert(it, m_so);
    m_khoLuu->datCauDaLuu(m_hoSoLuu, m_nganHangLuu, ds);
    capNhatLuuCau();
    ui::thongBaoTruyCap(m_luu, (da ? txt::kDlDaBoLuuCau : txt::kDlDaLuuCau).arg(m_so));
}

void KhungCauHoi::ganPhimChung(QWidget* cuaSo, const std::function<bool()>& coHieuLuc)
{
    const auto phim = [cuaSo, coHieuLuc](const QKeySequence& k, const std::function<void()>& viec) {
        themPhim(cuaSo, k, [coHieuLuc, viec] {
            if (!coHieuLuc || coHieuLuc())
                viec();
        });
    };
    for (int k = 1; k <= 4; ++k)
        phim(QKeySequence(Qt::Key_0 + k), [this, k] { chonViTri(k); });
    const auto phongTo = [this, cuaSo] {
        if (!m_anh->tep().isEmpty())
            moAnhPhongTo(cuaSo, m_anh->tep(), m_anh->accessibleName());
    };
    phim(QKeySequence(Qt::Key_Z), phongTo);
    phim(QKeySequence(Qt::Key_S), [this] { doiLuuCau(); });
    phim(QKeySequence::ZoomIn, [this] { doiCoChu(1); });
    phim(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { doiCoChu(1); });
    phim(QKeySequence::ZoomOut, [this] { doiCoChu(-1); });
    connect(m_anh, &AnhTrongKhung::phongTo, this, phongTo);
}

void KhungCauHoi::doiCoChu(int buoc)
{
    const int truoc = m_coChu;
    datCoChu(m_coChu + buoc);
    if (m_coChu != truoc)
        emit daDoiCoChu(m_coChu);
}

void KhungCauHoi::nhoCoChu(KhoHocVien& kho, qint64 hoSo)
{
    datCoChu(kho.coChu(hoSo));
    connect(this, &KhungCauHoi::daDoiCoChu, this, [&kho, hoSo](int c) { kho.datCoChu(hoSo, c); });
}

void KhungCauHoi::datCoChu(int coChu)
{
    m_coChu = std::clamp(coChu, -3, 12);
    // Every text of the question follows: heading, text, options and
    // explanation (each set its own size, so each is set here).
    const qreal co = m_coGoc * (1.0 + 0.125 * m_coChu);
    QFont f = font();
    f.setPointSizeF(co);
    QFont dam = f;
    dam.setBold(true);
    m_tieuDe->setFont(dam);
    QFont lon = f;
    lon.setPointSizeF(co * 1.15);
    m_noiDung->setFont(lon);
    for (NutPhuongAn* b : m_nut)
        b->setFont(f);
    m_giaiThich->setFont(f);
    datKieuCuaSo(this);
    boTri();
}

}  // namespace thilaixe
