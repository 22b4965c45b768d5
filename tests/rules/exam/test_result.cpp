#include "TestSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/HangGiayPhep.h"
#include "rules/exam/DemNguoc.h"
#include "rules/exam/KetQuaThi.h"

#include <QTest>

#include <algorithm>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

// The class table drives the time allowed and the pass mark; one result
// function scores the exam just taken and a kept one alike.
class TestResult : public QObject {
    Q_OBJECT
private slots:
    void classDecidesTimeAndVerdict_data()
    {
        QTest::addColumn<QString>("hang");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("lastFail");  // most right answers that still fail
        QTest::newRow("B1") << u"B1"_s << u"25 phút 00 giây"_s << 1500 << 25;
        QTest::newRow("B2") << u"B2"_s << u"25 phút 00 giây"_s << 1500 << 25;
        QTest::newRow("C") << u"C"_s << u"25 phút 00 giây"_s << 1500 << 27;
        QTest::newRow("D") << u"D"_s << u"20 phút 00 giây"_s << 1200 << 27;
        QTest::newRow("E") << u"E"_s << u"20 phút 00 giây"_s << 1200 << 27;
    }
    void classDecidesTimeAndVerdict()
    {
        QFETCH(QString, hang);
        QFETCH(QString, time);
        QFETCH(int, seconds);
        QFETCH(int, lastFail);
        QVERIFY(timHang(hang));
        SharedState s;
        s.Hang = hang;
        QCOMPARE(DemNguoc::thietLap(s), time);
        QCOMPARE(*s.Giay, seconds);
        QCOMPARE(*s.Phut, seconds / 60 - 1);
        for (int right : {lastFail, lastFail + 1}) {
            SharedState e = test::exam({.right = right, .hang = hang});
            NapDapAn(e);
            const KetQuaThi kq = ketQuaBaiThi(e);
            QCOMPARE(kq.dung, right);
            QCOMPARE(kq.sai(), 30 - right);
            QCOMPARE(kq.dat, right > lastFail);
            QCOMPARE(int(std::count(kq.saiTai.begin() + 1, kq.saiTai.end(), true)), 30 - right);
        }
        QVERIFY(!timHang(hang.toLower()));
    }

    // The same exam, kept and parsed back, scores the same; what names no
    // question of the bank or has no answer is wrong.
    void keptExamScoresLikeTheLiveOne()
    {
        SharedState s = test::exam({.seed = 3, .right = 20, .blank = {30}});
        NapDapAn(s);
        for (int i = 1; i <= 30; ++i) {
            s.MangCHDaThi[i] = s.CH[i];
            s.MangTLDaThi[i] = s.TL[i].value_or(0);
        }
        const KetQuaThi live = ketQuaBaiThi(s);
        const KetQuaThi kept = ketQuaLanDaThi(s);
        QCOMPARE(kept.dung, live.dung);
        QCOMPARE(kept.saiTai, live.saiTai);
        QVERIFY(kept.saiTai[30]);
        s.MangCHDaThi[1] = 301;
        s.MangCHDaThi[2] = 2.5;
        s.MangTLDaThi[3].reset();
        QCOMPARE(ketQuaLanDaThi(s).dung, live.dung - 3);
    }
};

QTEST_APPLESS_MAIN(TestResult)
#include "test_result.moc"
