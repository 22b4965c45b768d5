#pragma once

#include "rules/session/PhienOn.h"

#include "screens/databank/GiaoDien.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
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
class FormNhapBangTinh;
class KhungCaiDat;
class KhungHomNay;
class KhungNgayThi;
class MoiTruong;
class SanhKiemTra;
struct NganHangMo;

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
    // Sets the learner's exam day (none: takes it off), as the box and the
    // question of the day do.
    void datNgayThi(const std::optional<QDate>& ngay);
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
    const NganHangMo& nganHang() const { return *m_nh; }
    // The import window, when it was opened.
    FormNhapBangTinh* cuaSoNhap() const;
    // "Nhập bộ câu hỏi từ bảng tính…" (Ctrl+I): the window, opened once.
    FormNhapBangTinh* nhapBangTinh();
    // Keeps the school's server for the next start (empty: none); a
    // string that cannot be read is said and not kept.
    bool chonMayChu(const QString& chuoi);
    FormBaiThi* vaoKiemTra();
    void capNhatKiemTra();
    // The figures shown (mastery, mistakes to practise) read again.
    void capNhat();

    QLabel* dongQuyTac() const { return m_dongQuyTac; }
    KhungNgayThi* khungNgayThi() const { return m_ngayThi; }
    KhungHomNay* khungHomNay() const { return m_homNay; }

signals:
    // The home and its windows closed: the program goes back to where the
    // learner came from, or ends.
    void daDong();
    // A bank brought in from a spreadsheet, to open in this home's place.
    void doiNganHang(const QString& tep);

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void hienCuaSo(QWidget* w);
    FormOnTap* moOn(PhienOn::CheDo cheDo);
    void doiHoSo();
    // The rule set of the learner's exam day, or today's.
    const BoQuyTac& quyTacHocVien() const;

    // What the change of rule set means for this learner (none: nothing to
    // say), for the line under the rule's.
    QString doiQuyTacChoHocVien(const QString& hang) const;

    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    int m_giaoDien = 0;
    QComboBox* m_hoSo;
    QPushButton* m_themHoSo;
    QComboBox* m_hang;
    QLabel* m_dongQuyTac;
    QLabel* m_quyTac;
    QLabel* m_doiQuyTac;
    KhungNgayThi* m_ngayThi;
    QLabel* m_vung;
    KhungHomNay* m_homNay;
    QLabel* m_conSai;
    KhungCaiDat* m_caiDat;
    SanhKiemTra* m_sanh = nullptr;
    QPointer<FormBaiThi> m_thi;
    QPointer<FormHocChuong> m_hoc;
    QPointer<FormOnTap> m_on;
    QPointer<FormTimCau> m_tim;
    QPointer<FormTienBo> m_tienBo;
    QPointer<FormBaiDaLam> m_baiDaLam;
    QPointer<FormGiaoVien> m_giaoVien;
    QPointer<FormNhapBangTinh> m_nhapBang;
    bool m_daBaoMayChu = false;
};

}  // namespace thilaixe
