#include "screens/databank/FormGiaoVien.h"

#include "rules/common/Texts.h"
#include "rules/session/DuBao.h"
#include "rules/session/InGiay.h"
#include "rules/session/KeHoach.h"
#include "rules/session/PhienOn.h"
#include "rules/session/PhienThi.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Seams.h"
#include "screens/databank/FormGiaoVienNoiBo.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace thilaixe {

using namespace giao_vien;

namespace {

// A file to save a PIN slip in, asked of the teacher; empty when cancelled.
QString hoiTepPhieu(QWidget* cha, const QString& goiY)
{
    return QFileDialog::getSaveFileName(cha, txt::kGvLuuPhieu, goiY, txt::kGvLocPdf);
}

}  // namespace

FormGiaoVien::FormGiaoVien(MoiTruong& mt, KhoTruong& kho, std::shared_ptr<const NganHangMo> nh,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), m_mt(mt), m_kho(kho), m_khoHocVien(mt.kho()), m_nh(std::move(nh))
{
    setObjectName(QStringLiteral("FormGiaoVien"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(txt::kGvTieuDe.arg(m_nh->nh.tieuDe));
    // Wide enough for the live view's every column (a verdict is not to be
    // scrolled to), within the screen's free area.
    const QRect vung = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 720);
    resize(std::min(1200, vung.width() - 40), std::min(640, vung.height() - 40));
    auto* doc = new QVBoxLayout(this);

    auto* tren = new QFormLayout;
    m_truong = new QLineEdit(m_kho.caiDatChung(kKhoaTruong, txt::kTruongMacDinh), this);
    m_truong->setObjectName(QStringLiteral("LE_Truong"));
    m_truong->setMaxLength(kTenKhoaToiDa);
    tren->addRow(txt::kGvTruong, m_truong);
    connect(m_truong, &QLineEdit::editingFinished, this,
            [this] { m_kho.datCaiDatChung(kKhoaTruong, m_truong->text().trimmed()); });
    doc->addLayout(tren);

    auto* giua = new QHBoxLayout;
    auto* trai = new QVBoxLayout;
    auto* nhanKhoa = new QLabel(txt::kGvKhoaHoc, this);
    // Room for the diacritics above and the ink below.
    nhanKhoa->setMinimumHeight(nhanKhoa->fontMetrics().height() + 6);
    m_khoa = new QListWidget(this);
    m_khoa->setObjectName(QStringLiteral("LS_KhoaHoc"));
    m_khoa->setWordWrap(true);
    m_khoa->setMinimumWidth(280);
    m_khoa->setAccessibleName(tenDoc(txt::kGvKhoaHoc));
    nhanKhoa->setBuddy(m_khoa);
    trai->addWidget(nhanKhoa);
    trai->addWidget(m_khoa, 1);
    auto* themKhoa = nut(this, QStringLiteral("CM_ThemKhoa"), txt::kGvThemKhoa);
    auto* themHv = nut(this, QStringLiteral("CM_ThemHocVien"), txt::kGvThemHocVien);
    auto* nhapDs = nut(this, QStringLiteral("CM_NhapDanhSach"), txt::kGvNhapDanhSach);
    auto* guiNh = nut(this, QStringLiteral("CM_GuiNganHang"), txt::kGvGuiNganHang);
    for (QPushButton* b : {themKhoa, themHv, nhapDs, guiNh})
        trai->addWidget(b);
    giua->addLayout(trai, 1);

    m_tab = new QTabWidget(this);
    m_tab->setObjectName(QStringLiteral("TB_GiaoVien"));
    // Learners.
    auto* trangHv = new QWidget(m_tab);
    auto* cotHv = new QVBoxLayout(trangHv);
    m_hocVien =
        bang(trangHv, QStringLiteral("TW_HocVien"),
             QStringList(std::begin(txt::kGvCotHocVien), std::end(txt::kGvCotHocVien)), txt::kGvTabHocVien);
    m_chiTiet = new QLabel(txt::kGvChuaChon, trangHv);
    m_chiTiet->setObjectName(QStringLiteral("LB_ChiTiet"));
    m_chiTiet->setMinimumHeight(m_chiTiet->fontMetrics().height() + 6);
    m_chiTiet->setWordWrap(true);
    auto* hangNut = new QHBoxLayout;
    auto* csv = nut(trangHv, QStringLiteral("CM_XuatCsv"), txt::kGvXuatCsv);
    auto* pin = nut(trangHv, QStringLiteral("CM_CapLaiPin"), txt::kGvCapLaiPin);
    hangNut->addWidget(csv);
    hangNut->addWidget(pin);
    hangNut->addStretch(1);
    cotHv->addWidget(m_hocVien, 1);
    cotHv->addWidget(m_chiTiet);
    cotHv->addLayout(hangNut);
    m_tab->addTab(trangHv, txt::kGvTabHocVien);
    // The questions missed most.
    m_cauSai =
        bang(m_tab, QStringLiteral("TW_CauSai"),
             QStringList(std::begin(txt::kGvCotCauSai), std::end(txt::kGvCotCauSai)), txt::kGvTabCauSai);
    m_tab->addTab(m_cauSai, txt::kGvTabCauSai);
    taoTrangKiemTra();
    giua->addWidget(m_tab, 3);
    doc->addLayout(giua, 1);

    m_timer = new QTimer(this);
    m_timer->setInterval(kLamMoiMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (isVisible() && m_tab->currentIndex() == 2)
            lamMoiTinhHinh();
    });
    m_timer->start();

    connect(m_khoa, &QListWidget::currentRowChanged, this, [this] { lamMoi(); });
    // Back on the learners or the questions: as they stand now.
    connect(m_tab, &QTabWidget::currentChanged, this, [this](int i) {
        if (i != 2)
            lamMoi();
        // A tab chosen by its Alt key (not by the arrows on the tab bar)
        // takes the focus to its table, so the keyboard and a screen
        // reader are where the eyes are.
        if (!m_tab->tabBar()->hasFocus() && isActiveWindow())
            (i == 0 ? m_hocVien : i == 1 ? m_cauSai : m_tinhHinh)->setFocus(Qt::ShortcutFocusReason);
    });
    connect(m_hocVien, &QTreeWidget::currentItemChanged, this,
            [this] { chonHocVien(m_hocVien->indexOfTopLevelItem(m_hocVien->currentItem())); });
    connect(m_cauSai, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* it) { emit moCau(it->data(0, Qt::UserRole).toInt()); });
    connect(themKhoa, &QPushButton::clicked, this, [this] {
        QLineEdit ma, ten;
        ma.setMaxLength(kMaKhoaToiDa);
        ten.setMaxLength(kTenKhoaToiDa);
        QComboBox hang;
        for (const QuyTacHang& q : m_nh->quyTac.hang)
            hang.addItem(q.hang);
        if (hoi(this, txt::kGvThemKhoa,
                {{txt::kGvHoiMa, &ma}, {txt::kGvHoiTenKhoa, &ten}, {txt::kCsvHang, &hang}}))
            themKhoaHoc(ma.text(), ten.text(), hang.currentText());
    });
    connect(themHv, &QPushButton::clicked, this, [this] {
        QLineEdit sbd, ten;
        sbd.setMaxLength(kSoBaoDanhToiDa);
        ten.setMaxLength(kTenHocVienToiDa);
        QCheckBox chiSo(txt::kGvPinChiSo);
        if (!khoaHocDangChon())
            return baoLoi(txt::kGvCanKhoa);
        if (!hoi(this, txt::kGvThemHocVien,
                 {{txt::kGvHoiSbd, &sbd}, {txt::kGvHoiTen, &ten}, {QString(), &chiSo}}))
            return;
        const QString tep = hoiTepPhieu(this, QStringLiteral("pin-%1.pdf").arg(sbd.text().trimmed()));
        if (!tep.isEmpty())
            themHocVien(sbd.text(), ten.text(), chiSo.isChecked(), tep);
    });
    connect(pin, &QPushButton::clicked, this, [this] {
        QCheckBox chiSo(txt::kGvPinChiSo);
        if (m_hocVien->currentItem() == nullptr || !hoi(this, txt::kGvCapLaiPin, {{QString(), &chiSo}}))
            return;
        const QString tep =
            hoiTepPhieu(this, QStringLiteral("pin-%1.pdf").arg(m_hocVien->currentItem()->text(0)));
        if (!tep.isEmpty())
            capLaiPin(chiSo.isChecked(), tep);
    });
    connect(nhapDs, &QPushButton::clicked, this, [this] {
        const std::optional<KhoaHoc> k = khoaHocDangChon();
        if (!k)
            return baoLoi(txt::kGvCanKhoa);
        const QString ds = QFileDialog::getOpenFileName(
            this, QString(txt::kGvNhapDanhSach).remove(QLatin1Char('&')), QString(), txt::kGvLocDanhSach);
        QCheckBox chiSo(txt::kGvPinChiSo);
        if (ds.isEmpty() || !hoi(this, txt::kGvNhapDanhSach, {{QString(), &chiSo}}))
            return;
        const QString tep = hoiTepPhieu(this, QStringLiteral("pin-%1.pdf").arg(k->ma));
        if (!tep.isEmpty())
            nhapDanhSach(ds, chiSo.isChecked(), tep);
    });
    connect(guiNh, &QPushButton::clicked, this, [this] { guiNganHang(); });
    connect(csv, &QPushButton::clicked, this, [this] {
        const std::optional<KhoaHoc> k = khoaHocDangChon();
        if (!k)
            return baoLoi(txt::kGvCanKhoa);
        const QString tep =
            QFileDialog::getSaveFileName(this, QString(txt::kGvXuatCsv).remove(QLatin1Char('&')),
                                         k->ma + QStringLiteral(".csv"), txt::kGvLocCsv);
        if (!tep.isEmpty())
            xuatCsv(tep);
    });
    // Esc closes the window, as it does the program's other windows.
    themPhimThoat(this, [this] { close(); });
    lamMoiKhoaHoc();
}

