#include "rules/common/BoundedArray.h"

#include <QtGlobal>

namespace thilaixe {

void reportIndexError(const char* what, long long index, std::size_t size)
{
    qCritical("internal error: index %lld outside %s of %zu elements", index, what, size);
    Q_ASSERT_X(false, "BoundedArray", "index out of bounds");
}

} // namespace thilaixe
