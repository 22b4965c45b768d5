#pragma once

#include "rules/session/PhienOn.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QSpinBox;
class QLabel;
class QPushButton;

namespace thilaixe {

struct BoQuyTac;
class FormHocChuong;
class FormOnTap;
class FormBaiThi;
class FormTienBo;
class FormBaiDaLam;
class FormTimCau;
class FormGiaoVien;
class MoiTruong;
struct NganHangMo;

// Applies a theme to a window: 0 the desktop's, 1 light, 2 dark, 3 high
// contrast. Meanings never rest on colour alone in these windows.
void apDungGiaoDien(QWidget* w, int giaoDien);

// The home of a data bank: what the bank is, who is learning (profiles),
// the class and its rule in one line, and every action one click or one
// key away. It opens the bank's other windows and is their way back.
class FormNganHang final : public QWidget {
    Q_OBJECT
public:
    FormNganHang(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, const QString& hang = {});
    // The bank's windows still open go with it.
    ~FormNganHang() override;

    QString hang() const;
    qint64 hoSo() const;
    void chonHang(const QString& hang);
    // Adds a learner (or picks the one of that name) and switches to them.
    bool themNguoiHoc(const QString& ten);
    void datGiaoDien(int giaoDien);

    // The actions.
    FormBaiThi* thiThu();
    FormHocChuong* hocTheoChuong(int cau = 0);
    FormOnTap* onCauSai();
    FormOnTap* onDiemLiet();
    // Today's plan ("Hôm nay").
    FormOnTap* moHomNay();
    FormTimCau* timCauHoi();
    FormTienBo* tienBo();
    // Every kept attempt, each opening its review.
    FormBaiDaLam* baiDaLam();
    // A short test of ten of `nguon`, titled by `ten`; the sources the
    // menu offers: each chapter of the class's pool, the mistakes list and
    // the saved questions.
    struct NguonBaiNgan final {
        QString ten;
        std::vector<int> cau;
    };
    std::vector<NguonBaiNgan> nguonBaiNgan();
    FormBaiThi* baiNgan(const std::vector<int>& nguon, const QString& ten);
    // A drill of the saved questions.
    FormOnTap* onDaLuu();
    // On a school's server: a teacher's window of courses and course-end
    // tests; a learner's course-end test paper, when one is open for
    // their course (said on the home, read again every few seconds).
    FormGiaoVien* quanLy();
    // Keeps the school's server for the next start (empty: none); a
    // string that cannot be read is said and not kept.
    bool chonMayChu(const QString& chuoi);
    FormBaiThi* vaoKiemTra();
    void capNhatKiemTra();
    // The figures shown (mastery, mistakes to practise) read again.
    void capNhat();

    QLabel* dongQuyTac() const { return m_dongQuyTac; }

signals:
    // The home and its windows closed: the program goes back to where the
    // learner came from, or ends.
    void daDong();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void hienCuaSo(QWidget* w);
    FormOnTap* moOn(PhienOn::CheDo cheDo);
    void doiHoSo();
    void doiNgayThi();
    // The rule set of the learner's exam day, or today's.
    const BoQuyTac& quyTacHocVien() const;

    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    int m_giaoDien = 0;
    QComboBox* m_hoSo;
    QComboBox* m_hang;
    QLabel* m_dongQuyTac;
    QLabel* m_quyTac;
    QCheckBox* m_coNgayThi;
    QDateEdit* m_ngayThi;
    QLabel* m_dongNgayThi;
    QLabel* m_vung;
    QLabel* m_homNay;
    QSpinBox* m_gioiHan;
    QComboBox* m_donViGioiHan;
    QLabel* m_conSai;
    QComboBox* m_chonGiaoDien;
    QCheckBox* m_amBao;
    QCheckBox* m_dao;
    QPointer<FormBaiThi> m_thi;
    QPointer<FormHocChuong> m_hoc;
    QPointer<FormOnTap> m_on;
    QPointer<FormTimCau> m_tim;
    QPointer<FormTienBo> m_tienBo;
    QPointer<FormBaiDaLam> m_baiDaLam;
    QPointer<FormGiaoVien> m_giaoVien;
    QLabel* m_kiemTra = nullptr;
    QPushButton* m_vaoKiemTra = nullptr;
    bool m_daBaoMayChu = false;
};

}  // namespace thilaixe
