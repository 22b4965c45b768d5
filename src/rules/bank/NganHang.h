#pragma once

// The working folder: where the question pictures and the history are, and
// how a new user gets a working one.

#include <QString>
#include <QStringList>

#include <optional>

namespace thilaixe {

// Where the working folder came from, in the order it is looked for.
enum class NguonThuMuc {
    DongLenh,        // --data DIR
    BienMoiTruong,   // THILAIXE_DATA
    ThuMucHienTai,   // the current folder, when it holds 001.jpg
    ThuMucNguoiDung  // the per-user folder (filled on first start)
};

struct ThuMucDuLieu final {
    QString duongDan;
    NguonThuMuc nguon;
};

// Picks the working folder: the command line, then the environment, then
// the current folder if it holds 001.jpg, then the per-user folder.
ThuMucDuLieu chonThuMucDuLieu(const std::optional<QString>& dongLenh, const QString& bienMoiTruong,
                              const QString& hienTai, const QString& nguoiDung);

// The picture names of the bank (001.jpg .. 300.jpg) missing from a folder.
QStringList anhConThieu(const QString& thuMuc);

// The message shown at start when pictures are missing: the folder, what
// was looked for, and how a school puts its pictures there.
QString thongBaoThieuNganHang(const QString& thuMuc, const QStringList& thieu);

// Makes a per-user folder ready on first start: the pictures from the
// installed sample bank `banCaiDat` when it has them, or drawn here; an
// empty history when there is none. What is already there is kept. False,
// with a reason, when the folder cannot be made ready.
bool chuanBiThuMuc(const QString& thuMuc, const QString& banCaiDat, QString* loi = nullptr);

// Draws the sample bank into a folder: each picture shows its number, its
// section and numbered placeholder options, marked as a sample. It never
// shows the key.
bool veNganHangMau(const QString& thuMuc, QString* loi = nullptr);

}  // namespace thilaixe