void FormGiaoVien::changeEvent(QEvent* e)
{
    // Back in the window: the courses as they are now (another teacher may
    // have added one, or learners to one).
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        lamMoiKhoaHoc();
    QWidget::changeEvent(e);
}

std::optional<KhoaHoc> FormGiaoVien::khoaHocDangChon() const
{
    const int i = m_khoa->currentRow();
    if (i < 0 || i >= static_cast<int>(m_cacKhoa.size()))
        return std::nullopt;
    return m_cacKhoa[static_cast<std::size_t>(i)];
}

qint64 FormGiaoVien::khoaHoc() const
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    return k ? k->id : 0;
}

void FormGiaoVien::baoLoi(const QString& loi)
{
    m_mt.seams().hienThongBao(windowTitle(), txt::kGvLoi.arg(loi), {});
}

void FormGiaoVien::chonKhoaHoc(qint64 id)
{
    for (std::size_t i = 0; i < m_cacKhoa.size(); ++i)
        if (m_cacKhoa[i].id == id)
            m_khoa->setCurrentRow(static_cast<int>(i));
}

void FormGiaoVien::lamMoiKhoaHoc()
{
    const qint64 truoc = khoaHoc();
    m_cacKhoa = m_kho.cacKhoaHoc();
    // The same courses as shown: their lines are written over in place (the
    // count of learners), so the list does not jump under the teacher.
    bool cung = m_khoa->count() == static_cast<int>(m_cacKhoa.size());
    for (std::size_t i = 0; cung && i < m_cacKhoa.size(); ++i)
        cung = m_khoa->item(static_cast<int>(i))->data(Qt::UserRole).toLongLong() == m_cacKhoa[i].id;
    const QSignalBlocker chan(m_khoa);
    if (!cung)
        m_khoa->clear();
    for (std::size_t i = 0; i < m_cacKhoa.size(); ++i) {
        const KhoaHoc& k = m_cacKhoa[i];
        const QString chu = txt::kGvMotKhoa.arg(k.ma, k.ten, k.hang).arg(k.soHocVien);
        if (cung) {
            m_khoa->item(static_cast<int>(i))->setText(chu);
        } else {
            auto* it = new QListWidgetItem(chu, m_khoa);
            it->setData(Qt::UserRole, k.id);
        }
    }
    if (cung)
        return;
    chonKhoaHoc(truoc);
    if (m_khoa->currentRow() < 0 && !m_cacKhoa.empty())
        m_khoa->setCurrentRow(0);
    lamMoi();
}

