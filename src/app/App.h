#pragma once

#include "app/SharedState.h"
#include "app/Seams.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace thilaixe {

class FormInit;
class FormMain;
class FormKetQua;
class FormDapAn;
class FormHocTap;
class FormDapAnKQDaThi;
class FormAbout;

// Where the missing-file message comes from: the exam sheet and the study
// form name different contact lines.
enum class NoiBaoLoi { Thi, Hoc };

// The application object: holds the shared state and the seams, and hands
// out each form as a single instance, created (and loaded) on first use.
class App final : public QObject {
    Q_OBJECT
public:
    explicit App(Seams& seams, QObject* parent = nullptr);
    ~App() override;

    SharedState& state() { return m_state; }
    Seams& seams() { return m_seams; }

    FormInit* formInit();
    FormMain* formMain();
    FormKetQua* formKetQua();
    FormDapAn* formDapAn();
    FormHocTap* formHocTap();
    FormDapAnKQDaThi* formDapAnKQDaThi();

    // Loaded-or-not, without creating.
    bool coFormMain() const { return !m_formMain.isNull(); }
    bool coFormKetQua() const { return !m_formKetQua.isNull(); }
    bool coFormDapAn() const { return !m_formDapAn.isNull(); }
    bool coFormHocTap() const { return !m_formHocTap.isNull(); }
    bool coFormDapAnKQDaThi() const { return !m_formDapAnKQDaThi.isNull(); }
    bool coFormInit() const { return !m_formInit.isNull(); }

    // Opens the information window modally over the given screen.
    void moThongTin(QWidget* tu);

    // Closes and destroys a form; the next use creates it afresh.
    void unload(QWidget* form);

    // Shows a form unless the program is on its way out.
    void hien(QWidget* form);

    // The missing-file message, then the end of the program once it closes.
    void baoThieuTep(NoiBaoLoi noi);
    // Ends the program at once.
    void ketThuc();
    // True from the moment the program is bound to end (message on screen
    // or already ended): handlers stop, no new window opens.
    bool dangKetThuc() const { return m_dangKetThuc; }
    bool daKetThuc() const { return m_daKetThuc; }

    // Text of the missing-file message.
    static QString noiDungThieuTep(NoiBaoLoi noi);

private:
    Seams& m_seams;
    SharedState m_state;
    QPointer<FormInit> m_formInit;
    QPointer<FormMain> m_formMain;
    QPointer<FormKetQua> m_formKetQua;
    QPointer<FormDapAn> m_formDapAn;
    QPointer<FormHocTap> m_formHocTap;
    QPointer<FormDapAnKQDaThi> m_formDapAnKQDaThi;
    bool m_dangKetThuc = false;
    bool m_daKetThuc = false;
};

} // namespace thilaixe
