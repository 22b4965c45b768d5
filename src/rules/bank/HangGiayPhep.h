#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

namespace thilaixe {

// A licence class: its name, the time allowed for the exam and the pass
// mark (the exam is passed with more right answers than this).
struct HangGiayPhep final {
    QLatin1String ten;
    int phut;
    int diemDat;
    // Fewest right answers that pass.
    constexpr int itNhatDeDat() const { return diemDat + 1; }
    constexpr bool dat(int soDung) const { return soDung >= itNhatDeDat(); }
};

// The five classes, in the order the class field's clicks cycle through.
inline constexpr std::array<HangGiayPhep, 5> kCacHang{{
    {QLatin1String("B1"), 25, 25},
    {QLatin1String("B2"), 25, 25},
    {QLatin1String("C"), 25, 27},
    {QLatin1String("D"), 20, 27},
    {QLatin1String("E"), 20, 27},
}};

// The class named exactly `hang` (upper case), or nullptr.
const HangGiayPhep* timHang(const QString& hang);

}  // namespace thilaixe
