#pragma once

#include <QDate>

#include <array>
#include <vector>

namespace thilaixe {

// A learner's memory of one question, as the FSRS-6 model reckons it from
// every answer they gave: how long it lasts (stability, in days: the time
// until recall falls to 90%) and how hard it is (difficulty, 1 to 10).
// Answers are right or wrong only: right is FSRS's "Good", wrong "Again".
// Written from the model's published formulas, with its published default
// weights.
namespace trinho {

// The 21 default weights of FSRS-6.
inline constexpr std::array<double, 21> kW = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                              0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                              1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

struct TrangThai final {
    double onDinh = 0;  // stability, days
    double doKho = 0;   // difficulty, 1..10
    QDate lanDau;       // the day of the first answer
    QDate lanCuoi;      // the day of the last answer (invalid: never answered)
    int soLan = 0;      // answers so far
    bool daGap() const { return lanCuoi.isValid(); }
};

// The chance of recalling after `ngay` days at stability `onDinh`:
// (1 + F t / S)^(-w20), F chosen so that it is 90% at t = S.
double xacSuatNho(double onDinh, double ngay);
// The chance on `ngay` (0 for a question never answered).
double xacSuatNho(const TrangThai& s, const QDate& ngay);
// The state after one more answer on day `ngay` (answers of one day after
// the first count as a same-day review).
TrangThai traLoi(const TrangThai& s, const QDate& ngay, bool dung);
// Days after the last answer until recall falls to `mucTieu`.
double soNgayDen(double onDinh, double mucTieu);

}  // namespace trinho

}  // namespace thilaixe
