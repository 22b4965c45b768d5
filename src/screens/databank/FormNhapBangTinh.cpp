#include "screens/databank/FormNhapBangTinh.h"

#include "rules/common/Texts.h"
#include "rules/school/Truong.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/DongChu.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Seams.h"
#include "screens/common/Ui.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace thilaixe {

namespace {

QString bo(const QString& s) { return QString(s).remove(QLatin1Char('&')); }

}  // namespace

FormNhapBangTinh::FormNhapBangTinh(QWidget* cha, MoiTruong& mt) : QDialog(cha), m_mt(mt)
{
    setObjectName(QStringLiteral("FormNhapBangTinh"));
    setWindowTitle(bo(txt::kNbTieuDeCuaSo));
    auto* doc = new QVBoxLayout(this);
    auto* huongDan = new QLabel(txt::kNbHuongDan, this);
    huongDan->setWordWrap(true);
    doc->addWidget(huongDan);

    auto* luoi = new QGridLayout;
    int dong = 0;
    const auto hang = [&](const QString& ten, const QString& nhan, QLineEdit*& o, const QString& tenNut,
                          const std::function<void()>& chon) {
        auto* l = new QLabel(nhan, this);
        o = new DongChu(this);
        o->setObjectName(ten);
        o->setAccessibleName(bo(nhan).remove(QLatin1Char(':')));
        l->setBuddy(o);
        auto* b = new QPushButton(txt::kNbChon, this);
        b->setObjectName(tenNut);
        b->setAccessibleName(txt::kNbChonCho.arg(bo(nhan).remove(QLatin1Char(':'))));
        connect(b, &QPushButton::clicked, this, chon);
        luoi->addWidget(l, dong, 0);
        luoi->addWidget(o, dong, 1);
        luoi->addWidget(b, dong, 2);
        ++dong;
    };
    hang(QStringLiteral("LE_BangTinh"), txt::kNbNhanBangTinh, m_bangTinh, QStringLiteral("CM_ChonBangTinh"),
         [this] {
             const QString t = QFileDialog::getOpenFileName(this, bo(txt::kNbNhanBangTinh),
                                                            m_bangTinh->text(), txt::kGvLocDanhSach);
             if (!t.isEmpty())
                 datBangTinh(t);
         });
    hang(QStringLiteral("LE_ThuMucAnh"), txt::kNbNhanAnh, m_anh, QStringLiteral("CM_ChonThuMucAnh"), [this] {
        const QString t = QFileDialog::getExistingDirectory(this, bo(txt::kNbNhanAnh), m_anh->text());
        if (!t.isEmpty())
            datThuMucAnh(t);
    });
    hang(QStringLiteral("LE_ThuMucRa"), txt::kNbNhanRa, m_ra, QStringLiteral("CM_ChonThuMucRa"), [this] {
        const QString t = QFileDialog::getExistingDirectory(this, bo(txt::kNbNhanRa), m_ra->text());
        if (!t.isEmpty())
            datThuMucRa(t);
    });
    m_anh->setPlaceholderText(txt::kNbAnhGoiY);
    luoi->setColumnStretch(1, 1);
    doc->addLayout(luoi);
    datThuMucRa(QDir(m_mt.thuMuc()).filePath(QStringLiteral("bank-2025")));

    m_tienDo = new QProgressBar(this);
    m_tienDo->setObjectName(QStringLiteral("PB_TienDo"));
    m_tienDo->setAccessibleName(txt::kNbTienDo);
    m_tienDo->setRange(0, 1000);
    m_tienDo->setTextVisible(false);
    m_tienDo->hide();
    doc->addWidget(m_tienDo);
    m_trangThai = new QLabel(this);
    m_trangThai->setObjectName(QStringLiteral("LB_TrangThai"));
    m_trangThai->setWordWrap(true);
    m_trangThai->setTextInteractionFlags(Qt::TextSelectableByMouse);
    doc->addWidget(m_trangThai);
    m_loi = new QListWidget(this);
    m_loi->setObjectName(QStringLiteral("LW_Loi"));
    m_loi->setAccessibleName(txt::kNbDanhSachLoi);
    m_loi->setWordWrap(true);
    m_loi->hide();
    doc->addWidget(m_loi, 10);
    m_noiDung = new QLabel(this);
    m_noiDung->setObjectName(QStringLiteral("LB_NoiDungDong"));
    m_noiDung->setWordWrap(true);
    m_noiDung->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_noiDung->setFocusPolicy(Qt::StrongFocus);
    m_noiDung->hide();
    doc->addWidget(m_noiDung);
    doc->addStretch(1);
    const auto moDong = [this](QListWidgetItem* it) {
        if (it)
            hienDong(it->data(Qt::UserRole).toInt());
    };
    connect(m_loi, &QListWidget::itemActivated, this, moDong);
    connect(m_loi, &QListWidget::currentItemChanged, this, moDong);

    auto* nut = new QHBoxLayout;
    m_nhap = new QPushButton(txt::kNbNutNhap, this);
    m_nhap->setObjectName(QStringLiteral("CM_Nhap"));
    m_nhap->setDefault(true);
    m_mo = new QPushButton(txt::kNbNutMo, this);
    m_mo->setObjectName(QStringLiteral("CM_MoNganHang"));
    m_mo->setEnabled(false);
    nut->addWidget(m_nhap);
    nut->addWidget(m_mo);
    if (KhoTruong* t = m_mt.kho().truong(); t && t->laGiaoVien()) {
        m_gui = new QPushButton(txt::kNbNutGui, this);
        m_gui->setObjectName(QStringLiteral("CM_GuiMayChu"));
        m_gui->setEnabled(false);
        nut->addWidget(m_gui);
        connect(m_gui, &QPushButton::clicked, this, [this] { guiMayChu(); });
    }
    nut->addStretch(1);
    auto* dong2 = new QPushButton(txt::kNbNutDong, this);
    dong2->setObjectName(QStringLiteral("CM_Dong"));
    nut->addWidget(dong2);
    doc->addLayout(nut);
    connect(m_nhap, &QPushButton::clicked, this, [this] { nhap(); });
    connect(m_mo, &QPushButton::clicked, this, [this] {
        if (m_kq.duoc())
            emit moNganHang(m_kq.tepNganHang);
    });
    connect(dong2, &QPushButton::clicked, this, &FormNhapBangTinh::reject);
    resize(720, 480);
}

