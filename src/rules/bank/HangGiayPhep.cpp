#include "rules/bank/HangGiayPhep.h"

namespace thilaixe {

const HangGiayPhep* timHang(const QString& hang)
{
    for (const HangGiayPhep& h : kCacHang)
        if (hang == h.ten)
            return &h;
    return nullptr;
}

}  // namespace thilaixe
