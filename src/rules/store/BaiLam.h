#pragma once

// One attempt at a data bank's paper as it is kept, and its JSON (as
// --export prints it and a change carries it).

#include "rules/practice/LanThi.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

class QSqlQuery;

#include <optional>
#include <utility>
#include <vector>

namespace thilaixe {

// One attempt at a data bank's paper, as kept. Slots count from 0.
struct BaiLam final {
    qint64 id = 0;  // given when kept
    qint64 hoSo = 1;
    QString nganHang, phienBan, quyTac, hang;
    QDateTime batDau, ketThuc;
    std::vector<int> cau;     // question of each slot
    std::vector<int> traLoi;  // option chosen (0: blank)
    std::vector<int> dapAn;   // the key of each slot
    std::vector<bool> diemLiet;
    int canDeDat = 0;
    // The course-end test session on a school's server it was sat in (0:
    // none).
    qint64 phienKiemTra = 0;
    // A short test (ten questions of a chapter, of one's mistakes or of
    // one's saved questions), not a paper: never counted in scores or
    // readiness.
    bool baiNgan = false;
    bool laBaiNgan() const { return baiNgan; }
    // The readiness shown before it was sat (chance of passing, chance of
    // failing on a critical question), kept to check the estimate later.
    std::optional<std::pair<double, double>> duDoan;

    int soDung() const;
    // Critical questions answered wrong or left blank.
    std::vector<int> diemLietSai() const;
    bool dat() const { return soDung() >= canDeDat && diemLietSai().empty(); }
    // As the learning features see it.
    LanThi lanThi() const;
};

// An attempt as JSON (as --export prints it and a file of held changes keeps
// it): times to the second, or to the millisecond when `msGiay`.
QJsonObject baiLamJson(const BaiLam& b, bool msGiay = false);
// Back from that JSON; empty when it is not an attempt.
std::optional<BaiLam> baiLamTuJson(const QJsonObject& o);

// Both stores keep an attempt in the same tables: its row is read from
// these columns (attempt a, prediction p), in this order, and then its
// slots from "s.attempt, s.question, s.answer, s.key, s.critical".
inline constexpr const char* kCotBaiLam =
    "a.id, a.profile, a.bank, a.bank_version, a.rules, a.class, a.started, "
    "a.ended, a.pass_mark, a.kind, p.pass, p.critical";
BaiLam baiLamTuDong(const QSqlQuery& q);
void themOBaiLam(BaiLam& b, const QSqlQuery& q);

}  // namespace thilaixe
