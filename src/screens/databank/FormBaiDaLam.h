#pragma once

#include "rules/store/KhoHocVien.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QTreeWidget;

namespace thilaixe {

class FormBaiThi;
class MoiTruong;
struct NganHangMo;

// Every attempt a learner kept of a bank, newest first: when, class, kind
// (a paper or a short test), score and verdict. Enter or a double-click
// opens its review.
class FormBaiDaLam final : public QWidget {
    Q_OBJECT
public:
    FormBaiDaLam(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo);
    QTreeWidget* danhSach() const { return m_ds; }
    // Reads the store again.
    void napLai();
    // Opens the review of the attempt in row `dong` (none: said why).
    FormBaiThi* mo(int dong);

signals:
    void thiLai(const QString& hang);
    // A review was opened (whoever shows windows gives it the theme).
    void daMo(QWidget* w);

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    qint64 m_hoSo;
    std::vector<BaiLam> m_baiLam;  // as listed
    QLabel* m_dem;
    QTreeWidget* m_ds;
    QPointer<FormBaiThi> m_xem;
};

}  // namespace thilaixe
