#pragma once

#include "rules/databank/NhapNganHang.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QThread;

namespace thilaixe {

class MoiTruong;

// "Nhập bộ câu hỏi từ bảng tính…": a school's sheet brought in as a bank.
// The sheet, where its pictures are when they are not pasted in, and the
// folder the bank goes to; the import runs off the window's thread with a
// progress bar; its faults listed by row, each opening the text of its
// row's question; on success the bank opens at once in the home's place,
// this window over it with what was done, and a teacher at a school can
// publish it to the server from here.
class FormNhapBangTinh final : public QDialog {
    Q_OBJECT
public:
    FormNhapBangTinh(QWidget* cha, MoiTruong& mt);
    ~FormNhapBangTinh() override;

    void datBangTinh(const QString& tep);
    QString bangTinh() const;
    void datThuMucAnh(const QString& thuMuc);
    void datThuMucRa(const QString& thuMuc);
    // Starts the import (asking first when a bank is there to replace).
    void nhap();
    bool dangChay() const { return m_chay != nullptr; }
    // What an import gave, as its end shows it; `daMo`: its bank is the
    // one open now (the window over the home that replaced the old one).
    void hienKetQua(const KetQuaNhap& kq, bool daMo);
    const KetQuaNhap& ketQua() const { return m_kq; }

signals:
    void daXong();
    // The bank brought in, to open in place of the one on the home.
    void moNganHang(const QString& tep);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void chay();
    void xong();
    void hienDong(int dong);
    bool guiMayChu();

    MoiTruong& m_mt;
    QLineEdit* m_bangTinh;
    QLineEdit* m_anh;
    QLineEdit* m_ra;
    QProgressBar* m_tienDo;
    QLabel* m_trangThai;
    QListWidget* m_loi;
    QLabel* m_noiDung;
    QPushButton* m_nhap;
    QPushButton* m_mo;
    QPushButton* m_gui = nullptr;
    QThread* m_chay = nullptr;
    KetQuaNhap m_kq;
};

}  // namespace thilaixe
