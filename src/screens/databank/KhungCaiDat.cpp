#include "screens/databank/KhungCaiDat.h"

#include "rules/common/Texts.h"
#include "rules/store/KetNoiMayChu.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/MoiTruong.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>

namespace thilaixe {

KhungCaiDat::KhungCaiDat(QWidget* cha, MoiTruong& mt) : QWidget(cha), m_mt(mt)
{
    auto* dong = new QHBoxLayout(this);
    dong->setContentsMargins(0, 0, 0, 0);
    auto* nhan = new QLabel(txt::kDlGiaoDien, this);
    m_giaoDien = new QComboBox(this);
    m_giaoDien->setObjectName(QStringLiteral("CB_GiaoDien"));
    for (const QString& g : txt::kDlCacGiaoDien)
        m_giaoDien->addItem(g);
    nhan->setBuddy(m_giaoDien);
    m_amBao = new QCheckBox(txt::kDlAmBao, this);
    m_amBao->setObjectName(QStringLiteral("CK_AmBao"));
    m_dao = new QCheckBox(txt::kDlDaoPhuongAn, this);
    m_dao->setObjectName(QStringLiteral("CK_Dao"));
    dong->addWidget(nhan);
    dong->addWidget(m_giaoDien);
    dong->addWidget(m_amBao);
    dong->addWidget(m_dao);
    dong->addStretch(1);
    connect(m_giaoDien, &QComboBox::currentIndexChanged, this, [this](int g) {
        m_mt.kho().datGiaoDien(m_hoSo, g);
        emit daDoiGiaoDien(g);
    });
    connect(m_amBao, &QCheckBox::toggled, this, [this](bool b) { m_mt.kho().datAmBao(m_hoSo, b); });
    connect(m_dao, &QCheckBox::toggled, this, [this](bool b) { m_mt.kho().datDaoPhuongAn(m_hoSo, b); });
    // On a school's server the school chose it: nothing to choose.
    if (m_mt.kho().truong())
        return;
    auto* mayChu = new QPushButton(txt::kTrDungMayChu, this);
    mayChu->setObjectName(QStringLiteral("CM_MayChu"));
    dong->addWidget(mayChu);
    connect(mayChu, &QPushButton::clicked, this, [this] {
        auto* hoi = new QInputDialog(window());
        hoi->setObjectName(QStringLiteral("HoiMayChu"));
        hoi->setAttribute(Qt::WA_DeleteOnClose);
        hoi->setWindowTitle(QString(txt::kTrDungMayChu).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
        hoi->setLabelText(txt::kTrHoiMayChu);
        hoi->setTextValue(m_mt.kho().mayChuTruong());
        hoi->setOkButtonText(txt::kGvNutDongY);
        hoi->setCancelButtonText(txt::kDlNutHuy);
        connect(hoi, &QInputDialog::textValueSelected, this, [this](const QString& chuoi) {
            bool daBao = false;
            chonMayChuTruong(m_mt, chuoi, &daBao);
        });
        hoi->open();
    });
}

void KhungCaiDat::hien(qint64 hoSo)
{
    KhoHocVien& kho = m_mt.kho();
    m_hoSo = hoSo;
    const QSignalBlocker a(m_giaoDien), b(m_amBao), c(m_dao);
    m_giaoDien->setCurrentIndex(kho.giaoDien(hoSo));
    m_amBao->setChecked(kho.amBao(hoSo));
    m_dao->setChecked(kho.daoPhuongAn(hoSo));
}

int KhungCaiDat::giaoDien() const { return m_giaoDien->currentIndex(); }

bool chonMayChuTruong(MoiTruong& mt, const QString& chuoi, bool* daBao)
{
    QString loi;
    std::optional<KetNoiMayChu> k;
    if (!chuoi.trimmed().isEmpty() && !(k = KetNoiMayChu::doc(chuoi, &loi))) {
        mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, loi, {});
        return false;
    }
    if (!mt.kho().datMayChuTruong(chuoi, &loi)) {
        mt.baoLoiGhiKho(*daBao, loi);
        return false;
    }
    mt.seams().hienThongBao(QString(txt::kTrDungMayChu).remove(QLatin1Char('&')).remove(QStringLiteral("…")),
                            k ? txt::kTrMayChuLuu.arg(k->moTa()) : txt::kTrMayChuBo, {});
    return true;
}

}  // namespace thilaixe
