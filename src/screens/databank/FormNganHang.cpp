#include "screens/databank/FormNganHang.h"

#include "rules/common/Texts.h"
#include "rules/school/Truong.h"
#include "rules/session/PhienOn.h"
#include "rules/store/KetNoiMayChu.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/FormBaiDaLam.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/FormGiaoVien.h"
#include "screens/databank/FormHocChuong.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/databank/FormTimCau.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace thilaixe {

namespace {

// How often a learner's home asks the server whether a course-end test is
// open.
constexpr int kHoiKiemTraMs = 10000;

// The rule set's line: its title, and the day it applies from unless the
// title says it already (as "… từ 01/6/2025" does).
QString tenQuyTac(const BoQuyTac& bo)
{
    const QDate d = bo.tuNgay;
    for (const QString& dang : {QStringLiteral("d/M/yyyy"), QStringLiteral("dd/MM/yyyy"),
                                QStringLiteral("d/MM/yyyy"), QStringLiteral("dd/M/yyyy")})
        if (bo.tieuDe.contains(d.toString(dang)))
            return txt::kDlQuyTac.arg(bo.tieuDe);
    return txt::kDlQuyTacTuNgay.arg(bo.tieuDe, d.toString(QStringLiteral("dd/MM/yyyy")));
}

QPalette bangMau(int giaoDien)
{
    QPalette p = QApplication::style()->standardPalette();
    if (giaoDien == 2) {
        const QColor nen(45, 45, 48), chu(235, 235, 235), o(30, 30, 32);
        p.setColor(QPalette::Window, nen);
        p.setColor(QPalette::WindowText, chu);
        p.setColor(QPalette::Base, o);
        p.setColor(QPalette::AlternateBase, nen);
        p.setColor(QPalette::Text, chu);
        p.setColor(QPalette::Button, QColor(60, 60, 64));
        p.setColor(QPalette::ButtonText, chu);
        p.setColor(QPalette::Highlight, QColor(90, 160, 255));
        p.setColor(QPalette::HighlightedText, Qt::black);
        p.setColor(QPalette::ToolTipBase, o);
        p.setColor(QPalette::ToolTipText, chu);
        p.setColor(QPalette::Mid, QColor(140, 140, 146));
        p.setColor(QPalette::PlaceholderText, QColor(170, 170, 170));
        for (auto r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, r, QColor(160, 160, 160));
    } else if (giaoDien == 3) {
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        p.setColor(QPalette::Base, Qt::black);
        p.setColor(QPalette::Text, Qt::white);
        p.setColor(QPalette::Button, Qt::black);
        p.setColor(QPalette::ButtonText, Qt::yellow);
        p.setColor(QPalette::Highlight, Qt::yellow);
        p.setColor(QPalette::HighlightedText, Qt::black);
        p.setColor(QPalette::AlternateBase, Qt::black);
        p.setColor(QPalette::Mid, Qt::white);
        p.setColor(QPalette::PlaceholderText, QColor(200, 200, 200));
        p.setColor(QPalette::ToolTipBase, Qt::black);
        p.setColor(QPalette::ToolTipText, Qt::white);
        for (auto r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, r, QColor(170, 170, 170));
    }
    return p;
}

}  // namespace

void apDungGiaoDien(QWidget* w, int giaoDien)
{
    if (!w)
        return;
    w->setPalette(giaoDien == 0 ? QApplication::palette() : bangMau(giaoDien));
    ui::toMauLai(w);
}

