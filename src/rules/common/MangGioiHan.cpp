#include "rules/common/MangGioiHan.h"

#include <QtGlobal>

namespace thilaixe {

void baoLoiChiSo(const char* what, long long index, std::size_t size)
{
    qCritical("internal error: index %lld outside %s of %zu elements", index, what, size);
    Q_ASSERT_X(false, "MangGioiHan", "index out of bounds");
}

}  // namespace thilaixe
