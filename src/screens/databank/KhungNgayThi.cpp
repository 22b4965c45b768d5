#include "screens/databank/KhungNgayThi.h"

#include "rules/common/Texts.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace thilaixe {

KhungNgayThi::KhungNgayThi(QWidget* cha) : QWidget(cha)
{
    m_co = new QCheckBox(txt::kDlNgayThi, cha);
    m_co->setObjectName(QStringLiteral("CK_NgayThi"));
    auto* dong = new QHBoxLayout(this);
    dong->setContentsMargins(0, 0, 0, 0);
    m_ngay = new QDateEdit(this);
    m_ngay->setObjectName(QStringLiteral("DE_NgayThi"));
    m_ngay->setAccessibleName(txt::kDlTtNgayThi);
    m_ngay->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_ngay->setCalendarPopup(true);
    m_dong = new QLabel(this);
    m_dong->setObjectName(QStringLiteral("LB_NgayThi"));
    m_dong->setWordWrap(true);
    dong->addWidget(m_ngay);
    dong->addWidget(m_dong, 1);
    connect(m_co, &QCheckBox::toggled, this, [this](bool co) {
        if (co) {
            hoiNgay();
            return;
        }
        if (m_hoi)
            m_hoi->reject();
        m_ngay->setEnabled(false);
        emit daDoi(std::nullopt);
    });
    connect(m_ngay, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (m_co->isChecked() && !m_hoi)
            emit daDoi(d);
    });
}

void KhungNgayThi::hien(const std::optional<QDate>& ngay, const QDate& homNay)
{
    const QSignalBlocker a(m_co), b(m_ngay);
    m_homNay = homNay;
    m_co->setChecked(ngay.has_value());
    m_ngay->setMinimumDate(std::min(homNay, ngay.value_or(homNay)));
    if (ngay)
        m_ngay->setDate(*ngay);
    else
        m_ngay->setDate(homNay);
    m_ngay->setEnabled(ngay.has_value());
}

std::optional<QDate> KhungNgayThi::ngay() const
{
    return m_co->isChecked() && !m_hoi ? std::optional<QDate>(m_ngay->date()) : std::nullopt;
}

void KhungNgayThi::datDong(const QString& dong) { m_dong->setText(dong); }

void KhungNgayThi::hoiNgay()
{
    // Asked, not guessed: the box stays clear unless a day is said.
    auto* d = new QDialog(window());
    m_hoi = d;
    d->setObjectName(QStringLiteral("HoiNgayThi"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowTitle(txt::kDlTtNgayThi);
    d->setPalette(window()->palette());
    auto* doc = new QVBoxLayout(d);
    auto* nhan = new QLabel(txt::kDlHoiNgayThi, d);
    nhan->setWordWrap(true);
    auto* lich = new QCalendarWidget(d);
    lich->setObjectName(QStringLiteral("LichNgayThi"));
    if (m_homNay.isValid())
        lich->setMinimumDate(m_homNay);  // a day to come, as the home's clock says
    lich->setSelectedDate(std::max(lich->minimumDate(), m_ngay->date()));
    lich->setAccessibleName(txt::kDlTtNgayThi);
    nhan->setBuddy(lich);
    auto* nut = new QDialogButtonBox(d);
    QPushButton* dat = nut->addButton(txt::kDlNutDatNgay, QDialogButtonBox::AcceptRole);
    dat->setObjectName(QStringLiteral("CM_DatNgay"));
    nut->addButton(txt::kDlNutHuy, QDialogButtonBox::RejectRole);
    doc->addWidget(nhan);
    doc->addWidget(lich);
    doc->addWidget(nut);
    connect(nut, &QDialogButtonBox::accepted, d, &QDialog::accept);
    connect(nut, &QDialogButtonBox::rejected, d, &QDialog::reject);
    connect(lich, &QCalendarWidget::activated, d, &QDialog::accept);
    connect(d, &QDialog::finished, this, [this, lich](int kq) {
        m_hoi = nullptr;
        const QSignalBlocker a(m_co), b(m_ngay);
        if (kq != QDialog::Accepted) {
            m_co->setChecked(false);
            m_co->setFocus();
            return;
        }
        m_ngay->setMinimumDate(std::min(m_ngay->minimumDate(), lich->selectedDate()));
        m_ngay->setDate(lich->selectedDate());
        m_ngay->setEnabled(true);
        m_co->setChecked(true);
        emit daDoi(lich->selectedDate());
    });
    d->open();
    lich->setFocus();
}

}  // namespace thilaixe
