#include "screens/databank/FormBaiThi.h"

#include "rules/common/Texts.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/CoCuaSo.h"
#include "screens/common/MoiTruong.h"
#include "screens/common/Ui.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"
#include "screens/databank/NutCauHoi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace thilaixe {

namespace {

// How often a course-end test's paper tells the server where it stands.
constexpr int kBaoMayChuMs = 5000;

// The paper of a class, drawn with a seed of the program's random source,
// with the readiness the progress window shows for the class before it.
// The rule of the learner's exam day (today's when none is set), else, for
// a class that set lacks, the bank's set opened today.
std::optional<PhienThi> phienMoi(MoiTruong& mt, const NganHang& nh, const BoQuyTac& bo,
                                 const BoQuyTac& homNay, qint64 hoSo, const QString& hang)
{
    const BoQuyTac& theo = bo.timHang(hang) ? bo : homNay;
    const QuyTacHang* q = theo.timHang(hang);
    if (!q)
        return std::nullopt;
    return PhienThi::moi(nh, theo, hang, hatGiong(mt.seams()), mt.seams().bayGio(),
                         sanSangCuaHang(nh, *q, docHoSoHang(mt.kho(), hoSo, nh, q->hang)));
}

QPushButton* nut(QWidget* cha, const QString& ten, const QString& chu)
{
    auto* b = new QPushButton(chu, cha);
    b->setObjectName(ten);
    return b;
}

}  // namespace

FormBaiThi* FormBaiThi::moBai(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo,
                              const QString& hang)
{
    std::optional<PhienThi> p = phienMoi(
        mt, nh->nh, nh->quyTacHocVien(mt.kho(), hoSo, mt.seams().bayGio().date()), nh->quyTac, hoSo, hang);
    if (!p)
        return nullptr;
    return new FormBaiThi(mt, std::move(nh), hoSo, std::move(*p));
}

FormBaiThi* FormBaiThi::moBaiDaLam(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, const BaiLam& b)
{
    // Its class's rule as the set it was drawn by has it, else as today's.
    const QuyTacHang* q = nullptr;
    const std::vector<BoQuyTac> caiSan = cacBoQuyTacCaiSan();
    for (const BoQuyTac& bo : caiSan)
        if (bo.id == b.quyTac && !q)
            q = bo.timHang(b.hang);
    if (!q)
        q = nh->quyTac.timHang(b.hang);
    std::optional<PhienThi> p = PhienThi::tuBaiLam(nh->nh, b, q ? *q : QuyTacHang{});
    if (!p)
        return nullptr;
    auto* f = new FormBaiThi(mt, std::move(nh), b.hoSo, std::move(*p));
    f->m_timer->stop();
    f->hienKetQua(false, false, &b);
    f->xemLai();
    return f;
}

FormBaiThi* FormBaiThi::moBaiNgan(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo,
                                  const QString& hang, const std::vector<int>& nguon, const QString& tenNguon)
{
    const BoQuyTac& bo = nh->quyTacHocVien(mt.kho(), hoSo, mt.seams().bayGio().date());
    const QuyTacHang* q = bo.timHang(hang);
    if (!q)
        q = nh->quyTac.timHang(hang);
    BoSinhSo rng(hatGiong(mt.seams()));
    std::vector<int> cau;
    for (int c : chonBaiNgan(nguon, rng))
        if (nh->nh.cau(c))
            cau.push_back(c);
    if (!q || cau.empty())
        return nullptr;
    PhienThi p = PhienThi::baiNgan(nh->nh, q->boId.isEmpty() ? bo.id : q->boId, *q, cau, mt.seams().bayGio());
    auto* f = new FormBaiThi(mt, std::move(nh), hoSo, std::move(p), tenNguon);
    return f;
}

