#pragma once

#include "rules/session/PhienOn.h"

#include <QWidget>

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
class FormOnTap final : public QWidget {
    Q_OBJECT
public:
    using CheDo = PhienOn::CheDo;
    FormOnTap(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, const QString& hang,
              CheDo cheDo);

    // The question shown (it stays until the next one is asked for).
    int cauDangOn() const { return m_cau; }
    std::size_t conLai() const { return m_phien.con(); }
    // Answers with the option shown at place k (1..4).
    void traLoi(int viTri);
    void cauTiep();
    KhungCauHoi* khung() const { return m_khung; }

signals:
    // Closed (it is deleted next): whoever keeps it lets go.
    void daDong();
    void daDoi();  // something practised: the home window's figures follow

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void hien();
    QString tieuDe() const;

    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    qint64 m_hoSo;
    QString m_hang;
    // Set while m_phien reads the 300-question bank's history: declared first.
    bool m_lichSuHong = false;  // that history could not be read
    bool m_daBaoLoi = false;    // a failed write of the store was said
    PhienOn m_phien;
    int m_cau = 0;
    QLabel* m_con;
    QLabel* m_trong;
    KhungCauHoi* m_khung;
    QLabel* m_ketQua;
    QPushButton* m_tiep;
    QPushButton* m_dong;
};

}  // namespace thilaixe
