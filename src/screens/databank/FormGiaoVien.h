#pragma once

// A teacher's window on the school's server, opened from a bank's home:
// courses and their learners (papers, scores, critical mastery, and for the
// one chosen their readiness and weakest chapters), the questions a course
// misses most (each opening in study), a course's spreadsheet, and the
// course-end tests: opening one, watching each learner live, closing it,
// printing the results sheet and a paper for a yard that tests on paper.

#include "rules/store/KhoMayChu.h"

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

class MoiTruong;
struct NganHangMo;

class FormGiaoVien final : public QWidget {
    Q_OBJECT
public:
    FormGiaoVien(MoiTruong& mt, KhoMayChu& kho, std::shared_ptr<const NganHangMo> nh,
                 QWidget* parent = nullptr);

    // What the buttons do once their dialogs are answered (tests call them).
    std::optional<qint64> themKhoaHoc(const QString& ma, const QString& ten, const QString& hang);
    std::optional<qint64> themHocVien(const QString& soBaoDanh, const QString& ten, const QString& pin);
    std::optional<qint64> moPhien(const QString& quyTac, const QDateTime& mo, int phut);
    bool dongPhien();
    bool xuatCsv(const QString& tep);
    bool inKetQua(const QString& tep);
    bool inDe(const QString& tep, qint64 hat);
    void chonKhoaHoc(qint64 id);
    void chonHocVien(int dong);
    // Reads the chosen course again; the live view every few seconds.
    void lamMoi();
    void lamMoiTinhHinh();

    qint64 khoaHoc() const;
    qint64 phien() const;
    QTreeWidget* bangHocVien() const { return m_hocVien; }
    QTreeWidget* bangCauSai() const { return m_cauSai; }
    QTreeWidget* bangTinhHinh() const { return m_tinhHinh; }
    QLabel* chiTiet() const { return m_chiTiet; }

signals:
    // A most-missed question to open in study.
    void moCau(int so);

private:
    void baoLoi(const QString& loi);
    std::optional<KhoaHoc> khoaHocDangChon() const;

    MoiTruong& m_mt;
    KhoMayChu& m_kho;
    std::shared_ptr<const NganHangMo> m_nh;
    std::vector<KhoaHoc> m_cacKhoa;
    std::vector<HocVienKhoaHoc> m_ds;
    std::vector<PhienKiemTra> m_cacPhien;
    QLineEdit* m_truong;
    QListWidget* m_khoa;
    QTabWidget* m_tab;
    QTreeWidget* m_hocVien;
    QLabel* m_chiTiet;
    QTreeWidget* m_cauSai;
    QComboBox* m_phien;
    QLabel* m_dongPhien;
    QTreeWidget* m_tinhHinh;
    QTimer* m_timer;
};

}  // namespace thilaixe
