#include "screens/common/FormDangNhap.h"

#include "rules/common/Texts.h"

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
    return e;
}

}  // namespace

FormDangNhap::FormDangNhap(const KetNoiMayChu& k, const QString& loi, const QString& khoaHoc,
                           const QString& soBaoDanh, bool coTheBo, QWidget* parent)
    : QDialog(parent), m_k(k), m_hocVien(k.user.isEmpty())
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
    m_loi->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold"));
    cot->addWidget(m_loi);
    auto* bang = new QFormLayout;
    if (m_hocVien) {
        m_khoaHoc = oNhap(this, QStringLiteral("LE_KhoaHoc"), false);
        m_soBaoDanh = oNhap(this, QStringLiteral("LE_SoBaoDanh"), false);
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
    (m_hocVien && khoaHoc.isEmpty() ? m_khoaHoc : m_pin)->setFocus(Qt::OtherFocusReason);
}

void FormDangNhap::thu()
{
    if (m_hocVien
        && (m_khoaHoc->text().trimmed().isEmpty() || m_soBaoDanh->text().trimmed().isEmpty()
            || m_pin->text().isEmpty())) {
        m_loi->setText(txt::kDnCanDu);
        m_loi->show();
        return;
    }
    accept();
}

QString FormDangNhap::khoaHoc() const { return m_khoaHoc ? m_khoaHoc->text().trimmed() : QString(); }
QString FormDangNhap::soBaoDanh() const { return m_soBaoDanh ? m_soBaoDanh->text().trimmed() : QString(); }

KetNoiMayChu FormDangNhap::ketNoi() const
{
    KetNoiMayChu k = m_k;
    if (m_hocVien)
        k.user = tenDangNhapHocVien(k.dbname, m_khoaHoc->text().trimmed(), m_soBaoDanh->text().trimmed());
    k.password = m_pin->text();
    return k;
}

}  // namespace thilaixe
