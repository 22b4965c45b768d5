// The teacher's window: its course-end tests tab, and what is printed of them.

#include "rules/bank/NgauNhien.h"
#include "rules/common/Texts.h"
#include "rules/session/InGiay.h"
#include "rules/session/PhienThi.h"

#include "screens/common/MoiTruong.h"
#include "screens/common/Seams.h"
#include "screens/databank/FormGiaoVien.h"
#include "screens/databank/FormGiaoVienNoiBo.h"
#include "screens/databank/NganHangMo.h"

#include <QDateTimeEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace thilaixe {

using namespace giao_vien;

void FormGiaoVien::taoTrangKiemTra()
{
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
    auto* inLai = nut(trangKt, QStringLiteral("CM_InLaiDe"), txt::kGvInLaiDe);
    auto* inD = nut(trangKt, QStringLiteral("CM_InDe"), txt::kGvInDe);
    inRa->addWidget(inKq);
    inRa->addWidget(inLai);
    inRa->addWidget(inD);
    inRa->addStretch(1);
    cotKt->addLayout(inRa);
    m_tab->addTab(trangKt, txt::kGvTabKiemTra);

    connect(m_phien, &QComboBox::currentIndexChanged, this, [this] { lamMoiTinhHinh(); });
    connect(moP, &QPushButton::clicked, this, [this] {
        QComboBox quyTac;
        for (const BoQuyTac& bo : cacBoQuyTacCho(m_nh->tep))
            if (quyTac.findData(bo.id) < 0)
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
    connect(inLai, &QPushButton::clicked, this, [this] {
        const QTreeWidgetItem* it = m_tinhHinh->currentItem();
        if (!it || it->text(6).isEmpty())
            return;
        const QString tep = QFileDialog::getSaveFileName(
            this, QString(txt::kGvInLaiDe).remove(QLatin1Char('&')),
            QStringLiteral("de-%1-%2.pdf").arg(it->text(0), it->text(6)), txt::kGvLocPdf);
        if (!tep.isEmpty())
            inLaiDe(tep);
    });
    connect(inD, &QPushButton::clicked, this, [this] {
        // A code as long as the lab's papers have (a seed of up to 18 digits).
        QLineEdit hat(QString::number(hatGiong(m_mt.seams()) % 1'000'000'000'000ULL));
        hat.setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), &hat));
        if (!hoi(this, txt::kGvInDe, {{txt::kGvHoiHat, &hat}}) || hat.text().isEmpty())
            return;
        const QString tep =
            QFileDialog::getSaveFileName(this, QString(txt::kGvInDe).remove(QLatin1Char('&')),
                                         QStringLiteral("de-%1.pdf").arg(hat.text()), txt::kGvLocPdf);
        if (!tep.isEmpty())
            inDe(tep, hat.text().toLongLong());
    });
}

qint64 FormGiaoVien::phien() const { return m_phien ? m_phien->currentData().toLongLong() : 0; }

