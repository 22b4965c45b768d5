#include "ScreenSupport.h"

#include "rules/store/KhoHocVien.h"

#include "screens/common/CoCuaSo.h"
#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Ui.h"
#include "screens/databank/FormBaiDaLam.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/FormHocChuong.h"
#include "screens/databank/FormNganHang.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/databank/FormTimCau.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NutCauHoi.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <functional>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBank = QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json");

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

// The focus ring of `c`, focused: on its edge, at least 3:1 against the
// window's field, and none of it on the text's ink.
QString ringFault(QWidget* window, QWidget* c)
{
    c->clearFocus();
    settle();
    const QImage before = c->grab().toImage().convertToFormat(QImage::Format_RGB32);
    c->setFocus(Qt::TabFocusReason);
    settle();
    if (!c->hasFocus())
        return c->objectName() + u" takes no focus"_s;
    const QImage after = c->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor ring = KieuTieuDiem::mauVong(c->palette());
    const QColor field = window->palette().color(QPalette::Window);
    if (ui::doTuongPhan(ring, field) < 3)
        return u"%1: ring %2 on %3"_s.arg(c->objectName(), ring.name(), field.name());
    const qreal dpr = after.devicePixelRatio();
    // On the edge of the control, or of a list's current item.
    QRect edge = c->rect();
    if (auto* v = qobject_cast<QAbstractItemView*>(c))
        edge = QRect(v->viewport()->mapTo(c, v->visualRect(v->currentIndex()).topLeft()),
                     v->visualRect(v->currentIndex()).size());
    if (QColor(after.pixel(qRound((edge.center().x()) * dpr), qRound(edge.top() * dpr))) != ring)
        return c->objectName() + u": no ring on the edge"_s;
    // The ink: pixels of the unfocused text area unlike its field.
    QRect ta = qobject_cast<QAbstractItemView*>(c) ? edge.adjusted(2, 2, -2, -2) : test::textArea(c, c);
    ta = QRect(ta.topLeft() * dpr, ta.size() * dpr);
    QHash<QRgb, int> count;
    for (int y = ta.top(); y <= ta.bottom(); ++y)
        for (int x = ta.left(); x <= ta.right(); ++x)
            ++count[before.pixel(x, y)];
    QRgb inkField = count.isEmpty() ? 0 : count.begin().key();
    for (auto it = count.begin(); it != count.end(); ++it)
        if (it.value() > count[inkField])
            inkField = it.key();
    QRect ink;
    for (int y = ta.top(); y <= ta.bottom(); ++y)
        for (int x = ta.left(); x <= ta.right(); ++x)
            if (before.pixel(x, y) != inkField)
                ink |= QRect(x, y, 1, 1);
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y) && QColor(after.pixel(x, y)) == ring
                && ink.contains(x, y))
                return u"%1: ring on the text at (%2, %3)"_s.arg(c->objectName()).arg(x).arg(y);
    return {};
}

struct BankProgram : test::Program {
    BankProgram() { seams.clock = QDateTime(QDate(2026, 12, 10), QTime(9, 0)); }
};

// The sample bank with texts as long as a real bank's longest (a question
// of 400 letters, four options of some 160, an explanation, a tip and a
// law line), made by the project's own tool; the pictures are the sample's.
QString longBank(const test::WorkDir& dir)
{
    QProcess p;
    p.start(u"python3"_s, {u"" THILAIXE_LONG_BANK ""_s, kBank, dir.path(u"long"_s)});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return dir.path(u"long/bank.json"_s);
}