FormBaiThi* FormBaiThi::moBaiKiemTra(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo,
                                     const PhienKiemTra& p, const BaiCuaPhien& bai)
{
    // The session's class rule, of its set as the bank has it (for the
    // review's captions); the paper itself is the server's.
    const QuyTacHang* q = nullptr;
    const std::vector<BoQuyTac> cacBo = cacBoQuyTacCho(nh->tep);
    for (const BoQuyTac& bo : cacBo)
        if (bo.id == p.quyTac && bo.timHang(p.hang))
            q = bo.timHang(p.hang);
    if (!q)
        q = nh->quyTac.timHang(p.hang);
    if (!q)
        return nullptr;
    std::optional<PhienThi> phien = PhienThi::kiemTra(nh->nh, p.quyTac, *q, bai, mt.seams().bayGio());
    if (!phien)
        return nullptr;
    auto* f = new FormBaiThi(mt, std::move(nh), hoSo, std::move(*phien));
    f->m_phienKiemTra = p.id;
    f->setWindowTitle(f->tieuDeThi());
    f->m_boBai->hide();  // a course-end test is handed in, never left
    f->m_baoMayChu = new QTimer(f);
    f->m_baoMayChu->setInterval(kBaoMayChuMs);
    connect(f->m_baoMayChu, &QTimer::timeout, f, &FormBaiThi::baoMayChu);
    f->m_baoMayChu->start();
    f->hienO();
    return f;
}

void FormBaiThi::baoMayChu()
{
    KhoTruong* truong = m_mt.kho().truong();
    if (!truong || m_phienKiemTra == 0 || m_trang == Trang::KetQua || m_trang == Trang::XemLai
        || m_trang == Trang::DaBo) {
        if (m_baoMayChu)
            m_baoMayChu->stop();
        return;
    }
    // The server no longer takes the paper's progress (its time is over by
    // the server's clock, or the teacher closed the session): handed in now.
    if (!truong->baoTienDo(m_phienKiemTra, m_o, static_cast<int>(conLaiGiay()), m_phien.traLoi()))
        nop(true);
}