const PhienKiemTra* FormGiaoVien::phienDangChon() const
{
    const qint64 id = phien();
    const auto it = std::find_if(m_cacPhien.begin(), m_cacPhien.end(),
                                 [id](const PhienKiemTra& p) { return p.id == id; });
    return it == m_cacPhien.end() ? nullptr : &*it;
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
    m_tinhHinhDs = m_kho.tinhHinh(id);
    for (const TinhHinhHocVien& t : m_tinhHinhDs) {
        QString trangThai, diem, liet, ketQua;
        switch (t.trangThai) {
        case TT::ChuaCoDe:
            trangThai = txt::kGvChuaCoDe;
            ++chua;
            break;
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
        // The paper's code: what reprints it, and what a paper for a yard
        // of the same code gives.
        dong.push_back(
            {t.soBaoDanh, t.ten, trangThai, diem, liet, ketQua, t.hat ? QString::number(t.hat) : QString()});
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

std::optional<qint64> FormGiaoVien::moPhien(const QString& quyTac, const QDateTime& mo, int phut)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    if (!k) {
        baoLoi(txt::kGvCanKhoa);
        return std::nullopt;
    }
    const std::vector<BoQuyTac> cacBo = cacBoQuyTacCho(m_nh->tep);
    const auto bo =
        std::find_if(cacBo.rbegin(), cacBo.rend(), [&](const BoQuyTac& b) { return b.id == quyTac; });
    if (bo == cacBo.rend()) {
        baoLoi(txt::kMcTL006);
        return std::nullopt;
    }
    // The server takes the bank first when it lacks it; every learner's
    // paper is drawn now, from a seed of its own, under the session's rule.
    QString loi;
    const std::optional<qint64> id = moPhienKiemTra(
        m_kho, {0, k->id, k->hang, quyTac, m_nh->nh.id, mo, phut, std::nullopt, {}}, m_nh->tep, *bo,
        [this] { return hatGiong(m_mt.seams()); }, &loi);
    if (!id) {
        baoLoi(loi);
        lamMoi();
        return id;
    }
    lamMoi();
    m_phien->setCurrentIndex(std::max(0, m_phien->findData(*id)));
    m_tab->setCurrentIndex(2);
    return id;
}

void FormGiaoVien::dongPhien()
{
    if (phien() == 0) {
        baoLoi(txt::kGvCanPhien);
        return;
    }
    // Closing hands in every paper still open: asked first, not by a key
    // pressed by mistake.
    m_mt.seams().hoiChon(windowTitle(), txt::kGvHoiDong, {txt::kGvNutChuaDong, txt::kGvNutDong},
                         [this](int chon) {
                             if (chon == 1)
                                 dongPhienNgay();
                         });
}

bool FormGiaoVien::dongPhienNgay()
{
    QString loi;
    if (!m_kho.dongPhien(phien(), &loi)) {
        baoLoi(loi);
        return false;
    }
    lamMoi();
    return true;
}

bool FormGiaoVien::inKetQua(const QString& tep)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    const PhienKiemTra* p = phienDangChon();
    if (!k || !p) {
        baoLoi(txt::kGvCanPhien);
        return false;
    }
    QString loi;
    if (!inBangKetQua(tep, {m_truong->text(), k->ma, k->ten, p->hang, p->quyTac, p->mo.toLocalTime().date()},
                      m_kho.tinhHinh(p->id), &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

bool FormGiaoVien::inDe(const QString& tep, qint64 hat)
{
    const std::optional<KhoaHoc> k = khoaHocDangChon();
    // The chosen session's rule set, as its lab papers are drawn; else the
    // one in force today.
    const PhienKiemTra* p = phienDangChon();
    BoQuyTac bo = m_nh->quyTac;
    for (const BoQuyTac& b : cacBoQuyTacCho(m_nh->tep))
        if (p && b.id == p->quyTac)
            bo = b;
    QString loi;
    const std::optional<PhienThi> de =
        k ? PhienThi::moi(m_nh->nh, bo, p ? p->hang : k->hang, static_cast<std::uint64_t>(hat),
                          m_mt.seams().bayGio(), std::nullopt, &loi)
          : std::nullopt;
    if (!de) {
        baoLoi(k ? loi : txt::kGvCanKhoa);
        return false;
    }
    if (!inDeGiay(tep, m_nh->nh, m_nh->thuMuc, de->quyTac(), de->de(), m_truong->text(), QString::number(hat),
                  &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

bool FormGiaoVien::inLaiDe(const QString& tep)
{
    const PhienKiemTra* p = phienDangChon();
    const int dong = m_tinhHinh->indexOfTopLevelItem(m_tinhHinh->currentItem());
    if (!p || dong < 0 || dong >= static_cast<int>(m_tinhHinhDs.size())) {
        baoLoi(txt::kGvCanPhien);
        return false;
    }
    const TinhHinhHocVien& t = m_tinhHinhDs[static_cast<std::size_t>(dong)];
    const std::optional<BaiCuaPhien> bai = m_kho.deCuaHocVien(p->id, t.hoSo);
    const QuyTacHang* q = nullptr;
    const std::vector<BoQuyTac> cacBo = cacBoQuyTacCho(m_nh->tep);
    for (const BoQuyTac& b : cacBo)
        if (b.id == p->quyTac && b.timHang(p->hang))
            q = b.timHang(p->hang);
    QString loi;
    if (!bai || !q) {
        baoLoi(txt::kMcTL005);
        return false;
    }
    // The very paper the server keeps for that learner.
    if (!inDeGiay(tep, m_nh->nh, m_nh->thuMuc, *q, bai->de, m_truong->text(), QString::number(bai->hat),
                  &loi)) {
        baoLoi(loi);
        return false;
    }
    return true;
}

}  // namespace thilaixe
