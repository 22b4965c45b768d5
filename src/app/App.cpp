#include "app/App.h"

#include "app/FormInit.h"
#include "app/Personalisation.h"
#include "app/Texts.h"
#include "decor/FormAbout.h"
#include "exam/FormKetQua.h"
#include "exam/FormMain.h"
#include "history/FormDapAnKQDaThi.h"
#include "study/FormDapAn.h"
#include "study/FormHocTap.h"

namespace thilaixe {

App::App(Seams& seams, QObject* parent) : QObject(parent), m_seams(seams) {}

App::~App()
{
    // Forms are top-level widgets owned here; deleting them runs no
    // window behaviour.
    delete m_formDapAnKQDaThi.data();
    delete m_formHocTap.data();
    delete m_formDapAn.data();
    delete m_formKetQua.data();
    delete m_formMain.data();
    delete m_formInit.data();
}

template <typename F>
static F* layHoacTao(QPointer<F>& p, App& app)
{
    if (p.isNull())
        p = new F(app);
    return p.data();
}

FormInit* App::formInit() { return layHoacTao(m_formInit, *this); }
FormMain* App::formMain() { return layHoacTao(m_formMain, *this); }
FormKetQua* App::formKetQua() { return layHoacTao(m_formKetQua, *this); }
FormDapAn* App::formDapAn() { return layHoacTao(m_formDapAn, *this); }
FormHocTap* App::formHocTap() { return layHoacTao(m_formHocTap, *this); }
FormDapAnKQDaThi* App::formDapAnKQDaThi() { return layHoacTao(m_formDapAnKQDaThi, *this); }

void App::moThongTin(QWidget* tu)
{
    if (m_dangKetThuc)
        return;
    auto* f = new FormAbout(tu);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->setWindowModality(Qt::ApplicationModal);
    f->show();
}

void App::unload(QWidget* form)
{
    if (!form)
        return;
    // Forget it at once, so the next use creates a fresh one even before
    // this one is gone.
    const auto forget = [form](auto& p) {
        if (p.data() == form)
            p.clear();
    };
    forget(m_formInit);
    forget(m_formMain);
    forget(m_formKetQua);
    forget(m_formDapAn);
    forget(m_formHocTap);
    forget(m_formDapAnKQDaThi);
    form->hide();
    form->deleteLater();
}

void App::hien(QWidget* form)
{
    if (form && !m_dangKetThuc)
        form->show();
}

QString App::noiDungThieuTep(NoiBaoLoi noi)
{
    const QString crlf = QStringLiteral("\r\n");
    return txt::kLoiDocDong1 + crlf + crlf + rieng::kLienHeDong1 + crlf + rieng::kLienHeDong2 + crlf + crlf
        + (noi == NoiBaoLoi::Thi ? rieng::kDienThoaiThi : rieng::kDienThoaiHoc);
}

void App::baoThieuTep(NoiBaoLoi noi)
{
    if (m_dangKetThuc)
        return;
    m_dangKetThuc = true;
    m_seams.showMessage(txt::kTieuDeLoiDoc, noiDungThieuTep(noi), [this] { ketThuc(); });
}

void App::ketThuc()
{
    m_dangKetThuc = true;
    if (m_daKetThuc)
        return;
    m_daKetThuc = true;
    m_seams.endProgram();
}

} // namespace thilaixe
