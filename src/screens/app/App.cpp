#include "screens/app/App.h"

#include "rules/common/Texts.h"
#include "rules/history/LichSuThi.h"
#include "rules/store/KhoHocVien.h"

#include "screens/databank/FormNganHang.h"
#include "screens/databank/FormNhapBangTinh.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/databank/NganHangMo.h"
#include "screens/entry/FormInit.h"
#include "screens/exam/FormDapAn.h"
#include "screens/exam/FormKetQua.h"
#include "screens/exam/FormMain.h"
#include "screens/history/FormDapAnKQDaThi.h"
#include "screens/study/FormHocTap.h"

#include <QDir>

namespace thilaixe {

App::App(Seams& seams, const QString& thuMuc, QObject* parent) : QObject(parent), m_mt(seams, thuMuc)
{
    // A form closed for good is forgotten at once, so the next use creates
    // a fresh one even before the old one is gone.
    connect(&m_mt, &MoiTruong::formDaDong, this, [this](QWidget* form) {
        for (auto it = m_forms.begin(); it != m_forms.end();)
            it = it.value() == form ? m_forms.erase(it) : std::next(it);
    });
}

App::~App()
{
    // Forms are top-level widgets owned here, newest first; deleting them
    // runs no window behaviour.
    for (qsizetype i = m_thuTuTao.size() - 1; i >= 0; --i)
        delete m_thuTuTao[i].data();
}

FormNganHang* App::nganHang() const { return m_nganHang; }

FormNganHang* App::moDeMoi(const QString& tepNganHang, const QString& hang, TuDau tu)
{
    if (m_nganHang) {
        // Kept, hidden, when the learner went back to the entry form: it
        // comes back as it was left.
        moCuaSo(m_nganHang);
        return m_nganHang;
    }
    QString loi;
    const std::shared_ptr<NganHangMo> nh = moNganHang(tepNganHang, m_mt.seams().bayGio().date(), &loi);
    if (!nh) {
        m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, loi, {});
        return nullptr;
    }
    m_nganHang = new FormNganHang(m_mt, nh, hang);
    m_thuTuTao.append(m_nganHang.data());
    connect(m_nganHang, &FormNganHang::daDong, this, [this, tu] {
        if (m_doiNganHang)
            return;
        if (tu == TuDau::NhapLieu)
            m_mt.hien(form<FormInit>());
        else
            m_mt.ketThucChuongTrinh();
    });
    // A bank brought in from a spreadsheet opens in the home's place, with
    // the same class; a paper being sat is asked about first.
    connect(m_nganHang, &FormNganHang::doiNganHang, this, [this, tu](const QString& tep) {
        const QPointer<FormNganHang> cu = m_nganHang;
        const QString hangCu = cu->hang();
        m_doiNganHang = true;
        const bool daDong = cu->close();
        m_doiNganHang = false;
        if (!daDong)
            return;
        // What the import did is shown again over the new home.
        std::optional<KetQuaNhap> ketQua;
        QString bangTinh;
        if (FormNhapBangTinh* d = cu->cuaSoNhap()) {
            ketQua = d->ketQua();
            bangTinh = d->bangTinh();
        }
        m_nganHang = nullptr;
        cu->deleteLater();
        FormNganHang* moi = moDeMoi(tep, hangCu, tu);
        if (moi && ketQua) {
            FormNhapBangTinh* d = moi->nhapBangTinh();
            d->datBangTinh(bangTinh);
            d->hienKetQua(*ketQua, true);
        }
    });
    m_mt.hien(m_nganHang);
    return m_nganHang;
}

template <typename F> F* App::form()
{
    QPointer<QWidget>& p = m_forms[&F::staticMetaObject];
    if (p.isNull()) {
        auto* f = new F(m_mt);
        p = f;
        m_thuTuTao.append(f);
        noiDay(f);
        apDungGiaoDienCoDien(f, m_mt.giaoDienDaChon());
        return f;
    }
    return static_cast<F*>(p.data());
}

// The forms of the program.
template FormInit* App::form<FormInit>();
template FormMain* App::form<FormMain>();
template FormKetQua* App::form<FormKetQua>();
template FormDapAn* App::form<FormDapAn>();
template FormHocTap* App::form<FormHocTap>();
template FormDapAnKQDaThi* App::form<FormDapAnKQDaThi>();

