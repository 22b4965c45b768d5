#pragma once

#include <QWidget>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace thilaixe {

class KhungCauHoi;
class MoiTruong;
struct NganHangMo;

// Studying a data bank: a chapter (or the whole bank) in order or shuffled,
// the key and the explanation on demand (or once an option is tried).
class FormHocChuong final : public QWidget {
    Q_OBJECT
public:
    FormHocChuong(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh);

    // Shows question `so` of the whole bank.
    void moCau(int so);
    // 0: the whole bank; else a chapter's place in the bank's list + 1.
    void chonChuong(int chiSo);
    void datDao(bool dao);
    void denViTri(int i);
    void xemDapAn();
    void thu(int viTri);

    int cauDangXem() const;
    const std::vector<int>& danhSach() const { return m_ds; }
    bool dangHienDapAn() const { return m_hienDapAn; }
    KhungCauHoi* khung() const { return m_khung; }

private:
    void napDanhSach();
    void hien();

    MoiTruong& m_mt;
    bool m_daBaoLoi = false;  // a failed write of the store said already
    std::shared_ptr<const NganHangMo> m_nh;
    std::vector<int> m_ds;
    int m_i = 0;
    int m_chon = 0;
    bool m_hienDapAn = false;
    QComboBox* m_chuong;
    QCheckBox* m_dao;
    KhungCauHoi* m_khung;
    QPushButton* m_truoc;
    QPushButton* m_sau;
    QPushButton* m_dapAn;
};

}  // namespace thilaixe