void FormGiaoVien::lamMoi()
{
    const QString hvTruoc = hangDangChon(m_hocVien), cauTruoc = hangDangChon(m_cauSai);
    m_hocVien->clear();
    m_cauSai->clear();
    m_chiTiet->setText(txt::kGvChuaChon);
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    const qint64 phienTruoc = phien();
    {
        const QSignalBlocker chan(m_phien);
        m_phien->clear();
    }
    if (!k)
        return;
    m_ds = m_kho.hocVienCuaKhoa(k->id, m_nh->nh.id, k->hang, kSoNgayThuoc);
    const QuyTacHang* q = m_nh->quyTac.timHang(k->hang);
    const int soLiet = m_nh->soDiemLiet(q);
    for (const HocVienKhoaHoc& h : m_ds)
        new QTreeWidgetItem(
            m_hocVien, {h.soBaoDanh, h.ten, QString::number(h.soBai), QString::number(h.soDat),
                        h.diemCuoi ? QStringLiteral("%1/%2").arg(*h.diemCuoi).arg(h.soCauCuoi) : QString(),
                        h.diemCao ? QString::number(*h.diemCao) : QString(),
                        QStringLiteral("%1/%2").arg(h.diemLietVung).arg(soLiet)});
    for (const CauSaiNhieu& c : m_kho.cauSaiNhieu(k->id, m_nh->nh.id, 50)) {
        const CauHoiNganHang* cau = m_nh->nh.cau(c.cau);
        auto* it = new QTreeWidgetItem(m_cauSai, {QString::number(c.cau), QString::number(c.soSai),
                                                  QString::number(c.soLan),
                                                  cau ? cau->noiDung.simplified() : QString()});
        it->setData(0, Qt::UserRole, c.cau);
    }
    giuHang(m_hocVien, hvTruoc);
    giuHang(m_cauSai, cauTruoc);
    m_cacPhien = m_kho.cacPhien(k->id);
    {
        const QSignalBlocker chan(m_phien);
        for (const PhienKiemTra& p : m_cacPhien)
            m_phien->addItem(
                txt::kGvMotPhien.arg(p.mo.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")), p.hang)
                    .arg(p.phut)
                    .arg(p.dong ? txt::kGvPhienDaDong.arg(
                             p.dong->toLocalTime().toString(QStringLiteral("HH:mm")))
                                : QString()),
                p.id);
        m_phien->setCurrentIndex(std::max(0, m_phien->findData(phienTruoc)));
    }
    lamMoiTinhHinh();
}

void FormGiaoVien::chonHocVien(int dong)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k || dong < 0 || dong >= static_cast<int>(m_ds.size()))
        return;
    const HocVienKhoaHoc& h = m_ds[static_cast<std::size_t>(dong)];
    const QuyTacHang* q = m_nh->quyTac.timHang(k->hang);
    QString chu = txt::kGvChiTietChuaThi.arg(h.ten, h.soBaoDanh, k->hang);
    if (q) {
        const HoSoHang hs = docHoSoHang(m_khoHocVien, h.hoSo, m_nh->nh, k->hang);
        if (const std::optional<SanSang> s = sanSangCuaHang(m_nh->nh, *q, hs))
            chu = txt::kGvChiTiet.arg(h.ten, h.soBaoDanh, k->hang)
                      .arg(qRound(s->xacSuat * 100))
                      .arg(qRound(s->xacSuatLiet * 100));
    }
    // The chapters answered worst of late, three at most.
    const std::vector<std::pair<int, int>> chuong =
        dungGanDayTheoChuong(m_nh->nh, lanTraLoiCuaHocVien(m_khoHocVien, h.hoSo, m_nh->nh.id));
    std::vector<std::size_t> thuTu;
    for (std::size_t i = 0; i < chuong.size(); ++i)
        if (chuong[i].second > 0)
            thuTu.push_back(i);
    std::stable_sort(thuTu.begin(), thuTu.end(), [&](std::size_t a, std::size_t b) {
        return chuong[a].first * chuong[b].second < chuong[b].first * chuong[a].second;
    });
    QStringList yeu;
    for (std::size_t i = 0; i < std::min<std::size_t>(3, thuTu.size()); ++i)
        yeu << txt::kGvMotChuong.arg(thuTu[i] + 1).arg(chuong[thuTu[i]].first).arg(chuong[thuTu[i]].second);
    if (!yeu.isEmpty())
        chu += QLatin1Char(' ') + txt::kGvYeuNhat.arg(yeu.join(QStringLiteral("; ")));
    m_chiTiet->setText(chu);
}

