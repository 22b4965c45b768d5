#pragma once

#include "rules/common/SharedState.h"

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

}  // namespace thilaixe
