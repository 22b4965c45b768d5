#include "rules/bank/XuLyCacCauHoi.h"

#include <QTest>

#include <set>
#include <vector>

using namespace thilaixe;

namespace {

// A source that replays given draws, to reach exact layouts.
class Replay final : public NguonNgauNhien {
public:
    explicit Replay(std::vector<float> v) : m_v(std::move(v)) {}
    void gieoLai() override { ++reseeds; }
    float rnd() override { return m_v.empty() ? 0.0f : m_v[m_i++ % m_v.size()]; }
    int reseeds = 0;

private:
    std::vector<float> m_v;
    std::size_t m_i = 0;
};

double chiSquare(const std::vector<double>& observed, const std::vector<double>& p, double n)
{
    double x = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double e = p[i] * n;
        x += (observed[i] - e) * (observed[i] - e) / e;
    }
    return x;
}

int groupOf(int q)
{
    for (int g = 1; g <= 30; ++g)
        if (q >= kNhom[g].thap && q <= kNhom[g].cao)
            return g;
    return 0;
}

}  // namespace

class TestPaper : public QObject {
    Q_OBJECT
private slots:
    void groupsCoverTheBankOnce()
    {
        int next = 1;
        for (int g = 1; g <= 30; ++g) {
            QCOMPARE(kNhom[g].thap, next);
            next = kNhom[g].cao + 1;
        }
        QCOMPARE(next, 301);
    }

    void everyLayoutGivesAValidPaper()
    {
        NguonCoDinh src(7);
        for (int mau = 1; mau <= 18; ++mau) {
            for (int rep = 0; rep < 200; ++rep) {
                SharedState s;
                XepDeTheoMau(s, src, static_cast<std::int16_t>(mau));
                std::set<int> groups, numbers;
                for (int slot = 1; slot <= 30; ++slot) {
                    const int q = s.CH[slot];
                    if (slot <= 13)
                        QVERIFY(q >= 1 && q <= 150);
                    else if (slot <= 23)
                        QVERIFY(q >= 151 && q <= 250);
                    else
                        QVERIFY(q >= 251 && q <= 300);
                    QCOMPARE(groupOf(q), int(kMau[mau][slot]));
                    groups.insert(groupOf(q));
                    numbers.insert(q);
                }
                QCOMPARE(groups.size(), 30u);
                QCOMPARE(numbers.size(), 30u);
                QCOMPARE(s.CH[0], 0);
            }
        }
    }

    void layoutOnePutsGroupKInSlotK()
    {
        NguonCoDinh src(3);
        SharedState s;
        XepDeTheoMau(s, src, 1);
        for (int k = 1; k <= 30; ++k)
            QCOMPARE(groupOf(s.CH[k]), k);
    }

    void layoutChoiceFollowsRounding_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("layout");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("0.029, below 0.5/17") << 0.029f << 1;
        QTest::newRow("0.03, above 0.5/17") << 0.03f << 2;
        QTest::newRow("1/17") << 1.0f / 17.0f << 2;
        QTest::newRow("16.5/17") << 16.5f / 17.0f << 18;
        QTest::newRow("largest r") << std::nextafter(1.0f, 0.0f) << 18;
    }
    void layoutChoiceFollowsRounding()
    {
        QFETCH(float, r);
        QFETCH(int, layout);
        Replay src({r, 0.5f});
        SharedState s;
        QCOMPARE(int(TaoDeThi(s, src)), layout);
        QCOMPARE(src.reseeds, 31);  // one reseed before every draw
    }

    void drawStaysInRangeWithHalfWeightEnds()
    {
        NguonCoDinh src(11);
        const int n = 120000;
        std::vector<double> seen(6, 0);
        for (int i = 0; i < n; ++i) {
            const int v = SoNgauNhien(src, 279, 284);
            QVERIFY(v >= 279 && v <= 284);
            seen[static_cast<std::size_t>(v - 279)] += 1;
        }
        // 279 and 284 at 1/10, the inner four at 1/5; chi-square, 5 degrees
        // of freedom, 0.1% bound 20.5.
        QVERIFY(chiSquare(seen, {0.1, 0.2, 0.2, 0.2, 0.2, 0.1}, n) < 20.5);
    }

    void layoutsAndGroupsOverManyPapers()
    {
        NguonCoDinh src(2024);
        const int n = 34000;
        std::vector<double> layouts(18, 0), group1(12, 0);
        for (int i = 0; i < n; ++i) {
            SharedState s;
            const int mau = TaoDeThi(s, src);
            layouts[static_cast<std::size_t>(mau - 1)] += 1;
            for (int slot = 1; slot <= 30; ++slot)
                if (groupOf(s.CH[slot]) == 1)
                    group1[static_cast<std::size_t>(s.CH[slot] - 1)] += 1;
        }
        std::vector<double> pl(18, 1.0 / 17);
        pl[0] = pl[17] = 1.0 / 34;
        QVERIFY(chiSquare(layouts, pl, n) < 40.8);  // 17 dof, 0.1%
        std::vector<double> pg(12, 1.0 / 11);
        pg[0] = pg[11] = 1.0 / 22;
        QVERIFY(chiSquare(group1, pg, n) < 31.3);  // 11 dof, 0.1%
    }

    void papersInARowDifferWithTheRealClock()
    {
        NguonDongHo src;
        SharedState a, b;
        TaoDeThi(a, src);
        TaoDeThi(b, src);
        int same = 0;
        std::set<int> values;
        for (int slot = 1; slot <= 30; ++slot) {
            same += a.CH[slot] == b.CH[slot];
            values.insert(a.CH[slot] - kNhom[groupOf(a.CH[slot])].thap);
        }
        QVERIFY(same < 30);
        // Draws within one paper are independent: the offsets inside the
        // groups are not all the same.
        QVERIFY(values.size() > 1);
    }
};

QTEST_MAIN(TestPaper)
#include "test_paper.moc"