void App::noiDay(FormInit* f)
{
    connect(f, &FormInit::chonHoc, this, [this] { m_mt.hien(form<FormHocTap>()); });
    connect(f, &FormInit::chonThi, this, [this] { m_mt.hien(form<FormMain>()); });
    connect(f, &FormInit::chonNganHang, this, [this, f] {
        const QString tep = timNganHangMacDinh(m_mt);
        if (tep.isEmpty()) {
            m_mt.seams().hienThongBao(txt::kDlTieuDeLoiNganHang, txt::kDlKhongThayNganHang, {});
            return;
        }
        if (moDeMoi(tep, {}, TuDau::NhapLieu))
            f->daMoNganHang();
    });
}

void App::noiDay(FormMain* f) { connect(f, &FormMain::daKetThuc, this, &App::khiKetThucBaiThi); }

void App::noiDay(FormKetQua* f)
{
    // Its load: the sheet takes no more input.
    if (coForm<FormMain>())
        form<FormMain>()->khoaBaiThi();
    connect(f, &FormKetQua::xemLai, this, [this] { m_mt.hien(form<FormDapAn>()); });
}

void App::noiDay(FormDapAn*)
{
    // Its load: the result form steps aside.
    if (coForm<FormKetQua>())
        form<FormKetQua>()->hide();
}

void App::noiDay(FormHocTap* f)
{
    connect(f, &FormHocTap::moCacLanDaThi, this, [this] { m_mt.hien(form<FormDapAnKQDaThi>()); });
    connect(f, &FormHocTap::moOnTap, this, [this] { moCuaSo(onTapCoDien()); });
    connect(f, &FormHocTap::moTienBo, this, [this] { moCuaSo(tienBoCoDien()); });
}

void App::noiDay(FormDapAnKQDaThi* f)
{
    connect(f, &FormDapAnKQDaThi::daDong, this, [this] {
        if (coForm<FormHocTap>())
            m_mt.hien(form<FormHocTap>());
    });
}

namespace {

// The class the 300-question bank's windows follow: the one declared, else B2.
QString hangCoDien(const SharedState& s)
{
    const QString h = s.Hang.trimmed().toUpper();
    return boQuyTacCoDien().timHang(h) ? h : QStringLiteral("B2");
}

}  // namespace

template <typename F, typename... Them> F* App::moCoDien(QPointer<F>& giu, Them... them)
{
    if (giu)
        return giu;
    if (!m_coDien)
        m_coDien = moNganHangCoDien(m_mt);
    KhoHocVien& kho = m_mt.kho();
    const qint64 hoSo = kho.hoSoDangHoc();
    giu = new F(m_mt, m_coDien, hoSo, hangCoDien(m_mt.trangThai()), them...);
    apDungGiaoDien(giu, kho.giaoDien(hoSo));
    m_thuTuTao.append(giu.data());
    connect(giu, &F::daDong, this, [&giu] { giu = nullptr; });
    return giu;
}

FormOnTap* App::onTapCoDien() { return moCoDien(m_onCoDien, FormOnTap::CheDo::CauSai); }

FormTienBo* App::tienBoCoDien()
{
    const bool moi = !m_tienBoCoDien;
    FormTienBo* f = moCoDien(m_tienBoCoDien);
    // A most-missed question opens on the study form.
    if (moi)
        connect(f, &FormTienBo::moCau, this, [this](int cau) {
            if (coForm<FormHocTap>())
                form<FormHocTap>()->denCau(cau);
        });
    return f;
}

void App::moCuaSo(QWidget* f)
{
    m_mt.hien(f);
    f->raise();
    f->activateWindow();
}

void App::khiKetThucBaiThi(const KetQuaThi& kq, bool daLuu, const QString& lyDo)
{
    FormKetQua* ketQua = form<FormKetQua>();
    ketQua->hienKetQua(kq);
    form<FormDapAn>()->datKetQua(kq);
    ketQua->setWindowModality(Qt::ApplicationModal);
    m_mt.hien(ketQua);
    if (!daLuu)
        m_mt.seams().hienThongBao(
            txt::kTieuDeKhongLuu,
            txt::kKhongLuuDuoc.arg(QDir::toNativeSeparators(m_mt.duongDan(kTepDuLieu)), lyDo), {});
    else if (!lyDo.isEmpty())
        m_mt.seams().hienThongBao(txt::kTieuDeLichSu, lyDo, {});
}

}  // namespace thilaixe
