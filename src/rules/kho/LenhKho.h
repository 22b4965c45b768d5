#pragma once

#include <QString>

namespace thilaixe {

// --export: every kept attempt (of one bank when `idNganHang` is given) and
// every practice box of the store in `thuMuc`, as JSON on standard output.
// The store is only read. 0 done (a folder with no store yet gives empty
// lists), 1 a store that cannot be read.
int lenhXuat(const QString& thuMuc, const QString& idNganHang);

}  // namespace thilaixe