std::optional<qint64> FormGiaoVien::themKhoaHoc(const QString& ma, const QString& ten, const QString& hang)
{
    QString loi;
    const std::optional<qint64> id = m_kho.themKhoaHoc(ma, ten.isEmpty() ? ma : ten, hang, &loi);
    if (!id) {
        baoLoi(loi);
        return id;
    }
    lamMoiKhoaHoc();
    chonKhoaHoc(*id);
    return id;
}

bool FormGiaoVien::inPhieu(const QString& tep, const std::vector<PinHocVien>& ds)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    QString loi;
    if (!k || !inPhieuPin(tep, m_truong->text(), *k, ds, &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

std::optional<qint64> FormGiaoVien::themHocVien(const QString& soBaoDanh, const QString& ten, bool chiSo,
                                                const QString& tepPhieu)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k) {
        baoLoi(txt::kGvCanKhoa);
        return std::nullopt;
    }
    QString loi;
    const std::optional<PinHocVien> p = themHocVienCoPin(m_kho, *k, {soBaoDanh, ten, {}}, chiSo, &loi);
    if (!p) {
        baoLoi(loi);
        return std::nullopt;
    }
    // The slip first: a PIN no one was given is of no use. (One that could
    // not be written is given again by "Cấp lại mã PIN".)
    inPhieu(tepPhieu, {*p});
    lamMoiKhoaHoc();
    lamMoi();
    for (const HocVienKhoaHoc& h : m_ds)
        if (h.soBaoDanh == p->soBaoDanh)
            return h.hoSo;
    return std::nullopt;
}

