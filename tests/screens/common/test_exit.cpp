// The end of the program while changes the store could not write are held:
// nothing is said saved that is not on disk, and nothing is dropped.

#include "ScreenSupport.h"

#include "rules/common/Texts.h"
#include "rules/store/KhoSqlite.h"

#include "screens/common/MoiTruong.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

class TestExit : public QObject {
    Q_OBJECT

private slots:
    // A store that cannot be kept (here: a link under its name; a folder
    // one may not write in goes the same way) holds what is done, and the
    // end asks what to do with it. "Lưu ra tệp…" onto a full disk says so
    // and asks again with the same three choices; onto a disk with room it
    // saves a file --import reads back, and only then ends.
    void savingHeldChangesThatFailsAsksAgain()
    {
        test::FullDisk disk(256);
        if (!disk.ok())
            QSKIP(qPrintable(disk.why()));
        test::Program p;
        p.dir.write(u"elsewhere"_s, "not a store");
        QVERIFY(QFile::link(p.dir.path(u"elsewhere"_s), p.dir.path(kTepKho)));
        KhoHocVien& kho = p.mt().kho();
        p.seams.messages.clear();  // what was said of the store at opening
        QVERIFY(!kho.datAmBao(1, false));
        QCOMPARE(kho.soChoGhi(), std::size_t{1});
        QVERIFY(!kho.amBao(1));  // read back as it will be

        const QStringList three{txt::kNutThuLai, txt::kNutLuuRaTep, txt::kNutKetThucMat};
        disk.fill();
        p.mt().ketThucChuongTrinh();
        QCOMPARE(p.seams.questions.size(), 1);
        QCOMPARE(p.seams.questions.last().buttons, three);
        p.seams.answer(1);
        QCOMPARE(p.seams.fileAsks.size(), 1);
        p.seams.fileAsks.last().onChosen(disk.path(u"held-here.json"_s));
        QCOMPARE(p.seams.messages.size(), 1);
        QVERIFY2(p.seams.messages.last().text.contains(u"ổ đĩa đã đầy"_s),
                 qPrintable(p.seams.messages.last().text));
        QVERIFY(!QFile::exists(disk.path(u"held-here.json"_s)));
        QCOMPARE(p.seams.ended, 0);
        p.seams.closeMessage();
        QCOMPARE(p.seams.questions.size(), 1);
        QCOMPARE(p.seams.questions.last().buttons, three);

        disk.free();
        p.seams.answer(1);
        p.seams.fileAsks.last().onChosen(disk.path(u"held-here.json"_s));
        QVERIFY(p.seams.messages.last().text.startsWith(u"Đã lưu 1 cài đặt"_s));
        QCOMPARE(p.seams.ended, 0);
        p.seams.closeMessage();
        QCOMPARE(p.seams.ended, 1);
        QFile f(disk.path(u"held-here.json"_s));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString why;
        const std::optional<TepChoGhi> saved = docTepChoGhi(f.readAll(), &why);
        QVERIFY2(saved && saved->ds.size() == 1 && saved->ds[0].khoa == u"sound"_s, qPrintable(why));
    }

    // Past a great many held changes the learner is asked to save them to a
    // file, once for each as many more; nothing is dropped meanwhile.
    void manyHeldChangesAskForAFile()
    {
        test::Program p;
        p.dir.write(u"elsewhere"_s, "not a store");
        QVERIFY(QFile::link(p.dir.path(u"elsewhere"_s), p.dir.path(kTepKho)));
        KhoHocVien& kho = p.mt().kho();
        const auto answer = [&](int n) {
            for (int i = 0; i < n; ++i)
                kho.ghiTraLoi(1, u"b"_s, 1 + i % 600, true, QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
        };
        answer(int{KhoHocVien::kChoGhiNhieu} - 1);
        p.mt().thuGhiLai();
        QVERIFY(p.seams.questions.isEmpty());
        answer(1);
        p.mt().thuGhiLai();
        QCOMPARE(p.seams.questions.size(), 1);
        QCOMPARE(p.seams.questions.last().buttons, (QStringList{txt::kNutLuuRaTep, txt::kNutDeSau}));
        p.seams.answer(1);
        answer(5);
        p.mt().thuGhiLai();
        QVERIFY(p.seams.questions.isEmpty());  // not again for five more
        QCOMPARE(kho.soChoGhi(), KhoHocVien::kChoGhiNhieu + 5);
    }
};

QTEST_MAIN(TestExit)
#include "test_exit.moc"
