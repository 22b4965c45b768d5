#pragma once

#include "rules/exam/DemNguoc.h"
#include "rules/exam/KetQuaThi.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace thilaixe {

class MoiTruong;
class BoChonCauHoi;
class HinhQuaDia;
class DaiTacGia;

// The exam sheet: one timed practice exam of 30 questions.
class FormMain final : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(MoiTruong& mt);

    // Start before the first press, End after.
    void CMStartEnd_Click();
    // One tick of the countdown.
    void ThoiGian_Timer();
    void PATL_Click(int k);

    int TrangThai() const { return m_trangThai; }
    std::int16_t SoCauDung() const { return m_soCauDung; }
    BoChonCauHoi* CauHoi() const { return m_cauHoi; }
    QLineEdit* T_ChonCH(int i) const;
    QPushButton* PATL(int k) const;
    QPushButton* CMStartEnd() const { return m_cmStartEnd; }
    QLabel* LBCH() const { return m_lbch; }
    QLabel* Img() const { return m_img; }
    QLabel* LB_ThoiGian() const { return m_lbThoiGian; }
    QLabel* LB_ThoiGian1() const { return m_lbThoiGian1; }
    QTimer* ThoiGian() const { return m_thoiGian; }
    HinhQuaDia* picGlobe() const { return m_picGlobe; }

    // The result form's load: the sheet takes no more input.
    void khoaBaiThi();

signals:
    // The exam is over and scored; daLuu is false when it was answered but
    // could not be kept in the history.
    // `lyDo`: why the exam could not be kept (empty when it was, or when
    // nothing was answered).
    void daKetThuc(const thilaixe::KetQuaThi& kq, bool daLuu, const QString& lyDo);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void load();
    void batDau();
    void ketThucBaiThi();
    void CauHoi_Click(int i);
    bool CauHoi_KeyPress(QKeyEvent* k);
    void KiemTra(int slot);
    void ChoPhepChonCacPhuongAn();

    MoiTruong& m_mt;
    CanhBaoGio m_baoGio;
    int m_trangThai = 0;
    std::int16_t m_soCauDung = 0;
    QLabel* m_img;
    QLabel* m_lbch;
    QLabel* m_lbThoiGian1;
    QLabel* m_lbThoiGian;
    QLabel* m_lbHoTen;
    QLabel* m_lbSoBaoDanh;
    BoChonCauHoi* m_cauHoi;
    std::array<QLineEdit*, 31> m_tChonCH{};
    QGroupBox* m_frPA;
    std::array<QPushButton*, 5> m_patl{};
    QPushButton* m_cmStartEnd;
    QTimer* m_thoiGian;
    HinhQuaDia* m_picGlobe;
    DaiTacGia* m_frTen;
};

}  // namespace thilaixe