FormNganHang::FormNganHang(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, const QString& hang)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh))
{
    setObjectName(QStringLiteral("FormNganHang"));
    setWindowTitle(txt::kDlTieuDeNha.arg(m_nh->nh.tieuDe));
    KhoHocVien& kho = mt.kho();
    auto* doc = new QVBoxLayout(this);
    auto* tieuDe = new QLabel(m_nh->nh.tieuDe, this);
    tieuDe->setObjectName(QStringLiteral("LB_TieuDe"));
    tieuDe->setWordWrap(true);
    QFont lon = tieuDe->font();
    lon.setBold(true);
    lon.setPointSizeF(lon.pointSizeF() * 1.5);
    tieuDe->setFont(lon);
    tieuDe->setMargin(4);  // room for the marks over capitals (MẪU)
    doc->addWidget(tieuDe);
    // The data's version is for whoever supports the program: a tooltip.
    auto* thongTin =
        new QLabel(txt::kDlPhienBanNguon.arg(QString::number(m_nh->nh.cauHoi.size()),
                                             QString::number(m_nh->soDiemLiet()), m_nh->nh.nguon),
                   this);
    thongTin->setObjectName(QStringLiteral("LB_ThongTin"));
    thongTin->setToolTip(txt::kDlPhienBanDuLieu.arg(m_nh->nh.phienBan));
    thongTin->setWordWrap(true);
    doc->addWidget(thongTin);
    // The rule set of the learner's exam day (today's when none is set),
    // said again whenever the learner or the day changes.
    m_quyTac = new QLabel(this);
    m_quyTac->setObjectName(QStringLiteral("LB_QuyTac"));
    m_quyTac->setWordWrap(true);
    doc->addWidget(m_quyTac);
    if (m_nh->baoHet) {
        auto* bao = new QLabel(QStringLiteral("⚠ ") + *m_nh->baoHet, this);
        bao->setObjectName(QStringLiteral("LB_HetHieuLuc"));
        bao->setWordWrap(true);
        ui::datMauNghia(bao, ui::Nghia::Xau);
        doc->addWidget(bao);
    }
    // What the school must mend in its rule files, and a paper's refusal.
    // Each line begins with ⚠; the text keeps the theme's colour, which
    // every theme makes readable.
    QStringList canhBao = m_nh->canhBaoQuyTac;
    if (!m_nh->khongCoQuyTac.isEmpty())
        canhBao.prepend(QStringLiteral("⚠ ") + m_nh->khongCoQuyTac);
    if (!canhBao.isEmpty()) {
        auto* bao = new QLabel(canhBao.join(QLatin1Char('\n')), this);
        bao->setObjectName(QStringLiteral("LB_CanhBaoQuyTac"));
        bao->setWordWrap(true);
        bao->setTextInteractionFlags(Qt::TextSelectableByMouse);
        doc->addWidget(bao);
    }

    auto* form = new QFormLayout;
    auto* dongHoSo = new QHBoxLayout;
    m_hoSo = new QComboBox(this);
    m_hoSo->setObjectName(QStringLiteral("CB_HoSo"));
    auto* them = new QPushButton(txt::kDlThemNguoiHoc, this);
    them->setObjectName(QStringLiteral("CM_ThemNguoiHoc"));
    dongHoSo->addWidget(m_hoSo, 1);
    dongHoSo->addWidget(them);
    auto* nhanHoSo = new QLabel(txt::kDlNguoiHoc, this);
    nhanHoSo->setBuddy(m_hoSo);
    form->addRow(nhanHoSo, dongHoSo);
    auto* dongHang = new QHBoxLayout;
    m_hang = new QComboBox(this);
    m_hang->setObjectName(QStringLiteral("CB_Hang"));
    for (const QuyTacHang& q : m_nh->quyTac.hang)
        m_hang->addItem(q.hang);
    m_dongQuyTac = new QLabel(this);
    m_dongQuyTac->setObjectName(QStringLiteral("LB_DongQuyTac"));
    m_dongQuyTac->setWordWrap(true);
    dongHang->addWidget(m_hang);
    dongHang->addWidget(m_dongQuyTac, 1);
    auto* nhanHang = new QLabel(txt::kDlHang, this);
    nhanHang->setBuddy(m_hang);
    form->addRow(nhanHang, dongHang);
    // The learner's exam day, when they know it.
    auto* dongNgay = new QHBoxLayout;
    m_coNgayThi = new QCheckBox(txt::kDlNgayThi, this);
    m_coNgayThi->setObjectName(QStringLiteral("CK_NgayThi"));
    m_ngayThi = new QDateEdit(this);
    m_ngayThi->setObjectName(QStringLiteral("DE_NgayThi"));
    m_ngayThi->setAccessibleName(txt::kDlTtNgayThi);
    m_ngayThi->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_ngayThi->setCalendarPopup(true);
    m_dongNgayThi = new QLabel(this);
    m_dongNgayThi->setObjectName(QStringLiteral("LB_NgayThi"));
    m_dongNgayThi->setWordWrap(true);
    dongNgay->addWidget(m_ngayThi);
    dongNgay->addWidget(m_dongNgayThi, 1);
    form->addRow(m_coNgayThi, dongNgay);
    doc->addLayout(form);
    m_vung = new QLabel(this);
    m_vung->setObjectName(QStringLiteral("LB_DaVung"));
    m_conSai = new QLabel(this);
    m_conSai->setObjectName(QStringLiteral("LB_ConSai"));
    auto* soLieu = new QHBoxLayout;
    soLieu->addWidget(m_vung);
    soLieu->addWidget(m_conSai);
    soLieu->addStretch(1);
    doc->addLayout(soLieu);
    // Today's plan: what is due, what is new, and the day's limit.
    auto* dongHomNay = new QHBoxLayout;
    auto* homNay = new QPushButton(txt::kDlHomNay, this);
    homNay->setObjectName(QStringLiteral("CM_HomNay"));
    homNay->setMinimumHeight(44);
    QFont dam = homNay->font();
    dam.setBold(true);
    homNay->setFont(dam);
    m_homNay = new QLabel(this);
    m_homNay->setObjectName(QStringLiteral("LB_HomNay"));
    m_homNay->setWordWrap(true);
    auto* nhanGioiHan = new QLabel(txt::kDlGioiHan, this);
    m_gioiHan = new QSpinBox(this);
    m_gioiHan->setObjectName(QStringLiteral("SB_GioiHan"));
    m_gioiHan->setRange(5, 500);
    nhanGioiHan->setBuddy(m_gioiHan);
    m_donViGioiHan = new QComboBox(this);
    m_donViGioiHan->setObjectName(QStringLiteral("CB_DonViGioiHan"));
    m_donViGioiHan->addItems(QStringList(std::begin(txt::kDlDonViGioiHan), std::end(txt::kDlDonViGioiHan)));
    m_donViGioiHan->setAccessibleName(txt::kDlTtDonViGioiHan);
    dongHomNay->addWidget(homNay);
    dongHomNay->addWidget(m_homNay, 1);
    dongHomNay->addWidget(nhanGioiHan);
    dongHomNay->addWidget(m_gioiHan);
    dongHomNay->addWidget(m_donViGioiHan);
    doc->addLayout(dongHomNay);
    connect(m_donViGioiHan, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_mt.kho().datGioiHanTheoPhut(hoSo(), i == 1);
        capNhat();
    });
    connect(homNay, &QPushButton::clicked, this, [this] { moHomNay(); });
    connect(m_gioiHan, &QSpinBox::valueChanged, this, [this](int n) {
        m_mt.kho().datGioiHanNgay(hoSo(), n);
        capNhat();
    });

    auto* hanhDong = new QGridLayout;
    const std::pair<QString, QString> nut[] = {{QStringLiteral("CM_ThiThu"), txt::kDlThiThu},
                                               {QStringLiteral("CM_HocChuong"), txt::kDlHocTheoChuong},
                                               {QStringLiteral("CM_DiemLiet"), txt::kDlCauDiemLiet},
                                               {QStringLiteral("CM_OnSai"), txt::kDlOnCauSai},
                                               {QStringLiteral("CM_Tim"), txt::kDlTimCauHoi},
                                               {QStringLiteral("CM_TienBo"), txt::kDlTienBo},
                                               {QStringLiteral("CM_BaiDaThi"), txt::kDlXemBaiDaThi},
                                               {QStringLiteral("CM_BaiNgan"), txt::kDlKiemTraNgan},
                                               {QStringLiteral("CM_DaLuu"), txt::kDlCauDaLuu}};
    std::vector<QPushButton*> cacNut;
    for (std::size_t i = 0; i < std::size(nut); ++i) {
        auto* b = new QPushButton(nut[i].second, this);
        b->setObjectName(nut[i].first);
        b->setMinimumHeight(44);
        QFont f = b->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        b->setFont(f);
        hanhDong->addWidget(b, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
        cacNut.push_back(b);
    }
    doc->addLayout(hanhDong);
    connect(cacNut[0], &QPushButton::clicked, this, [this] { thiThu(); });
    connect(cacNut[1], &QPushButton::clicked, this, [this] { hocTheoChuong(); });
    connect(cacNut[2], &QPushButton::clicked, this, [this] { onDiemLiet(); });
    connect(cacNut[3], &QPushButton::clicked, this, [this] { onCauSai(); });
    connect(cacNut[4], &QPushButton::clicked, this, [this] { timCauHoi(); });
    connect(cacNut[5], &QPushButton::clicked, this, [this] { tienBo(); });
    connect(cacNut[6], &QPushButton::clicked, this, [this] { baiDaLam(); });
    // A short test's source is chosen from a menu made as it opens.
    auto* menuNgan = new QMenu(cacNut[7]);
    menuNgan->setObjectName(QStringLiteral("MN_BaiNgan"));
    cacNut[7]->setMenu(menuNgan);
    connect(menuNgan, &QMenu::aboutToShow, this, [this, menuNgan] {
        menuNgan->clear();
        for (const NguonBaiNgan& n : nguonBaiNgan()) {
            QAction* a = menuNgan->addAction(n.ten, this, [this, n] { baiNgan(n.cau, n.ten); });
            a->setEnabled(!n.cau.empty());
        }
    });
    connect(cacNut[8], &QPushButton::clicked, this, [this] { onDaLuu(); });

    // A school's server: a row of its own under the actions.
    if (KhoTruong* mayChu = kho.truong()) {
        auto* truong = new QHBoxLayout;
        if (mayChu->laGiaoVien()) {
            auto* b = new QPushButton(txt::kTrQuanLy, this);
            b->setObjectName(QStringLiteral("CM_QuanLy"));
            truong->addWidget(b);
            truong->addStretch(1);
            connect(b, &QPushButton::clicked, this, [this] { quanLy(); });
        } else {
            // A learner signed in is one profile: the server makes no other.
            them->hide();
            m_kiemTra = new QLabel(this);
            m_kiemTra->setObjectName(QStringLiteral("LB_KiemTra"));
            m_kiemTra->setWordWrap(true);
            m_vaoKiemTra = new QPushButton(txt::kTrVaoKiemTra, this);
            m_vaoKiemTra->setObjectName(QStringLiteral("CM_KiemTra"));
            truong->addWidget(m_kiemTra, 1);
            truong->addWidget(m_vaoKiemTra);
            connect(m_vaoKiemTra, &QPushButton::clicked, this, [this] { vaoKiemTra(); });
            auto* hoi = new QTimer(this);
            hoi->setInterval(kHoiKiemTraMs);
            connect(hoi, &QTimer::timeout, this, [this] {
                if (isActiveWindow())
                    capNhatKiemTra();
            });
            hoi->start();
            capNhatKiemTra();
        }
        doc->addLayout(truong);
    }

    auto* caiDat = new QHBoxLayout;
    auto* nhanGiaoDien = new QLabel(txt::kDlGiaoDien, this);
    m_chonGiaoDien = new QComboBox(this);
    m_chonGiaoDien->setObjectName(QStringLiteral("CB_GiaoDien"));
    for (const QString& g : txt::kDlCacGiaoDien)
        m_chonGiaoDien->addItem(g);
    nhanGiaoDien->setBuddy(m_chonGiaoDien);
    m_amBao = new QCheckBox(txt::kDlAmBao, this);
    m_amBao->setObjectName(QStringLiteral("CK_AmBao"));
    m_dao = new QCheckBox(txt::kDlDaoPhuongAn, this);
    m_dao->setObjectName(QStringLiteral("CK_Dao"));
    caiDat->addWidget(nhanGiaoDien);
    caiDat->addWidget(m_chonGiaoDien);
    caiDat->addWidget(m_amBao);
    caiDat->addWidget(m_dao);
    caiDat->addStretch(1);
    // A school's server, chosen here for the next start (on a server, the
    // school chose it: nothing to choose).
    if (!kho.truong()) {
        auto* mayChu = new QPushButton(txt::kTrDungMayChu, this);
        mayChu->setObjectName(QStringLiteral("CM_MayChu"));
        caiDat->addWidget(mayChu);
        connect(mayChu, &QPushButton::clicked, this, [this] {
            QInputDialog hoi(this);
            hoi.setObjectName(QStringLiteral("HoiMayChu"));
            hoi.setWindowTitle(
                QString(txt::kTrDungMayChu).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
            hoi.setLabelText(txt::kTrHoiMayChu);
            hoi.setTextValue(m_mt.kho().mayChuTruong());
            hoi.setOkButtonText(txt::kGvNutDongY);
            hoi.setCancelButtonText(txt::kDlNutHuy);
            if (hoi.exec() == QDialog::Accepted)
                chonMayChu(hoi.textValue());
        });
    }
    doc->addLayout(caiDat);
    doc->addStretch(1);

    for (const HoSo& h : kho.cacHoSo())
        m_hoSo->addItem(h.ten, h.id);
    m_hoSo->setCurrentIndex(std::max(0, m_hoSo->findData(kho.hoSoDangHoc())));
    doiHoSo();
    if (!hang.isEmpty())
        chonHang(hang);

    connect(m_hoSo, &QComboBox::currentIndexChanged, this, [this] {
        m_mt.kho().datHoSoDangHoc(hoSo());
        doiHoSo();
    });
    connect(them, &QPushButton::clicked, this, [this] {
        // Made by hand, not by the static helper: its buttons would say OK
        // and Cancel.
        QInputDialog hoi(this);
        hoi.setObjectName(QStringLiteral("HoiNguoiHoc"));
        hoi.setWindowTitle(QString(txt::kDlThemNguoiHoc).remove(QLatin1Char('&')));
        hoi.setLabelText(txt::kDlTenNguoiHoc);
        hoi.setOkButtonText(txt::kDlNutThem);
        hoi.setCancelButtonText(txt::kDlNutHuy);
        if (hoi.exec() == QDialog::Accepted)
            themNguoiHoc(hoi.textValue());
    });
    connect(m_hang, &QComboBox::currentIndexChanged, this, [this] {
        m_mt.kho().datHangDaChon(hoSo(), m_nh->nh.id, this->hang());
        capNhat();
    });
    connect(m_chonGiaoDien, &QComboBox::currentIndexChanged, this, [this](int g) {
        m_mt.kho().datGiaoDien(hoSo(), g);
        datGiaoDien(g);
    });
    connect(m_amBao, &QCheckBox::toggled, this, [this](bool b) { m_mt.kho().datAmBao(hoSo(), b); });
    connect(m_dao, &QCheckBox::toggled, this, [this](bool b) { m_mt.kho().datDaoPhuongAn(hoSo(), b); });
    connect(m_coNgayThi, &QCheckBox::toggled, this, &FormNganHang::doiNgayThi);
    connect(m_ngayThi, &QDateEdit::dateChanged, this, &FormNganHang::doiNgayThi);
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    // As tall as what it shows at its width, no empty band at the foot.
    const int cao = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(760) : sizeHint().height();
    resize(760, std::max(cao, minimumSizeHint().height()));
    ui::datGiua(this);
    cacNut[0]->setFocus();
}

FormNganHang::~FormNganHang()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_thi, m_hoc, m_on, m_tim, m_tienBo, m_baiDaLam})
        delete w;
}