bool FormGiaoVien::capLaiPin(bool chiSo, const QString& tepPhieu)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    const int dong = m_hocVien->indexOfTopLevelItem(m_hocVien->currentItem());
    if (!k || dong < 0 || dong >= static_cast<int>(m_ds.size()))
        return false;
    QString loi;
    const std::optional<PinHocVien> p =
        thilaixe::capLaiPin(m_kho, *k, m_ds[static_cast<std::size_t>(dong)], chiSo, &loi);
    if (!p) {
        baoLoi(loi);
        return false;
    }
    return inPhieu(tepPhieu, {*p});
}

std::optional<int> FormGiaoVien::nhapDanhSach(const QString& tepDanhSach, bool chiSo, const QString& tepPhieu)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k) {
        baoLoi(txt::kGvCanKhoa);
        return std::nullopt;
    }
    QString loi;
    const std::optional<std::vector<HocVienMoi>> ds = docDanhSachHocVien(tepDanhSach, &loi);
    const std::optional<std::vector<PinHocVien>> moi =
        ds ? thilaixe::nhapDanhSach(m_kho, *k, *ds, chiSo, &loi) : std::nullopt;
    if (!moi) {
        baoLoi(loi);
        lamMoi();
        return std::nullopt;
    }
    if (!moi->empty() && !inPhieu(tepPhieu, *moi))
        return std::nullopt;
    m_mt.seams().hienThongBao(
        windowTitle(),
        txt::kGvDaNhap.arg(moi->size()).arg(QDir::toNativeSeparators(tepPhieu)).arg(ds->size() - moi->size()),
        {});
    lamMoiKhoaHoc();
    lamMoi();
    return static_cast<int>(moi->size());
}

bool FormGiaoVien::guiNganHang()
{
    QString loi;
    const std::optional<QString> sha = datNganHangLenMayChu(m_kho, m_nh->tep, &loi);
    if (!sha) {
        baoLoi(loi);
        return false;
    }
    m_mt.seams().hienThongBao(windowTitle(), txt::kGvDaGui.arg(m_nh->nh.tieuDe, sha->left(12)), {});
    return true;
}

bool FormGiaoVien::xuatCsv(const QString& tep)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k)
        return false;
    QString loi;
    if (!ghiCsvKhoaHoc(tep, *k, m_ds, m_nh->soDiemLiet(m_nh->quyTac.timHang(k->hang)), &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

}  // namespace thilaixe
