#include "screens/databank/FormHocChuong.h"

#include "rules/common/Texts.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/CoCuaSo.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace thilaixe {

FormHocChuong::FormHocChuong(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh))
{
    setObjectName(QStringLiteral("FormHocChuong"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(txt::kDlTieuDeHoc.arg(m_nh->nh.tieuDe));
    auto* doc = new QVBoxLayout(this);
    auto* tren = new QHBoxLayout;
    auto* nhan = new QLabel(txt::kDlChuong, this);
    m_chuong = new QComboBox(this);
    m_chuong->setObjectName(QStringLiteral("CB_Chuong"));
    // A long chapter title is cut in the box (whole in its list), not
    // made the window's width.
    m_chuong->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_chuong->setMinimumContentsLength(24);
    nhan->setBuddy(m_chuong);
    m_chuong->addItem(txt::kDlCaNganHang.arg(m_nh->nh.cauHoi.size()));
    for (const ChuongNganHang& c : m_nh->nh.chuong)
        m_chuong->addItem(txt::kDlMotChuong.arg(c.so).arg(c.tieuDe).arg(c.dau).arg(c.cuoi));
    m_dao = new QCheckBox(txt::kDlDaoThuTu, this);
    m_dao->setObjectName(QStringLiteral("CK_Dao"));
    tren->addWidget(nhan);
    tren->addWidget(m_chuong, 1);
    tren->addWidget(m_dao);
    doc->addLayout(tren);
    m_khung = new KhungCauHoi(this);
    m_khung->nhoCoChu(m_mt.kho(), m_mt.kho().hoSoDangHoc());
    m_khung->batLuuCau(m_mt.kho(), m_mt.kho().hoSoDangHoc(), m_nh->nh.id);
    doc->addWidget(m_khung, 1);
    auto* duoi = new QHBoxLayout;
    m_truoc = new QPushButton(txt::kDlCauTruoc, this);
    m_truoc->setObjectName(QStringLiteral("CM_Truoc"));
    m_sau = new QPushButton(txt::kDlCauSau, this);
    m_sau->setObjectName(QStringLiteral("CM_Sau"));
    m_dapAn = new QPushButton(txt::kDlXemDapAn, this);
    m_dapAn->setObjectName(QStringLiteral("CM_XemDapAn"));
    duoi->addWidget(m_truoc);
    duoi->addWidget(m_sau);
    duoi->addStretch(1);
    duoi->addWidget(m_dapAn);
    doc->addLayout(duoi);

    connect(m_chuong, &QComboBox::currentIndexChanged, this, [this](int i) { chonChuong(i); });
    // A chapter chosen from the list: on to its first question, so that ↑
    // and ↓ do not go on changing the chapter unseen.
    connect(m_chuong, &QComboBox::activated, m_khung, &KhungCauHoi::datTieuDiem);
    connect(m_dao, &QCheckBox::toggled, this, [this](bool d) { datDao(d); });
    connect(m_truoc, &QPushButton::clicked, this, [this] { denViTri(m_i - 1); });
    connect(m_sau, &QPushButton::clicked, this, [this] { denViTri(m_i + 1); });
    connect(m_dapAn, &QPushButton::clicked, this, &FormHocChuong::xemDapAn);
    connect(m_khung, &KhungCauHoi::daChonViTri, this, [this](int viTri) { thu(viTri); });
    m_khung->ganPhimChung(this);
    const auto phim = [this](const QKeySequence& k, const std::function<void()>& viec) {
        themPhim(this, k, viec);
    };
    phim(QKeySequence(Qt::Key_PageUp), [this] { denViTri(m_i - 1); });
    phim(QKeySequence(Qt::Key_PageDown), [this] { denViTri(m_i + 1); });
    phim(QKeySequence(Qt::Key_Left), [this] { denViTri(m_i - 1); });
    phim(QKeySequence(Qt::Key_Right), [this] { denViTri(m_i + 1); });
    // Space shows the key, unless it is on a button (or the box) of its own.
    phim(QKeySequence(Qt::Key_Space), [this] {
        if (!bamNutDangChon(this))
            xemDapAn();
    });
    themPhimThoat(this, [this] { close(); });
    ganPhimEnter(this);
    datKieuCuaSo(this);
    moCoCuaSo(this, m_mt, m_mt.kho().hoSoDangHoc(), kCoCuaSoCauHoi);
    napDanhSach();
    m_khung->datTieuDiem();
}

void FormHocChuong::napDanhSach()
{
    m_ds.clear();
    const int c = m_chuong->currentIndex();
    const int dau = c <= 0 ? 1 : m_nh->nh.chuong[static_cast<std::size_t>(c - 1)].dau;
    const int cuoi = c <= 0 ? static_cast<int>(m_nh->nh.cauHoi.size())
                            : m_nh->nh.chuong[static_cast<std::size_t>(c - 1)].cuoi;
    for (int q = dau; q <= cuoi; ++q)
        m_ds.push_back(q);
    if (m_dao->isChecked()) {
        BoSinhSo rng(hatGiong(m_mt.seams()));
        for (std::size_t i = m_ds.size(); i > 1; --i)
            std::swap(m_ds[i - 1], m_ds[static_cast<std::size_t>(rng.next() % i)]);
    }
    m_i = 0;
    hien();
}

void FormHocChuong::chonChuong(int chiSo)
{
    if (m_chuong->currentIndex() != chiSo) {
        m_chuong->setCurrentIndex(chiSo);  // comes back here through the signal
        return;
    }
    napDanhSach();
}

void FormHocChuong::datDao(bool dao)
{
    if (m_dao->isChecked() != dao) {
        m_dao->setChecked(dao);
        return;
    }
    napDanhSach();
}

void FormHocChuong::moCau(int so)
{
    if (m_chuong->currentIndex() != 0 || m_dao->isChecked()) {
        QSignalBlocker a(m_chuong), b(m_dao);
        m_chuong->setCurrentIndex(0);
        m_dao->setChecked(false);
        napDanhSach();
    }
    const auto it = std::find(m_ds.begin(), m_ds.end(), so);
    if (it != m_ds.end())
        denViTri(static_cast<int>(it - m_ds.begin()));
}

void FormHocChuong::denViTri(int i)
{
    if (m_ds.empty())
        return;
    m_i = std::clamp(i, 0, static_cast<int>(m_ds.size()) - 1);
    m_chon = 0;
    m_hienDapAn = false;
    hien();
}

void FormHocChuong::xemDapAn()
{
    m_hienDapAn = !m_hienDapAn || m_chon != 0;
    hien();
}

void FormHocChuong::thu(int viTri)
{
    if (m_hienDapAn)
        return;
    const int pa = m_khung->phuongAnTai(viTri);
    if (pa == 0)
        return;
    m_chon = pa;
    m_hienDapAn = true;
    // Tried before the key was shown: it counts for the question's memory.
    QString loi;
    if (!m_mt.kho().ghiTraLoi(m_mt.kho().hoSoDangHoc(), m_nh->nh.id, cauDangXem(),
                              pa == m_nh->nh.cau(cauDangXem())->dapAn, m_mt.seams().bayGio(), &loi))
        m_mt.baoLoiGhiKho(m_daBaoLoi, loi);
    hien();
}

int FormHocChuong::cauDangXem() const { return m_ds.empty() ? 0 : m_ds[static_cast<std::size_t>(m_i)]; }

void FormHocChuong::hien()
{
    if (m_ds.empty())
        return;
    const CauHoiNganHang& c = *m_nh->nh.cau(cauDangXem());
    m_khung->hien(c, m_nh->thuMuc, txt::kDlTieuDeCauHoc.arg(m_i + 1).arg(m_ds.size()).arg(c.so), m_chon,
                  m_hienDapAn);
    m_truoc->setEnabled(m_i > 0);
    m_sau->setEnabled(m_i + 1 < static_cast<int>(m_ds.size()));
    setWindowTitle(txt::kDlTieuDeHocCau.arg(m_nh->nh.tieuDe, QString::number(c.so)));
}

}  // namespace thilaixe
