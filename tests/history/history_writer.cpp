// Keeps writing exams to DuLieu.txt in the working folder until killed;
// the crash-safety test kills it at random moments.
#include "history/LichSuThi.h"

#include <QCoreApplication>

using namespace thilaixe;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int seed = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    SharedState s;
    s.Hang = QStringLiteral("C");
    s.NgayThi = QDate(2026, 12, 8);
    for (int n = 0;; ++n) {
        for (int i = 1; i <= 30; ++i) {
            s.CH[i] = static_cast<std::int16_t>(i < 30 ? i * 5 : 251 + (n + seed) % 50);
            s.TL[i] = static_cast<std::int16_t>(1 + (i + n) % 4);
        }
        s.GioThi = QTime(10, n % 60, seed % 60);
        GhiDuLieu(s);
    }
}
