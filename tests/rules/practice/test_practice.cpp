#include "TestSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/history/LichSuThi.h"
#include "rules/practice/OnTap.h"
#include "rules/practice/TienBo.h"
#include "rules/practice/TriNho.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/KhoSqlite.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

// Saves the exams in order (the last is the newest) and reads them back.
std::vector<LanThi> kept(const test::WorkDir& d, const QList<test::ExamSpec>& specs)
{
    QFile::remove(d.history());
    for (const test::ExamSpec& e : specs)
        GhiDuLieu(test::exam(e), d.history());
    return docCacLanThi(d.history());
}

int questionAt(const test::ExamSpec& e, int slot) { return test::exam(e).CH[slot]; }

}  // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    // The memory of a question follows FSRS-6 with its default weights,
    // checked against values worked by hand from the published formulas:
    // a first right answer, a right one three days later, a wrong one ten
    // days after that, a right one again the same day; a first wrong
    // answer; recall on a day and the days until it falls to a target.
    void memoryFollowsFsrs6()
    {
        using namespace trinho;
        const QDate d0(2026, 12, 1);
        TrangThai s = traLoi({}, d0, true);
        QCOMPARE(s.onDinh, 2.3065);
        QVERIFY(qAbs(s.doKho - 2.118104) < 1e-6);
        QVERIFY(qAbs(xacSuatNho(s, d0.addDays(3)) - 0.880948) < 1e-6);
        s = traLoi(s, d0.addDays(3), true);
        QVERIFY(qAbs(s.onDinh - 13.826904) < 1e-6);
        QVERIFY(qAbs(s.doKho - 2.111214) < 1e-6);
        s = traLoi(s, d0.addDays(13), false);
        QVERIFY(qAbs(s.onDinh - 1.666141) < 1e-6);
        QVERIFY(qAbs(s.doKho - 7.392238) < 1e-6);
        s = traLoi(s, d0.addDays(13), true);
        QVERIFY(qAbs(s.onDinh - 1.692818) < 1e-6);
        QCOMPARE(s.soLan, 4);
        const TrangThai wrong = traLoi({}, d0, false);
        QCOMPARE(wrong.onDinh, 0.212);
        QVERIFY(qAbs(wrong.doKho - 6.4133) < 1e-9);
        QVERIFY(qAbs(xacSuatNho(2.3065, 2.3065) - 0.9) < 1e-12);
        QVERIFY(qAbs(soNgayDen(2.3065, 0.8) - 7.648261) < 1e-6);
        QCOMPARE(xacSuatNho(TrangThai{}, d0), 0.0);
    }

    void keptExamsReadBack()
    {
        test::WorkDir d;
        const auto ds = kept(d, {{.seed = 1, .right = 30, .hang = u"C"_s}, {.seed = 2, .right = 20}});
        QCOMPARE(ds.size(), std::size_t{2});
        QCOMPARE(ds[0].hang, u"C"_s);  // oldest first
        QCOMPARE(ds[0].soDung, 30);
        QCOMPARE(ds[1].hang, u"B2"_s);
        QCOMPARE(ds[1].soDung, 20);
        QCOMPARE(ds[1].cau[1], questionAt({.seed = 2}, 1));
        QVERIFY(!ds[1].dung[21] && ds[1].dung[20]);
        QVERIFY(ds[0].khoa != ds[1].khoa);
    }

    // The class at the end of a kept date line, read by hand as the pattern
    // "\(Hạng\s+([A-Za-z0-9]{1,3})\)\s*$" reads it (the pattern is the judge).
    void classAtTheEndOfTheLine()
    {
        static const QRegularExpression mau(u"\\(H\\x{1EA1}ng\\s+([A-Za-z0-9]{1,3})\\)\\s*$"_s);
        const QString dong[] = {u" 3/1/26 - 10:01:20 (Hạng  d)"_s,
                                u" 3/1/26 - 10:01:20"_s,
                                u"(Hạng B2)  \t"_s,
                                u"(Hạng B2) x"_s,
                                u"(HạngB2)"_s,
                                u"(Hạng )"_s,
                                u"(Hạng ABCD)"_s,
                                u"(Hạng C1E)"_s,
                                u"(Hạng Ạ)"_s,
                                u"(Hạng B)(Hạng C)"_s,
                                u"(Hạng (Hạng E)"_s,
                                u"Hạng B)"_s,
                                u"(Hạng\u00A0c)"_s,
                                u")"_s,
                                QString()};
        for (const QString& d : dong) {
            const QRegularExpressionMatch m = mau.match(d);
            QCOMPARE(hangTrongDong(d), m.hasMatch() ? m.captured(1).toUpper() : QString());
        }
        QCOMPARE(hangTrongDong(u" 3/1/26 - 10:01:20 (Hạng  d)"_s), u"D"_s);
    }

    // The whole life of a mistake: in at the exam, out after two rights in
    // a row (a wrong answer starts the run again), back at a later miss,
    // and an exam is folded in once only.
    void mistakesComeAndGo()
    {
        test::WorkDir d;
        const test::ExamSpec first{.seed = 3, .right = 27, .blank = {30}};  // 28, 29 wrong, 30 blank
        auto ds = kept(d, {first});
        SoOnTap onTap;
        QVERIFY(onTap.gopLanThi(ds));
        QVERIFY(!onTap.gopLanThi(ds));
        const std::vector<int> list = onTap.danhSach(ds);
        const std::vector<int> missed{questionAt(first, 28), questionAt(first, 29), questionAt(first, 30)};
        QCOMPARE(list.size(), std::size_t{3});
        for (int q : missed)
            QVERIFY(std::find(list.begin(), list.end(), q) != list.end());

        const int q = list.front();
        QVERIFY(!onTap.traLoi(q, true));
        QVERIFY(!onTap.traLoi(q, false));  // the run starts again
        QVERIFY(!onTap.traLoi(q, true));
        QVERIFY(onTap.traLoi(q, true));
        QCOMPARE(onTap.danhSach(ds).size(), std::size_t{2});
        QCOMPARE(onTap.muc[static_cast<std::size_t>(q)].dung, 3);
        QCOMPARE(onTap.muc[static_cast<std::size_t>(q)].sai, 1);

        // The same exam read again changes nothing; a later one missing the
        // question brings it back.
        ds = docCacLanThi(d.history());
        QVERIFY(!onTap.gopLanThi(ds));
        GhiDuLieu(test::exam({.seed = 13, .right = 27, .blank = {30}}), d.history());  // same paper, later
        QVERIFY(onTap.gopLanThi(docCacLanThi(d.history())));
        QCOMPARE(onTap.danhSach(docCacLanThi(d.history())).size(), std::size_t{3});
    }

    void mostMissedFirstThenMostRecent()
    {
        test::WorkDir d;
        // Slot 30 (question 300) is missed twice; slots 28 and 29 once, 29
        // in the newer exam.
        const auto ds =
            kept(d, {{.seed = 4, .right = 28, .blank = {28}}, {.seed = 4, .right = 28, .blank = {29}}});
        SoOnTap onTap;
        onTap.gopLanThi(ds);
        const std::vector<int> list = onTap.danhSach(ds);
        QCOMPARE(list.size(), std::size_t{3});
        QCOMPARE(list[0], 300);
        QCOMPARE(list[1], questionAt({.seed = 4}, 29));
        QCOMPARE(list[2], questionAt({.seed = 4}, 28));
    }

    void fileRoundTrip()
    {
        SoOnTap onTap;
        onTap.daGop = {"0123456789abcdef", "fedcba9876543210"};
        onTap.muc[7] = {true, 1, 4, 2};
        onTap.muc[300] = {false, 0, 1, 0};
        const QByteArray t = onTap.vietRa();
        QCOMPARE(t, QByteArray("thilaixe practice 1\nexam 0123456789abcdef\nexam fedcba9876543210\n"
                               "q 7 1 1 4 2\nq 300 0 0 1 0\n"));
        QCOMPARE(SoOnTap::docVao(t), std::optional<SoOnTap>(onTap));
    }

    void damagedTextIsRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray head = "thilaixe practice 1\n";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other header") << QByteArray("thilaixe practice 2\n");
        QTest::newRow("question 0") << head + "q 0 1 0 0 0\n";
        QTest::newRow("question 301") << head + "q 301 1 0 0 0\n";
        QTest::newRow("run too long") << head + "q 5 1 2 0 0\n";
        QTest::newRow("twice") << head + "q 5 1 0 0 0\nq 5 0 0 0 0\n";
        QTest::newRow("sign") << head + "q 5 1 0 -1 0\n";
        QTest::newRow("short") << head + "q 5 1 0 0\n";
        QTest::newRow("bad key") << head + "exam 0123\n";
        QTest::newRow("junk") << head + "\x01\xff zz\n";
        QTest::newRow("huge") << head + QByteArray(kOnTapToiDa, '\n');
    }
    void damagedTextIsRefused()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!SoOnTap::docVao(text));
    }

    // The classic history folded into the store: once per exam, the
    // history never touched, seen by every copy; a fold the store cannot
    // take yet (another copy holds it) already shows, and is written first
    // by the next write.
    void historyFoldedIntoTheStore()
    {
        test::WorkDir d;
        const auto ds = kept(d, {{.seed = 5, .right = 27}});
        const QByteArray history = d.read(u"DuLieu.txt"_s);
        KhoSqlite a(d.path(kTepKho), KhoSqlite::CheDo::Ghi, 50);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
            db.setDatabaseName(d.path(kTepKho));
            QVERIFY(db.open());
            QSqlQuery hold(db);
            QVERIFY(hold.exec(u"BEGIN IMMEDIATE"_s));
            QVERIFY(!a.gopLanThi(1, kIdNganHangCoDien, kSoCauHoi, ds));
            QCOMPARE(a.docOnTap(1, kIdNganHangCoDien, kSoCauHoi).danhSach(ds).size(), std::size_t{3});
            QVERIFY(hold.exec(u"ROLLBACK"_s));
        }
        QSqlDatabase::removeDatabase(u"holder"_s);
        QVERIFY(a.gopLanThi(1, kIdNganHangCoDien, kSoCauHoi, ds));
        QCOMPARE(a.soChoGhi(), std::size_t{0});
        KhoSqlite b(d.path(kTepKho));
        const std::vector<int> list = b.docOnTap(1, kIdNganHangCoDien, kSoCauHoi).danhSach(ds);
        QCOMPARE(list.size(), std::size_t{3});
        for (int q : list)
            for (int n = 0; n < kDungDeXong; ++n)
                QVERIFY(b.traLoiOnTap(1, kIdNganHangCoDien, q, true));
        QVERIFY(a.gopLanThi(1, kIdNganHangCoDien, kSoCauHoi, ds));
        QVERIFY(a.docOnTap(1, kIdNganHangCoDien, kSoCauHoi).danhSach(ds).empty());  // folded in once only
        QCOMPARE(d.read(u"DuLieu.txt"_s), history);
    }

    void progressFigures()
    {
        test::WorkDir d;
        QList<test::ExamSpec> specs;
        for (int n = 0; n < 12; ++n)  // B2 passes with 26: every third exam passes
            specs.append({.seed = n, .right = n % 3 == 0 ? 28 : 24, .hang = n == 11 ? u"X"_s : u"B2"_s});
        const auto ds = kept(d, specs);
        SoOnTap onTap;
        onTap.muc[151] = {false, 0, 1, 0};  // practised only
        const TienBo t = tinhTienBo(nganHangCoDien(), ds, onTap);
        QCOMPARE(t.diem.size(), std::size_t{12});
        QCOMPARE(t.diem[0].dung, 28);
        QVERIFY(t.diem[0].dat);
        QCOMPARE(t.diem[11].canDeDat, -1);  // unknown class: no verdict
        QCOMPARE(t.soGanDay, 10);
        QCOMPARE(t.datGanDay, 3);  // exams 3, 6 and 9 of the last ten
        // Slots 29 and 30 are missed in every exam, 25-28 in eight of them.
        QCOMPARE(t.saiNhieuNhat.size(), std::size_t{6});
        QCOMPARE(t.saiNhieuNhat[0], std::make_pair(299, 12));
        QCOMPARE(t.saiNhieuNhat[1], std::make_pair(300, 12));
        QCOMPARE(t.saiNhieuNhat[2].second, 8);
        // Slots 1-13 take 13 theory questions per seed (10 seeds apart: 130),
        // slots 14-23 ten signs (and 151 practised), 24-30 seven situations.
        QCOMPARE(t.daGap[0], 130);
        QCOMPARE(t.daGap[1], 11);
        QCOMPARE(t.daGap[2], 7);
    }

    // The estimate: the same with the same seed; bounded by the extremes;
    // and it rises whenever answers improve.
    void readinessRisesWithBetterAnswers()
    {
        test::WorkDir d;
        const QuyTacHang& b2 = *boQuyTacCoDien().timHang(u"B2"_s);
        auto chance = [&](const QList<test::ExamSpec>& specs, const SoOnTap& onTap = {}) {
            BoSinhSo rng(42);
            return uocLuongSanSang(nganHangCoDien(), b2, kept(d, specs), onTap, rng, 400).xacSuat;
        };
        QCOMPARE(chance({{.right = 20}}), chance({{.right = 20}}));
        QVERIFY(chance({{.seed = 1, .right = 30}, {.seed = 2, .right = 30}, {.seed = 3, .right = 30}}) > 0.5);
        QVERIFY(chance({{.seed = 1, .right = 5}, {.seed = 2, .right = 5}}) < 0.01);
        double last = -1;
        for (int right : {10, 18, 24, 27, 30}) {
            const double p = chance({{.seed = 1, .right = right}, {.seed = 2, .right = right}});
            QVERIFY2(p > last, qPrintable(u"%1 right: %2 after %3"_s.arg(right).arg(p).arg(last)));
            last = p;
        }
        // Recent form counts more: the same exams, improving rather than
        // slipping.
        QVERIFY(chance({{.seed = 1, .right = 15}, {.seed = 2, .right = 29}})
                > chance({{.seed = 1, .right = 29}, {.seed = 2, .right = 15}}));
        // Practice answered right counts too, less than an exam.
        const QList<test::ExamSpec> h{{.seed = 1, .right = 24}};
        SoOnTap onTap;
        onTap.gopLanThi(kept(d, h));
        const double before = chance(h, onTap);
        for (int q : onTap.danhSach(kept(d, h)))
            onTap.traLoi(q, true);
        QVERIFY(chance(h, onTap) > before);
        BoSinhSo rng(1);
        const SanSang none = uocLuongSanSang(nganHangCoDien(), b2, {}, {}, rng, 10);
        QCOMPARE(none.soLanThi, 0);
        QCOMPARE(none.soDe, 10);
        QCOMPARE(none.xacSuatLiet, 0.0);  // no critical question in this bank

        // The check of the estimate: nothing under five predictions, 0 for
        // sure and right, 0.25 for always 50 %, 1 for sure and wrong.
        QVERIFY(!diemBrier({{0.9, true}, {0.2, false}}));
        QCOMPARE(*diemBrier(std::vector<std::pair<double, bool>>(5, {1.0, true})), 0.0);
        QCOMPARE(*diemBrier({{0.5, true}, {0.5, false}, {0.5, true}, {0.5, true}, {0.5, false}}), 0.25);
        QCOMPARE(*diemBrier(std::vector<std::pair<double, bool>>(6, {0.0, true})), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestPractice)
#include "test_practice.moc"
