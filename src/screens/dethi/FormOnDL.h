#pragma once

#include "rules/practice/LanThi.h"

#include <QWidget>

#include <deque>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;

namespace thilaixe {

class KhungCauHoi;
class MoiTruong;
struct NganHangMo;

// Practice of a data bank, one question at a time, the key shown after each
// answer. Two lists:
//  - CauSai: the bank's mistakes (the Leitner list its attempts feed); a
//    question leaves once answered right twice in a row;
//  - DiemLiet: the class's critical questions not yet mastered; one is
//    mastered once answered right on two separate days.
// The options are shown in a new order each time when the learner's setting
// says so (on by default), so that a remembered place is not taken for a
// known answer.
class FormOnDL final : public QWidget {
    Q_OBJECT
public:
    enum class CheDo { CauSai, DiemLiet };
    FormOnDL(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, const QString& hang,
             CheDo cheDo);

    int cauDangOn() const { return m_cau; }
    const std::deque<int>& hangDoi() const { return m_hangDoi; }
    // Answers with the option shown at place k (1..4).
    void traLoi(int viTri);
    void cauTiep();
    KhungCauHoi* khung() const { return m_khung; }

signals:
    void daDoi();  // something practised: the home window's figures follow

private:
    void napDanhSach();
    void hien();

    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    qint64 m_hoSo;
    QString m_hang;
    CheDo m_cheDo;
    std::vector<LanThi> m_lanThi;
    std::deque<int> m_hangDoi;
    std::vector<int> m_thuTu;
    int m_cau = 0;
    bool m_daTraLoi = false;
    bool m_daBaoLoi = false;
    QLabel* m_con;
    QLabel* m_trong;
    KhungCauHoi* m_khung;
    QLabel* m_ketQua;
    QPushButton* m_tiep;
};

}  // namespace thilaixe