FormBaiThi::FormBaiThi(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, PhienThi phien,
                       const QString& tenNguon)
    : QWidget(nullptr), m_mt(mt), m_nh(std::move(nh)), m_hoSo(hoSo), m_phien(std::move(phien)),
      m_tenNguon(tenNguon)
{
    setObjectName(QStringLiteral("FormBaiThi"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tieuDeThi());

    auto* doc = new QVBoxLayout(this);
    auto* tren = new QHBoxLayout;
    m_dongHo = new QLabel(this);
    m_dongHo->setObjectName(QStringLiteral("LB_DongHo"));
    QFont f = m_dongHo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_dongHo->setFont(f);
    m_canhBao = new QLabel(this);
    m_canhBao->setObjectName(QStringLiteral("LB_CanhBao"));
    m_canhBao->setFont(f);
    tren->addWidget(m_dongHo);
    tren->addWidget(m_canhBao, 1);
    doc->addLayout(tren);
    // A paper of a provisional rule set says so, and why, all along.
    if (m_phien.quyTac().duKien) {
        auto* duKien = new QLabel(txt::kDlDeDuKien.arg(m_phien.quyTac().ghiChuDuKien), this);
        duKien->setObjectName(QStringLiteral("LB_DuKien"));
        duKien->setWordWrap(true);
        doc->addWidget(duKien);
    }

    m_trangChinh = new QStackedWidget(this);
    m_trangChinh->setAccessibleName(txt::kDlTtBaiThi);
    doc->addWidget(m_trangChinh, 1);

    // The paper: the slots' grid, the question, the moves.
    auto* lam = new QWidget(m_trangChinh);
    auto* lamDoc = new QVBoxLayout(lam);
    lamDoc->setContentsMargins(0, 0, 0, 0);
    m_luoi = new QGridLayout;
    m_luoi->setSpacing(3);
    for (int i = 0; i < m_phien.soO(); ++i) {
        auto* b = new OBaiThi(lam);
        b->setObjectName(QStringLiteral("O_%1").arg(i + 1));
        connect(b, &OBaiThi::clicked, this, [this, i] { denO(i); });
        m_luoi->addWidget(b, i / 15, i % 15);
        m_oNut.push_back(b);
    }
    lamDoc->addLayout(m_luoi);
    m_khung = new KhungCauHoi(lam);
    m_khung->nhoCoChu(m_mt.kho(), m_hoSo);
    m_khung->batLuuCau(m_mt.kho(), m_hoSo, m_nh->nh.id);
    m_khung->hienLuuCau(false);  // in the review only
    lamDoc->addWidget(m_khung, 1);
    connect(m_khung, &KhungCauHoi::daChonViTri, this, [this](int viTri) { chon(viTri); });
    m_khung->ganPhimChung(this, [this] { return m_trang == Trang::LamBai || m_trang == Trang::XemLai; });
    auto* duoi = new QHBoxLayout;
    m_truoc = nut(lam, QStringLiteral("CM_Truoc"), txt::kDlCauTruoc);
    m_sau = nut(lam, QStringLiteral("CM_Sau"), txt::kDlCauSau);
    m_nop = nut(lam, QStringLiteral("CM_Nop"), txt::kDlNopBai);
    m_veKetQua = nut(lam, QStringLiteral("CM_VeKetQua"), txt::kDlVeKetQua);
    m_boBai = nut(lam, QStringLiteral("CM_BoBai"), txt::kDlBoBai);
    m_danhDauNut = nut(lam, QStringLiteral("CM_DanhDau"), txt::kDlDanhDau);
    m_danhDauNut->setCheckable(true);
    m_danhDauNut->setToolTip(txt::kDlDanhDauGoiY);
    duoi->addWidget(m_truoc);
    duoi->addWidget(m_sau);
    duoi->addWidget(m_danhDauNut);
    duoi->addStretch(1);
    duoi->addWidget(m_boBai);
    duoi->addWidget(m_veKetQua);
    duoi->addWidget(m_nop);
    lamDoc->addLayout(duoi);
    connect(m_truoc, &QPushButton::clicked, this, [this] { denO(m_o - 1); });
    connect(m_sau, &QPushButton::clicked, this, [this] { denO(m_o + 1); });
    connect(m_nop, &QPushButton::clicked, this, &FormBaiThi::hoiNop);
    connect(m_boBai, &QPushButton::clicked, this, &FormBaiThi::hoiBoBai);
    connect(m_danhDauNut, &QPushButton::clicked, this, &FormBaiThi::danhDau);
    m_danhDau.assign(static_cast<std::size_t>(m_phien.soO()), false);
    connect(m_veKetQua, &QPushButton::clicked, this, [this] {
        m_trang = Trang::KetQua;
        m_trangChinh->setCurrentIndex(2);
        // The title names the result again, not the slot last reviewed.
        setWindowTitle(m_tieuDeKetQua);
        (m_thiLai->isHidden() ? m_xemLai : m_thiLai)->setFocus();
    });
    m_trangChinh->addWidget(lam);

    // The hand-in's question and the result each stand in one column in
    // the middle of the window.
    const auto cotGiua = [this](QWidget** trang) {
        *trang = new QWidget(m_trangChinh);
        auto* giua = new QVBoxLayout(*trang);
        auto* cot = new QWidget(*trang);
        cot->setMaximumWidth(720);
        // Between stretches, not aligned: an aligned widget gets its size
        // hint, and a wrapped text its one-line height.
        auto* ngang = new QHBoxLayout;
        ngang->addStretch(1);
        ngang->addWidget(cot, 8);
        ngang->addStretch(1);
        giua->addStretch(1);
        giua->addLayout(ngang);
        giua->addStretch(2);
        return cot;
    };

    // Asking before the hand-in.
    QWidget* hoiTrang = nullptr;
    auto* hoi = cotGiua(&hoiTrang);
    auto* hoiDoc = new QVBoxLayout(hoi);
    m_hoi = new QLabel(hoi);
    m_hoi->setObjectName(QStringLiteral("LB_HoiNop"));
    m_hoi->setWordWrap(true);
    m_hoi->setFont(f);
    m_dongY = nut(hoi, QStringLiteral("CM_DongYNop"), txt::kDlNopBai);
    m_lamTiep = nut(hoi, QStringLiteral("CM_LamTiep"), txt::kDlLamTiep);
    hoiDoc->addWidget(m_hoi);
    auto* hoiNut = new QHBoxLayout;
    hoiNut->addStretch(1);
    hoiNut->addWidget(m_lamTiep);
    hoiNut->addWidget(m_dongY);
    hoiDoc->addLayout(hoiNut);
    connect(m_dongY, &QPushButton::clicked, this, [this] { nop(false); });
    const auto lamTiep = [this] {
        m_trang = Trang::LamBai;
        m_trangChinh->setCurrentIndex(0);
        m_khung->datTieuDiem();
    };
    connect(m_lamTiep, &QPushButton::clicked, this, lamTiep);
    m_trangChinh->addWidget(hoiTrang);

    // The result, its details a size larger than the window's text.
    QWidget* kqTrang = nullptr;
    auto* kq = cotGiua(&kqTrang);
    auto* kqDoc = new QVBoxLayout(kq);
    m_ketLuan = new QLabel(kq);
    m_ketLuan->setObjectName(QStringLiteral("LB_KetLuan"));
    QFont lon = f;
    lon.setPointSizeF(f.pointSizeF() * 1.6);
    m_ketLuan->setFont(lon);
    m_chiTiet = new QLabel(kq);
    m_chiTiet->setObjectName(QStringLiteral("LB_ChiTiet"));
    m_chiTiet->setWordWrap(true);
    QFont chu = font();
    chu.setPointSizeF(chu.pointSizeF() * 1.15);
    m_chiTiet->setFont(chu);
    m_thiLai = nut(kq, QStringLiteral("CM_ThiLai"), txt::kDlThiLai);
    m_xemLai = nut(kq, QStringLiteral("CM_XemLai"), txt::kDlXemLai);
    m_veNha = nut(kq, QStringLiteral("CM_VeNha"), txt::kDlVeNha);
    kqDoc->addWidget(m_ketLuan);
    kqDoc->addWidget(m_chiTiet);
    kqDoc->addSpacing(12);
    auto* kqNut = new QHBoxLayout;
    kqNut->addWidget(m_xemLai);
    kqNut->addWidget(m_thiLai);
    kqNut->addWidget(m_veNha);
    kqNut->addStretch(1);
    kqDoc->addLayout(kqNut);
    connect(m_xemLai, &QPushButton::clicked, this, &FormBaiThi::xemLai);
    connect(m_thiLai, &QPushButton::clicked, this, [this] {
        const QString hang = m_phien.quyTac().hang;
        close();
        emit thiLai(hang);
    });
    connect(m_veNha, &QPushButton::clicked, this, &QWidget::close);
    m_trangChinh->addWidget(kqTrang);

    // Keys from anywhere in the window (1-4 come with the question's frame).
    const auto phim = [this](const QKeySequence& k, const std::function<void()>& viec) {
        themPhim(this, k, viec);
    };
    for (const std::pair<Qt::Key, int>& k : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_PageUp, -1},
                                             std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_PageDown, 1}}) {
        const int buoc = k.second;
        phim(QKeySequence(k.first), [this, buoc] {
            if (m_trang == Trang::LamBai || m_trang == Trang::XemLai)
                denO(m_o + buoc);
        });
    }
    // Esc steps back one level: from the hand-in's question to the paper,
    // from the review to the result. A paper is never left by Esc.
    themPhimThoat(this, [this, lamTiep] {
        if (m_trang == Trang::HoiNop)
            lamTiep();
        else if (m_trang == Trang::XemLai)
            m_veKetQua->click();
    });
    phim(QKeySequence(Qt::Key_F), [this] { danhDau(); });
    phim(QKeySequence(Qt::Key_Home), [this] { denO(0); });
    phim(QKeySequence(Qt::Key_End), [this] { denO(m_phien.soO() - 1); });

    ganPhimEnter(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(250);
    connect(m_timer, &QTimer::timeout, this, &FormBaiThi::tick);
    m_timer->start();
    m_veKetQua->hide();
    datKieuCuaSo(this);
    moCoCuaSo(this, m_mt, m_hoSo, kCoCuaSoCauHoi);
    hienO();
    tick();
    m_khung->datTieuDiem();
}

