#pragma once

#include "rules/bank/NgauNhien.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace thilaixe {

// Effects a test must be able to observe or replace: the end of the
// program, the message box, the clock and the random source.
class Seams {
public:
    virtual ~Seams() = default;
    // Leaves the program at once; no further window behaviour runs.
    virtual void thoat() = 0;
    // An information box with one OK button; khiDong runs after it closes.
    // Never blocks the caller.
    virtual void hienThongBao(const QString& tieuDe, const QString& noiDung,
                              std::function<void()> khiDong) = 0;
    // A question answered by one of the buttons `nut`: khiChon gets the
    // index of the one pressed, -1 when the box is closed without one. The
    // first button is the safe answer: the default, and what Esc gives.
    // Never blocks the caller.
    virtual void hoiChon(const QString& tieuDe, const QString& noiDung, const QStringList& nut,
                         std::function<void(int)> khiChon) = 0;
    // Asks for a file to save into, `goiY` proposed: khiChon gets its path,
    // empty when the learner cancels. Never blocks the caller.
    virtual void chonTepLuu(const QString& tieuDe, const QString& goiY,
                            std::function<void(QString)> khiChon) = 0;
    virtual QDateTime bayGio() = 0;
    virtual NguonNgauNhien& ngauNhien() = 0;
};

// A 64-bit seed for a paper or a shuffle, drawn from the seams' source.
std::uint64_t hatGiong(Seams& seams);

// The seams of the real program.
class RealSeams final : public Seams {
public:
    void thoat() override;
    void hienThongBao(const QString& tieuDe, const QString& noiDung, std::function<void()> khiDong) override;
    void hoiChon(const QString& tieuDe, const QString& noiDung, const QStringList& nut,
                 std::function<void(int)> khiChon) override;
    void chonTepLuu(const QString& tieuDe, const QString& goiY,
                    std::function<void(QString)> khiChon) override;
    QDateTime bayGio() override;
    NguonNgauNhien& ngauNhien() override;

private:
    NguonDongHo m_ngauNhien;
};

}  // namespace thilaixe
