#pragma once

#include "rules/common/SharedState.h"

#include <QDateTime>
#include <QString>

namespace thilaixe {

// The countdown of the exam sheet, without widgets: the limit by class and
// the text shown after each tick.
struct DemNguoc final {
    // Sets Phut and Giay for the class; returns the text shown before Start.
    static QString thietLap(SharedState& s);

    struct Nhip {
        QString text;
        bool hetGio;  // the time is up: stop and end the exam
    };
    // One tick of one second.
    static Nhip motGiay(SharedState& s);
};

// The warnings of a countdown, shared by every exam window: once at 5
// minutes left and once at 1 minute. A countdown that starts below 5
// minutes, or jumps past the mark, says only the nearer one.
class CanhBaoGio final {
public:
    enum class Bao { Khong, Con5Phut, Con1Phut };
    // The warning due now that `conLaiGiay` seconds are left, each said once.
    Bao buoc(qint64 conLaiGiay);
    void datLai() { m_bao5 = m_bao1 = false; }

private:
    bool m_bao5 = false, m_bao1 = false;
};

// A countdown to a deadline, read on the caller's clock: the seconds left,
// rounded up (a paper with 0.3 s left still shows 1), never below 0.
struct HanGio final {
    QDateTime batDau, han;
    HanGio() = default;
    HanGio(const QDateTime& tu, qint64 giay) : batDau(tu), han(tu.addSecs(giay)) {}
    qint64 conLai(const QDateTime& bayGio) const;
};

}  // namespace thilaixe