QString FormBaiThi::tieuDeThi() const
{
    if (m_phienKiemTra != 0)
        return txt::kDlTieuDeKiemTra.arg(m_phien.quyTac().hang);
    if (m_phien.laBaiNgan())
        return txt::kDlTieuDeBaiNgan.arg(m_phien.quyTac().hang, m_tenNguon);
    return txt::kDlTieuDeThi.arg(m_phien.quyTac().hang, m_nh->nh.tieuDe);
}

qint64 FormBaiThi::conLaiGiay() const { return m_phien.conLai(m_mt.seams().bayGio()); }

void FormBaiThi::tick()
{
    if (m_trang == Trang::KetQua || m_trang == Trang::XemLai || m_trang == Trang::DaBo)
        return;
    const QDateTime bayGio = m_mt.seams().bayGio();
    const qint64 con = m_phien.conLai(bayGio);
    m_dongHo->setText(
        txt::kDlConLai.arg(con / 60, 2, 10, QLatin1Char('0')).arg(con % 60, 2, 10, QLatin1Char('0')));
    m_dongHo->setAccessibleName(txt::kDlTtConLai.arg(con / 60).arg(con % 60));
    switch (m_phien.nhip(bayGio)) {
    case PhienThi::SuKien::HetGio: nop(true); break;
    case PhienThi::SuKien::Con1Phut: canhBao(txt::kDlCon1Phut); break;
    case PhienThi::SuKien::Con5Phut: canhBao(txt::kDlCon5Phut); break;
    case PhienThi::SuKien::Khong: break;
    }
}

