#pragma once

// Signing in to a school's server at a lab computer: a learner gives the
// course, their candidate number and the PIN the teacher gave; a teacher
// (whose role the connection string names) gives the role's password when
// ~/.pgpass has none. Nothing typed here is written to disk.

#include "rules/school/Truong.h"
#include "rules/store/KetNoiMayChu.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace thilaixe {

class FormDangNhap final : public QDialog {
    Q_OBJECT
public:
    // `k` without a user, or the lab's role: a learner's sign-in; with a
    // teacher's: its password.
    // `loi`: why the last try failed, shown above the fields.
    // `khoaHoc`, `soBaoDanh`: as typed at the last try (only the PIN is
    // typed again).
    // `coTheBo`: the server was chosen on this computer's home; a button
    // goes back to the computer's own data (exec() gives kKhongDungMayChu).
    FormDangNhap(const KetNoiMayChu& k, const QString& loi, const QString& khoaHoc = {},
                 const QString& soBaoDanh = {}, bool coTheBo = false, QWidget* parent = nullptr);
    static constexpr int kKhongDungMayChu = 2;
    // The connection to try, once accepted, and a learner's sign-in.
    KetNoiMayChu ketNoi() const;
    std::optional<DangNhapHocVien> hocVien() const;
    static bool laHocVien(const KetNoiMayChu& k);
    QString khoaHoc() const;
    QString soBaoDanh() const;

private:
    void thu();

    KetNoiMayChu m_k;
    bool m_hocVien;
    QLineEdit* m_khoaHoc = nullptr;
    QLineEdit* m_soBaoDanh = nullptr;
    QLineEdit* m_pin = nullptr;
    QLabel* m_loi = nullptr;
};

}  // namespace thilaixe
