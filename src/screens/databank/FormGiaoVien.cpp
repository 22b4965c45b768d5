#include "screens/databank/FormGiaoVien.h"

#include "rules/bank/NgauNhien.h"
#include "rules/common/Texts.h"
#include "rules/session/DuBao.h"
#include "rules/session/InGiay.h"
#include "rules/session/KeHoach.h"
#include "rules/session/PhienOn.h"
#include "rules/session/PhienThi.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Seams.h"
#include "screens/common/Ui.h"
#include "screens/databank/NganHangMo.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace thilaixe {

namespace {

// How often the live view of a session is read again.
constexpr int kLamMoiMs = 2000;
const QString kKhoaTruong = QStringLiteral("school_name");

// A screen reader names a table by what it holds (a tab's or label's text,
// without its mnemonic).
QString tenDoc(const QString& nhan)
{
    return QString(nhan).remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

QTreeWidget* bang(QWidget* cha, const QString& ten, const QStringList& cot, const QString& nhan)
{
    auto* t = new QTreeWidget(cha);
    t->setObjectName(ten);
    t->setAccessibleName(tenDoc(nhan));
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setAlternatingRowColors(true);
    t->setHeaderLabels(cot);
    // Every column as wide as what it shows; the last takes the rest.
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->header()->setStretchLastSection(true);
    return t;
}

// The text of a table's current row (its first column), or none.
QString hangDangChon(const QTreeWidget* t)
{
    return t->currentItem() ? t->currentItem()->text(0) : QString();
}

// After a table is filled again: the row that was current (`truoc`, by its
// first column) is current again, else the first one. Current, not
// selected: the focus ring is seen on it and a screen reader reads a row.
void giuHang(QTreeWidget* t, const QString& truoc)
{
    QTreeWidgetItem* hang = t->topLevelItemCount() > 0 ? t->topLevelItem(0) : nullptr;
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        if (t->topLevelItem(i)->text(0) == truoc)
            hang = t->topLevelItem(i);
    if (hang)
        t->setCurrentItem(hang, 0, QItemSelectionModel::NoUpdate);
}

QPushButton* nut(QWidget* cha, const QString& ten, const QString& chu)
{
    auto* b = new QPushButton(chu, cha);
    b->setObjectName(ten);
    return b;
}

// A dialog of the caller's labelled fields with OK and Cancel; true when
// accepted.
bool hoi(QWidget* cha, const QString& tieuDe, const std::vector<std::pair<QString, QWidget*>>& truong)
{
    QDialog d(cha);
    d.setWindowTitle(QString(tieuDe).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
    auto* form = new QFormLayout(&d);
    for (const auto& [nhan, w] : truong)
        form->addRow(nhan, w);
    auto* nutHop = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    nutHop->button(QDialogButtonBox::Ok)->setText(txt::kGvNutDongY);
    nutHop->button(QDialogButtonBox::Cancel)->setText(QString(txt::kDlNutHuy));
    form->addRow(nutHop);
    QObject::connect(nutHop, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(nutHop, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    const bool dongY = d.exec() == QDialog::Accepted;
    // The fields are the caller's: taken back before the dialog goes.
    for (const auto& tr : truong)
        tr.second->setParent(nullptr);
    return dongY;
}

QString phutGiay(int giay) { return QStringLiteral("%1").arg(std::max(giay, 0) / 60); }

}  // namespace

FormGiaoVien::FormGiaoVien(MoiTruong& mt, KhoMayChu& kho, std::shared_ptr<const NganHangMo> nh,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), m_mt(mt), m_kho(kho), m_nh(std::move(nh))
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
    trai->addWidget(themKhoa);
    trai->addWidget(themHv);
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
    auto* csv = nut(trangHv, QStringLiteral("CM_XuatCsv"), txt::kGvXuatCsv);
    cotHv->addWidget(m_hocVien, 1);
    cotHv->addWidget(m_chiTiet);
    cotHv->addWidget(csv, 0, Qt::AlignLeft);
    m_tab->addTab(trangHv, txt::kGvTabHocVien);
    // The questions missed most.
    m_cauSai =
        bang(m_tab, QStringLiteral("TW_CauSai"),
             QStringList(std::begin(txt::kGvCotCauSai), std::end(txt::kGvCotCauSai)), txt::kGvTabCauSai);
    m_tab->addTab(m_cauSai, txt::kGvTabCauSai);
    // Course-end tests.
    auto* trangKt = new QWidget(m_tab);
    auto* cotKt = new QVBoxLayout(trangKt);
    auto* hangPhien = new QHBoxLayout;
    auto* nhanPhien = new QLabel(txt::kGvPhien, trangKt);
    m_phien = new QComboBox(trangKt);
    m_phien->setObjectName(QStringLiteral("CB_Phien"));
    nhanPhien->setBuddy(m_phien);
    auto* moP = nut(trangKt, QStringLiteral("CM_MoPhien"), txt::kGvMoPhien);
    auto* dongP = nut(trangKt, QStringLiteral("CM_DongPhien"), txt::kGvDongPhien);
    hangPhien->addWidget(nhanPhien);
    hangPhien->addWidget(m_phien, 1);
    hangPhien->addWidget(moP);
    hangPhien->addWidget(dongP);
    cotKt->addLayout(hangPhien);
    m_tinhHinh =
        bang(trangKt, QStringLiteral("TW_TinhHinh"),
             QStringList(std::begin(txt::kGvCotTinhHinh), std::end(txt::kGvCotTinhHinh)), txt::kGvTabKiemTra);
    cotKt->addWidget(m_tinhHinh, 1);
    m_dongPhien = new QLabel(trangKt);
    m_dongPhien->setObjectName(QStringLiteral("LB_TinhHinh"));
    m_dongPhien->setMinimumHeight(m_dongPhien->fontMetrics().height() + 6);
    cotKt->addWidget(m_dongPhien);
    auto* inRa = new QHBoxLayout;
    auto* inKq = nut(trangKt, QStringLiteral("CM_InKetQua"), txt::kGvInKetQua);
    auto* inD = nut(trangKt, QStringLiteral("CM_InDe"), txt::kGvInDe);
    inRa->addWidget(inKq);
    inRa->addWidget(inD);
    inRa->addStretch(1);
    cotKt->addLayout(inRa);
    m_tab->addTab(trangKt, txt::kGvTabKiemTra);
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
    connect(m_phien, &QComboBox::currentIndexChanged, this, [this] { lamMoiTinhHinh(); });
    connect(themKhoa, &QPushButton::clicked, this, [this] {
        QLineEdit ma, ten;
        QComboBox hang;
        for (const QuyTacHang& q : m_nh->quyTac.hang)
            hang.addItem(q.hang);
        if (hoi(this, txt::kGvThemKhoa,
                {{txt::kGvHoiMa, &ma}, {txt::kGvHoiTenKhoa, &ten}, {txt::kCsvHang, &hang}}))
            themKhoaHoc(ma.text(), ten.text(), hang.currentText());
    });
    connect(themHv, &QPushButton::clicked, this, [this] {
        QLineEdit sbd, ten, pin;
        if (hoi(this, txt::kGvThemHocVien,
                {{txt::kGvHoiSbd, &sbd}, {txt::kGvHoiTen, &ten}, {txt::kGvHoiPin, &pin}}))
            themHocVien(sbd.text(), ten.text(), pin.text());
    });
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
    connect(moP, &QPushButton::clicked, this, [this] {
        QComboBox quyTac;
        for (const BoQuyTac& bo : cacBoQuyTacCaiSan())
            quyTac.addItem(bo.id + QStringLiteral(" – ") + bo.tieuDe, bo.id);
        quyTac.setCurrentIndex(std::max(0, quyTac.findData(m_nh->quyTac.id)));
        QDateTimeEdit mo(m_mt.seams().bayGio());
        mo.setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
        QSpinBox phut;
        phut.setRange(1, 240);
        const std::optional<KhoaHoc> k = khoaHocDangChon();
        const QuyTacHang* q = k ? m_nh->quyTac.timHang(k->hang) : nullptr;
        phut.setValue(q ? q->soPhut : 20);
        if (hoi(this, txt::kGvMoPhien,
                {{txt::kGvHoiQuyTac, &quyTac}, {txt::kGvHoiMo, &mo}, {txt::kGvHoiPhut, &phut}}))
            moPhien(quyTac.currentData().toString(), mo.dateTime(), phut.value());
    });
    connect(dongP, &QPushButton::clicked, this, [this] { dongPhien(); });
    connect(inKq, &QPushButton::clicked, this, [this] {
        const QString tep =
            QFileDialog::getSaveFileName(this, QString(txt::kGvInKetQua).remove(QLatin1Char('&')),
                                         QStringLiteral("ket-qua.pdf"), txt::kGvLocPdf);
        if (!tep.isEmpty())
            inKetQua(tep);
    });
    connect(inD, &QPushButton::clicked, this, [this] {
        QSpinBox hat;
        hat.setRange(1, 999999);
        hat.setValue(static_cast<int>(hatGiong(m_mt.seams()) % 999999) + 1);
        if (!hoi(this, txt::kGvInDe, {{txt::kGvHoiHat, &hat}}))
            return;
        const QString tep =
            QFileDialog::getSaveFileName(this, QString(txt::kGvInDe).remove(QLatin1Char('&')),
                                         QStringLiteral("de-%1.pdf").arg(hat.value()), txt::kGvLocPdf);
        if (!tep.isEmpty())
            inDe(tep, hat.value());
    });

    m_cacKhoa = m_kho.cacKhoaHoc();
    for (const KhoaHoc& k : m_cacKhoa)
        m_khoa->addItem(txt::kGvMotKhoa.arg(k.ma, k.ten, k.hang).arg(k.soHocVien));
    if (!m_cacKhoa.empty())
        m_khoa->setCurrentRow(0);
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

qint64 FormGiaoVien::phien() const { return m_phien->currentData().toLongLong(); }

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
        const HoSoHang hs = docHoSoHang(m_kho, h.hoSo, m_nh->nh, k->hang);
        if (const std::optional<SanSang> s = sanSangCuaHang(m_nh->nh, *q, hs))
            chu = txt::kGvChiTiet.arg(h.ten, h.soBaoDanh, k->hang)
                      .arg(qRound(s->xacSuat * 100))
                      .arg(qRound(s->xacSuatLiet * 100));
    }
    // The chapters answered worst of late, three at most.
    const std::vector<std::pair<int, int>> chuong =
        dungGanDayTheoChuong(m_nh->nh, lanTraLoiCuaHocVien(m_kho, h.hoSo, m_nh->nh.id));
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

void FormGiaoVien::lamMoiTinhHinh()
{
    const qint64 id = phien();
    m_dongPhien->clear();
    if (id == 0) {
        m_tinhHinh->clear();
        return;
    }
    using TT = TinhHinhHocVien::TrangThai;
    int chua = 0, dang = 0, nop = 0, dat = 0;
    const auto cua = std::find_if(m_cacPhien.begin(), m_cacPhien.end(),
                                  [id](const PhienKiemTra& p) { return p.id == id; });
    const int soGiay = cua == m_cacPhien.end() ? 0 : cua->phut * 60;
    std::vector<QStringList> dong;
    for (const TinhHinhHocVien& t : m_kho.tinhHinh(id)) {
        QString trangThai, diem, liet, ketQua;
        switch (t.trangThai) {
        case TT::ChuaBatDau:
            trangThai = txt::kGvChuaBatDau;
            ++chua;
            break;
        case TT::DangLam: {
            // The time left now, from what the lab computer said and when
            // (never heard from: from the session's minutes since it began).
            const int con = (t.conGiay < 0 ? soGiay : t.conGiay) - t.giayTruoc;
            trangThai = con <= 0        ? txt::kGvHetGioChuaNop.arg(t.o + 1).arg(t.giayTruoc)
                        : t.conGiay < 0 ? txt::kGvDaBatDau.arg(t.giayTruoc)
                                        : txt::kGvDangLam.arg(t.o + 1)
                                              .arg(phutGiay(con))
                                              .arg(con % 60, 2, 10, QLatin1Char('0'))
                                              .arg(t.giayTruoc);
            ++dang;
            break;
        }
        case TT::DaNop: {
            trangThai = txt::kGvDaNop;
            diem = QStringLiteral("%1/%2").arg(t.dung).arg(t.soCau - t.dung);
            QStringList l;
            for (int c : t.lietSai)
                l << QString::number(c);
            liet = l.join(QStringLiteral(", "));
            ketQua = t.dat ? txt::kInDat : txt::kInKhongDat;
            ++nop;
            dat += t.dat ? 1 : 0;
            break;
        }
        case TT::DaDongChuaNop: trangThai = txt::kGvDaDongChuaNop; break;
        }
        dong.push_back({t.soBaoDanh, t.ten, trangThai, diem, liet, ketQua});
    }
    // The same learners as before: their rows are written over where they
    // changed, so the place in the list, the row chosen and a screen
    // reader's focus stay put every 2 s.
    bool cungHang = m_tinhHinh->topLevelItemCount() == static_cast<int>(dong.size());
    for (std::size_t i = 0; cungHang && i < dong.size(); ++i)
        cungHang = m_tinhHinh->topLevelItem(static_cast<int>(i))->text(0) == dong[i].front();
    if (cungHang) {
        for (std::size_t i = 0; i < dong.size(); ++i) {
            QTreeWidgetItem* it = m_tinhHinh->topLevelItem(static_cast<int>(i));
            for (int c = 0; c < dong[i].size(); ++c)
                if (it->text(c) != dong[i][c])
                    it->setText(c, dong[i][c]);
        }
    } else {
        const QString truoc = hangDangChon(m_tinhHinh);
        m_tinhHinh->clear();
        for (const QStringList& d : dong)
            new QTreeWidgetItem(m_tinhHinh, d);
        giuHang(m_tinhHinh, truoc);
    }
    m_dongPhien->setText(
        txt::kGvDemTinhHinh.arg(m_tinhHinh->topLevelItemCount()).arg(chua).arg(dang).arg(nop).arg(dat));
}

std::optional<qint64> FormGiaoVien::themKhoaHoc(const QString& ma, const QString& ten, const QString& hang)
{
    QString loi;
    const std::optional<qint64> id = m_kho.themKhoaHoc(ma, ten.isEmpty() ? ma : ten, hang, &loi);
    if (!id) {
        baoLoi(loi);
        return id;
    }
    m_cacKhoa = m_kho.cacKhoaHoc();
    {
        const QSignalBlocker chan(m_khoa);
        m_khoa->clear();
        for (const KhoaHoc& k : m_cacKhoa)
            m_khoa->addItem(txt::kGvMotKhoa.arg(k.ma, k.ten, k.hang).arg(k.soHocVien));
    }
    chonKhoaHoc(*id);
    lamMoi();
    return id;
}

std::optional<qint64> FormGiaoVien::themHocVien(const QString& soBaoDanh, const QString& ten,
                                                const QString& pin)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k) {
        baoLoi(txt::kGvCanKhoa);
        return std::nullopt;
    }
    QString loi;
    const std::optional<qint64> id = m_kho.themHocVien(k->id, soBaoDanh, ten, pin, &loi);
    if (!id)
        baoLoi(loi);
    lamMoi();
    return id;
}

std::optional<qint64> FormGiaoVien::moPhien(const QString& quyTac, const QDateTime& mo, int phut)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k) {
        baoLoi(txt::kGvCanKhoa);
        return std::nullopt;
    }
    QString loi;
    const std::optional<qint64> id =
        m_kho.moPhien({0, k->id, k->hang, quyTac, m_nh->nh.id, mo, phut, std::nullopt}, &loi);
    if (!id) {
        baoLoi(loi);
        return id;
    }
    lamMoi();
    m_phien->setCurrentIndex(std::max(0, m_phien->findData(*id)));
    m_tab->setCurrentIndex(2);
    return id;
}

