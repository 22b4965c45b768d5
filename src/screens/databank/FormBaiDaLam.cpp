#include "screens/databank/FormBaiDaLam.h"

#include "rules/common/Texts.h"

#include "screens/common/CoCuaSo.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace thilaixe {

FormBaiDaLam::FormBaiDaLam(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh)), m_hoSo(hoSo)
{
    setObjectName(QStringLiteral("FormBaiDaLam"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(txt::kDlTieuDeBaiDaLam.arg(m_nh->nh.tieuDe));
    auto* doc = new QVBoxLayout(this);
    m_dem = new QLabel(this);
    m_dem->setObjectName(QStringLiteral("LB_Dem"));
    m_dem->setWordWrap(true);
    m_ds = new QTreeWidget(this);
    m_ds->setObjectName(QStringLiteral("DS_BaiDaLam"));
    m_ds->setAccessibleName(txt::kDlTtBaiDaLam);
    m_ds->setRootIsDecorated(false);
    m_ds->setUniformRowHeights(true);
    m_ds->setHeaderLabels(QStringList(std::begin(txt::kDlCotBaiDaLam), std::end(txt::kDlCotBaiDaLam)));
    m_ds->header()->setStretchLastSection(true);
    m_dem->setBuddy(m_ds);
    doc->addWidget(m_dem);
    doc->addWidget(m_ds, 1);
    const auto mo = [this](QTreeWidgetItem* m) { this->mo(m_ds->indexOfTopLevelItem(m)); };
    connect(m_ds, &QTreeWidget::itemActivated, this, mo);
    // A screen reader is not told a row of a table as the focus moves
    // along it: each row is said as it becomes current.
    connect(m_ds, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* m) {
        if (!m)
            return;
        QStringList o;
        for (int c = 0; c < m_ds->columnCount(); ++c)
            o << m->text(c);
        ui::thongBaoTruyCap(m_ds, txt::kDlTtMotBai.arg(o.join(QStringLiteral(", ")))
                                      .arg(m_ds->indexOfTopLevelItem(m) + 1)
                                      .arg(m_ds->topLevelItemCount()));
    });
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    moCoCuaSo(this, m_mt, m_hoSo, QSize(720, 520));
    napLai();
    m_ds->setFocus();
}

void FormBaiDaLam::napLai()
{
    const int dangChon = std::max(m_ds->indexOfTopLevelItem(m_ds->currentItem()), 0);
    m_baiLam = m_mt.kho().cacBaiLam(m_hoSo, m_nh->nh.id);
    std::reverse(m_baiLam.begin(), m_baiLam.end());
    m_ds->clear();
    for (const BaiLam& b : m_baiLam) {
        const bool dat = b.dat();
        const QString khi =
            (b.ketThuc.isValid() ? b.ketThuc : b.batDau).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
        auto* m = new QTreeWidgetItem(
            m_ds, QStringList{khi, b.hang, b.laBaiNgan() ? txt::kDlLoaiBaiNgan : txt::kDlLoaiDeThi,
                              txt::kDlDiemBai.arg(b.soDung()).arg(b.cau.size()),
                              dat ? txt::kDlDatNgan : txt::kDlKhongDatNgan});
        m->setForeground(
            4, ui::mauNghia(dat ? ui::Nghia::Tot : ui::Nghia::Xau, m_ds->palette().color(QPalette::Base)));
    }
    m_dem->setText(m_baiLam.empty() ? txt::kDlChuaCoBaiDaLam : txt::kDlSoBaiDaLam.arg(m_baiLam.size()));
    for (int c = 0; c < m_ds->columnCount() - 1; ++c)
        m_ds->resizeColumnToContents(c);
    if (!m_baiLam.empty())
        m_ds->setCurrentItem(m_ds->topLevelItem(std::min<int>(dangChon, m_ds->topLevelItemCount() - 1)));
}

FormBaiThi* FormBaiDaLam::mo(int dong)
{
    if (dong < 0 || dong >= static_cast<int>(m_baiLam.size()))
        return nullptr;
    if (m_xem)
        m_xem->close();
    // A copy: the list is read again whenever this window comes back.
    const BaiLam b = m_baiLam[static_cast<std::size_t>(dong)];
    m_xem = FormBaiThi::moBaiDaLam(m_mt, m_nh, b);
    if (!m_xem) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeBaiDaLam.arg(m_nh->nh.tieuDe), txt::kDlBaiDaLamMatCau, {});
        return nullptr;
    }
    connect(m_xem, &FormBaiThi::thiLai, this, &FormBaiDaLam::thiLai);
    emit daMo(m_xem);
    if (!m_xem->isVisible())
        m_xem->show();
    m_xem->activateWindow();
    return m_xem;
}

void FormBaiDaLam::closeEvent(QCloseEvent* e)
{
    if (m_xem)
        m_xem->close();
    QWidget::closeEvent(e);
}

void FormBaiDaLam::changeEvent(QEvent* e)
{
    if ((e->type() == QEvent::ActivationChange && isActiveWindow()) || e->type() == QEvent::PaletteChange)
        napLai();
    QWidget::changeEvent(e);
}

}  // namespace thilaixe