QString FormNganHang::hang() const { return m_hang->currentText(); }
qint64 FormNganHang::hoSo() const { return m_hoSo->currentData().toLongLong(); }

void FormNganHang::chonHang(const QString& hang)
{
    const int i = m_hang->findText(hang, Qt::MatchFixedString);
    if (i >= 0)
        m_hang->setCurrentIndex(i);
    capNhat();
}

bool FormNganHang::themNguoiHoc(const QString& ten)
{
    QString loi;
    const std::optional<qint64> id = m_mt.kho().themHoSo(ten, &loi);
    if (!id)
        return false;
    if (m_hoSo->findData(*id) < 0)
        m_hoSo->addItem(ten.simplified().left(60), *id);
    m_hoSo->setCurrentIndex(m_hoSo->findData(*id));
    return true;
}

void FormNganHang::doiHoSo()
{
    KhoHocVien& kho = m_mt.kho();
    const qint64 h = hoSo();
    {
        const QSignalBlocker a(m_hang), b(m_chonGiaoDien), c(m_amBao), d(m_dao);
        const int i = m_hang->findText(kho.hangDaChon(h, m_nh->nh.id), Qt::MatchFixedString);
        m_hang->setCurrentIndex(std::max(0, i));
        m_chonGiaoDien->setCurrentIndex(kho.giaoDien(h));
        m_amBao->setChecked(kho.amBao(h));
        m_dao->setChecked(kho.daoPhuongAn(h));
        const QDate homNay = m_mt.seams().bayGio().date();
        const std::optional<QDate> thi = kho.ngayThi(h);
        const QSignalBlocker e(m_coNgayThi), f(m_ngayThi), g(m_gioiHan), k(m_donViGioiHan);
        m_gioiHan->setValue(kho.gioiHanNgay(h));
        m_donViGioiHan->setCurrentIndex(kho.gioiHanTheoPhut(h) ? 1 : 0);
        m_coNgayThi->setChecked(thi.has_value());
        m_ngayThi->setMinimumDate(std::min(homNay, thi.value_or(homNay)));
        m_ngayThi->setDate(thi.value_or(homNay.addDays(30)));
        m_ngayThi->setEnabled(thi.has_value());
    }
    datGiaoDien(m_chonGiaoDien->currentIndex());
    capNhat();
}