void FormBaiThi::canhBao(const QString& noiDung)
{
    m_canhBao->setText(noiDung);
    ui::datMauNghia(m_canhBao, ui::Nghia::Xau);
    ui::thongBaoTruyCap(m_canhBao, noiDung);
    if (m_mt.kho().amBao(m_hoSo))
        QApplication::beep();
}

void FormBaiThi::chon(int viTri)
{
    if (m_trang != Trang::LamBai || !m_phien.chon(m_o, m_khung->phuongAnTai(viTri)))
        return;
    hienO();
    ui::thongBaoTruyCap(m_khung,
                        txt::kDlTtO.arg(m_o + 1).arg(txt::kDlODaLam + QStringLiteral(" %1").arg(viTri)));
}

void FormBaiThi::denO(int o)
{
    if (m_phien.soO() == 0)
        return;
    m_o = std::clamp(o, 0, m_phien.soO() - 1);
    hienO();
}

void FormBaiThi::hienO()
{
    if (m_phien.soO() == 0)
        return;
    const CauHoiNganHang& c = m_phien.cauTai(m_o);
    const QString cauO = txt::kDlTieuDeCau.arg(m_o + 1).arg(m_phien.soO()).arg(c.so);
    m_khung->hien(c, m_nh->thuMuc, cauO, m_phien.traLoi()[static_cast<std::size_t>(m_o)],
                  m_trang == Trang::XemLai);
    m_truoc->setEnabled(m_o > 0);
    m_sau->setEnabled(m_o + 1 < m_phien.soO());
    m_danhDauNut->setVisible(m_trang == Trang::LamBai);
    m_khung->hienLuuCau(m_trang == Trang::XemLai);
    m_danhDauNut->setChecked(m_o < static_cast<int>(m_danhDau.size())
                             && m_danhDau[static_cast<std::size_t>(m_o)]);
    // The slot and its question in the title too: a screen reader or a
    // taskbar names it.
    setWindowTitle((m_trang == Trang::XemLai ? txt::kDlTieuDeXemLai.arg(m_phien.quyTac().hang) : tieuDeThi())
                   + QStringLiteral(" – ") + cauO);
    capNhatLuoi();
}

