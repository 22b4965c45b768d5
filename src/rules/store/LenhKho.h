#pragma once

#include <QString>

namespace thilaixe {

// --export: every kept attempt (of one bank when `idNganHang` is given) and
// every practice box of the store in `thuMuc`, as JSON on standard output.
// The store is only read. 0 done (a folder with no store yet gives empty
// lists), 1 a store that cannot be read or a bank id that matches nothing
// kept. What the reader must know (a damaged -wal) goes to standard error.
int lenhXuat(const QString& thuMuc, const QString& idNganHang);

// --setup-server CONNINFO: creates or upgrades the schema, roles and rights
// on a school's server, saying what it did. A password not in ~/.pgpass is
// asked once on the terminal (never echoed, never kept). 0 done, 1 not.
int lenhCaiDatMayChu(const QString& chuoiKetNoi);

}  // namespace thilaixe