// Every window of a bank in the states a learner meets, one after the
// other: `check` looks at each as it stands.
void everyWindow(BankProgram& p, const QString& bank,
                 const std::function<void(QWidget*, const QString&)>& check)
{
    FormNganHang* home = p.app.moDeMoi(bank, u"B"_s);
    QVERIFY(home);
    check(home, u"home"_s);
    FormBaiThi* f = home->thiThu();
    QVERIFY(f);
    f->chon(1);
    f->denO(1);
    for (int o = 0; o < 30; ++o) {  // a slot with a picture
        f->denO(o);
        if (!f->khung()->anh()->isHidden())
            break;
    }
    check(f, u"paper"_s);
    f->hoiNop();
    check(f, u"hand-in question"_s);
    f->nop();
    check(f, u"result"_s);
    f->xemLai();
    f->denO(0);
    check(f, u"review"_s);
    f->close();
    FormHocChuong* study = home->hocTheoChuong();
    study->thu(study->khung()->phuongAnTai(1) == 1 ? 2 : 1);
    check(study, u"study"_s);
    FormOnTap* practice = home->onDiemLiet();
    practice->traLoi(1);
    check(practice, u"practice"_s);
    FormTimCau* search = home->timCauHoi();
    search->oTim()->setText(u"mẫu"_s);
    check(search, u"search"_s);
    check(home->tienBo(), u"progress"_s);
    FormBaiDaLam* past = home->baiDaLam();
    check(past, u"past papers"_s);
    FormBaiThi* kept = past->mo(0);
    QVERIFY(kept);
    check(kept, u"a kept paper's review"_s);
    past->close();
    const std::vector<FormNganHang::NguonBaiNgan> from = home->nguonBaiNgan();
    FormBaiThi* shortTest = home->baiNgan(from.front().cau, from.front().ten);
    QVERIFY(shortTest);
    check(shortTest, u"short test"_s);
    shortTest->nop();
    check(shortTest, u"short test's result"_s);
    shortTest->close();
    check(home->onDaLuu(), u"saved questions, none yet"_s);
}

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT

