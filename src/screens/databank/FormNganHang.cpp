#include "screens/databank/FormNganHang.h"

#include "rules/common/Texts.h"
#include "rules/school/Truong.h"
#include "rules/session/DuBao.h"
#include "rules/session/PhienOn.h"
#include "rules/session/PhienThi.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/FormHocChuong.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/databank/FormTimCau.h"
#include "screens/databank/KhungCaiDat.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/KhungHomNay.h"
#include "screens/databank/KhungNgayThi.h"
#include "screens/databank/NganHangMo.h"
#include "screens/databank/SanhKiemTra.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace thilaixe {

namespace {

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

QLabel* dongChu(QWidget* cha, const QString& ten)
{
    auto* l = new QLabel(cha);
    l->setObjectName(ten);
    l->setWordWrap(true);
    return l;
}

}  // namespace

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
    QLabel* thongTin = dongChu(this, QStringLiteral("LB_ThongTin"));
    thongTin->setText(txt::kDlPhienBanNguon.arg(QString::number(m_nh->nh.cauHoi.size()),
                                                QString::number(m_nh->soDiemLiet()), m_nh->nh.nguon));
    thongTin->setToolTip(txt::kDlPhienBanDuLieu.arg(m_nh->nh.phienBan));
    doc->addWidget(thongTin);
    // The rule set of the learner's exam day (today's when none is set),
    // said again whenever the learner or the day changes; under it, what a
    // coming change of rule set means for this learner.
    m_quyTac = dongChu(this, QStringLiteral("LB_QuyTac"));
    doc->addWidget(m_quyTac);
    m_doiQuyTac = dongChu(this, QStringLiteral("LB_HetHieuLuc"));
    doc->addWidget(m_doiQuyTac);
    // What the school must mend in its rule files, and a paper's refusal.
    // Each line begins with ⚠; the text keeps the theme's colour, which
    // every theme makes readable.
    QStringList canhBao = m_nh->canhBaoQuyTac;
    if (!m_nh->khongCoQuyTac.isEmpty())
        canhBao.prepend(QStringLiteral("⚠ ") + m_nh->khongCoQuyTac);
    if (!canhBao.isEmpty()) {
        QLabel* bao = dongChu(this, QStringLiteral("LB_CanhBaoQuyTac"));
        bao->setText(canhBao.join(QLatin1Char('\n')));
        bao->setTextInteractionFlags(Qt::TextSelectableByMouse);
        doc->addWidget(bao);
    }

    auto* form = new QFormLayout;
    auto* dongHoSo = new QHBoxLayout;
    m_hoSo = new QComboBox(this);
    m_hoSo->setObjectName(QStringLiteral("CB_HoSo"));
    m_themHoSo = new QPushButton(txt::kDlThemNguoiHoc, this);
    m_themHoSo->setObjectName(QStringLiteral("CM_ThemNguoiHoc"));
    dongHoSo->addWidget(m_hoSo, 1);
    dongHoSo->addWidget(m_themHoSo);
    auto* nhanHoSo = new QLabel(txt::kDlNguoiHoc, this);
    nhanHoSo->setBuddy(m_hoSo);
    form->addRow(nhanHoSo, dongHoSo);
    auto* dongHang = new QHBoxLayout;
    m_hang = new QComboBox(this);
    m_hang->setObjectName(QStringLiteral("CB_Hang"));
    for (const QuyTacHang& q : m_nh->quyTac.hang)
        m_hang->addItem(q.hang);
    m_dongQuyTac = dongChu(this, QStringLiteral("LB_DongQuyTac"));
    dongHang->addWidget(m_hang);
    dongHang->addWidget(m_dongQuyTac, 1);
    auto* nhanHang = new QLabel(txt::kDlHang, this);
    nhanHang->setBuddy(m_hang);
    form->addRow(nhanHang, dongHang);
    // The learner's exam day, when they know it.
    m_ngayThi = new KhungNgayThi(this);
    form->addRow(m_ngayThi->hop(), m_ngayThi);
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
    m_homNay = new KhungHomNay(this);
    doc->addWidget(m_homNay);
    connect(m_homNay, &KhungHomNay::moHomNay, this, [this] { moHomNay(); });
    connect(m_homNay, &KhungHomNay::daDoiGioiHan, this, [this](int n, bool theoPhut) {
        m_mt.kho().datGioiHanNgay(hoSo(), n);
        m_mt.kho().datGioiHanTheoPhut(hoSo(), theoPhut);
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

    // The bank's own row under the actions: bringing one from a school's
    // spreadsheet (not for a learner signed in at a school: the server
    // holds the bank there), and at a school the teacher's window.
    KhoTruong* mayChu = kho.truong();
    if (!mayChu || mayChu->laGiaoVien()) {
        auto* truong = new QHBoxLayout;
        auto* nhap = new QPushButton(txt::kNbNutNhapBang, this);
        nhap->setObjectName(QStringLiteral("CM_NhapBangTinh"));
        nhap->setToolTip(txt::kNbPhimNhapBang);
        nhap->setAccessibleDescription(txt::kNbPhimNhapBang);
        truong->addWidget(nhap);
        connect(nhap, &QPushButton::clicked, this, [this] { nhapBangTinh(); });
        auto* phim = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this);
        connect(phim, &QShortcut::activated, this, [this] { nhapBangTinh(); });
        if (mayChu) {
            auto* b = new QPushButton(txt::kTrQuanLy, this);
            b->setObjectName(QStringLiteral("CM_QuanLy"));
            truong->addWidget(b);
            connect(b, &QPushButton::clicked, this, [this] { quanLy(); });
        }
        truong->addStretch(1);
        doc->addLayout(truong);
    }
    if (mayChu) {
        if (!mayChu->laGiaoVien()) {
            // A learner signed in is one profile: the server makes no other.
            m_themHoSo->hide();
            m_sanh = new SanhKiemTra(this, *mayChu);
            connect(m_sanh, &SanhKiemTra::vao, this, [this] { vaoKiemTra(); });
            doc->addWidget(m_sanh);
        }
    }
    m_caiDat = new KhungCaiDat(this, m_mt);
    connect(m_caiDat, &KhungCaiDat::daDoiGiaoDien, this, &FormNganHang::datGiaoDien);
    doc->addWidget(m_caiDat);
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
    connect(m_themHoSo, &QPushButton::clicked, this, [this] {
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
    connect(m_ngayThi, &KhungNgayThi::daDoi, this, [this](const std::optional<QDate>& d) {
        m_mt.kho().datNgayThi(hoSo(), d);
        capNhat();
    });
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    // As tall as what it shows at its width, no empty band at the foot.
    const int cao = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(760) : sizeHint().height();
    resize(760, std::max(cao, minimumSizeHint().height()));
    ui::datGiua(this);
    cacNut[0]->setFocus();
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

void FormNganHang::datNgayThi(const std::optional<QDate>& ngay)
{
    m_mt.kho().datNgayThi(hoSo(), ngay);
    m_ngayThi->hien(m_mt.kho().ngayThi(hoSo()), m_mt.seams().bayGio().date());
    capNhat();
}

void FormNganHang::doiHoSo()
{
    KhoHocVien& kho = m_mt.kho();
    const qint64 h = hoSo();
    {
        const QSignalBlocker a(m_hang);
        const int i = m_hang->findText(kho.hangDaChon(h, m_nh->nh.id), Qt::MatchFixedString);
        m_hang->setCurrentIndex(std::max(0, i));
    }
    m_caiDat->hien(h);
    m_ngayThi->hien(kho.ngayThi(h), m_mt.seams().bayGio().date());
    datGiaoDien(m_caiDat->giaoDien());
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

QString FormNganHang::doiQuyTacChoHocVien(const QString& hang) const
{
    const BoQuyTac& homNay = m_nh->quyTac;
    // Nothing ends soon, or the learner's exam day is under the next set
    // already (the rule's line says that day's paper).
    if (!m_nh->baoHet || !homNay.denNgay.isValid() || quyTacHocVien().id != homNay.id)
        return {};
    const QString het = homNay.denNgay.addDays(1).toString(QStringLiteral("dd/MM/yyyy"));
    const BoQuyTac& sau = m_nh->quyTacNgay(homNay.denNgay.addDays(1));
    if (sau.tuNgay <= homNay.denNgay)
        return txt::kDlChuaCoQuyTacSau.arg(homNay.denNgay.toString(QStringLiteral("dd/MM/yyyy")));
    std::optional<QDate> thi = m_mt.kho().ngayThi(hoSo());
    if (thi && *thi < m_mt.seams().bayGio().date())
        thi.reset();  // past: as if none
    const QuyTacHang* q = sau.timHang(hang);
    QString dong = q && q->ghiChuMuon.isEmpty()
                       ? txt::kDlDoiQuyTacHang.arg(het, hang)
                             .arg(q->soCau)
                             .arg(q->soPhut)
                             .arg(q->canDeDat)
                             .arg(q->duKien ? QLatin1Char(' ') + txt::kDlDuKienNgan : QString())
                       : txt::kDlDoiQuyTacKhongHang.arg(het, hang);
    dong += QLatin1Char(' ')
            + (thi ? txt::kDlDoiQuyTacNgayThi.arg(thi->toString(QStringLiteral("dd/MM/yyyy")))
                   : txt::kDlDoiQuyTacCoSan.arg(het));
    return dong;
}

void FormNganHang::capNhat()
{
    const BoQuyTac& bo = quyTacHocVien();
    m_quyTac->setText(tenQuyTac(bo)
                      + (bo.duKien ? QStringLiteral("\n⚠ ") + txt::kDlDuKien.arg(bo.ghiChu) : QString()));
    // The set's source, and for the school what it has to do about it.
    m_quyTac->setToolTip(bo.nguon + (m_nh->baoHet ? txt::kDlChoTruong.arg(*m_nh->baoHet) : QString()));
    const QString doi = doiQuyTacChoHocVien(hang());
    m_doiQuyTac->setText(doi);
    m_doiQuyTac->setVisible(!doi.isEmpty());
    const QuyTacHang* q = bo.timHang(hang());
    if (!q)
        return;
    // What the exam day holds: the paper of the set in force then.
    const std::optional<QDate> thi = m_mt.kho().ngayThi(hoSo());
    const QDate homNay = m_mt.seams().bayGio().date();
    m_ngayThi->datDong(!thi ? QString()
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
    KhoHocVien& kho = m_mt.kho();
    {
        const KeHoachNgay k = keHoachHomNay(m_mt, *m_nh, hoSo(), q->hang);
        const std::vector<LanTraLoi> traLoi = lanTraLoiCuaHocVien(kho, hoSo(), m_nh->nh.id);
        // The exam day's readiness, only beside a plan that is behind.
        QString sanSang;
        if (k.khongKip && thi) {
            const HoSoHang h = docHoSoHang(kho, hoSo(), m_nh->nh, q->hang, nullptr);
            const HaiUocLuong u = uocLuongHaiCach(m_nh->nh, *q, h, traLoi, *thi);
            if (const std::optional<SanSang>& s = u.triNho ? u.triNho : u.tiLe)
                sanSang = txt::kDlSanSangNgayThi.arg(ui::phanTram(s->xacSuat));
        }
        m_homNay->hien(k, kho.gioiHanNgay(hoSo()), kho.gioiHanTheoPhut(hoSo()),
                       giayMoiCau(traLoi).value_or(kGiayMoiCauMacDinh), sanSang);
    }
    // Longer lines (a provisional set, a class taken from an older one)
    // make the home taller, never cut.
    if (isVisible() && layout()->hasHeightForWidth())
        if (const int cao = layout()->totalHeightForWidth(width()); cao > height())
            resize(width(), cao);
    m_hang->setAccessibleDescription(dong);
    const QHash<int, int> ngay = kho.soNgayDungDiemLiet(hoSo(), m_nh->nh.id);
    const std::vector<int> liet = m_nh->cauDiemLiet(*q);
    const auto vung = soDaThuoc(liet, ngay);
    m_vung->setText(txt::kDlDaVung.arg(vung).arg(liet.size()));
    const SoOnTap onTap = kho.docOnTap(hoSo(), m_nh->nh.id, static_cast<int>(m_nh->nh.cauHoi.size()));
    m_conSai->setText(txt::kDlConCauSai.arg(
        std::count_if(onTap.muc.begin(), onTap.muc.end(), [](const MucOnTap& m) { return m.canOn; })));
}

bool FormNganHang::chonMayChu(const QString& chuoi) { return chonMayChuTruong(m_mt, chuoi, &m_daBaoMayChu); }

void FormNganHang::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        capNhat();
    QWidget::changeEvent(e);
}

}  // namespace thilaixe
