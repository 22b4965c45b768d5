#pragma once

// What the SQLite store's files share among themselves; no one else.

#include <QString>

namespace thilaixe::kho_sqlite {

// A free name beside a file: `goc`, or with -2, -3... added.
QString tenTrong(const QString& goc);

}  // namespace thilaixe::kho_sqlite
