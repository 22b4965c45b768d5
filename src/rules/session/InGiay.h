#pragma once

// What a school prints for a course-end test, as PDF: the results sheet to
// sign, and a paper for a yard that still tests on paper, with its answer
// sheet on a page of its own.

#include "rules/databank/NganHangCauHoi.h"
#include "rules/school/Truong.h"

#include <QDate>
#include <QString>

#include <vector>

namespace thilaixe {

struct DauBangKetQua final {
    QString truong, maKhoaHoc, tenKhoaHoc, hang, quyTac;
    QDate ngay;
};

// One line per learner: candidate number, name, right, wrong, the critical
// questions missed, the verdict; then the signature lines. False with why.
bool inBangKetQua(const QString& tep, const DauBangKetQua& dau, const std::vector<TinhHinhHocVien>& ds,
                  QString* loi);

// A slip for each learner with their new PIN, to hand out: the one place a
// PIN is ever shown. False with why.
bool inPhieuPin(const QString& tep, const QString& truong, const KhoaHoc& k,
                const std::vector<PinHocVien>& ds, QString* loi);

// The questions of `de` with their options and pictures (from the bank's
// folder `thuMuc`), and the key on a page of its own. `ma`: the paper's
// code, as the answer sheet names it.
bool inDeGiay(const QString& tep, const NganHang& nh, const QString& thuMuc, const QuyTacHang& q,
              const DeThi& de, const QString& truong, const QString& ma, QString* loi);

}  // namespace thilaixe
