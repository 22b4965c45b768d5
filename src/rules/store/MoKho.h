#pragma once

// The one place a learner's store is opened: a school's server when one is
// named (signed in as its teacher, or as a learner through it), else the
// SQLite file of the working folder.

#include "rules/school/Truong.h"
#include "rules/store/KetNoiMayChu.h"
#include "rules/store/KhoHocVien.h"

#include <memory>
#include <optional>

namespace thilaixe {

std::unique_ptr<KhoHocVien> moKho(const QString& thuMuc,
                                  const std::optional<KetNoiMayChu>& mayChu = std::nullopt,
                                  const std::optional<DangNhapHocVien>& hocVien = std::nullopt);

}  // namespace thilaixe