void FormBaiThi::capNhatLuoi()
{
    // Only the slots whose look changed are touched: a slot change redraws
    // two or three of them, not the whole grid.
    for (std::size_t i = 0; i < m_oNut.size(); ++i) {
        OBaiThi* b = m_oNut[i];
        const int tl = m_phien.traLoi()[i];
        QString dau, trangThai;
        OBaiThi::Kieu kieu = OBaiThi::Kieu::Trong;
        if (m_trang == Trang::XemLai) {
            const bool dung = m_phien.dungO(static_cast<int>(i));
            dau = tl == 0 ? QStringLiteral("–") : dung ? QStringLiteral("✓") : QStringLiteral("✗");
            trangThai = tl == 0 ? txt::kDlOBoTrong : dung ? txt::kDlODung : txt::kDlOSai;
            kieu = tl == 0 ? OBaiThi::Kieu::BoTrong : dung ? OBaiThi::Kieu::Dung : OBaiThi::Kieu::Sai;
        } else {
            dau = tl == 0 ? QStringLiteral("○") : QStringLiteral("●%1").arg(tl);
            trangThai = tl == 0 ? txt::kDlOChuaLam : txt::kDlODaLam;
            kieu = tl == 0 ? OBaiThi::Kieu::Trong : OBaiThi::Kieu::Lam;
        }
        // The slot on screen is said as such, not as "checked".
        const bool dangXem = static_cast<int>(i) == m_o;
        const bool coDau = m_trang == Trang::LamBai && i < m_danhDau.size() && m_danhDau[i];
        if (coDau)
            trangThai += QStringLiteral(", ") + txt::kDlODanhDau;
        if (dangXem)
            trangThai += QStringLiteral(", ") + txt::kDlODangXem;
        const QString chu =
            QStringLiteral("%1%2\n%3").arg(coDau ? QStringLiteral("⚑") : QString()).arg(i + 1).arg(dau);
        if (b->text() != chu)
            b->setText(chu);
        const QString ten = txt::kDlTtO.arg(i + 1).arg(trangThai);
        if (b->accessibleName() != ten)
            b->setAccessibleName(ten);
        b->datKieu(kieu, dangXem);
    }
}

void FormBaiThi::hoiNop()
{
    if (m_trang != Trang::LamBai)
        return;
    QStringList trong;
    for (int o : m_phien.oTrong())
        trong.append(QString::number(o));
    QStringList coDau;
    for (std::size_t i = 0; i < m_danhDau.size(); ++i)
        if (m_danhDau[i])
            coDau.append(QString::number(i + 1));
    QString cauHoi = trong.isEmpty()
                         ? txt::kDlHoiNopDuCau.arg(m_phien.soO())
                         : txt::kDlHoiNopConTrong.arg(trong.size()).arg(trong.join(QStringLiteral(", ")));
    if (!coDau.isEmpty())
        cauHoi +=
            QLatin1Char(' ') + txt::kDlHoiNopDanhDau.arg(coDau.size()).arg(coDau.join(QStringLiteral(", ")));
    m_hoi->setText(cauHoi);
    m_trang = Trang::HoiNop;
    m_trangChinh->setCurrentIndex(1);
    // With slots left blank or flagged the safe answer is the one Enter
    // gives.
    QPushButton* macDinh = trong.isEmpty() && coDau.isEmpty() ? m_dongY : m_lamTiep;
    m_dongY->setDefault(macDinh == m_dongY);
    m_lamTiep->setDefault(macDinh == m_lamTiep);
    macDinh->setFocus();
    ui::thongBaoTruyCap(m_hoi, cauHoi);
}

void FormBaiThi::danhDau()
{
    if (m_trang != Trang::LamBai || m_phien.soO() == 0)
        return;
    const auto o = static_cast<std::size_t>(m_o);
    m_danhDau[o] = !m_danhDau[o];
    m_danhDauNut->setChecked(m_danhDau[o]);
    capNhatLuoi();
    ui::thongBaoTruyCap(m_oNut[o], m_oNut[o]->accessibleName());
}

void FormBaiThi::hoiBoBai()
{
    if (m_trang != Trang::LamBai)
        return;
    m_mt.seams().hoiChon(txt::kDlTieuDeBoBai, txt::kDlHoiBoBai, {txt::kDlNutLamTiep, txt::kDlNutBoBai},
                         [self = QPointer<FormBaiThi>(this)](int chon) {
                             if (!self || chon != 1 || self->m_trang != Trang::LamBai)
                                 return;
                             self->m_timer->stop();
                             self->m_trang = Trang::DaBo;
                             self->close();
                         });
}

void FormBaiThi::nop(bool hetGio)
{
    if (m_trang == Trang::KetQua || m_trang == Trang::XemLai || m_trang == Trang::DaBo)
        return;
    m_timer->stop();
    m_phien.nop(m_mt.seams().bayGio(), hetGio);
    BaiLam b = m_phien.baiLam(m_hoSo);
    b.phienKiemTra = m_phienKiemTra;
    QString loi;
    const bool daLuu = m_mt.kho().luuBaiLam(b, &loi).has_value();
    if (!daLuu)
        m_mt.baoLoiGhiKho(m_daLuuLoi, loi);
    hienKetQua(hetGio, daLuu);
}

