#pragma once

// A question bank and an exam rule set as data (JSON files a school brings),
// and the papers drawn from them. docs/bank-format.md describes both files.

#include "rules/bank/NgauNhien.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace thilaixe {

// One fault of a bank or rule file: where (a question number or a JSON
// path) and what, in Vietnamese and in English.
struct LoiDuLieu final {
    QString viTri;
    QString tiengViet;
    QString tiengAnh;
    QString dong() const
    {
        return viTri + QStringLiteral(": ") + tiengViet + QStringLiteral(" / ") + tiengAnh;
    }
};

struct ChuongNganHang final {
    int so = 0;
    QString tieuDe;
    int dau = 0, cuoi = 0;  // question numbers, both included
};

struct CauHoiNganHang final {
    int so = 0;
    QString noiDung;
    QStringList phuongAn;  // empty when the picture carries the options
    int soPhuongAn = 0;    // 2..4
    int dapAn = 0;         // 1..soPhuongAn
    bool diemLiet = false;
    QString anh;  // relative to the bank's folder; empty: none
    QString giaiThich;
    QString meo;                // a memory hint ("tip"), optional
    QString vanBan, dieuKhoan;  // its legal basis ("law": document, article), optional
    QStringList nhom;           // pools: the classes it may be drawn for; empty: every class
};

struct NganHang final {
    QString id, tieuDe, phienBan, nguon;
    std::vector<ChuongNganHang> chuong;
    std::vector<CauHoiNganHang> cauHoi;  // cauHoi[n - 1] is question n

    const CauHoiNganHang* cau(int so) const
    {
        return so >= 1 && so <= static_cast<int>(cauHoi.size()) ? &cauHoi[static_cast<std::size_t>(so - 1)]
                                                                : nullptr;
    }
    // The chapter a question lies in (its number), 0 when none.
    int chuongCua(int so) const;
};

// The paper of one class in a rule set.
struct QuyTacHang final {
    QString hang;
    int soCau = 0, soPhut = 0, canDeDat = 0, soDiemLiet = 0;
    QString nhom;                                 // pool; empty: every question
    std::vector<std::pair<int, int>> theoChuong;  // (chapter, questions), by chapter
    // Drawn as the 300-question bank's paper is: one question from each of
    // 30 groups, in one of 18 layouts (not by chapter quotas).
    bool theoNhom = false;
    // The set it comes from (a class a newer set lacks is taken from the
    // last set that had it), whether that set is provisional, and, when
    // taken from an older set, the line that says so.
    QString boId;
    bool duKien = false;
    QString ghiChuDuKien;  // a provisional set's note
    QString ghiChuMuon;
};

// A short test of `soCau` questions under class `q`'s rule: its time and
// its pass mark pro rata, rounded up; the critical rule as it stands.
QuyTacHang quyTacBaiNgan(const QuyTacHang& q, int soCau);

struct BoQuyTac final {
    QString id, tieuDe, nguon;
    QDate tuNgay;
    QDate denNgay;  // invalid: no end
    // Provisional ("status": "provisional"): what is announced, not yet
    // published; `ghiChu` says what is known and what is assumed.
    bool duKien = false;
    QString ghiChu;
    std::vector<QuyTacHang> hang;

    const QuyTacHang* timHang(const QString& ten) const;
    bool coHieuLuc(const QDate& ngay) const
    {
        return ngay >= tuNgay && (!denNgay.isValid() || ngay <= denNgay);
    }
};

// Limits on what is read: a real bank is a few MB.
constexpr qsizetype kTepDuLieuToiDa = qsizetype{32} * 1024 * 1024;
constexpr int kSoCauToiDa = 10000;
constexpr int kDoDaiChuToiDa = 4000;

template <typename T> struct DocDuoc final {
    std::optional<T> giaTri;     // set when there is no fault
    std::vector<LoiDuLieu> loi;  // every fault found
    // What was read despite the faults (when any of it was), so that what
    // remains to check (a bank's pictures) is checked and said too.
    std::optional<T> banNhap = std::nullopt;
};

// Reads and checks a bank file's bytes: every fault, with its question
// number or JSON path. Pictures are not looked at here (kiemTraAnh).
DocDuoc<NganHang> docNganHang(const QByteArray& noiDung);
// The same from a file (size limit included).
DocDuoc<NganHang> docNganHangTep(const QString& tep);
// The bank's pictures, each looked for beside the bank file and decoded:
// a fault per picture missing, leaving the folder, or not a picture.
std::vector<LoiDuLieu> kiemTraAnh(const NganHang& nh, const QString& thuMuc);

