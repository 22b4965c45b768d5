#pragma once

// A driving school's part of the program: its courses and learners, its
// course-end tests, and the bank it publishes to its server. The values
// here, and KhoTruong, what the program asks of a school's store; a store on
// a home computer has none (KhoHocVien::truong() is null).

#include "rules/databank/BangTinh.h"
#include "rules/databank/NganHangCauHoi.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace thilaixe {

// A school's course, with how many learners it has.
struct KhoaHoc final {
    qint64 id = 0;
    QString ma, ten, hang;
    int soHocVien = 0;
};

// What a teacher may type, and a roster may hold: longer is refused.
constexpr int kMaKhoaToiDa = 20;
constexpr int kTenKhoaToiDa = 100;
constexpr int kSoBaoDanhToiDa = 20;
constexpr int kTenHocVienToiDa = 100;

// A learner of a course as the teacher's list shows them: their papers of
// one bank and class (short tests aside), and their critical questions
// answered right on enough days.
struct HocVienKhoaHoc final {
    qint64 hoSo = 0;
    QString soBaoDanh, ten;
    int soBai = 0, soDat = 0;
    std::optional<int> diemCuoi, diemCao;  // right answers
    int soCauCuoi = 0;                     // questions of the last paper
    int diemLietVung = 0;
};

// A course-end test session.
struct PhienKiemTra final {
    qint64 id = 0, khoaHoc = 0;
    QString hang, quyTac, nganHang;
    QDateTime mo;  // when it opens
    int phut = 0;  // how long a learner has, from their start
    std::optional<QDateTime> dong;
    QString maNganHang;  // the published bank it is sat on (its SHA-256)
    bool daDong() const { return dong.has_value(); }
};

// One learner in a session, as the teacher's live view shows them.
struct TinhHinhHocVien final {
    enum class TrangThai { ChuaCoDe, ChuaBatDau, DangLam, DaNop, DaDongChuaNop };
    qint64 hoSo = 0;
    QString soBaoDanh, ten;
    TrangThai trangThai = TrangThai::ChuaBatDau;
    qint64 hat = 0;     // the seed of their paper (0: none drawn)
    int o = 0;          // the slot they are on (from 0)
    int conGiay = 0;    // time left when last heard from (-1: not yet)
    int giayTruoc = 0;  // how long ago that was
    int dung = 0, soCau = 0;
    bool dat = false;
    std::vector<int> lietSai;  // critical questions missed
};

// A learner's paper in a session, as the server keeps it: drawn from its
// seed before the session opened, with the answers given so far (after a
// restart of the lab computer).
struct BaiCuaPhien final {
    qint64 hat = 0;
    DeThi de;
    std::vector<int> traLoi;
    bool daNop = false;
    int giayDaQua = 0;  // since it was started, by the server's clock
    int phut = 0;
};

// A question of a course's papers and how often it was missed.
struct CauSaiNhieu final {
    int cau = 0;
    int soSai = 0, soLan = 0;
};

// A learner signing in at a lab computer.
struct DangNhapHocVien final {
    QString khoaHoc, soBaoDanh, pin;
};

// How a sign-in went.
enum class KetQuaDangNhap { Xong, SaiPin, BiKhoa, DangMoNoiKhac, KhongToi };

// A bank as it is published: its file's bytes (their SHA-256 names it), the
// bank read from them, its pictures by path, and the rule sets it is drawn
// by (the file of each, and whether it is built in).
struct NganHangGui final {
    QByteArray json;
    QString sha256;
    NganHang nh;
    std::map<QString, QByteArray> anh;
    struct BoGui {
        BoQuyTac bo;
        QByteArray json;
        bool caiSan = false;
    };
    std::vector<BoGui> boQuyTac;
};

// A learner of a roster a school brings (a spreadsheet, one row each).
struct HocVienMoi final {
    QString soBaoDanh, ten;
    QDate ngaySinh;  // invalid when not given
};
// Reads a roster: a header row naming the columns (candidate number and
// full name; date of birth optional), in Vietnamese or English, in any
// order; then a learner a row (empty rows skipped). Nothing, with every
// fault by row and column, when it cannot be used.
std::optional<std::vector<HocVienMoi>> docDanhSachHocVien(const QString& tep, QString* loi);

// A generated PIN and who it is for, for the sheet handed out.
struct PinHocVien final {
    QString soBaoDanh, ten, pin;
};

class KhoTruong {
public:
    virtual ~KhoTruong() = default;

    // A teacher's sign-in (reads and sends everyone's).
    virtual bool laGiaoVien() const = 0;
    // How a learner's sign-in went, and for a lock how long it has left.
    virtual KetQuaDangNhap ketQuaDangNhap() const = 0;
    virtual int giayConKhoa() const = 0;

    // The school's own settings (its name on what is printed).
    virtual QString caiDatChung(const QString& khoa, const QString& macDinh) = 0;
    virtual bool datCaiDatChung(const QString& khoa, const QString& giaTri, QString* loi = nullptr) = 0;

    // The bank lab computers take: the last one published (its SHA-256).
    virtual std::optional<QString> nganHangHienHanh() = 0;
    // Publishes a bank (a teacher's): true when done.
    virtual bool guiNganHang(const NganHangGui& g, QString* loi = nullptr) = 0;
    // The published bank `sha256` as files: bank.json, its pictures and its
    // rule sets (not the built-in ones), each checked by its digest.
    virtual std::optional<NganHangGui> layNganHang(const QString& sha256, QString* loi = nullptr) = 0;