void FormBaiThi::hienKetQua(bool hetGio, bool daLuu, const BaiLam* daLam)
{
    m_trang = Trang::KetQua;
    const KetQuaBai& kq = m_phien.ketQua();
    const DeThi& de = m_phien.de();
    m_ketLuan->setText(kq.dat ? txt::kDlDat : txt::kDlKhongDat);
    ui::datMauNghia(m_ketLuan, kq.dat ? ui::Nghia::Tot : ui::Nghia::Xau);
    QStringList dong;
    if (hetGio)
        dong << txt::kDlHetGio;
    dong << txt::kDlSoCau.arg(kq.dung).arg(kq.sai).arg(kq.boTrong).arg(de.cau.size())
         << txt::kDlCanDeDat.arg(m_phien.quyTac().canDeDat);
    if (!kq.diemLietSai.empty()) {
        QStringList cau;
        for (int q : kq.diemLietSai) {
            const auto it = std::find(de.cau.begin(), de.cau.end(), q);
            cau << txt::kDlMotCauLiet.arg(it - de.cau.begin() + 1).arg(q);
        }
        dong << txt::kDlLoaiVi.arg(cau.join(QStringLiteral(", ")));
    }
    if (m_phien.quyTac().duKien)
        dong << txt::kDlDeDuKien.arg(m_phien.quyTac().ghiChuDuKien);
    if (m_phien.laBaiNgan()) {
        const qint64 giay = m_phien.soGiay();
        dong << txt::kDlBaiNganKhongTinh.arg(m_phien.soO())
                    .arg(giay / 60)
                    .arg(giay % 60)
                    .arg(m_phien.quyTac().canDeDat);
    }
    m_thiLai->setVisible(!m_phien.laBaiNgan() && m_phienKiemTra == 0);
    if (daLuu)
        dong << txt::kDlDaLuu;
    else if (!daLam)
        dong << txt::kDlBaiDangGiu;
    if (daLam) {
        dong << txt::kDlBaiDaLam.arg(daLam->ketThuc.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
        if (daLam->phienBan != m_nh->nh.phienBan)
            dong << txt::kDlBaiDaLamPhienBan.arg(daLam->phienBan, m_nh->nh.phienBan);
    }
    m_chiTiet->setText(dong.join(QLatin1Char('\n')));
    m_dongHo->clear();
    m_canhBao->clear();
    m_tieuDeKetQua = tieuDeThi() + QStringLiteral(" – ") + (kq.dat ? txt::kDlDat : txt::kDlKhongDat);
    setWindowTitle(m_tieuDeKetQua);
    m_trangChinh->setCurrentIndex(2);
    m_xemLai->setFocus();
    ui::thongBaoTruyCap(m_ketLuan, m_ketLuan->text() + QStringLiteral(". ") + dong.join(QLatin1Char(' ')));
}

void FormBaiThi::xemLai()
{
    if (m_trang != Trang::KetQua)
        return;
    m_trang = Trang::XemLai;
    setWindowTitle(txt::kDlTieuDeXemLai.arg(m_phien.quyTac().hang));
    m_nop->hide();
    m_boBai->hide();
    m_veKetQua->show();
    m_o = m_phien.oXemLaiDau();
    m_trangChinh->setCurrentIndex(0);
    // The review says its first slot as it opens, whichever was last seen.
    m_khung->docLai();
    hienO();
    m_sau->setFocus();
}

void FormBaiThi::closeEvent(QCloseEvent* e)
{
    // Closing a paper being sat asks to hand it in: nothing is lost to a
    // stray click.
    if (m_trang == Trang::LamBai && m_phien.soO() != 0) {
        e->ignore();
        hoiNop();
        return;
    }
    if (m_trang == Trang::HoiNop) {
        e->ignore();
        return;
    }
    e->accept();
    emit veNha();
}

}  // namespace thilaixe
