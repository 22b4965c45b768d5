#pragma once

// Changes read back from a file of held changes (--import): checked against
// the store they go into and the banks at hand, and every attempt scored
// again from its own bank, so that nothing a file says of a score, a key or
// a verdict is taken on trust.

#include "rules/databank/NganHangCauHoi.h"
#include "rules/store/ThayDoi.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace thilaixe {

// A bank at hand and its file (empty for the one built in).
struct NganHangCoSan final {
    NganHang nh;
    QString tep;
};

// Checks each change: its profile is one of `hoSo`, its bank is at hand
// (`tim` gives it by id, or null), its question is in that bank and an
// attempt's answers are options its questions have. Each attempt gets its
// keys and critical questions from the bank, its pass mark from its class's
// rule (of its rule set by id, else of the set in force the day it was
// sat) and that bank's version. False at the first fault, with the change
// and the fault (Vietnamese / English) in `loi`; `ds` is then unchanged.
bool kiemVaChamLai(std::vector<ThayDoi>& ds, const std::vector<qint64>& hoSo,
                   const std::function<const NganHangCoSan*(const QString& id)>& tim, QString* loi);

// --import FILE [--bank BANK...]: writes the changes of a file of held
// changes into the store in `thuMuc`, each at most once, every attempt
// scored again from its bank (the banks at hand there, the classic one and
// `cacTepNganHang`). 0 done, 1 nothing written (said why).
int lenhNhap(const QString& thuMuc, const QString& tep, const QStringList& cacTepNganHang);

}  // namespace thilaixe