FormNhapBangTinh::~FormNhapBangTinh()
{
    // The import finishes before the window goes: it writes a folder that
    // must be whole or not at all.
    if (m_chay) {
        m_chay->wait();
        delete m_chay;
    }
}

void FormNhapBangTinh::datBangTinh(const QString& tep) { m_bangTinh->setText(QDir::toNativeSeparators(tep)); }
QString FormNhapBangTinh::bangTinh() const
{
    return QDir::fromNativeSeparators(m_bangTinh->text().trimmed());
}
void FormNhapBangTinh::datThuMucAnh(const QString& thuMuc)
{
    m_anh->setText(QDir::toNativeSeparators(thuMuc));
}
void FormNhapBangTinh::datThuMucRa(const QString& thuMuc) { m_ra->setText(QDir::toNativeSeparators(thuMuc)); }

void FormNhapBangTinh::nhap()
{
    if (m_chay)
        return;
    if (m_bangTinh->text().trimmed().isEmpty()) {
        m_trangThai->setText(txt::kNbChuaChonBang);
        ui::thongBaoTruyCap(this, txt::kNbChuaChonBang);
        m_bangTinh->setFocus();
        return;
    }
    const QString ra = QDir::fromNativeSeparators(m_ra->text().trimmed());
    if (QFileInfo(QDir(ra).filePath(QStringLiteral("bank.json"))).isFile()) {
        QPointer<FormNhapBangTinh> con(this);
        m_mt.seams().hoiChon(bo(txt::kNbTieuDeCuaSo), txt::kNbHoiThay.arg(QDir::toNativeSeparators(ra)),
                             {txt::kNbKhongThay, txt::kNbThay}, [con](int chon) {
                                 if (con && chon == 1)
                                     con->chay();
                             });
        return;
    }
    chay();
}

void FormNhapBangTinh::chay()
{
    const YeuCauNhap yc{QDir::fromNativeSeparators(m_bangTinh->text().trimmed()),
                        QDir::fromNativeSeparators(m_anh->text().trimmed()),
                        QDir::fromNativeSeparators(m_ra->text().trimmed()), m_mt.seams().bayGio().date()};
    m_loi->clear();
    m_loi->hide();
    m_noiDung->hide();
    m_mo->setEnabled(false);
    if (m_gui)
        m_gui->setEnabled(false);
    m_nhap->setEnabled(false);
    m_tienDo->setValue(0);
    m_tienDo->show();
    m_trangThai->setText(txt::kNbDangNhap);
    ui::thongBaoTruyCap(this, txt::kNbDangNhap);
    QPointer<QProgressBar> thanh(m_tienDo);
    m_chay = QThread::create([this, yc, thanh] {
        m_kq = nhapNganHang(yc, [thanh](int n, int tong) {
            QMetaObject::invokeMethod(
                thanh,
                [thanh, n, tong] {
                    if (thanh)
                        thanh->setValue(static_cast<int>(qint64{1000} * n / std::max(1, tong)));
                },
                Qt::QueuedConnection);
        });
    });
    connect(m_chay, &QThread::finished, this, &FormNhapBangTinh::xong);
    m_chay->start();
}