void FormNganHang::datGiaoDien(int giaoDien)
{
    m_giaoDien = giaoDien;
    for (QWidget* w : std::initializer_list<QWidget*>{this, m_thi, m_hoc, m_on, m_tim, m_tienBo})
        apDungGiaoDien(w, giaoDien);
}

const BoQuyTac& FormNganHang::quyTacHocVien() const
{
    return m_nh->quyTacHocVien(m_mt.kho(), hoSo(), m_mt.seams().bayGio().date());
}

void FormNganHang::doiNgayThi()
{
    m_ngayThi->setEnabled(m_coNgayThi->isChecked());
    m_mt.kho().datNgayThi(hoSo(),
                          m_coNgayThi->isChecked() ? std::optional<QDate>(m_ngayThi->date()) : std::nullopt);
    capNhat();
}

void FormNganHang::capNhat()
{
    const BoQuyTac& bo = quyTacHocVien();
    m_quyTac->setText(tenQuyTac(bo)
                      + (bo.duKien ? QStringLiteral("\n⚠ ") + txt::kDlDuKien.arg(bo.ghiChu) : QString()));
    m_quyTac->setToolTip(bo.nguon);
    const QuyTacHang* q = bo.timHang(hang());
    if (!q)
        return;
    // What the exam day holds: the paper of the set in force then.
    const std::optional<QDate> thi = m_mt.kho().ngayThi(hoSo());
    const QDate homNay = m_mt.seams().bayGio().date();
    m_dongNgayThi->setText(!thi ? QString()
                           : *thi < homNay
                               ? txt::kDlNgayThiDaQua.arg(thi->toString(QStringLiteral("dd/MM/yyyy")))
                               : txt::kDlDongNgayThi.arg(thi->toString(QStringLiteral("dd/MM/yyyy")))
                                     .arg(q->soCau)
                                     .arg(q->soPhut)
                                     .arg(q->canDeDat)
                                     .arg(q->duKien ? QLatin1Char(' ') + txt::kDlDuKienNgan : QString()));
    QString dong =
        q->soDiemLiet > 0
            ? txt::kDlMotDongQuyTac.arg(q->soCau).arg(q->soPhut).arg(q->canDeDat).arg(q->soDiemLiet)
            : txt::kDlMotDongKhongLiet.arg(q->soCau).arg(q->soPhut).arg(q->canDeDat);
    if (q->duKien)
        dong += QLatin1Char(' ') + txt::kDlDuKienNgan;
    if (!q->ghiChuMuon.isEmpty())
        dong += QLatin1Char('\n') + q->ghiChuMuon;
    if (const std::optional<QString> vi = khongRutDuoc(m_nh->nh, *q))
        dong += QStringLiteral("\n⚠ ") + txt::kDlKhongRutDuoc.arg(q->hang, *vi);
    m_dongQuyTac->setText(dong);
    {
        const KeHoachNgay k = keHoachHomNay(m_mt, *m_nh, hoSo(), q->hang);
        QString homNay =
            txt::kDlDongHomNay.arg(k.denHan.size()).arg(k.moi.size()).arg(k.soChuaGap).arg(k.soTrongBo);
        if (k.nhoNgayThi)
            homNay += txt::kDlNhoNgayThi.arg(ui::phanTram(*k.nhoNgayThi));
        m_homNay->setText(homNay);
        findChild<QPushButton*>(QStringLiteral("CM_HomNay"))->setAccessibleDescription(homNay);
    }
    // Longer lines (a provisional set, a class taken from an older one)
    // make the home taller, never cut.
    if (isVisible() && layout()->hasHeightForWidth())
        if (const int cao = layout()->totalHeightForWidth(width()); cao > height())
            resize(width(), cao);
    m_hang->setAccessibleDescription(dong);
    KhoHocVien& kho = m_mt.kho();
    const QHash<int, int> ngay = kho.soNgayDungDiemLiet(hoSo(), m_nh->nh.id);
    const std::vector<int> liet = m_nh->cauDiemLiet(*q);
    const auto vung = soDaThuoc(liet, ngay);
    m_vung->setText(txt::kDlDaVung.arg(vung).arg(liet.size()));
    const SoOnTap onTap = kho.docOnTap(hoSo(), m_nh->nh.id, static_cast<int>(m_nh->nh.cauHoi.size()));
    m_conSai->setText(txt::kDlConCauSai.arg(
        std::count_if(onTap.muc.begin(), onTap.muc.end(), [](const MucOnTap& m) { return m.canOn; })));
}

