#pragma once

// A change a learner made (an attempt kept, a practice answer, a setting...)
// as a typed value with an id made where it happened, and its one JSON
// form. The SQLite store's held list, the file those are saved to, a lab
// computer's outbox and the school's server all speak it, and each applies
// a change of a given id at most once.

#include "rules/practice/OnTap.h"
#include "rules/store/BaiLam.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace thilaixe {

struct ThayDoi final {
    enum class Loai { BaiLam, OnTap, DiemLiet, TraLoi, CaiDat };
    Loai loai = Loai::OnTap;
    // Made when the change was made: "a1b2…" (a UUID); a change of a file
    // saved before changes had ids is named by its content ("c:…").
    QString uid;
    qint64 hoSo = 1;
    QString nganHang;
    int cau = 0;
    bool dung = false;     // OnTap, TraLoi: answered right
    QString ngay;          // DiemLiet: the day, yyyy-MM-dd
    qint64 luc = 0;        // TraLoi: the wall clock's time (KhoHocVien::lucDongHo)
    QString khoa, giaTri;  // CaiDat
    BaiLam bai;            // BaiLam (its hoSo and nganHang are the change's)

    static ThayDoi baiLam(const BaiLam& b);
    static ThayDoi onTap(qint64 hoSo, const QString& nganHang, int cau, bool dung);
    static ThayDoi diemLiet(qint64 hoSo, const QString& nganHang, int cau, const QString& ngay);
    static ThayDoi traLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, qint64 luc);
    static ThayDoi caiDat(qint64 hoSo, const QString& khoa, const QString& giaTri);
};

// "attempt", "practice", "critical_right", "answer", "setting": the kinds as
// every file and table has named them.
QString tenLoai(ThayDoi::Loai loai);

// Its JSON, uid included when it has one.
QJsonObject thayDoiJson(const ThayDoi& td);
// Back from JSON: nothing, with why (Vietnamese / English) in `loi`, when it
// is not a change this program makes.
std::optional<ThayDoi> thayDoiTuJson(const QJsonObject& o, QString* loi = nullptr);

// What a held change does to a practice view read before it is written:
// an answer moves its box, an attempt puts what it missed in the list.
void apVaoOnTap(const ThayDoi& td, qint64 hoSo, const QString& nganHang, SoOnTap& onTap);

// The format of a file of held changes, written by the program when it could
// not write them (--import reads it back). Version 1 had no ids and no
// checksum; it is still read.
inline const QString kDangChoGhi = QStringLiteral("thilaixe-held/2");
inline const QString kDangChoGhiCu = QStringLiteral("thilaixe-held/1");
// The largest such file read (tens of thousands of changes fit in a few MB).
constexpr qint64 kTepChoGhiToiDa = qint64{64} * 1024 * 1024;

// The file's bytes: where the changes were to go, why they could not, when,
// the changes, and a checksum of their content.
QByteArray vietTepChoGhi(const std::vector<ThayDoi>& ds, const QString& kho, const QString& lyDo);

struct TepChoGhi final {
    std::vector<ThayDoi> ds;  // each with its uid (content-named when it had none)
    bool coTongKiem = false;  // it carried a checksum, and the content matched it
};
// Reads such a file: nothing, with why (Vietnamese / English), when it is
// not one, is edited (its content does not match its checksum) or holds a
// change this program does not make.
std::optional<TepChoGhi> docTepChoGhi(const QByteArray& noiDung, QString* loi);

}  // namespace thilaixe
