#pragma once

// A sheet written for a spreadsheet program: CSV, XLSX (libxlsxwriter) or
// ODS (its XML zipped with QuaZip), pictures anchored in their cells. The
// bytes are made in memory and put in place by the platform's one writer.

#include "rules/databank/BangTinh.h"

#include <QSet>
#include <QStringList>

namespace thilaixe {

// A check a spreadsheet makes of what is typed in a column (XLSX only).
struct KiemTraCot final {
    int cot = 0;
    QStringList danhSach;  // one of these; when empty, a whole number in [tu, den]
    int tu = 0, den = 0;
    QString tieuDe, thongBao;
};

struct BangGhi final {
    QString tenTrang;
    std::vector<QStringList> dong;
    std::vector<AnhBangTinh> anh;  // each shown in its cell, its bytes kept whole
    int dongTieuDe = -1;           // the header row: bold, and the rows above it frozen with it
    QSet<int> cotSo;               // columns whose whole numbers are written as numbers
    std::vector<int> doRong;       // column widths, in characters
    std::vector<KiemTraCot> kiemTra;
};

// A field of a CSV file as a spreadsheet reads it back: quoted when it
// holds a line break, a quote or a comma; one a spreadsheet would take for
// a formula (=, +, - or @ first, after blanks or control characters) kept
// as text by a leading apostrophe.
QString oCsv(const QString& s);
// Whether a CSV field read back had that apostrophe put before it.
bool laOCsvDaGiu(const QString& s);

QByteArray ghiCsv(const BangGhi& b);
std::optional<QByteArray> ghiXlsx(const BangGhi& b, QString* loi);
std::optional<QByteArray> ghiOds(const BangGhi& b, QString* loi);
// Writes the sheet in the kind its name says.
bool ghiBangTinh(const QString& tep, const BangGhi& b, QString* loi);

}  // namespace thilaixe