bool FormNganHang::chonMayChu(const QString& chuoi)
{
    QString loi;
    std::optional<KetNoiMayChu> k;
    if (!chuoi.trimmed().isEmpty() && !(k = KetNoiMayChu::doc(chuoi, &loi))) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, loi, {});
        return false;
    }
    if (!m_mt.kho().datMayChuTruong(chuoi, &loi)) {
        m_mt.baoLoiGhiKho(m_daBaoMayChu, loi);
        return false;
    }
    m_mt.seams().hienThongBao(
        QString(txt::kTrDungMayChu).remove(QLatin1Char('&')).remove(QStringLiteral("…")),
        k ? txt::kTrMayChuLuu.arg(k->moTa()) : txt::kTrMayChuBo, {});
    return true;
}

FormGiaoVien* FormNganHang::quanLy()
{
    KhoTruong* mayChu = m_mt.kho().truong();
    if (!mayChu || !mayChu->laGiaoVien())
        return nullptr;
    if (!m_giaoVien) {
        m_giaoVien = new FormGiaoVien(m_mt, *mayChu, m_nh);
        connect(m_giaoVien, &FormGiaoVien::moCau, this, [this](int so) { hocTheoChuong(so); });
    }
    hienCuaSo(m_giaoVien);
    return m_giaoVien;
}

