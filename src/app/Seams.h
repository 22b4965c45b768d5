#pragma once

#include "bank/NgauNhien.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace thilaixe {

// Effects a test must be able to observe or replace: the end of the
// program, the message box, the clock and the random source.
class Seams {
public:
    virtual ~Seams() = default;
    // Leaves the program at once; no further window behaviour runs.
    virtual void endProgram() = 0;
    // An information box with one OK button; onClosed runs after it closes.
    // Never blocks the caller.
    virtual void showMessage(const QString& title, const QString& text,
                             std::function<void()> onClosed) = 0;
    virtual QDateTime now() = 0;
    virtual NguonNgauNhien& random() = 0;
};

// The seams of the real program.
class RealSeams final : public Seams {
public:
    void endProgram() override;
    void showMessage(const QString& title, const QString& text,
                     std::function<void()> onClosed) override;
    QDateTime now() override;
    NguonNgauNhien& random() override;

private:
    NguonDongHo m_random;
};

} // namespace thilaixe
