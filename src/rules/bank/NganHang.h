#pragma once

// The working folder: where the question pictures and the history are, and
// how a new user gets a working one.

#include <QFileDevice>
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

// The message shown at start when pictures are missing or the folder could
// not be made ready: the folder, why it could not be made ready, what was
// looked for, and how a school puts its pictures there.
QString thongBaoThieuNganHang(const QString& thuMuc, const QStringList& thieu,
                              const QString& loiChuanBi = {});

// Marks a folder that the program filled with the sample bank.
inline const QString kTepDauMau = QStringLiteral(".thilaixe-anh-mau");
inline const QByteArray kNoiDungDauMau =
    QByteArrayLiteral("The question pictures of this folder were put here by thilaixe as samples.\n");

// Makes a per-user folder ready: on first start the pictures from the
// installed sample bank `banCaiDat` when it is whole, or drawn here; at a
// later start, the sample pictures still missing (a first start cut short
// by a full disk). Each picture is written whole or not at all. An empty
// history when there is none. What is already there is kept, and a folder
// that holds other pictures is never filled up with samples. False, with a
// reason in Vietnamese, when the folder cannot be made ready.
bool chuanBiThuMuc(const QString& thuMuc, const QString& banCaiDat, QString* loi = nullptr);

// Draws the sample bank into a folder: each picture shows its number, its
// section and numbered placeholder options, marked as a sample. It never
// shows the key.
bool veNganHangMau(const QString& thuMuc, QString* loi = nullptr);

}  // namespace thilaixe