void FormNganHang::capNhatKiemTra()
{
    KhoTruong* mayChu = m_mt.kho().truong();
    if (!mayChu || !m_kiemTra)
        return;
    const std::optional<PhienKiemTra> p = mayChu->phienDangMo();
    m_kiemTra->setText(p ? txt::kTrCoPhien.arg(p->hang).arg(p->phut) : txt::kTrKhongPhien);
    m_vaoKiemTra->setEnabled(p.has_value());
}

FormBaiThi* FormNganHang::vaoKiemTra()
{
    KhoTruong* mayChu = m_mt.kho().truong();
    const std::optional<PhienKiemTra> p = mayChu ? mayChu->phienDangMo() : std::nullopt;
    capNhatKiemTra();
    if (!p)
        return nullptr;
    if (m_thi && m_thi->phienKiemTra() == p->id) {
        hienCuaSo(m_thi);
        return m_thi;
    }
    QString loi;
    const std::optional<BaiCuaPhien> bai = mayChu->batDauPhien(p->id, &loi);
    if (!bai) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, txt::kTrKhongVao.arg(loi), {});
        return nullptr;
    }
    if (bai->daNop) {
        m_kiemTra->setText(txt::kTrDaNop);
        return nullptr;
    }
    if (m_thi)
        m_thi->close();
    m_thi = FormBaiThi::moBaiKiemTra(m_mt, m_nh, hoSo(), *p, *bai);
    if (!m_thi)
        return nullptr;
    connect(m_thi, &FormBaiThi::veNha, this, [this] {
        capNhat();
        capNhatKiemTra();
        raise();
        activateWindow();
    });
    hienCuaSo(m_thi);
    return m_thi;
}