bool FormGiaoVien::dongPhien()
{
    if (phien() == 0) {
        baoLoi(txt::kGvCanPhien);
        return false;
    }
    QString loi;
    if (!m_kho.dongPhien(phien(), &loi)) {
        baoLoi(loi);
        return false;
    }
    lamMoi();
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

bool FormGiaoVien::inKetQua(const QString& tep)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    const qint64 id = phien();
    const auto it = std::find_if(m_cacPhien.begin(), m_cacPhien.end(),
                                 [id](const PhienKiemTra& p) { return p.id == id; });
    if (!k || it == m_cacPhien.end()) {
        baoLoi(txt::kGvCanPhien);
        return false;
    }
    QString loi;
    if (!inBangKetQua(tep,
                      {m_truong->text(), k->ma, k->ten, it->hang, it->quyTac, it->mo.toLocalTime().date()},
                      m_kho.tinhHinh(id), &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

bool FormGiaoVien::inDe(const QString& tep, qint64 hat)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    const QuyTacHang* q = k ? m_nh->quyTac.timHang(k->hang) : nullptr;
    if (!q) {
        baoLoi(txt::kGvCanKhoa);
        return false;
    }
    // The same draw as a lab computer's paper of that seed.
    const PhienThi p(m_nh->nh, m_nh->quyTac.id, *q, static_cast<std::uint64_t>(hat), m_mt.seams().bayGio(),
                     std::nullopt);
    QString loi;
    if (!inDeGiay(tep, m_nh->nh, m_nh->thuMuc, *q, p.de(), m_truong->text(), QString::number(hat), &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

}  // namespace thilaixe
