#pragma once

// A teacher's window on the school's server, opened from a bank's home:
// courses and their learners (papers, scores, critical mastery, and for the
// one chosen their readiness and weakest chapters; PINs made and their
// slips printed; a roster brought from a spreadsheet), the questions a
// course misses most (each opening in study), a course's spreadsheet, the
// bank published to the server, and the course-end tests: opening one
// (every learner's paper drawn then), watching each learner live, closing
// it, printing the results sheet, a learner's own paper, and a paper for a
// yard that tests on paper. Its code is split by tab:
//   FormGiaoVien.cpp         the window, courses and learners
//   FormGiaoVienKiemTra.cpp  course-end tests and what is printed of them

#include "rules/school/Truong.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTimer;
class QTreeWidget;

namespace thilaixe {

class KhoHocVien;
class MoiTruong;
struct NganHangMo;

class FormGiaoVien final : public QWidget {
    Q_OBJECT
public:
    FormGiaoVien(MoiTruong& mt, KhoTruong& kho, std::shared_ptr<const NganHangMo> nh,
                 QWidget* parent = nullptr);

    // What the buttons do once their dialogs are answered (tests call them).
    std::optional<qint64> themKhoaHoc(const QString& ma, const QString& ten, const QString& hang);
    // A learner with a PIN the program makes (`chiSo`: eight digits), its
    // slip written to `tepPhieu`: the one place the PIN is shown.
    std::optional<qint64> themHocVien(const QString& soBaoDanh, const QString& ten, bool chiSo,
                                      const QString& tepPhieu);
    // A new PIN for the learner chosen (their account opens if locked).
    bool capLaiPin(bool chiSo, const QString& tepPhieu);
    // A roster brought in (CSV or XLSX): the count of learners made, whose
    // slips are written to `tepPhieu`.
    std::optional<int> nhapDanhSach(const QString& tepDanhSach, bool chiSo, const QString& tepPhieu);
    // The bank of this window published to the server.
    bool guiNganHang();
    std::optional<qint64> moPhien(const QString& quyTac, const QDateTime& mo, int phut);
    // Asks before the chosen session is closed; dongPhienNgay closes it.
    void dongPhien();
    bool dongPhienNgay();
    bool xuatCsv(const QString& tep);
    bool inKetQua(const QString& tep);
    // A paper for a yard by its code (seed), under the chosen session's
    // rule set (today's when none is chosen).
    bool inDe(const QString& tep, qint64 hat);
    // The live view's current learner's own paper, as the server keeps it.
    bool inLaiDe(const QString& tep);
    void chonKhoaHoc(qint64 id);
    void chonHocVien(int dong);
    // Reads the chosen course again; the courses themselves (another
    // teacher's added meanwhile); the live view every few seconds.
    void lamMoi();
    void lamMoiKhoaHoc();
    void lamMoiTinhHinh();

    qint64 khoaHoc() const;
    qint64 phien() const;
    QTreeWidget* bangHocVien() const { return m_hocVien; }
    QTreeWidget* bangCauSai() const { return m_cauSai; }
    QTreeWidget* bangTinhHinh() const { return m_tinhHinh; }
    QListWidget* dsKhoaHoc() const { return m_khoa; }
    QLabel* chiTiet() const { return m_chiTiet; }

signals:
    // A most-missed question to open in study.
    void moCau(int so);

protected:
    void changeEvent(QEvent* e) override;

private:
    void baoLoi(const QString& loi);
    void taoTrangKiemTra();
    std::optional<KhoaHoc> khoaHocDangChon() const;
    const PhienKiemTra* phienDangChon() const;
    bool inPhieu(const QString& tep, const std::vector<PinHocVien>& ds);

    MoiTruong& m_mt;
    KhoTruong& m_kho;
    KhoHocVien& m_khoHocVien;
    std::shared_ptr<const NganHangMo> m_nh;
    std::vector<KhoaHoc> m_cacKhoa;
    std::vector<HocVienKhoaHoc> m_ds;
    std::vector<PhienKiemTra> m_cacPhien;
    std::vector<TinhHinhHocVien> m_tinhHinhDs;
    QLineEdit* m_truong;
    QListWidget* m_khoa;
    QTabWidget* m_tab;
    QTreeWidget* m_hocVien;
    QLabel* m_chiTiet;
    QTreeWidget* m_cauSai;
    QComboBox* m_phien = nullptr;
    QLabel* m_dongPhien = nullptr;
    QTreeWidget* m_tinhHinh = nullptr;
    QTimer* m_timer;
};

}  // namespace thilaixe
