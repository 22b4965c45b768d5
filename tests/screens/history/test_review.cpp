#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/history/LichSuThi.h"

#include "screens/app/App.h"
#include "screens/common/BoChonCauHoi.h"
#include "screens/history/FormDapAnKQDaThi.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

int g_internalErrors = 0;
QtMessageHandler g_previous = nullptr;

void countInternalErrors(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg.startsWith(u"internal error"_s))
        ++g_internalErrors;
    else if (g_previous)
        g_previous(type, ctx, msg);
}

// Class D exams; the first `right` slots answered correctly, the rest with a
// wrong option, slot 30 left unanswered when `blank30`.
SharedState exam(int seed, int right, bool blank30 = false)
{
    return test::exam(
        {.seed = seed, .right = right, .blank = blank30 ? QList<int>{30} : QList<int>{}, .hang = u"D"_s});
}

}  // namespace

class TestReview : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> m_p;

    FormDapAnKQDaThi* open()
    {
        FormDapAnKQDaThi* f = m_p->app.form<FormDapAnKQDaThi>();
        m_p->app.moiTruong().hien(f);
        return f;
    }
    int reds(FormDapAnKQDaThi* f)
    {
        int n = 0;
        for (int i = 1; i <= 30; ++i)
            n += f->CauHoi()->mau(i) == QColor(255, 0, 0);
        return n;
    }