DocDuoc<BoQuyTac> docBoQuyTac(const QByteArray& noiDung);
// The rule set built in: the one in force since 1 June 2025.
BoQuyTac boQuyTacCaiSan();
// Every set built in, by start: 2025's, then the provisional one of
// March 2027.
std::vector<BoQuyTac> cacBoQuyTacCaiSan();
// `tong` questions shared among chapters in proportion to `goc` (chapter,
// questions): each gets the whole part of its share, and the questions
// left go to the largest remainders, the lower chapter first on a tie.
std::vector<std::pair<int, int>> chiaTheoTiLe(const std::vector<std::pair<int, int>>& goc, int tong);

// The rule set in force on `ngay` among `cacBo` (the latest to start when
// several are), or nullptr.
const BoQuyTac* boCoHieuLuc(const std::vector<BoQuyTac>& cacBo, const QDate& ngay);
// How many days ahead the end of a rule set is told.
constexpr int kBaoTruocNgay = 90;
// "This rule set ends on ... (n days)": set when it ends within kBaoTruocNgay
// days of `ngay`.
std::optional<QString> baoHetHieuLuc(const BoQuyTac& bo, const QDate& ngay);
// The rule sets a bank may use: rules.json and every rules/*.json beside the
// bank file (by name), and the one built in (first). Faults of the files
// found go to `loi` (their sets are left out); two files that share an id
// are both named in `ghiChu`, and the first by name is kept. `tepCua`
// receives each set's file (empty for the one built in).
std::vector<BoQuyTac> cacBoQuyTacCho(const QString& tepNganHang, std::vector<LoiDuLieu>* loi = nullptr,
                                     QStringList* ghiChu = nullptr, QStringList* tepCua = nullptr);

// The rule set a bank uses on a day, and all a school must be told about
// the choice.
struct QuyTacDaChon final {
    // The set in force; when none is, the one that ended last (or begins
    // first) so that its classes can still be studied, with coHieuLuc false.
    BoQuyTac bo;
    bool coHieuLuc = false;
    QString tep;                    // its file; empty for the one built in
    std::vector<LoiDuLieu> loi;     // faults of files beside the bank (left out)
    QStringList ghiChu;             // choices between sets, said
    QString khongCo;                // why no set is in force, and what to do
    std::optional<QString> baoHet;  // the set ends soon
};
// Among the sets of cacBoQuyTacCho, the latest to start of those in force;
// on the same start, a file beside the bank before the built-in set, and of
// two files the first by name (both named in ghiChu).
QuyTacDaChon chonQuyTacCho(const QString& tepNganHang, const QDate& ngay);

// Where a lab computer keeps the banks its school's server gave it, in the
// working folder: one folder each, named by the bank's digest.
inline const QString kThuMucNganHangMayChu = QStringLiteral("thilaixe-banks");

// The bank files a working folder has at hand, in the order they are
// looked at: bank-2025/bank.json in it, the sample installed beside the
// program, the sample built beside it, and the banks a school's server gave
// this computer (thilaixe-banks/*/bank.json). Only those that exist.
QStringList cacTepNganHangCoSan(const QString& thuMuc);

// The 300-question bank of the entry form as a bank of this model: its
// pictures NNN.jpg carry text and options, its key and option counts are
// the built-in ones, its three sections are its chapters.
const NganHang& nganHangCoDien();
// Its rule set: the five classes of the entry form, 30 questions drawn by
// groups and layouts, no critical question.
const BoQuyTac& boQuyTacCoDien();
inline const QString kIdNganHangCoDien = QStringLiteral("thilaixe-300");

// A drawn paper: question numbers in chapter order, and which are critical.
struct DeThi final {
    std::vector<int> cau;
    std::vector<int> diemLiet;
};

// Draws a paper of the class: its critical questions from the critical
// questions of its pool, then each chapter's quota from that chapter's other
// questions of the pool; all distinct, uniformly at random, in question
// order. Empty, with the reason in `loi`, when the bank cannot give it.
std::optional<DeThi> rutDe(const NganHang& nh, const QuyTacHang& q, BoSinhSo& rng, QString* loi = nullptr);

// The paper of class `q` the seed `hat` gives: the one draw every paper of
// a seed comes from (a learner's, a course-end test's, a printed one).
std::optional<DeThi> rutDeTheoHat(const NganHang& nh, const QuyTacHang& q, std::uint64_t hat,
                                  QString* loi = nullptr);

// Whether a class can draw a paper from the bank, and if not why.
std::optional<QString> khongRutDuoc(const NganHang& nh, const QuyTacHang& q);

struct KetQuaBai final {
    int dung = 0, sai = 0, boTrong = 0;
    std::vector<int> diemLietSai;  // critical questions answered wrong or left blank
    bool dat = false;
};

// Scores a paper: it passes with at least `canDeDat` right answers and no
// critical question wrong or blank. tl[i] is the option chosen in slot i
// (0: blank).
KetQuaBai chamDiem(const NganHang& nh, const QuyTacHang& q, const DeThi& de, const std::vector<int>& tl);

}  // namespace thilaixe
