#pragma once

#include "rules/session/DuBao.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QProgressBar;

namespace thilaixe {

class BieuDoDiem;
class MoiTruong;
struct NganHangMo;

// How far a learner is with a class of a data bank: scores over time with
// the pass line, coverage per chapter, critical mastery, most missed, and
// readiness: the chance of passing the next paper and, apart, of failing it
// on a critical question, each with what it rests on, and how well the
// earlier estimates matched the papers sat since (the Brier score).
class FormTienBo final : public QWidget {
    Q_OBJECT
public:
    FormTienBo(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, const QString& hang);
    // Reads the store again (another copy may have written meanwhile).
    void tinhLai();
    const SanSang& sanSang() const { return m_sanSang; }
    std::optional<double> brier() const { return m_brier; }
    // Both estimates, today's and memory's on the exam day, with their scores.
    const HaiUocLuong& haiUocLuong() const { return m_haiCach; }

signals:
    // Closed (it is deleted next): whoever keeps it lets go.
    void daDong();
    void moCau(int so);

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    qint64 m_hoSo;
    QString m_hang;
    SanSang m_sanSang;
    HaiUocLuong m_haiCach;
    std::optional<double> m_brier;
    bool m_daBaoLoi = false;  // a failed write of the store was said
    BieuDoDiem* m_bieuDo;
    QLabel* m_dat;
    QLabel* m_liet;
    QLabel* m_coSo;
    QLabel* m_kiemChung;
    QLabel* m_khac;    // the other estimate
    QLabel* m_soSanh;  // how each predicted the learner's answers
    QLabel* m_vung;
    QPushButton* m_chiTiet;  // shows the scores
    QWidget* m_vungChiTiet;
    QListWidget* m_saiNhieu;
    std::vector<QProgressBar*> m_doPhu;
    std::vector<QLabel*> m_dungGanDay;
};

}  // namespace thilaixe
