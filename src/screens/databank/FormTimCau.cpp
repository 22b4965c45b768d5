#include "screens/databank/FormTimCau.h"

#include "rules/common/Texts.h"

#include "screens/common/Ui.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace thilaixe {

FormTimCau::FormTimCau(std::shared_ptr<const NganHangMo> nh) : QWidget(nullptr), m_nh(std::move(nh))
{
    setObjectName(QStringLiteral("FormTimCau"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(txt::kDlTieuDeTim.arg(m_nh->nh.tieuDe));
    auto* doc = new QVBoxLayout(this);
    auto* nhan = new QLabel(txt::kDlTim, this);
    m_oTim = new QLineEdit(this);
    m_oTim->setObjectName(QStringLiteral("T_Tim"));
    m_oTim->setClearButtonEnabled(true);
    for (QToolButton* b : m_oTim->findChildren<QToolButton*>())
        b->setAccessibleName(txt::kDlXoaTim);
    nhan->setBuddy(m_oTim);
    m_dem = new QLabel(this);
    m_dem->setObjectName(QStringLiteral("LB_Dem"));
    m_ds = new QListWidget(this);
    m_ds->setObjectName(QStringLiteral("DS_KetQua"));
    m_ds->setAccessibleName(txt::kDlTtDsTim);
    m_ds->setWordWrap(true);
    doc->addWidget(nhan);
    doc->addWidget(m_oTim);
    doc->addWidget(m_dem);
    doc->addWidget(m_ds, 1);
    connect(m_oTim, &QLineEdit::textChanged, this, &FormTimCau::tim);
    // The count is said when typing pauses, not after every letter.
    m_baoDem = new QTimer(this);
    m_baoDem->setSingleShot(true);
    m_baoDem->setInterval(600);
    connect(m_baoDem, &QTimer::timeout, this, [this] {
        if (!m_dem->text().isEmpty())
            ui::thongBaoTruyCap(m_dem, m_dem->text());
    });
    const auto mo = [this](QListWidgetItem* m) { emit moCau(m->data(Qt::UserRole).toInt()); };
    connect(m_ds, &QListWidget::itemActivated, this, mo);
    connect(m_ds, &QListWidget::itemDoubleClicked, this, mo);
    // Down from the box goes to the results; Enter there opens the first.
    connect(m_oTim, &QLineEdit::returnPressed, this, [this] {
        if (m_ds->count() > 0)
            emit moCau(m_ds->item(0)->data(Qt::UserRole).toInt());
    });
    auto* xuong = new QShortcut(QKeySequence(Qt::Key_Down), m_oTim, nullptr, nullptr, Qt::WidgetShortcut);
    connect(xuong, &QShortcut::activated, this, [this] {
        m_ds->setFocus();
        if (m_ds->count() > 0 && !m_ds->currentItem())
            m_ds->setCurrentRow(0);
    });
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    resize(640, 560);
    ui::datGiua(this);
}

void FormTimCau::tim(const QString& chu)
{
    m_ds->clear();
    if (chu.trimmed().isEmpty()) {
        m_dem->clear();
        return;
    }
    const std::vector<int> kq = m_nh->chiMuc().tim(chu);
    for (int so : kq) {
        const CauHoiNganHang& c = *m_nh->nh.cau(so);
        QString t = c.noiDung.isEmpty() ? txt::kDlNoiDungTrongAnh : c.noiDung;
        if (t.size() > 140)
            t = t.left(139) + QChar(0x2026);
        auto* m = new QListWidgetItem(txt::kDlMucTim.arg(so).arg(t), m_ds);
        m->setData(Qt::UserRole, so);
    }
    m_dem->setText(kq.empty() ? txt::kDlKhongTimThay : txt::kDlKetQuaTim.arg(kq.size()));
    m_dem->setAccessibleName(m_dem->text());
    m_baoDem->start();
}

}  // namespace thilaixe
