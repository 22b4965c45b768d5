#pragma once

#include "rules/common/SharedState.h"
#include "rules/history/LichSuThi.h"
#include "rules/practice/LanThi.h"
#include "rules/practice/OnTap.h"
#include "rules/store/KhoHocVien.h"

#include "screens/common/Seams.h"

#include <QObject>
#include <QString>

#include <memory>

class QTimer;
class QWidget;

namespace thilaixe {

// Where the missing-file message comes from: the exam sheet and the study
// form name different contact lines.
enum class NoiBaoLoi { Thi, Hoc };

// What every screen may use of the running program: the shared state, the
// seams, the working folder, and the program-wide effects (show a window,
// close one for good, report a missing file, end). Screens never reach each
// other through it: a screen says what happened with a signal and the
// application object hands it on.
class MoiTruong final : public QObject {
    Q_OBJECT
public:
    MoiTruong(Seams& seams, QString thuMuc);

    SharedState& trangThai() { return m_trangThai; }
    Seams& seams() { return m_seams; }
    // The working folder: the question pictures and the history file.
    const QString& thuMuc() const { return m_thuMuc; }
    QString duongDan(const QString& tenTep) const;

    // Shows a window unless the program is on its way out.
    void hien(QWidget* form);
    // Closes and destroys a form; the next use creates it afresh.
    void dongForm(QWidget* form);
    // Opens the information window modally over the given screen.
    void moThongTin(QWidget* tu);

    // Reads the history file of the working folder into the shared state;
    // a missing file is reported (and the program ends once the message
    // closes); one that cannot be read is reported too (baoLichSu).
    KetQuaDoc docLichSu(NoiBaoLoi noi);
    // The history as the learning windows read it; one that cannot be read
    // is reported (baoLichSu).
    LichSuDaDoc docLichSuHoc();
    // Says that the history cannot be read, naming the file and the reason,
    // once until a read succeeds again; nothing ends. A read that succeeds
    // (DaDoc) clears it.
    void baoLichSu(KetQuaDoc kq, const QString& lyDo);

    // The missing-file message, then the end of the program once it closes.
    void baoThieuTep(NoiBaoLoi noi);
    // Ends the program: at once, unless changes the store could not write
    // are still held; then it tries once more, and if that fails asks the
    // learner (try again, save them to a file, or end and lose them).
    // `moLai`: the learner asked to try again, so a store whose file was
    // lost or could not be used is opened afresh first.
    void ketThucChuongTrinh(bool moLai = false);
    // Writes what the store holds back (a timer and every window
    // activation call it).
    void thuGhiLai();
    // True from the moment the program is bound to end (message on screen
    // or already ended): handlers stop, no new window opens.
    bool dangKetThuc() const { return m_dangKetThuc; }
    bool daKetThuc() const { return m_daKetThuc; }

    // The learner's store of the working folder, opened at first use; what
    // the learner must know about opening it is told then, once.
    KhoHocVien& kho();
    // The theme the learner chose (KhoHocVien::giaoDien), read from a store
    // that is open or exists already: 0 (the desktop's) without one, so
    // the classic windows never create a store for it.
    int giaoDienDaChon();
    // Uses `kho` (a school's server, signed in) instead of the working
    // folder's file; before the first use only.
    void datKho(std::unique_ptr<KhoHocVien> kho);
    // The practice boxes of the classic bank, as the store has them now.
    SoOnTap onTapCoDien();
    // Says once per window (`daBao`) that the store could not be written.
    void baoLoiGhiKho(bool& daBao, const QString& lyDo);

    // How often held changes are tried again.
    static constexpr int kThuLaiMs = 5000;

    // Text of the missing-file message.
    static QString noiDungThieuTep(NoiBaoLoi noi);

signals:
    // A form was closed for good (before it is destroyed).
    void formDaDong(QWidget* form);

private:
    Seams& m_seams;
    QString m_thuMuc;
    SharedState m_trangThai;
    bool m_dangKetThuc = false;
    bool m_daKetThuc = false;
    bool m_daBaoLichSu = false;
    bool m_dangHoiChuaGhi = false;
    std::unique_ptr<KhoHocVien> m_kho;
    QTimer* m_thuLai = nullptr;

    void hoiTruocKhiKetThuc();
    // Saves what is held to `tep`; then the program ends (`ketThuc`) or
    // goes on, still holding it and trying to write it.
    void luuChoGhi(const QString& tep, bool ketThuc);
    // Past a great many held changes, the learner is asked to save them to
    // a file (once per kChoGhiNhieu more).
    void hoiKhiNhieuChoGhi();
    // The file proposed for them: ~/thilaixe-chua-ghi-<time>.json.
    QString tenTepChuaGhi();
    std::size_t m_daHoiNhieu = 0;
};

}  // namespace thilaixe
