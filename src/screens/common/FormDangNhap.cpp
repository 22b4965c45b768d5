#include "screens/common/FormDangNhap.h"

#include "rules/common/Texts.h"

#include "screens/common/Ui.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace thilaixe {

namespace {

QLineEdit* oNhap(QWidget* cha, const QString& ten, bool an)
{
    auto* e = new QLineEdit(cha);
    e->setObjectName(ten);
    e->setMaxLength(60);
    if (an)
        e->setEchoMode(QLineEdit::Password);
    // Why a try failed is said with a field until it is typed in again.
    QObject::connect(e, &QLineEdit::textEdited, e, [e] { e->setAccessibleDescription({}); });
    return e;
}

}  // namespace

FormDangNhap::FormDangNhap(const KetNoiMayChu& k, const QString& loi, const QString& khoaHoc,
                           const QString& soBaoDanh, bool coTheBo, QWidget* parent)
    : QDialog(parent), m_k(k), m_hocVien(laHocVien(k))
{
    setObjectName(QStringLiteral("FormDangNhap"));
    setWindowTitle(txt::kDnTieuDe);
    auto* cot = new QVBoxLayout(this);
    auto* gioiThieu = new QLabel(
        m_hocVien ? txt::kDnGioiThieu.arg(k.moTa()) : txt::kDnGioiThieuMatKhau.arg(k.user, k.moTa()), this);
    gioiThieu->setObjectName(QStringLiteral("LB_GioiThieu"));
    gioiThieu->setWordWrap(true);
    cot->addWidget(gioiThieu);
    m_loi = new QLabel(loi, this);
    m_loi->setObjectName(QStringLiteral("LB_Loi"));
    m_loi->setWordWrap(true);
    m_loi->setVisible(!loi.isEmpty());
    // A red that reads on the desktop's own field, light or dark.
    const QColor nen = palette().color(QPalette::Window);
    const QColor doDam(0xb0, 0x00, 0x20), doNhat(0xff, 0x8a, 0x80);
    m_loi->setStyleSheet(QStringLiteral("color: %1; font-weight: bold")
                             .arg((ui::doTuongPhan(doDam, nen) >= 4.5 ? doDam : doNhat).name()));
    cot->addWidget(m_loi);
    auto* bang = new QFormLayout;
    if (m_hocVien) {
        m_khoaHoc = oNhap(this, QStringLiteral("LE_KhoaHoc"), false);
        m_soBaoDanh = oNhap(this, QStringLiteral("LE_SoBaoDanh"), false);
        m_khoaHoc->setMaxLength(kMaKhoaToiDa);
        m_soBaoDanh->setMaxLength(kSoBaoDanhToiDa);
        m_khoaHoc->setText(khoaHoc);
        m_soBaoDanh->setText(soBaoDanh);
        bang->addRow(txt::kDnKhoaHoc, m_khoaHoc);
        bang->addRow(txt::kDnSoBaoDanh, m_soBaoDanh);
    }
    m_pin = oNhap(this, QStringLiteral("LE_Pin"), true);
    bang->addRow(m_hocVien ? txt::kDnPin : txt::kDnMatKhau, m_pin);
    cot->addLayout(bang);
    auto* nut = new QHBoxLayout;
    if (coTheBo) {
        auto* bo = new QPushButton(txt::kDnKhongDung, this);
        bo->setObjectName(QStringLiteral("CM_KhongDung"));
        nut->addWidget(bo);
        connect(bo, &QPushButton::clicked, this, [this] { done(kKhongDungMayChu); });
    }
    nut->addStretch();
    auto* dangNhap = new QPushButton(txt::kDnNut, this);
    dangNhap->setObjectName(QStringLiteral("CM_DangNhap"));
    dangNhap->setDefault(true);
    auto* thoat = new QPushButton(txt::kDnThoat, this);
    thoat->setObjectName(QStringLiteral("CM_Thoat"));
    nut->addWidget(dangNhap);
    nut->addWidget(thoat);
    cot->addLayout(nut);
    connect(dangNhap, &QPushButton::clicked, this, &FormDangNhap::thu);
    connect(thoat, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(460);
    QLineEdit* dau = m_hocVien && khoaHoc.isEmpty() ? m_khoaHoc : m_pin;
    dau->setFocus(Qt::OtherFocusReason);
    // A screen reader says why the last try failed with the field it lands on.
    dau->setAccessibleDescription(loi);
}

void FormDangNhap::thu()
{
    if (m_hocVien) {
        for (QLineEdit* o : {m_khoaHoc, m_soBaoDanh, m_pin}) {
            if (!(o == m_pin ? o->text() : o->text().trimmed()).isEmpty())
                continue;
            // The first field left empty takes the focus, and a screen
            // reader says why with it.
            m_loi->setText(txt::kDnCanDu);
            m_loi->show();
            o->setAccessibleDescription(txt::kDnCanDu);
            o->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    accept();
}

QString FormDangNhap::khoaHoc() const { return m_khoaHoc ? m_khoaHoc->text().trimmed() : QString(); }
QString FormDangNhap::soBaoDanh() const { return m_soBaoDanh ? m_soBaoDanh->text().trimmed() : QString(); }

bool FormDangNhap::laHocVien(const KetNoiMayChu& k)
{
    return k.user.isEmpty() || k.user == QLatin1String("thilaixe_lab");
}

KetNoiMayChu FormDangNhap::ketNoi() const
{
    KetNoiMayChu k = m_k;
    // A learner's PIN is the server's to check, never a password of the
    // connection.
    if (!m_hocVien)
        k.password = m_pin->text();
    return k;
}

std::optional<DangNhapHocVien> FormDangNhap::hocVien() const
{
    if (!m_hocVien)
        return std::nullopt;
    // A PIN is capitals and digits: one typed in small letters is the same.
    return DangNhapHocVien{m_khoaHoc->text().trimmed(), m_soBaoDanh->text().trimmed(),
                           m_pin->text().trimmed().toUpper()};
}

}  // namespace thilaixe