    // Courses and learners. A learner's PIN: a new learner needs one; one
    // already there keeps theirs unless `pin` is given.
    virtual std::vector<KhoaHoc> cacKhoaHoc() = 0;
    virtual std::optional<qint64> themKhoaHoc(const QString& ma, const QString& ten, const QString& hang,
                                              QString* loi = nullptr) = 0;
    virtual std::optional<qint64> themHocVien(qint64 khoaHoc, const QString& soBaoDanh, const QString& ten,
                                              const std::optional<QString>& pin, const QDate& ngaySinh = {},
                                              QString* loi = nullptr) = 0;
    // `soNgayThuoc`: the days right that make a critical question mastered.
    virtual std::vector<HocVienKhoaHoc> hocVienCuaKhoa(qint64 khoaHoc, const QString& nganHang,
                                                       const QString& hang, int soNgayThuoc) = 0;
    virtual std::vector<CauSaiNhieu> cauSaiNhieu(qint64 khoaHoc, const QString& nganHang, int soToiDa) = 0;

    // Course-end tests. A teacher opens a session (on a published bank),
    // draws each learner's paper (datDe) and closes it; closing ends the
    // papers still open (each lab computer hands its paper in as at a
    // time-out) and no one may start one after.
    virtual std::optional<qint64> moPhien(const PhienKiemTra& p, QString* loi = nullptr) = 0;
    virtual bool datDe(qint64 phien, qint64 hoSo, qint64 hat, const DeThi& de, QString* loi = nullptr) = 0;
    virtual bool dongPhien(qint64 phien, QString* loi = nullptr) = 0;
    virtual std::vector<PhienKiemTra> cacPhien(qint64 khoaHoc) = 0;
    virtual std::optional<PhienKiemTra> phien(qint64 id) = 0;
    virtual std::vector<TinhHinhHocVien> tinhHinh(qint64 phien) = 0;
    // A learner's paper as the server keeps it, for a teacher to print.
    virtual std::optional<BaiCuaPhien> deCuaHocVien(qint64 phien, qint64 hoSo) = 0;

    // A learner's: the session of their course open now, if any; their
    // paper in it (begun now, or as it was left); where it stands (false
    // when it may no longer be handed in: hand it in now).
    virtual std::optional<PhienKiemTra> phienDangMo() = 0;
    virtual std::optional<BaiCuaPhien> batDauPhien(qint64 phien, QString* loi = nullptr) = 0;
    virtual bool baoTienDo(qint64 phien, int o, int conGiay, const std::vector<int>& traLoi) = 0;

protected:
    KhoTruong() = default;
    KhoTruong(const KhoTruong&) = delete;
    KhoTruong& operator=(const KhoTruong&) = delete;
};

// A course's list as a spreadsheet reads it: UTF-8 with a byte-order mark
// (so Vietnamese shows), comma-separated, quoted where needed.
QByteArray csvKhoaHoc(const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds, int soCauDiemLiet);
// Writes it to `tep` (replaced whole, or left as it was); false with why.
bool ghiCsvKhoaHoc(const QString& tep, const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds,
                   int soCauDiemLiet, QString* loi);

// What a teacher does, the same from the window and from the command line.
//
// A learner added (or renamed) with a PIN the program makes, `chiSo`: of
// digits only. The PIN, for its slip, or nothing with why.
std::optional<PinHocVien> themHocVienCoPin(KhoTruong& kho, const KhoaHoc& k, const HocVienMoi& h, bool chiSo,
                                           QString* loi = nullptr);
// A learner's PIN made anew (which also opens a locked account).
std::optional<PinHocVien> capLaiPin(KhoTruong& kho, const KhoaHoc& k, const HocVienKhoaHoc& h, bool chiSo,
                                    QString* loi = nullptr);
// A roster brought in: each learner made or renamed; the new ones get a
// PIN (those already there keep theirs). The PINs made, for their slips.
std::optional<std::vector<PinHocVien>> nhapDanhSach(KhoTruong& kho, const KhoaHoc& k,
                                                    const std::vector<HocVienMoi>& ds, bool chiSo,
                                                    QString* loi = nullptr);
// A bank file on the server: published first when the server lacks it.
// Its SHA-256, or nothing with why.
std::optional<QString> datNganHangLenMayChu(KhoTruong& kho, const QString& tepNganHang,
                                            QString* loi = nullptr);
// A course-end test opened on the bank `tepNganHang` (published first when
// the server lacks it) under rule set `bo`, and every learner's paper drawn.
std::optional<qint64> moPhienKiemTra(KhoTruong& kho, PhienKiemTra p, const QString& tepNganHang,
                                     const BoQuyTac& bo, const std::function<std::uint64_t()>& hat,
                                     QString* loi = nullptr);

// Draws the paper of every learner of the session's course who has none,
// each from a seed of `hat`, under class rule `q`, from the session's bank
// `nh`. The count drawn, or nothing with why.
std::optional<int> datDeChoPhien(KhoTruong& kho, const PhienKiemTra& p, const NganHang& nh,
                                 const QuyTacHang& q, const std::function<std::uint64_t()>& hat,
                                 QString* loi = nullptr);

// A bank file ready to publish: read, its pictures checked, its rule sets
// (those beside it and the built-in ones) gathered. Nothing, with every
// fault (one a line), when it is not fit to publish.
std::optional<NganHangGui> chuanBiGuiNganHang(const QString& tepNganHang, QString* loi);
// A published bank written into `thuMuc` (thilaixe-banks/<sha>/ of the
// working folder): its bank.json, once its digest is checked, is the path
// returned. One already there and whole is used as it is.
std::optional<QString> ghiNganHangLay(const NganHangGui& g, const QString& thuMuc, QString* loi);
// The bank of a server for this computer: the cached copy when it is the
// server's current one, else fetched and cached. Its bank.json, or nothing
// with why.
std::optional<QString> nganHangTuMayChu(KhoTruong& kho, const QString& thuMucDuLieu, QString* loi);

}  // namespace thilaixe