void FormNganHang::hienCuaSo(QWidget* w)
{
    apDungGiaoDien(w, m_giaoDien);
    m_mt.hien(w);
    w->raise();
    w->activateWindow();
}

FormBaiThi* FormNganHang::thiThu()
{
    if (!m_nh->khongCoQuyTac.isEmpty()) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, m_nh->khongCoQuyTac, {});
        return nullptr;
    }
    const QuyTacHang* q = quyTacHocVien().timHang(hang());
    if (!q || khongRutDuoc(m_nh->nh, *q))
        return nullptr;
    if (m_thi) {
        hienCuaSo(m_thi);
        return m_thi;
    }
    m_thi = FormBaiThi::moBai(m_mt, m_nh, hoSo(), hang());
    if (!m_thi)
        return nullptr;
    connect(m_thi, &FormBaiThi::veNha, this, [this] {
        capNhat();
        raise();
        activateWindow();
    });
    connect(m_thi, &FormBaiThi::thiLai, this, [this](const QString& h) {
        chonHang(h);
        QMetaObject::invokeMethod(
            this, [this] { thiThu(); }, Qt::QueuedConnection);
    });
    hienCuaSo(m_thi);
    return m_thi;
}

FormHocChuong* FormNganHang::hocTheoChuong(int cau)
{
    if (!m_hoc)
        m_hoc = new FormHocChuong(m_mt, m_nh);
    if (cau > 0)
        m_hoc->moCau(cau);
    hienCuaSo(m_hoc);
    return m_hoc;
}

FormOnTap* FormNganHang::onCauSai() { return moOn(FormOnTap::CheDo::CauSai); }

FormOnTap* FormNganHang::onDiemLiet() { return moOn(FormOnTap::CheDo::DiemLiet); }

// One practice window at a time: opening the other kind closes it.
FormOnTap* FormNganHang::moHomNay() { return moOn(FormOnTap::CheDo::HomNay); }

FormOnTap* FormNganHang::moOn(FormOnTap::CheDo cheDo)
{
    if (m_on)
        m_on->close();
    m_on = new FormOnTap(m_mt, m_nh, hoSo(), hang(), cheDo);
    connect(m_on, &FormOnTap::daDoi, this, &FormNganHang::capNhat);
    hienCuaSo(m_on);
    return m_on;
}

