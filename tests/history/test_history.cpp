#include "TestSupport.h"

#include "history/LichSuThi.h"
#include "history/Tcvn3.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <QDir>
#include <QFileInfo>

#include <csignal>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

// A finished exam: question 7 in slot 1, question 300 in slot 30, slot 2
// never answered.
SharedState exam(int seed = 0)
{
    SharedState s;
    for (int i = 1; i <= 30; ++i) {
        s.CH[i] = static_cast<std::int16_t>(i == 1 ? 7 : (i == 30 ? 300 : 100 + i + seed));
        if (i != 2)
            s.TL[i] = static_cast<std::int16_t>(1 + (i + seed) % 4);
    }
    s.Hang = u"B1"_s;
    s.NgayThi = QDate(2007, 5, 12);
    s.GioThi = QTime(10, 35, 20);
    return s;
}

QList<QByteArray> lines(const QByteArray& file)
{
    QList<QByteArray> l = file.split('\n');
    for (QByteArray& x : l)
        if (x.endsWith('\r'))
            x.chop(1);
    return l;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void recordLines()
    {
        const SharedState s = exam();
        const QByteArray ng = dongNg(s.NgayThi, s.GioThi, s.Hang);
        QVERIFY(ng.startsWith("Ng: "));
        QVERIFY(ng.contains(" - "));
        QVERIFY(ng.endsWith(QByteArray(QByteArray::fromHex("202848B96E6720") + "B1)")));
        QVERIFY(ng.contains(vanBanNgay(s.NgayThi).toLatin1()));
        QVERIFY(ng.contains("35:20"));  // seconds kept
        QByteArray ch = "CH: 7";
        for (int i = 2; i <= 29; ++i)
            ch += ", " + QByteArray::number(100 + i);
        ch += ", 300";
        QCOMPARE(dongCH(s), ch);
        QCOMPARE(dongTL(s), QByteArray("TL: 2, 0, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, "
                                       "1, 2, 3, 4, 1, 2, 3"));
        QCOMPARE(giaiMaTCVN3(QByteArray(" (H\xB9ng B1)")), u" (Hạng B1)"_s);
        QCOMPARE(maHoaTCVN3(u"Hạng"_s), QByteArray("H\xB9ng"));
    }

    void timeHasNoZoneName()
    {
        const QString t = vanBanGio(QTime(10, 35, 20));
        QVERIFY2(t.contains(u"35"_s) && t.contains(u"20"_s), qPrintable(t));
        QVERIFY2(!t.contains(u"UTC"_s) && !t.contains(u"GMT"_s), qPrintable(t));
    }

    void writeToEmptyAndMissingFiles()
    {
        test::WorkDir dir;
        const SharedState s = exam();
        dir.write(u"DuLieu.txt"_s, {});
        QVERIFY(GhiDuLieu(s));
        QCOMPARE(dir.read(u"DuLieu.txt"_s), test::recordBytes(s) + "\r\n");
        QFile::remove(dir.path(u"DuLieu.txt"_s));
        QVERIFY(GhiDuLieu(s));
        QCOMPARE(dir.read(u"DuLieu.txt"_s), test::recordBytes(s) + "\r\n");
    }

    void emptyLinesPileUpThenDropOut()
    {
        test::WorkDir dir;
        dir.write(u"DuLieu.txt"_s, {});
        QByteArray expected;
        for (int n = 1; n <= 51; ++n) {
            const SharedState s = exam(n);
            QVERIFY(GhiDuLieu(s));
            if (n == 2) {
                QCOMPARE(dir.read(u"DuLieu.txt"_s), test::recordBytes(exam(2)) + test::recordBytes(exam(1)) + "\r\n\r\n");
            }
        }
        // Full: the 50 newest records and one empty line.
        const QByteArray file = dir.read(u"DuLieu.txt"_s);
        QByteArray full;
        for (int n = 51; n >= 2; --n)
            full += test::recordBytes(exam(n));
        QCOMPARE(file, full + "\r\n");
    }

    void readOnlyFileIsRewritten()
    {
        test::WorkDir dir;
        const SharedState old = exam(1), s = exam(2);
        dir.write(u"DuLieu.txt"_s, test::recordBytes(old) + "\r\n");
        QFile f(dir.path(u"DuLieu.txt"_s));
        QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QVERIFY(GhiDuLieu(s));
        QCOMPARE(dir.read(u"DuLieu.txt"_s), test::recordBytes(s) + test::recordBytes(old) + "\r\n\r\n");
    }

    void failedWriteIsReported()
    {
        test::WorkDir dir;
        QString why;
        QVERIFY(!GhiDuLieu(exam(2), dir.path(u"no-such-folder/DuLieu.txt"_s), &why));
        QVERIFY(!why.isEmpty());
        // A folder where the file should be is not taken for a history.
        QVERIFY(QDir().mkdir(dir.path(u"DuLieu.txt"_s)));
        QVERIFY(!GhiDuLieu(exam(2), kTepDuLieu, &why));
        QVERIFY(QFileInfo(dir.path(u"DuLieu.txt"_s)).isDir());
    }

    void readPositionalRecords()
    {
        test::WorkDir dir;
        QByteArray file;
        for (int n = 1; n <= 55; ++n)
            file += test::recordBytes(exam(n));
        dir.write(u"DuLieu.txt"_s, file);
        SharedState s;
        QCOMPARE(DocDuLieu(s), KetQuaDoc::DaDoc);
        QCOMPARE(*s.LichSuNg[1], giaiMaTCVN3(dongNg(exam(1).NgayThi, exam(1).GioThi, u"B1"_s).mid(3)));
        QVERIFY(s.LichSuNg[1]->startsWith(u' '));
        QVERIFY(s.LichSuNg[1]->endsWith(u"(Hạng B1)"_s));
        QCOMPARE(*s.LichSuCH[50], QString::fromLatin1(dongCH(exam(50)).mid(3)));
        QCOMPARE(*s.LichSuTL[50], QString::fromLatin1(dongTL(exam(50)).mid(3)));

        // Three records, empty lines; TL before CH in record 2; a lower-case
        // "ng: " in record 3. Entries not reached keep what they held.
        const SharedState a = exam(1), b = exam(2), c = exam(3);
        QByteArray small = test::recordBytes(a) + dongNg(b.NgayThi, b.GioThi, b.Hang) + "\r\n" + dongTL(b) + "\r\n"
            + dongCH(b) + "\r\n" + "ng: lower\r\n" + dongCH(c) + "\r\n" + dongTL(c) + "\r\n\r\n\r\n\r\n";
        dir.write(u"DuLieu.txt"_s, small);
        QCOMPARE(DocDuLieu(s), KetQuaDoc::DaDoc);
        QCOMPARE(*s.LichSuCH[2], QString::fromLatin1(dongCH(b).mid(3)));
        QCOMPARE(*s.LichSuTL[2], QString::fromLatin1(dongTL(b).mid(3)));
        QCOMPARE(*s.LichSuNg[3], *s.LichSuNg[3]);
        QCOMPARE(*s.LichSuCH[3], QString::fromLatin1(dongCH(c).mid(3)));
        // Record 3's Ng entry was not recognised: it keeps the 55-record read.
        QCOMPARE(*s.LichSuNg[3], giaiMaTCVN3(dongNg(exam(3).NgayThi, exam(3).GioThi, u"B1"_s).mid(3)));
        QCOMPARE(*s.LichSuCH[4], QString::fromLatin1(dongCH(exam(4)).mid(3)));

        QFile::remove(dir.path(u"DuLieu.txt"_s));
        QCOMPARE(DocDuLieu(s), KetQuaDoc::ThieuTep);
    }

    void longLinesAreCut()
    {
        test::WorkDir dir;
        const SharedState a = exam(1);
        dir.write(u"DuLieu.txt"_s, "Ng: " + QByteArray(3'000'000, 'x') + "\r\n" + dongCH(a) + "\r\n" + dongTL(a) + "\r\n");
        SharedState s;
        QCOMPARE(DocDuLieu(s), KetQuaDoc::DaDoc);
        QCOMPARE(s.LichSuNg[1]->size(), kDongToiDa - 3);
        QCOMPARE(*s.LichSuCH[1], QString::fromLatin1(dongCH(a).mid(3)));
    }

    void parsersRoundTrip()
    {
        const SharedState a = exam(5);
        SharedState s;
        TachMangCH(QString::fromLatin1(dongCH(a).mid(3)), s);
        TachMangTL(QString::fromLatin1(dongTL(a).mid(3)), s);
        for (int i = 1; i <= 30; ++i) {
            QCOMPARE(*s.MangCHDaThi[i], double(a.CH[i]));
            QCOMPARE(*s.MangTLDaThi[i], double(a.TL[i].value_or(0)));
        }
        // An empty text changes nothing.
        TachMangCH(QString(), s);
        TachMangTL(QString(), s);
        QCOMPARE(*s.MangCHDaThi[30], 300.0);
        QCOMPARE(*s.MangTLDaThi[2], 0.0);
    }

    void parsersOnMalformedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("filled");  // entries 1..filled written, the rest untouched
        QTest::newRow("short last number") << u" 1, 2, 3, 45"_s << 3;
        QTest::newRow("four-digit number") << u" 1, 2345, 3"_s << 1;
        QTest::newRow("no commas") << u" abcdef"_s << 0;
        QTest::newRow("letters: 1, 2 and the three-character rest in 30") << u" abc, def, ghi"_s << 3;
        QString many;
        for (int i = 0; i < 40; ++i)
            many += u"12, "_s;
        QTest::newRow("forty numbers") << many << 30;
        QTest::newRow("commas only: two a step") << u",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"_s << 21;
    }
    void parsersOnMalformedText()
    {
        QFETCH(QString, text);
        QFETCH(int, filled);
        SharedState s;
        for (int i = 1; i <= 30; ++i)
            s.MangCHDaThi[i] = -1;
        TachMangCH(text, s);
        int written = 0;
        for (int i = 1; i <= 30; ++i)
            written += *s.MangCHDaThi[i] != -1;
        QCOMPARE(written, filled);
        TachMangTL(text, s);  // ends, whatever it makes of it
    }

    // Kills a process that keeps writing the history at random moments: the
    // file must always read as a whole history, never a cut one.
    void killedWriterLeavesAWholeHistory()
    {
        test::WorkDir dir;
        dir.write(u"DuLieu.txt"_s, {});
        const QString writer = QCoreApplication::applicationDirPath() + u"/history_writer"_s;
        QVERIFY(QFile::exists(writer));
        int lastCount = 0;
        auto* rng = QRandomGenerator::global();
        // A soak run asks for more rounds through the environment.
        const int rounds = qEnvironmentVariableIntValue("THILAIXE_SOAK_ROUNDS") > 0
            ? qEnvironmentVariableIntValue("THILAIXE_SOAK_ROUNDS") : 40;
        int kills = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess p;
            p.setWorkingDirectory(dir.path(u"."_s));
            p.start(writer, {QString::number(round)});
            QVERIFY(p.waitForStarted());
            QTest::qSleep(static_cast<int>(rng->bounded(1, 30)));
            ++kills;
            ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished());
            const QByteArray file = dir.read(u"DuLieu.txt"_s);
            QVERIFY(file.isEmpty() || file.endsWith("\r\n\r\n"));
            const QList<QByteArray> l = lines(file);
            int records = 0;
            for (int i = 0; i + 2 < l.size() && l[i].startsWith("Ng: "); i += 3) {
                QVERIFY(l[i + 1].startsWith("CH: ") && l[i + 1].count(',') == 29);
                QVERIFY(l[i + 2].startsWith("TL: ") && l[i + 2].count(',') == 29);
                ++records;
            }
            QVERIFY(records <= 50);
            QVERIFY2(records >= lastCount, "a write lost records");
            lastCount = records;
        }
        QVERIFY(lastCount > 0);
        qInfo("%d kills, %d records at the end", kills, lastCount);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
