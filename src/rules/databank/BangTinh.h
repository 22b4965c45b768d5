#pragma once

// A spreadsheet a school keeps (CSV, XLSX, ODS) read as its first sheet's
// rows of cells, with the pictures pasted into it and where each is
// anchored. Read with well-kept libraries (QuaZip for the zip container,
// QXmlStreamReader for the XML), within bounds: a sheet that would unpack
// past them, or is no sheet at all, is refused with why.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace thilaixe {

struct OBangTinh final {
    QString chu;                // the text shown (a formula's cached value)
    bool congThuc = false;      // the cell holds a formula
    bool trongVungGop = false;  // inside a merged range, not its first cell
    bool dauVungGop = false;    // the first cell of a merged range
};

struct AnhBangTinh final {
    int dong = 0, cot = 0;  // the cell it is anchored at (from 0)
    QString ten;            // its name inside the sheet's file
    QByteArray du;          // its bytes
};

struct BangTinh final {
    std::vector<std::vector<OBangTinh>> dong;  // rows, from 0
    std::vector<AnhBangTinh> anh;
    const OBangTinh* o(int d, int c) const
    {
        if (d < 0 || d >= static_cast<int>(dong.size()) || c < 0
            || c >= static_cast<int>(dong[static_cast<std::size_t>(d)].size()))
            return nullptr;
        return &dong[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)];
    }
};

// The bounds: a school's real sheet of 600 questions with 600 pictures is
// some tens of MB.
constexpr qint64 kBangTinhToiDa = qint64{200} * 1024 * 1024;    // the file
constexpr qint64 kXmlBangTinhToiDa = qint64{32} * 1024 * 1024;  // a sheet's XML, unpacked
constexpr qint64 kAnhBangTinhToiDa = qint64{20} * 1024 * 1024;  // one picture, unpacked
constexpr qint64 kGiaiNenToiDa = qint64{400} * 1024 * 1024;     // all of it, unpacked
constexpr int kDongBangTinhToiDa = 20000;
constexpr int kCotBangTinhToiDa = 64;

enum class DangBangTinh { Csv, Xlsx, Ods };
// The kind a file's name says (".csv", ".xlsx", ".ods"), if any.
std::optional<DangBangTinh> dangTheoTen(const QString& tep);

// Reads a sheet from a file; `tienDo(n, tong)` is told as its pictures are
// read. Nothing, with why (Vietnamese / English), when it cannot be read.
std::optional<BangTinh> docBangTinh(const QString& tep, QString* loi,
                                    const std::function<void(int, int)>& tienDo = {});
// The same from bytes (the fuzz target's way in).
std::optional<BangTinh> docBangTinh(const QByteArray& noiDung, DangBangTinh dang, QString* loi,
                                    const std::function<void(int, int)>& tienDo = {});

// A column's letters as a spreadsheet names it (0: "A", 26: "AA").
QString tenCot(int cot);

}  // namespace thilaixe