private slots:
    void initTestCase() { g_previous = qInstallMessageHandler(countInternalErrors); }
    void init()
    {
        g_internalErrors = 0;
        m_p = std::make_unique<test::Program>();
    }
    void cleanup()
    {
        m_p.reset();
        QCOMPARE(g_internalErrors, 0);
    }

    void oneRecordWrittenByTheProgram()
    {
        m_p->dir.write(u"DuLieu.txt"_s, {});
        const SharedState e = exam(1, 25, true);
        QVERIFY(GhiDuLieu(e, m_p->dir.history()));
        FormDapAnKQDaThi* f = open();
        QCOMPARE(f->CB_NgayThi()->count(), 1);
        const QString entry = f->CB_NgayThi()->itemText(0);
        QVERIFY(entry.startsWith(u' '));
        QVERIFY(entry.endsWith(u"(Hạng D)"_s));
        QCOMPARE(m_p->app.trangThai().LanThiChon, 1);
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 25/30 câu hỏi"_s);
        QCOMPARE(reds(f), 5);
        QVERIFY(f->CauHoi()->nut(1)->isChecked());
        QCOMPARE(int(*m_p->app.trangThai().CauHienTai), 1);
        QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[e.CH[1]]));
        QCOMPARE(f->LB_PhuongAnTL()->text(), QString::number(*e.TL[1]));
        QVERIFY(!f->Img()->pixmap().isNull());
        // The unanswered slot shows 0.
        QTest::mouseClick(f->CauHoi()->nut(30), Qt::LeftButton);
        QCOMPARE(f->LB_PhuongAnTL()->text(), u"0"_s);
        f->CM_Tiep_Click();
        QCOMPARE(int(*m_p->app.trangThai().CauHienTai), 30);
        QTest::mouseClick(f->CauHoi()->nut(1), Qt::LeftButton);
        f->CM_Ve_Click();
        QCOMPARE(int(*m_p->app.trangThai().CauHienTai), 1);
        f->CM_Tiep_Click();
        QCOMPARE(int(*m_p->app.trangThai().CauHienTai), 2);
        QVERIFY(f->CauHoi()->nut(2)->isChecked());
    }

    void choosingTheThirdEntry()
    {
        m_p->dir.write(u"DuLieu.txt"_s, test::recordBytes(exam(1, 30)) + test::recordBytes(exam(2, 20))
                                            + test::recordBytes(exam(3, 27)) + "\r\n\r\n\r\n");
        FormDapAnKQDaThi* f = open();
        QCOMPARE(f->CB_NgayThi()->count(), 3);
        QCOMPARE(reds(f), 0);
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 30/30 câu hỏi"_s);
        QTest::mouseClick(f->CauHoi()->nut(9), Qt::LeftButton);
        f->CB_NgayThi_Click(2);
        QCOMPARE(m_p->app.trangThai().LanThiChon, 3);
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 27/30 câu hỏi"_s);
        QCOMPARE(reds(f), 3);
        QVERIFY(f->CauHoi()->nut(1)->isChecked());
        QCOMPARE(int(*m_p->app.trangThai().CauHienTai), 1);
        f->CB_NgayThi_Click(0);  // back to a perfect one: every mark cleared
        QCOMPARE(reds(f), 0);
    }

    void fiftyRecordsNewestFirst()
    {
        QByteArray file;
        for (int n = 1; n <= 52; ++n)
            file += test::recordBytes(exam(n, n % 31));
        m_p->dir.write(u"DuLieu.txt"_s, file);
        FormDapAnKQDaThi* f = open();
        QCOMPARE(f->CB_NgayThi()->count(), 50);
        const SharedState first = exam(1, 1), last = exam(50, 50 % 31);
        QCOMPARE(f->CB_NgayThi()->itemText(0),
                 QString::fromLatin1(dongNg(first.NgayThi, first.GioThi, u"D"_s).mid(3))
                     .replace(QChar(0xB9), u"ạ"_s));
        f->CB_NgayThi_Click(49);
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 19/30 câu hỏi"_s);
        Q_UNUSED(last);
    }

    void damagedNumbersCountAsWrong()
    {
        SharedState e = exam(4, 30);
        QByteArray ch = dongCH(e);
        // Slots 1, 2 and 3 hold 0, 301 and "abc".
        const QList<QByteArray> parts = ch.mid(4).split(',');
        QByteArray bad = "CH: 0, 301, abc";
        for (int i = 3; i < parts.size(); ++i)
            bad += "," + parts[i];
        m_p->dir.write(u"DuLieu.txt"_s,
                       dongNg(e.NgayThi, e.GioThi, e.Hang) + "\r\n" + bad + "\r\n" + dongTL(e) + "\r\n");
        FormDapAnKQDaThi* f = open();
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 27/30 câu hỏi"_s);
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(f->CauHoi()->mau(i), QColor(255, 0, 0));
            QTest::mouseClick(f->CauHoi()->nut(i), Qt::LeftButton);
            QVERIFY(f->Img()->pixmap().isNull());
            QCOMPARE(f->LB_DapAn()->text(), QString());
        }
    }

    // A record whose CH or TL line the parser cannot read is shown from its
    // own lines only: what they do not give is unknown (no picture, no key,
    // counted wrong), never the record reviewed before it.
    void malformedRecordShowsNothingOfAnother_data()
    {
        QTest::addColumn<QByteArray>("ch");
        QTest::addColumn<QByteArray>("tl");
        QTest::addColumn<bool>("answersKnown");
        const SharedState e = exam(6, 30);
        QTest::newRow("CH line 1234,") << QByteArray("CH: 1234" + dongCH(e).mid(6)) << dongTL(e) << true;
        QTest::newRow("CH line 65537,") << QByteArray("CH: 65537, 5, 6") << dongTL(e) << true;
        QTest::newRow("TL line 12,") << dongCH(e) << QByteArray("TL: 12" + dongTL(e).mid(5)) << false;
    }
    void malformedRecordShowsNothingOfAnother()
    {
        QFETCH(QByteArray, ch);
        QFETCH(QByteArray, tl);
        QFETCH(bool, answersKnown);
        const SharedState e = exam(6, 30);
        m_p->dir.write(u"DuLieu.txt"_s, test::recordBytes(e) + dongNg(e.NgayThi, e.GioThi, e.Hang) + "\r\n"
                                            + ch + "\r\n" + tl + "\r\n");
        FormDapAnKQDaThi* f = open();
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 30/30 câu hỏi"_s);
        f->CB_NgayThi_Click(1);
        QCOMPARE(f->LB_KetQua()->text(), u"Bạn đã trả lời đúng được 0/30 câu hỏi"_s);
        QCOMPARE(reds(f), 30);
        if (answersKnown) {
            QVERIFY(f->Img()->pixmap().isNull());
            QCOMPARE(f->LB_DapAn()->text(), QString());
            QCOMPARE(f->LB_PhuongAnTL()->text(), QString::number(*e.TL[1]));
        } else {
            QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[e.CH[1]]));
            QCOMPARE(f->LB_PhuongAnTL()->text(), QString());
        }
    }

    void truncatedFile()
    {
        const QByteArray whole = test::recordBytes(exam(1, 30)) + test::recordBytes(exam(2, 10));
        m_p->dir.write(u"DuLieu.txt"_s, whole.left(whole.size() - 40));
        FormDapAnKQDaThi* f = open();
        QCOMPARE(f->CB_NgayThi()->count(), 2);
        f->CB_NgayThi_Click(1);
        QVERIFY(f->LB_KetQua()->text().startsWith(u"Bạn đã trả lời đúng được"_s));
        QCOMPARE(m_p->seams.ended, 0);
    }

    void missingPictureLeavesTheAreaEmpty()
    {
        const SharedState e = exam(5, 30);
        m_p->dir.write(u"DuLieu.txt"_s, test::recordBytes(e));
        QFile::remove(m_p->dir.path(TenTepAnh(e.CH[2])));
        FormDapAnKQDaThi* f = open();
        QVERIFY(!f->Img()->pixmap().isNull());
        QTest::mouseClick(f->CauHoi()->nut(2), Qt::LeftButton);
        QVERIFY(f->Img()->pixmap().isNull());
        QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[e.CH[2]]));
        QVERIFY(m_p->seams.messages.isEmpty());
    }

    // Random and mutated history files: the review opens on every one of
    // them, walks every record, and nothing reads outside an array.
    void randomHistoriesNeverBreakTheReview()
    {
        QByteArray base;
        for (int n = 1; n <= 6; ++n)
            base += test::recordBytes(exam(n, n * 4));
        const QByteArray alphabet = "0123456789, :NgCHTL\r\n\xB9-abc";
        QRandomGenerator rng(12345);
        int files = 0;
        // A fixed count, the same on any machine: the fuzzer covers the rest.
        for (; files < 120; ++files) {
            QByteArray f = base;
            const int kind = rng.bounded(4);
            const int edits = 1 + rng.bounded(30);
            for (int e = 0; e < edits; ++e) {
                const int at = rng.bounded(f.size() + 1);
                const char c = kind == 3 ? char(rng.bounded(256)) : alphabet[rng.bounded(alphabet.size())];
                switch (rng.bounded(3)) {
                case 0: f.insert(at, c); break;
                case 1:
                    if (at < f.size())
                        f[at] = c;
                    break;
                default: f.remove(at, rng.bounded(8)); break;
                }
            }
            if (kind == 0)
                f = f.left(rng.bounded(f.size() + 1));
            m_p->dir.write(u"DuLieu.txt"_s, f);
            App app(m_p->seams, m_p->dir.path());
            NapDapAn(app.trangThai());
            auto* r = app.form<FormDapAnKQDaThi>();
            for (int i = 0; i < r->CB_NgayThi()->count(); ++i) {
                r->CB_NgayThi_Click(i);
                r->CM_Tiep_Click();
            }
            QCOMPARE(g_internalErrors, 0);
        }
        QVERIFY(files >= 50);
    }
};

QTEST_MAIN(TestReview)
#include "test_review.moc"
