#pragma once

// A bank kept in a school's spreadsheet, one row per question, brought in
// as bank.json and its pictures, and written back. docs/bank-format.md
// describes the columns.

#include "rules/databank/BangTinhGhi.h"
#include "rules/databank/NganHangCauHoi.h"

#include <QDate>
#include <QStringList>

#include <functional>
#include <map>

namespace thilaixe {

// The columns, in the order the program writes them.
enum class CotNganHang {
    So,
    Chuong,
    DiemLiet,
    NoiDung,
    PhuongAn1,
    PhuongAn2,
    PhuongAn3,
    PhuongAn4,
    DapAn,
    Anh,
    GiaiThich,
    Meo,
    VanBan,
    Dieu,
    Nhom,
    SoPhuongAn,
};
constexpr int kSoCotNganHang = 16;
// The header the program writes for a column.
QString tieuDeCot(CotNganHang c);

// One fault of a sheet: its row (from 1; 0 for the sheet as a whole) and
// column (from 0; -1 for the row as a whole).
struct LoiNhap final {
    int dong = 0;
    int cot = -1;
    QString tenCot;  // the header of that column, when it has one
    QString tiengViet, tiengAnh;
    QString chu() const;
};

struct YeuCauNhap final {
    QString bangTinh;   // .xlsx, .ods or .csv
    QString thuMucAnh;  // pictures named in the sheet; empty: beside the sheet
    QString thuMucRa;   // bank.json and images/ go here
    QDate ngay;         // the rule set of this day checks the bank
};

struct KetQuaNhap final {
    std::vector<LoiNhap> loi;  // when any: nothing was written
    QStringList canhBao;       // what was assumed (a default, a row left out)
    QString tepNganHang;       // the bank written
    int soCau = 0, soAnh = 0;
    std::map<int, QString> noiDungDong;  // each question row's text, by row
    bool duoc() const { return loi.empty() && !tepNganHang.isEmpty(); }
};

// Reads the sheet, writes the bank in a folder of its own beside the
// output, checks it as --check-bank does (its pictures decoded, every
// class of the rule set drawn) and only then puts it in place of the
// output folder (a school's rule files there are kept). `tienDo(n, tong)`
// is told as pictures are read and written.
KetQuaNhap nhapNganHang(const YeuCauNhap& yc, const std::function<void(int, int)>& tienDo = {});

// The sheet of a bank: a block of the bank's details, the header, a row per
// question; its pictures in their rows when `nhungAnh`.
std::optional<BangGhi> bangCuaNganHang(const NganHang& nh, const QString& thuMuc, bool nhungAnh,
                                       QString* loi);
// A blank sheet to fill: the header, frozen; the key and the chapter
// checked as they are typed; two rows marked as samples.
BangGhi bangMau();

// The command line: each prints what it did or every fault, and gives the
// exit code (0 done, 1 a fault, 2 bad arguments).
int lenhNhapNganHang(const YeuCauNhap& yc);
int lenhXuatNganHang(const QString& tepNganHang, const QString& tepRa);
int lenhMauNganHang(const QString& tepRa);

}  // namespace thilaixe
