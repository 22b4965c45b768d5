#pragma once

#include "rules/exam/KetQuaThi.h"

#include "screens/common/MoiTruong.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace thilaixe {

class FormInit;
class FormMain;
class FormKetQua;
class FormDapAn;
class FormHocTap;
class FormDapAnKQDaThi;
class FormNganHang;
class FormOnTap;
class FormTienBo;
struct NganHangMo;

// The application object: owns what every screen shares (MoiTruong), hands
// out each form as a single instance created (and loaded) on first use, and
// passes on what one form says happened to the next. Adding a screen is one
// noiDay overload here and one line in App.cpp's list of forms.
class App final : public QObject {
    Q_OBJECT
public:
    App(Seams& seams, const QString& thuMuc, QObject* parent = nullptr);
    ~App() override;

    MoiTruong& moiTruong() { return m_mt; }
    SharedState& trangThai() { return m_mt.trangThai(); }

    // The one instance of form F, created on first use.
    template <typename F> F* form();
    // Opens a data bank's home window (the class chosen when given); a bank
    // that cannot be used is said, naming the file and every fault, and
    // nothing opens. Closing a home opened from the entry form goes back to
    // the entry form; closing one opened at start ends the program.
    enum class TuDau { KhoiDong, NhapLieu };
    FormNganHang* moDeMoi(const QString& tepNganHang, const QString& hang = {}, TuDau tu = TuDau::KhoiDong);
    FormNganHang* nganHang() const;
    // The learning windows of the 300-question bank, opened from the study
    // form: the same windows as a data bank's, for the learner chosen last
    // on a home and the class declared. One of each at a time.
    FormOnTap* onTapCoDien();
    FormTienBo* tienBoCoDien();

    // Loaded-or-not, without creating.
    template <typename F> bool coForm() const { return m_forms.value(&F::staticMetaObject) != nullptr; }

private:
    // What each form says, and where it leads.
    void noiDay(FormInit* f);
    void noiDay(FormMain* f);
    void noiDay(FormKetQua* f);
    void noiDay(FormDapAn* f);
    void noiDay(FormHocTap* f);
    void noiDay(FormDapAnKQDaThi* f);

    // One of the 300-question bank's learning windows, made at first use
    // (for the learner chosen last, in their theme) and forgotten when closed.
    template <typename F, typename... Them> F* moCoDien(QPointer<F>& giu, Them... them);
    // Shows a window and brings it to the front (it may be open already).
    void moCuaSo(QWidget* f);
    void khiKetThucBaiThi(const KetQuaThi& kq, bool daLuu, const QString& lyDo);

    MoiTruong m_mt;
    QHash<const QMetaObject*, QPointer<QWidget>> m_forms;
    QList<QPointer<QWidget>> m_thuTuTao;  // creation order, for the teardown
    QPointer<FormNganHang> m_nganHang;
    bool m_doiNganHang = false;            // a home closing for another bank's
    std::shared_ptr<NganHangMo> m_coDien;  // made at the first use
    QPointer<FormOnTap> m_onCoDien;
    QPointer<FormTienBo> m_tienBoCoDien;
};

}  // namespace thilaixe