private slots:
    // In each theme every text of every window of a bank is readable and
    // the focus ring is seen, never on the text.
    void themesAreReadable_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << 1;
        QTest::newRow("dark") << 2;
        QTest::newRow("high contrast") << 3;
    }
    void themesAreReadable()
    {
        QFETCH(int, theme);
        BankProgram p;
        p.mt().kho().datGiaoDien(KhoHocVien::kHoSoMacDinh, theme);
        QStringList faults;
        QColor homeBackground;  // every window in the home's theme
        everyWindow(p, kBank, [&](QWidget* w, const QString& state) {
            if (!homeBackground.isValid())
                homeBackground = w->palette().color(QPalette::Window);
            if (w->palette().color(QPalette::Window) != homeBackground)
                faults << state + u": not in the home's theme"_s;
            for (const QString& f : test::contrastFaults(w))
                faults << state + u": "_s + f;
            QList<QWidget*> ringed;
            for (const char* name :
                 {"CM_PA1", "CM_PA2", "O_2", "CM_ThiThu", "CM_Sau", "CM_LamTiep", "CM_XemLai", "CB_Chuong",
                  "DS_KetQua", "CM_Tiep", "CB_Hang", "CM_LuuCau", "CM_BaiNgan", "DS_BaiDaLam"})
                if (auto* c = w->findChild<QWidget*>(QString::fromLatin1(name)); c && c->isVisibleTo(w))
                    ringed << c;
            if (auto* list = w->findChild<QListWidget*>(u"DS_KetQua"_s); list && list->count() > 0)
                list->setCurrentRow(0);
            for (QWidget* c : ringed)
                if (const QString f = ringFault(w, c); !f.isEmpty())
                    faults << state + u": "_s + f;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // With texts as long as real ones every window fits a 1280x720 screen
    // with a 40-px taskbar and a title bar, and a 1366x768 one: every text
    // wraps whole inside the window, the picture stays legible. A larger
    // size (Ctrl++) enlarges the question's texts and is kept for the
    // learner.
    void longTextsFitSmallScreens()
    {
        for (const QSize screen : {QSize(1280, 650), QSize(1366, 738)}) {
            BankProgram p;
            const QString bank = longBank(p.dir);
            QVERIFY(!bank.isEmpty());
            QStringList faults;
            everyWindow(p, bank, [&](QWidget* w, const QString& state) {
                w->resize(w->size().boundedTo(screen));
                settle();
                if (w->minimumSizeHint().width() > screen.width()
                    || w->minimumSizeHint().height() > screen.height())
                    faults << u"%1 needs %2x%3"_s.arg(state)
                                  .arg(w->minimumSizeHint().width())
                                  .arg(w->minimumSizeHint().height());
                for (const QString& f : test::layoutFaults(w, {u"VungCau|*"_s}))
                    faults << state + u": "_s + f;
                if (auto* a = w->findChild<AnhTrongKhung*>(); a && a->isVisibleTo(w) && a->width() < 320)
                    faults << u"%1: picture %2 px wide"_s.arg(state).arg(a->width());
            });
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        }

        BankProgram p;
        FormNganHang* home = p.app.moDeMoi(kBank, u"B"_s);
        FormBaiThi* f = home->thiThu();
        auto* question = f->findChild<QLabel*>(u"LB_NoiDung"_s);
        const qreal text = question->font().pointSizeF(),
                    option = f->khung()->nutPhuongAn(1)->font().pointSizeF();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(f, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(question->font().pointSizeF(), text * 2);
        QCOMPARE(f->khung()->nutPhuongAn(1)->font().pointSizeF(), option * 2);
        QCOMPARE(f->khung()->giaiThich()->font().pointSizeF(), option * 2);
        FormHocChuong* study = home->hocTheoChuong();
        QCOMPARE(study->khung()->noiDung()->font().pointSizeF(), text * 2);  // kept for the learner
    }

    // A question as long as a real bank's longest, on the free area of a
    // 1280x720 screen (its panel taken), of a 1366x768 one, and (in the
    // test's 2x run) at twice the density: the window fills the area, and
    // the whole text and all four options show without scrolling, the
    // picture beside or under them; in the review too, with the key.
    void realLengthQuestionsFitWhole()
    {
        const auto whole = [](KhungCauHoi* k) {
            QWidget* vp = k->vungCau()->viewport();
            QStringList out;
            for (QWidget* w : QList<QWidget*>{k->noiDung(), k->nutPhuongAn(1), k->nutPhuongAn(2),
                                              k->nutPhuongAn(3), k->nutPhuongAn(4)})
                if (!vp->rect().contains(QRect(w->mapTo(vp, QPoint(0, 0)), w->size())))
                    out << w->objectName();
            return out;
        };
        for (const QSize area : {QSize(1280, 680), QSize(1366, 728)}) {
            BankProgram p;
            const QString bank = longBank(p.dir);
            QVERIFY(!bank.isEmpty());
            FormNganHang* home = p.app.moDeMoi(bank, u"B"_s);
            QVERIFY(home);
            QStringList faults;
            const auto check = [&](QWidget* w, KhungCauHoi* k, const QString& state) {
                datCoTrongVung(w, kCoCuaSoCauHoi, QRect(QPoint(0, 0), area));
                settle();
                if (w->width() < area.width() - 20 || w->height() < area.height() - 40)
                    faults << u"%1: %2x%3 on %4x%5"_s.arg(state)
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(area.width())
                                  .arg(area.height());
                if (!QRect(QPoint(0, 0), area).contains(w->frameGeometry()))
                    faults << state + u": off the free area"_s;
                if (k->nutPhuongAn(4)->isHidden())
                    faults << state + u": not four options"_s;
                if (const QStringList cut = whole(k); !cut.isEmpty())
                    faults << u"%1 (%2): %3 not whole"_s.arg(state,
                                                             k->viTriAnh() == KhungCauHoi::ViTriAnh::Ben
                                                                 ? u"picture beside"_s
                                                                 : u"picture under"_s,
                                                             cut.join(u", "_s));
                if (k->anh()->isHidden() || k->anh()->width() < 160 || k->anh()->height() < 120)
                    faults
                        << u"%1: picture %2x%3"_s.arg(state).arg(k->anh()->width()).arg(k->anh()->height());
            };
            FormBaiThi* f = home->thiThu();
            for (int o = 0; o < 30 && f->khung()->anh()->isHidden(); ++o)
                f->denO(o);
            check(f, f->khung(), u"paper"_s);
            const int slot = f->oDangXem();
            f->chon(1);
            f->hoiNop();
            f->nop();
            f->xemLai();
            f->denO(slot);
            check(f, f->khung(), u"review"_s);
            f->close();
            FormHocChuong* study = home->hocTheoChuong();
            for (int i = 0; i < 40 && study->khung()->anh()->isHidden(); ++i)
                study->denViTri(i);
            study->thu(1);
            check(study, study->khung(), u"study"_s);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        }
    }

    // The keyboard reaches every part of a question however long: ↓ onto
    // an option out of view scrolls it in; Tab in the review reaches the
    // explanation, which a screen reader reads whole, and Page Down then
    // scrolls it (the slot stays). A window keeps the size the learner
    // left it at.
    void keyboardReachesTheWholeQuestion()
    {
        BankProgram p;
        const QString bank = longBank(p.dir);
        FormNganHang* home = p.app.moDeMoi(bank, u"B"_s);
        FormBaiThi* f = home->thiThu();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        datCoTrongVung(f, kCoCuaSoCauHoi, QRect(0, 0, 1000, 560));
        for (int i = 0; i < 6; ++i)
            f->khung()->doiCoChu(1);
        settle();
        QScrollBar* bar = f->khung()->vungCau()->verticalScrollBar();
        QVERIFY2(bar->maximum() > 0, "the large text should need scrolling here");
        QWidget* vp = f->khung()->vungCau()->viewport();
        f->khung()->datTieuDiem();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        NutPhuongAn* fourth = f->khung()->nutPhuongAn(4);
        QCOMPARE(QApplication::focusWidget(), fourth);
        QVERIFY(bar->value() > 0);
        QVERIFY(vp->rect().intersects(QRect(fourth->mapTo(vp, QPoint(0, 0)), fourth->size())));

        f->chon(2);
        f->hoiNop();
        f->nop();
        f->xemLai();
        const int slot = f->oDangXem();
        f->khung()->datTieuDiem();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QLabel* why = f->khung()->giaiThich();
        QCOMPARE(QApplication::focusWidget(), why);
        QVERIFY(
            QAccessible::queryAccessibleInterface(why)->text(QAccessible::Name).contains(u"Giải thích: "_s));
        const int before = bar->value();
        QVERIFY(vp->rect().intersects(QRect(why->mapTo(vp, QPoint(0, 0)), why->size())));
        QTest::keyClick(why, Qt::Key_End);
        QVERIFY(bar->value() >= before);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(why, Qt::Key_PageUp);
        QVERIFY(bar->value() < bar->maximum());
        QTest::keyClick(why, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(f->oDangXem(), slot);
        // The ring is seen round it, clear of its text.
        const QString ring = ringFault(f, why);
        QVERIFY2(ring.isEmpty(), qPrintable(ring));

        f->resize(1000, 600);
        f->close();
        FormBaiThi* again = home->thiThu();
        QCOMPARE(again->size(), QSize(1000, 600));
    }

    // The keyboard alone: Enter presses the focused button, each window
    // opens on a named control, options are radio buttons and the slot on
    // screen is said as current (not checked); with blanks the hand-in's
    // safe answer is the default and Esc goes back; a paper can be left
    // unkept; Esc closes an open list before its window.
    void keyboardAlone()
    {
        BankProgram p;
        FormNganHang* home = p.app.moDeMoi(kBank, u"B"_s);
        home->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(home));
        auto* sit = home->findChild<QPushButton*>(u"CM_ThiThu"_s);
        sit->setFocus();
        QTest::keyClick(sit, Qt::Key_Return);
        FormBaiThi* f = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<FormBaiThi*>(w); b && b->isVisible())
                f = b;
        QVERIFY2(f, "Enter did not open the paper");
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        const auto role = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); };
        QCOMPARE(role(QApplication::focusWidget()), QAccessible::RadioButton);
        QVERIFY(!QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                     ->text(QAccessible::Name)
                     .isEmpty());
        auto* slot = f->findChild<QAbstractButton*>(u"O_1"_s);
        QCOMPARE(role(slot), QAccessible::Button);
        QVERIFY(!QAccessible::queryAccessibleInterface(slot)->state().checked);
        QVERIFY(slot->accessibleName().endsWith(u", đang xem"_s));

        // Another slot: its heading and text are said, the focus staying.
        const auto said = [](QWidget* w) {
            auto* loa = w->findChild<QWidget*>(u"LoaTruyCap"_s);
            return loa ? loa->accessibleName() : QString();
        };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTRY_VERIFY2(said(f).startsWith(u"Câu 2/30 – câu hỏi số "_s), qPrintable(said(f)));
        QVERIFY(said(f).contains(f->khung()->noiDung()->text()));
        // F flags the slot: the grid shows ⚑, the hand-in names it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
        QVERIFY(f->findChild<QAbstractButton*>(u"O_2"_s)->text().startsWith(u"⚑2"_s));
        QVERIFY(f->findChild<QAbstractButton*>(u"O_2"_s)->accessibleName().contains(u"đã đánh dấu"_s));

        f->hoiNop();
        QVERIFY(f->findChild<QLabel*>(u"LB_HoiNop"_s)->text().endsWith(u"Còn 1 câu đã đánh dấu ⚑: 2."_s));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"CM_LamTiep"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(f->trang(), FormBaiThi::Trang::LamBai);
        QCOMPARE(role(QApplication::focusWidget()), QAccessible::RadioButton);

        f->hoiBoBai();
        QCOMPARE(p.seams.questions.last().buttons, (QStringList{u"Làm tiếp"_s, u"Bỏ bài"_s}));
        p.seams.answer(0);
        QCOMPARE(f->trang(), FormBaiThi::Trang::LamBai);
        f->hoiBoBai();
        QPointer<FormBaiThi> left(f);
        p.seams.answer(1);
        QTRY_VERIFY(!left || !left->isVisible());
        QVERIFY(p.mt().kho().cacBaiLam().empty());

        // The review says its first slot as it opens, even the one last
        // seen: heading, text, the learner's choice and the key.
        {
            QTRY_VERIFY(!left);
            FormBaiThi* g = home->thiThu();
            QVERIFY(g);
            g->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(g));
            const int key = g->phien().cauTai(0).dapAn;
            g->chon(key == 1 ? 2 : 1);
            QTRY_VERIFY(!said(g).isEmpty());
            g->hoiNop();
            g->nop();
            QTRY_VERIFY(said(g).contains(u"KHÔNG ĐẠT"_s));
            g->xemLai();
            QCOMPARE(g->oDangXem(), 0);
            QTRY_VERIFY2(said(g).startsWith(u"Câu 1/30 – câu hỏi số "_s), qPrintable(said(g)));
            QVERIFY2(
                said(g).contains(u"Sai. Bạn chọn %1. Đáp án đúng là %2."_s.arg(key == 1 ? 2 : 1).arg(key)),
                qPrintable(said(g)));
            g->close();
        }

        FormHocChuong* study = home->hocTheoChuong();
        study->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(study));
        QCOMPARE(role(QApplication::focusWidget()), QAccessible::RadioButton);
        auto* chapters = study->findChild<QComboBox*>(u"CB_Chuong"_s);
        chapters->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(study->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!study->isVisible());

        // Practice: Enter on an option answers it, then goes on; Esc closes.
        FormOnTap* practice = home->onDiemLiet();
        practice->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(practice));
        const int first = practice->cauDangOn();
        QCOMPARE(role(QApplication::focusWidget()), QAccessible::RadioButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), practice->khung()->nutPhuongAn(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"CM_Tiep"_s);
        // The verdict, the key and the explanation, said at once.
        QTRY_VERIFY2(said(practice).contains(u"Đáp án đúng là "_s)
                         && said(practice).contains(u"Giải thích: "_s),
                     qPrintable(said(practice)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(practice->cauDangOn() != first);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!practice->isVisible());

        // A list with nothing (left) in it ends on "Đóng": Enter, Space and
        // Esc each leave it. In study, Space on a button presses it.
        for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
            QPointer<FormOnTap> none = home->onDaLuu();
            none->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(none));
            QCOMPARE(QApplication::focusWidget()->objectName(), u"CM_Dong"_s);
            QTest::keyClick(QApplication::focusWidget(), k);
            QTRY_VERIFY2(!none || !none->isVisible(), qPrintable(QKeySequence(k).toString()));
        }
        study = home->hocTheoChuong();
        study->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(study));
        auto* shuffle = study->findChild<QAbstractButton*>(u"CK_Dao"_s);
        shuffle->setFocus();
        const bool was = shuffle->isChecked();
        QTest::keyClick(shuffle, Qt::Key_Space);
        QCOMPARE(shuffle->isChecked(), !was);
        QVERIFY(study->khung()->giaiThich()->isHidden());  // the key not shown by it
    }
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
