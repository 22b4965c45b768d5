#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace thilaixe {

class MoiTruong;
class BoChonCauHoi;
class DaiTacGia;

// What the two answer reviews share: the picture, the 30 selectors, next
// and previous, the candidate's option against the key, the exit button and
// the author strip. Only the placing differs between the two.
class FormXemLai : public QWidget {
    Q_OBJECT
public:
    struct Bo {
        QSize client;
        QRect img, frame2, frame1, cmThoat;
        QString thoat;
    };

    BoChonCauHoi* CauHoi() const { return m_cauHoi; }
    QPushButton* CM_Tiep() const { return m_cmTiep; }
    QPushButton* CM_Ve() const { return m_cmVe; }
    QPushButton* CM_Thoat() const { return m_cmThoat; }
    QLabel* Img() const { return m_img; }
    QLabel* LB_DapAn() const { return m_lbDapAn; }
    QLabel* LB_PhuongAnTL() const { return m_lbPhuongAnTL; }

    void CM_Tiep_Click();
    void CM_Ve_Click();

protected:
    FormXemLai(MoiTruong& mt, const QString& name, const Bo& bo);
    virtual void hienCau(int i) = 0;
    virtual void CM_Thoat_Click() = 0;
    // Shows slot i and gives its selector the focus.
    void diToi(int i);

    MoiTruong& m_mt;
    BoChonCauHoi* m_cauHoi;
    QPushButton* m_cmTiep;
    QPushButton* m_cmVe;
    QPushButton* m_cmThoat;
    QLabel* m_img;
    QLabel* m_lbDapAn;
    QLabel* m_lbPhuongAnTL;
    DaiTacGia* m_frTen;
};

}  // namespace thilaixe
