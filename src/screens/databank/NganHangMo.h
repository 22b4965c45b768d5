#pragma once

#include "rules/databank/NganHangCauHoi.h"
#include "rules/databank/TimKiem.h"
#include "rules/practice/LanThi.h"
#include "rules/session/KeHoach.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>

namespace thilaixe {

class KhoHocVien;
class MoiTruong;

// A data bank open in the windows: read and checked once, with the rule set
// in force today; shared by the bank's windows. The search index is made at
// the first search (a learner who never searches never pays for it).
struct NganHangMo final {
    NganHang nh;
    QString tep;     // the bank file
    QString thuMuc;  // its folder: the pictures' root
    BoQuyTac quyTac;
    std::optional<QString> baoHet;  // the rule set ends soon
    // No set is in force today: quyTac is the one that ended last, for
    // study; a paper is refused with this reason.
    QString khongCoQuyTac;
    // Rule files beside the bank that were left out or chosen between,
    // said on the home with the set used instead.
    QStringList canhBaoQuyTac;
    // The 300-question bank: its exams are kept in the history file (where
    // the exam sheet writes them), not in the store.
    bool coDien = false;

    const ChiMucTimKiem& chiMuc() const
    {
        if (!m_chiMuc)
            m_chiMuc = std::make_unique<ChiMucTimKiem>(nh);
        return *m_chiMuc;
    }

    // The rule set for a day: the one opened with (quyTac) for the day the
    // bank was opened, else chosen for that day among the same files.
    const BoQuyTac& quyTacNgay(const QDate& ngay) const;
    // The day a learner's papers follow: their exam day when set and not
    // past, else today.
    static QDate ngayQuyTac(KhoHocVien& kho, qint64 hoSo, const QDate& homNay);
    QDate ngayMo;  // the day it was opened for
    const BoQuyTac& quyTacHocVien(KhoHocVien& kho, qint64 hoSo, const QDate& homNay) const
    {
        return quyTacNgay(ngayQuyTac(kho, hoSo, homNay));
    }

    int soDiemLiet(const QuyTacHang* q = nullptr) const;
    // The critical questions a class may be given (its pool's).
    std::vector<int> cauDiemLiet(const QuyTacHang& q) const;

private:
    mutable std::unique_ptr<ChiMucTimKiem> m_chiMuc;
    mutable std::map<QDate, BoQuyTac> m_quyTacKhac;
};

// Today's plan for a learner's class: its pool and critical questions by
// the rule of the learner's exam day, their memory, their daily limit.
KeHoachNgay keHoachHomNay(MoiTruong& mt, const NganHangMo& nh, qint64 hoSo, const QString& hang);

// Reads a bank file and picks its rule set for day `ngay`; empty with the
// reason (every fault, one per line) when it cannot be used.
std::shared_ptr<NganHangMo> moNganHang(const QString& tep, const QDate& ngay, QString* loi);

// The bank the entry form's button opens: bank-2025/bank.json in the
// working folder, else the sample installed beside the program or built
// beside it. Empty when there is none.
QString timNganHangMacDinh(const MoiTruong& mt);

// The 300-question bank in the same windows, its pictures in the working
// folder.
std::shared_ptr<NganHangMo> moNganHangCoDien(const MoiTruong& mt);

// The papers the learning windows read for a bank kept outside the store:
// for the 300-question bank, the history file's exams, folded into the
// learner's practice when the file was read whole (one that cannot be read
// for a while undoes nothing, and is said once). Empty for any other bank,
// whose attempts are the store's. `hong`: the history could not be read;
// `daBao`: the window has said a failed write of the store already.
std::optional<std::vector<LanThi>> lichSuNgoaiKho(MoiTruong& mt, const NganHangMo& nh, qint64 hoSo,
                                                  bool& daBao, bool* hong = nullptr);

}  // namespace thilaixe
