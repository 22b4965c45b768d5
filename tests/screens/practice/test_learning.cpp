#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/practice/OnTap.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/KhoSqlite.h"

#include "screens/app/App.h"
#include "screens/common/HopChu.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/study/FormHocTap.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

class TestLearning : public QObject {
    Q_OBJECT

    static QLabel* lb(QWidget* w, const QString& name) { return w->findChild<QLabel*>(name); }

    // A key as the learner presses it: to the window shown and active (the
    // practice window's keys act wherever its focus is).
    static void press(QWidget* f, int key)
    {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f, static_cast<Qt::Key>(key));
    }

    // One kept B2 exam: slots 25-29 answered wrong, slot 30 left blank.
    static void oneExam(test::Program& p)
    {
        p.dir.write(u"DuLieu.txt"_s, test::recordBytes(test::exam({.right = 24, .blank = {30}})));
    }

private slots:
    // The study form gains two buttons in its free space, with access keys
    // of their own; nothing it had moves.
    void studyFormOpensBoth()
    {
        test::Program p;
        oneExam(p);
        auto* study = p.app.form<FormHocTap>();
        p.mt().hien(study);
        QCOMPARE(study->CM_DaThi()->geometry(), QRect(544, 378, 129, 33));
        QSet<QChar> keys;
        for (auto* b : study->findChildren<QAbstractButton*>()) {
            const qsizetype amp = b->text().indexOf(u'&');
            QVERIFY2(amp >= 0, qPrintable(b->text()));
            const QChar k = b->text().at(amp + 1).toLower();
            QVERIFY2(!keys.contains(k), qPrintable(u"access key used twice: "_s + k));
            keys.insert(k);
        }
        study->CM_OnTap()->click();
        QVERIFY(p.app.onTapCoDien()->isVisible());
        study->CM_TienBo()->click();
        QVERIFY(p.app.tienBoCoDien()->isVisible());
        QVERIFY(study->isVisible());
    }

    // The learning windows of this bank are the data banks' ones: they open
    // as the learner chosen last on a home, in that learner's theme, and
    // what is practised goes to that learner.
    void learnerAndThemeFollowTheHome()
    {
        test::Program p;
        oneExam(p);
        KhoHocVien& kho = p.mt().kho();
        const qint64 lan = *kho.themHoSo(u"Lan"_s);
        QVERIFY(kho.datHoSoDangHoc(lan));
        QVERIFY(kho.datGiaoDien(lan, 2));
        auto* study = p.app.form<FormHocTap>();
        p.mt().hien(study);
        study->CM_OnTap()->click();
        FormOnTap* f = p.app.onTapCoDien();
        QCOMPARE(f->palette().color(QPalette::Window), QColor(45, 45, 48));
        press(f, Qt::Key_0 + kDapAn[static_cast<std::size_t>(f->cauDangOn())]);
        QCOMPARE(kho.docOnTap(lan, kIdNganHangCoDien, kSoCauHoi).muc[295].dung, 1);
        QCOMPARE(p.mt().onTapCoDien().muc[295].dung, 0);  // the default learner's
        study->CM_TienBo()->click();
        QCOMPARE(p.app.tienBoCoDien()->palette().color(QPalette::Window), QColor(45, 45, 48));
    }

    // Only the question's own options answer; the verdict names the key;
    // two right answers in a row take a question out; the list empties;
    // the history is never written.
    void practiceEmptiesTheList()
    {
        test::Program p;
        oneExam(p);
        const QByteArray history = p.dir.read(u"DuLieu.txt"_s);
        FormOnTap* f = p.app.onTapCoDien();
        p.mt().hien(f);
        QCOMPARE(f->conLai(), std::size_t{6});
        // Questions 295-300, all missed once in the same exam: by number.
        QCOMPARE(f->cauDangOn(), 295);
        QCOMPARE(f->windowTitle(), u"Ôn câu sai – 300 câu hỏi (đề 30 câu) – 295"_s);

        auto q = static_cast<std::size_t>(f->cauDangOn());
        const int key = kDapAn[q];
        QVERIFY(kSoPhuongAn[q] < 4);
        press(f, Qt::Key_4);  // not one of its options
        QCOMPARE(lb(f, u"LB_KetQua"_s)->text(), QString());
        const int wrong = key % kSoPhuongAn[q] + 1;
        press(f, Qt::Key_0 + wrong);
        // The verdict is shown once, in the question's box; a wrong answer
        // adds nothing under it, and a screen reader hears the verdict.
        QVERIFY2(f->khung()->giaiThich()->text().contains(u"là %1"_s.arg(key)),
                 qPrintable(f->khung()->giaiThich()->text()));
        QCOMPARE(lb(f, u"LB_KetQua"_s)->text(), QString());
        QCOMPARE(lb(f, u"LB_KetQua"_s)->accessibleDescription(), u"Sai. Đáp án đúng là %1."_s.arg(key));
        press(f, Qt::Key_0 + key);  // answered already: nothing
        QCOMPARE(p.mt().onTapCoDien().muc[q].sai, 1);
        QCOMPARE(p.mt().onTapCoDien().muc[q].dung, 0);

        int answers = 0;
        while (f->cauDangOn() != 0 && answers < 40) {
            press(f, Qt::Key_Return);
            if (f->cauDangOn() == 0)
                break;
            press(f, Qt::Key_0 + kDapAn[static_cast<std::size_t>(f->cauDangOn())]);
            ++answers;
        }
        QCOMPARE(answers, 12);
        QCOMPARE(f->cauDangOn(), 0);
        QVERIFY(lb(f, u"LB_Trong"_s)->isVisible());
        QVERIFY(lb(f, u"LB_Trong"_s)->text().startsWith(u"Không còn câu sai nào"_s));
        QCOMPARE(p.dir.read(u"DuLieu.txt"_s), history);
    }

    // No exam kept: said plainly. A damaged old practice file: said once,
    // kept aside under a name given, and practice starts afresh; studying
    // goes on.
    void plainWordsOnEmptyAndDamaged()
    {
        test::Program p;
        FormOnTap* f = p.app.onTapCoDien();
        QCOMPARE(f->cauDangOn(), 0);
        QVERIFY(lb(f, u"LB_Trong"_s)->text().startsWith(u"Chưa có bài thi nào"_s));
        QVERIFY(p.seams.messages.isEmpty());

        test::Program q;
        oneExam(q);
        q.dir.write(kTepOnTap, "thilaixe practice 1\nq 999 1 0 0 0\n");
        auto* study = q.app.form<FormHocTap>();
        q.mt().hien(study);
        study->CM_OnTap()->click();
        QCOMPARE(q.seams.messages.size(), 1);
        QVERIFY2(q.seams.messages[0].text.contains(q.dir.path(u"OnTap.txt.damaged"_s)),
                 qPrintable(q.seams.messages[0].text));
        QCOMPARE(q.dir.read(u"OnTap.txt.damaged"_s), QByteArray("thilaixe practice 1\nq 999 1 0 0 0\n"));
        QCOMPARE(q.app.onTapCoDien()->conLai(), std::size_t{6});
        q.app.onTapCoDien()->close();
        study->CM_OnTap()->click();
        study->CM_TienBo()->click();
        QCOMPARE(q.seams.messages.size(), 1);
        QCOMPARE(q.seams.ended, 0);
        QVERIFY(study->isVisible());
    }

    // A history that cannot be read for a while undoes nothing practised:
    // the windows say why, naming the file, and the practice boxes stay as
    // they are; once the history reads again, mastered mistakes stay mastered.
    void unreadableHistoryUndoesNoPractice_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("link") << u"link"_s << u"liên kết"_s;
        QTest::newRow("folder") << u"folder"_s << u"thư mục"_s;
        QTest::newRow("fifo") << u"fifo"_s << u"FIFO"_s;
    }
    void unreadableHistoryUndoesNoPractice()
    {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        test::Program p;
        oneExam(p);
        FormOnTap* f = p.app.onTapCoDien();
        for (int n = 0; n < 12 && f->cauDangOn() != 0; ++n) {
            press(f, Qt::Key_0 + kDapAn[static_cast<std::size_t>(f->cauDangOn())]);
            press(f, Qt::Key_Return);
        }
        QCOMPARE(f->cauDangOn(), 0);
        f->close();
        const SoOnTap practice = p.mt().onTapCoDien();
        QCOMPARE(practice.daGop.size(), 1);

        const QString history = p.dir.history(), aside = p.dir.path(u"aside.txt"_s);
        QVERIFY(QFile::rename(history, aside));
        if (kind == u"link"_s)
            QVERIFY(QFile::link(aside, history));
        else if (kind == u"folder"_s)
            QVERIFY(QDir().mkdir(history));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(history).constData(), 0644), 0);
        f = p.app.onTapCoDien();
        p.mt().hien(f);
        QCOMPARE(p.seams.messages.size(), 1);
        QCOMPARE(p.seams.messages[0].title, u"Tệp lịch sử thi"_s);
        QVERIFY2(p.seams.messages[0].text.contains(history) && p.seams.messages[0].text.contains(why),
                 qPrintable(p.seams.messages[0].text));
        QVERIFY(lb(f, u"LB_Trong"_s)->text().startsWith(u"Không đọc được tệp lịch sử thi"_s));
        f->close();
        FormTienBo* progress = p.app.tienBoCoDien();
        QVERIFY(lb(progress, u"LB_SanSang"_s)->text().startsWith(u"Không đọc được tệp lịch sử thi"_s));
        QCOMPARE(p.seams.messages.size(), 1);  // said once
        QVERIFY(p.mt().onTapCoDien() == practice);

        if (kind == u"folder"_s)
            QVERIFY(QDir().rmdir(history));
        else
            QVERIFY(QFile::remove(history));
        QVERIFY(QFile::rename(aside, history));
        f = p.app.onTapCoDien();
        QCOMPARE(f->cauDangOn(), 0);
        QVERIFY(lb(f, u"LB_Trong"_s)->text().startsWith(u"Không còn câu sai nào"_s));
        QVERIFY(p.mt().onTapCoDien() == practice);
        QCOMPARE(p.seams.messages.size(), 1);
    }

    // Another copy of the program practising the same list: this copy's
    // practice window and progress window show the store as it is now, not
    // as they first read it.
    void anotherCopysPracticeIsSeen()
    {
        test::Program p;
        oneExam(p);
        FormTienBo* progress = p.app.tienBoCoDien();
        p.mt().hien(progress);
        const QString before = lb(progress, u"LB_SanSang"_s)->text();
        FormOnTap* f = p.app.onTapCoDien();
        p.mt().hien(f);
        QCOMPARE(f->cauDangOn(), 295);
        QCOMPARE(lb(f, u"LB_Con"_s)->text(), u"Còn 6 câu"_s);
        {
            KhoSqlite other(p.dir.path(kTepKho));
            for (int q = 295; q <= 297; ++q)
                for (int n = 0; n < kDungDeXong; ++n)
                    QVERIFY(other.traLoiOnTap(1, kIdNganHangCoDien, q, true));
        }
        // 295 is on show: answering it says it is out, and the count follows.
        press(f, Qt::Key_0 + kDapAn[295]);
        QVERIFY2(lb(f, u"LB_KetQua"_s)->text().endsWith(u"Câu này đã rời danh sách."_s),
                 qPrintable(lb(f, u"LB_KetQua"_s)->text()));
        QCOMPARE(lb(f, u"LB_Con"_s)->text(), u"Còn 3 câu"_s);
        press(f, Qt::Key_Return);
        QCOMPARE(f->cauDangOn(), 298);
        // Progress, closed and opened again, counts the other copy's answers.
        progress->close();
        progress = p.app.tienBoCoDien();
        QVERIFY2(lb(progress, u"LB_SanSang"_s)->text() != before, qPrintable(before));
    }

    // The progress window's figures, and a most-missed question opening on
    // the study form.
    void progressShowsAndLeads()
    {
        test::Program p;
        QByteArray history;
        for (int n = 0; n < 3; ++n)  // newest first: 28 right (a pass), then 20, 20
            history += test::recordBytes(test::exam({.seed = n, .right = n == 0 ? 28 : 20}));
        p.dir.write(u"DuLieu.txt"_s, history);
        p.state().Hang = u"b2"_s;
        auto* study = p.app.form<FormHocTap>();
        p.mt().hien(study);
        study->CM_TienBo()->click();
        FormTienBo* f = p.app.tienBoCoDien();
        QCOMPARE(f->windowTitle(), u"Tiến bộ – hạng B2"_s);
        QVERIFY(lb(f, u"LB_SanSang"_s)->text().startsWith(u"Khả năng đạt ở lần thi tới: "_s));
        QCOMPARE(lb(f, u"LB_CoSo"_s)->text(),
                 u"Dựa trên 3 bài thi hạng B2 và các câu đã ôn. Đạt 1/3 lần thi gần nhất."_s);
        // No critical question in this bank, and no prediction kept: neither is said.
        QVERIFY(lb(f, u"LB_Liet"_s)->isHidden() && lb(f, u"LB_Vung"_s)->isHidden());
        QVERIFY(lb(f, u"LB_KiemChung"_s)->isHidden());
        QCOMPARE(f->findChild<QProgressBar*>(u"DoPhu3"_s)->value(), 7);
        QCOMPARE(f->findChild<QProgressBar*>(u"DoPhu3"_s)->accessibleName(),
                 u"Chương 3: đã gặp 7 trên 50 câu"_s);
        QCOMPARE(f->findChild<QWidget*>(u"BieuDo"_s)->accessibleDescription(),
                 u"Số câu đúng của từng lần thi, cũ nhất trước: 20 (Không đạt), 20 (Không đạt), 28 (Đạt)."_s);
        auto* list = f->findChild<QListWidget*>(u"DS_SaiNhieu"_s);
        QCOMPARE(list->count(), 10);
        QCOMPARE(list->item(0)->text(), u"Câu 299: sai 3 lần"_s);  // slots 29 and 30 missed in all three
        const QRect r = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(study->CauDangXem(), 299);
        QCOMPARE(study->CauHoiSo()->text(), u"299"_s);

        // An exam kept meanwhile shows once the window is looked at again.
        p.dir.write(u"DuLieu.txt"_s, test::recordBytes(test::exam({.seed = 9, .right = 30})) + history);
        f->tinhLai();
        QVERIFY2(lb(f, u"LB_CoSo"_s)->text().startsWith(u"Dựa trên 4 bài thi hạng B2"_s),
                 qPrintable(lb(f, u"LB_CoSo"_s)->text()));
        QVERIFY(lb(f, u"LB_CoSo"_s)->text().endsWith(u"Đạt 2/4 lần thi gần nhất."_s));
    }
};

QTEST_MAIN(TestLearning)
#include "test_learning.moc"