void FormNhapBangTinh::xong()
{
    m_chay->deleteLater();
    m_chay = nullptr;
    hienKetQua(m_kq, false);
    emit daXong();
    // A bank that passed opens at once in the home's place.
    if (m_kq.duoc())
        emit moNganHang(m_kq.tepNganHang);
}

void FormNhapBangTinh::hienKetQua(const KetQuaNhap& kq, bool daMo)
{
    if (&kq != &m_kq)
        m_kq = kq;
    m_nhap->setEnabled(true);
    m_tienDo->hide();
    m_loi->clear();
    m_noiDung->hide();
    if (m_kq.duoc()) {
        const QString chu =
            txt::kNbXongCuaSo.arg(m_kq.soCau).arg(m_kq.soAnh).arg(QDir::toNativeSeparators(m_kq.tepNganHang))
            + (daMo ? txt::kNbDaMo : QString());
        m_trangThai->setText(chu);
        ui::thongBaoTruyCap(this, chu);
        m_mo->setEnabled(!daMo);
        if (m_gui)
            m_gui->setEnabled(true);
        if (m_gui)
            m_gui->setFocus();
        else if (!daMo)
            m_mo->setFocus();
        else
            findChild<QPushButton*>(QStringLiteral("CM_Dong"))->setFocus();
    } else {
        const QString chu = txt::kNbLoiCuaSo.arg(m_kq.loi.size());
        m_trangThai->setText(chu);
        // Heard whole: how many, the first fault and its row's question.
        const LoiNhap* dau = m_kq.loi.empty() ? nullptr : &m_kq.loi.front();
        const auto dong = dau ? m_kq.noiDungDong.find(dau->dong) : m_kq.noiDungDong.end();
        ui::thongBaoTruyCap(
            this, chu + (dau ? QLatin1Char(' ') + dau->chu() : QString())
                      + (dong != m_kq.noiDungDong.end()
                             ? QLatin1Char(' ') + txt::kNbNoiDungDong.arg(dau->dong).arg(dong->second)
                             : QString()));
        m_mo->setEnabled(false);
        for (const LoiNhap& l : m_kq.loi) {
            auto* it = new QListWidgetItem(l.chu(), m_loi);
            it->setData(Qt::UserRole, l.dong);
        }
    }
    for (const QString& c : m_kq.canhBao) {
        auto* it = new QListWidgetItem(txt::kNbLuuY.arg(c), m_loi);
        it->setData(Qt::UserRole, 0);
    }
    m_loi->setVisible(m_loi->count() > 0);
    // The focus first, then the first fault: a screen reader reads the row
    // it lands on.
    if (!m_kq.duoc() && m_loi->count() > 0) {
        m_loi->setFocus();
        m_loi->setCurrentRow(0);
    }
}

void FormNhapBangTinh::hienDong(int dong)
{
    if (dong <= 0) {
        m_noiDung->hide();
        return;
    }
    const auto it = m_kq.noiDungDong.find(dong);
    m_noiDung->setText(txt::kNbNoiDungDong.arg(dong).arg(
        it != m_kq.noiDungDong.end() && !it->second.isEmpty() ? it->second : txt::kNbDongKhongNoiDung));
    m_noiDung->setAccessibleName(m_noiDung->text());
    m_noiDung->show();
    // Heard as well as shown, while the learner walks the list (the first
    // fault's row is said with the count).
    if (m_loi->hasFocus() && m_loi->currentRow() > 0)
        ui::thongBaoTruyCap(this, m_noiDung->text());
}

bool FormNhapBangTinh::guiMayChu()
{
    KhoTruong* t = m_mt.kho().truong();
    if (!t || !m_kq.duoc())
        return false;
    QString loi;
    const std::optional<QString> sha = datNganHangLenMayChu(*t, m_kq.tepNganHang, &loi);
    const QString chu = sha ? txt::kNbDaGuiMayChu.arg(sha->left(12)) : loi;
    m_trangThai->setText(chu);
    ui::thongBaoTruyCap(this, chu);
    return sha.has_value();
}

void FormNhapBangTinh::reject()
{
    // Not while the bank is being written: the window says so and stays.
    if (m_chay) {
        ui::thongBaoTruyCap(this, txt::kNbDoiXong);
        return;
    }
    QDialog::reject();
}

void FormNhapBangTinh::closeEvent(QCloseEvent* e)
{
    if (m_chay) {
        ui::thongBaoTruyCap(this, txt::kNbDoiXong);
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

}  // namespace thilaixe
