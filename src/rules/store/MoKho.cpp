#include "rules/store/MoKho.h"

#include "rules/store/HopThuDi.h"
#include "rules/store/KhoMayChu.h"
#include "rules/store/KhoSqlite.h"

#include <QDir>

namespace thilaixe {

std::unique_ptr<KhoHocVien> moKho(const QString& thuMuc, const std::optional<KetNoiMayChu>& mayChu,
                                  const std::optional<DangNhapHocVien>& hocVien)
{
    if (mayChu)
        return std::make_unique<KhoMayChu>(*mayChu, QDir(thuMuc).filePath(kTepHopThu), hocVien);
    return std::make_unique<KhoSqlite>(QDir(thuMuc).filePath(kTepKho));
}

}  // namespace thilaixe