FormTimCau* FormNganHang::timCauHoi()
{
    if (!m_tim) {
        m_tim = new FormTimCau(m_nh);
        connect(m_tim, &FormTimCau::moCau, this, [this](int onTap) { hocTheoChuong(onTap); });
    }
    hienCuaSo(m_tim);
    m_tim->activateWindow();
    return m_tim;
}

std::vector<FormNganHang::NguonBaiNgan> FormNganHang::nguonBaiNgan()
{
    KhoHocVien& kho = m_mt.kho();
    const NganHang& nh = m_nh->nh;
    const QuyTacHang* q = quyTacHocVien().timHang(hang());
    std::vector<NguonBaiNgan> kq;
    // Each chapter, of the class's pool.
    for (const ChuongNganHang& ch : nh.chuong) {
        NguonBaiNgan n{txt::kDlNganChuong.arg(ch.so).arg(ch.tieuDe), {}};
        for (int c = ch.dau; c <= ch.cuoi; ++c)
            if (const CauHoiNganHang* cau = nh.cau(c);
                cau && (!q || q->nhom.isEmpty() || cau->nhom.contains(q->nhom)))
                n.cau.push_back(c);
        kq.push_back(std::move(n));
    }
    const SoOnTap onTap = kho.docOnTap(hoSo(), nh.id, static_cast<int>(nh.cauHoi.size()));
    std::vector<int> sai;
    for (int c = 1; c <= onTap.soCauHoi(); ++c)
        if (onTap.mucCua(c).canOn)
            sai.push_back(c);
    kq.push_back({txt::kDlNganCauSai.arg(sai.size()), sai});
    const std::vector<int> luu = kho.cauDaLuu(hoSo(), nh.id);
    kq.push_back({txt::kDlNganDaLuu.arg(luu.size()), luu});
    return kq;
}

FormBaiThi* FormNganHang::baiNgan(const std::vector<int>& nguon, const QString& ten)
{
    if (m_thi && m_thi->trang() == FormBaiThi::Trang::LamBai) {
        hienCuaSo(m_thi);
        return m_thi;
    }
    if (m_thi)
        m_thi->close();
    // The menu's label without its count, as the window's title says it.
    m_thi = FormBaiThi::moBaiNgan(m_mt, m_nh, hoSo(), hang(), nguon, ten.section(QStringLiteral(" ("), 0, 0));
    if (!m_thi) {
        m_mt.seams().hienThongBao(QString(txt::kDlKiemTraNgan).remove(QLatin1Char('&')), txt::kDlNganKhongCo,
                                  {});
        return nullptr;
    }
    connect(m_thi, &FormBaiThi::veNha, this, [this] {
        capNhat();
        raise();
        activateWindow();
    });
    hienCuaSo(m_thi);
    return m_thi;
}

FormBaiDaLam* FormNganHang::baiDaLam()
{
    if (!m_baiDaLam) {
        m_baiDaLam = new FormBaiDaLam(m_mt, m_nh, hoSo());
        connect(m_baiDaLam, &FormBaiDaLam::daMo, this, [this](QWidget* w) { hienCuaSo(w); });
        connect(m_baiDaLam, &FormBaiDaLam::thiLai, this, [this](const QString& h) {
            chonHang(h);
            QMetaObject::invokeMethod(
                this, [this] { thiThu(); }, Qt::QueuedConnection);
        });
    }
    hienCuaSo(m_baiDaLam);
    m_baiDaLam->activateWindow();
    return m_baiDaLam;
}

FormOnTap* FormNganHang::onDaLuu() { return moOn(FormOnTap::CheDo::DaLuu); }

FormTienBo* FormNganHang::tienBo()
{
    if (m_tienBo)
        m_tienBo->close();
    m_tienBo = new FormTienBo(m_mt, m_nh, hoSo(), hang());
    connect(m_tienBo, &FormTienBo::moCau, this, [this](int onTap) { hocTheoChuong(onTap); });
    hienCuaSo(m_tienBo);
    return m_tienBo;
}

void FormNganHang::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        capNhat();
    QWidget::changeEvent(e);
}

void FormNganHang::closeEvent(QCloseEvent* e)
{
    // A paper being sat is asked about first; the rest close with the home.
    if (m_thi && m_thi->trang() == FormBaiThi::Trang::LamBai) {
        e->ignore();
        hienCuaSo(m_thi);
        m_thi->hoiNop();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_thi, m_hoc, m_on, m_tim, m_tienBo})
        if (w)
            w->close();
    e->accept();
    emit daDong();
}

}  // namespace thilaixe
