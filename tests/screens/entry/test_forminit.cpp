#include "ScreenSupport.h"

#include "rules/common/NumberText.h"

#include "screens/app/App.h"
#include "screens/common/HopChu.h"
#include "screens/entry/FormInit.h"
#include "screens/exam/FormMain.h"
#include "screens/study/FormHocTap.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

class TestFormInit : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> m_p;
    FormInit* m_form = nullptr;

    QLabel* lb(const char* name) { return m_form->findChild<QLabel*>(QString::fromLatin1(name)); }

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

private slots:
    void init()
    {
        m_p = std::make_unique<test::Program>();
        m_form = m_p->app.form<FormInit>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() { m_p.reset(); }

    void loadFillsTheKeyAndShowsOnlyTheHint()
    {
        QCOMPARE(m_p->app.trangThai().DapAn[12], 4);
        QVERIFY(lb("LB_ThongBao")->isVisible());
        QCOMPARE(lb("LB_ThongBao")->text(), QStringLiteral("Bấm Tab, Esc hoặc Enter để khai báo"));
        for (const char* n : {"Nhan_Hang", "Nhan_Khoa", "Nhan_SBD"})
            QVERIFY(!lb(n)->isVisible());
        QVERIFY(!m_form->T_Hang()->isVisible());
        QVERIFY(!m_form->CM_Hoc()->isEnabled());
        QVERIFY(!m_form->CM_Thi()->isEnabled());
        QCOMPARE(m_form->T_Hang()->toolTip(),
                 QStringLiteral("Chi go cac tu sau: \"B1\", \"B2\", \"C\", \"D\", \"E\""));
        QCOMPARE(m_form->size(), QSize(548, 315));
        QCOMPARE(m_form->T_SoBaoDanh()->geometry(), QRect(358, 131, 97, 34));
        // The boxes are named by their captions for a screen reader.
        QCOMPARE(m_form->T_Hang()->accessibleName(), QStringLiteral("Hạng"));
        QCOMPARE(m_form->T_Khoa()->accessibleName(), QStringLiteral("Khoá"));
        QCOMPARE(m_form->T_SoBaoDanh()->accessibleName(), QStringLiteral("Số báo danh"));
        // A window with nothing focused says its title and what to press.
        QCOMPARE(lb("LB_ThongBao")->accessibleDescription(),
                 lb("LB_TieuDe")->text().remove(QRegularExpression(QStringLiteral("\\.+$")))
                     + QStringLiteral(". Bấm Tab, Esc hoặc Enter để khai báo. Đề thi hiện "
                                      "hành 600 câu: Alt+M."));
    }

    void keysRevealTheFields_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void keysRevealTheFields()
    {
        QFETCH(int, key);
        QTest::keyClick(m_form, Qt::Key_A);  // any other key does nothing
        QVERIFY(lb("LB_ThongBao")->isVisible());
        QTest::keyClick(m_form, Qt::Key(key));
        QVERIFY(!lb("LB_ThongBao")->isVisible());
        QVERIFY(m_form->T_Hang()->isVisible() && m_form->T_Khoa()->isVisible()
                && m_form->T_SoBaoDanh()->isVisible());
        QVERIFY(lb("Nhan_SBD")->isVisible());
        QVERIFY(m_form->CM_Hoc()->isEnabled());
        QVERIFY(!m_form->CM_Thi()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_form->T_Hang());
    }

    void doubleClickOnTitleRevealsToo()
    {
        QTest::mouseDClick(lb("LB_TieuDe"), Qt::LeftButton);
        QVERIFY(m_form->T_Hang()->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_form->T_Hang());
    }

    void classField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("examEnabled");
        QTest::newRow("b1") << u"b1"_s << u"b1"_s << true;
        QTest::newRow("B2") << u"B2"_s << u"B2"_s << true;
        QTest::newRow("e") << u"e"_s << u"e"_s << true;
        QTest::newRow("B alone") << u"B"_s << u"B"_s << false;
        QTest::newRow("B3: 3 is dropped") << u"B3"_s << u"B"_s << false;
        QTest::newRow("12") << u"12"_s << u"12"_s << false;
        QTest::newRow("CC") << u"CC"_s << u"CC"_s << false;
        QTest::newRow("letters and blanks") << u"xa c"_s << u"c"_s << true;
    }
    void classField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, examEnabled);
        m_form->Inits();
        QTest::keyClicks(m_form->T_Hang(), typed);
        QCOMPARE(m_form->T_Hang()->text(), shown);
        QCOMPARE(m_p->app.trangThai().Hang, shown.toUpper());
        QCOMPARE(m_form->CM_Thi()->isEnabled(), examEnabled);
    }

    void backspaceAndEnterInTheClassField()
    {
        m_form->Inits();
        QTest::keyClicks(m_form->T_Hang(), QStringLiteral("b1"));
        QVERIFY(m_form->CM_Thi()->isEnabled());
        QTest::keyClick(m_form->T_Hang(), Qt::Key_Return);
        QTest::keyClick(m_form->T_Hang(), Qt::Key_Escape);
        QCOMPARE(m_form->T_Hang()->text(), QStringLiteral("b1"));
        QTest::keyClick(m_form->T_Hang(), Qt::Key_Backspace);
        QVERIFY(!m_form->CM_Thi()->isEnabled());
        QCOMPARE(m_p->app.trangThai().Hang, QStringLiteral("B"));
    }

    void tabWalksTheFieldsInOrder()
    {
        m_form->Inits();
        QTest::keyClicks(m_form->T_Hang(), QStringLiteral("c"));
        const QList<QWidget*> order = {m_form->T_Khoa(), m_form->T_SoBaoDanh(), m_form->CM_Hoc(),
                                       m_form->CM_Thi()};
        for (QWidget* w : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w);
        }
        // A box reached by Tab selects what it holds once the focus settles.
        m_form->T_Khoa()->setText(QStringLiteral("12"));
        for (int i = 0; i < 3; ++i)  // back past Học and the number
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), m_form->T_Khoa());
        QTRY_COMPARE(m_form->T_Khoa()->selectedText(), QStringLiteral("12"));
    }

    void classClicksCycle()
    {
        m_form->Inits();
        const QStringList expected = {u"B1"_s, u"B2"_s, u"C"_s, u"D"_s, u"E"_s, u"B1"_s};
        for (const QString& e : expected) {
            click(m_form->T_Hang());
            QCOMPARE(m_form->T_Hang()->text(), e);
            QCOMPARE(m_form->T_Hang()->selectedText(), e);
            QVERIFY(m_form->CM_Thi()->isEnabled());
            QCOMPARE(m_p->app.trangThai().Hang, e);
        }
    }

    void numberFieldsCountClicksAndFilterKeys()
    {
        m_form->Inits();
        for (int i = 0; i < 3; ++i)
            click(m_form->T_SoBaoDanh());
        QCOMPARE(m_form->T_SoBaoDanh()->text(), QStringLiteral("3"));
        QCOMPARE(m_form->T_SoBaoDanh()->selectedText(), QStringLiteral("3"));
        QTest::keyClicks(m_form->T_SoBaoDanh(), QStringLiteral("4a-5 "));
        QCOMPARE(m_form->T_SoBaoDanh()->text(), QStringLiteral("45"));
        click(m_form->T_Khoa());
        click(m_form->T_Khoa());
        QCOMPARE(m_form->T_Khoa()->text(), QStringLiteral("2"));
        QTest::keyClicks(m_form->T_Khoa(), QStringLiteral("x7"));
        QCOMPARE(m_form->T_Khoa()->text(), QStringLiteral("7"));
    }

    // Text that does not come from a key (a paste, a middle-click paste or a
    // drop, which all end in insert()) passes the same character rules.
    void pastedTextIsFiltered_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");  // pasted once and inserted once
        QTest::newRow("class: junk") << u"T_Hang"_s << u"XYZ<B2> hello 3"_s << u"B"_s;
        QTest::newRow("class: valid") << u"T_Hang"_s << u"2"_s << u"B22"_s;
        QTest::newRow("number: junk") << u"T_SoBaoDanh"_s << u"12 34"_s << u"7"_s;
        QTest::newRow("number: digits") << u"T_SoBaoDanh"_s << u"12"_s << u"71212"_s;
    }
    void pastedTextIsFiltered()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        m_form->Inits();
        auto* f = m_form->findChild<HopChu*>(field);
        f->setText(after.left(1));
        f->end(false);
        QGuiApplication::clipboard()->setText(pasted);
        f->paste();
        f->insert(pasted);
        QCOMPARE(f->text(), after);
        QCOMPARE(m_p->app.trangThai().Hang, m_form->T_Hang()->text().toUpper());
    }

    void examButtonOpensTheSheetAndLeaves()
    {
        m_form->Inits();
        QTest::keyClicks(m_form->T_Hang(), QStringLiteral("b2"));
        QPointer<FormInit> entry = m_form;
        click(m_form->CM_Thi());
        QCOMPARE(m_p->app.trangThai().HoTen, QStringLiteral("Thí sinh dự thi"));
        QCOMPARE(m_p->app.trangThai().SoBaoDanh, QString());
        QVERIFY(m_p->app.coForm<FormMain>());
        QVERIFY(m_p->app.form<FormMain>()->isVisible());
        QCOMPARE(m_p->app.form<FormMain>()->windowTitle(), QStringLiteral("Thi ly thuyet lai xe hang B2"));
        QVERIFY(!m_p->app.coForm<FormInit>());
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(m_p->seams.ended, 0);
    }

    void studyButtonOpensTheStudyForm()
    {
        m_form->Inits();
        click(m_form->CM_Hoc());
        QVERIFY(m_p->app.coForm<FormHocTap>());
        QVERIFY(m_p->app.form<FormHocTap>()->isVisible());
        QCOMPARE(m_p->app.form<FormHocTap>()->windowTitle(),
                 QStringLiteral("Hoc ly thuyet 300 cau hoi Luat xe co gioi"));
        QCOMPARE(m_p->app.trangThai().HoTen, QString());
        QVERIFY(!m_p->app.coForm<FormInit>());
        QCOMPARE(m_p->seams.ended, 0);
    }

    void closingBeforeChoosingEndsTheProgram()
    {
        m_form->close();
        QCOMPARE(m_p->seams.ended, 1);
    }

    void numberTexts()
    {
        QCOMPARE(soCoDau(5), QStringLiteral(" 5"));
        QCOMPARE(soCoDau(0), QStringLiteral(" 0"));
        QCOMPARE(soCoDau(-3), QStringLiteral("-3"));
        QCOMPARE(soTron(27), QStringLiteral("27"));
        QCOMPARE(giaTriSo(u" 12abc"), 12.0);
        QCOMPARE(giaTriSo(u"abc"), 0.0);
        QCOMPARE(giaTriSo(u""), 0.0);
        QVERIFY(giaTriSo(QString(500, QLatin1Char('9'))) > 300);
    }
};

QTEST_MAIN(TestFormInit)
#include "test_forminit.moc"
