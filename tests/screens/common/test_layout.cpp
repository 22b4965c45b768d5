#include "ScreenSupport.h"

#include "screens/common/FormAbout.h"
#include "screens/common/KieuTieuDiem.h"
#include "screens/common/Ui.h"
#include "screens/databank/FormOnTap.h"
#include "screens/databank/FormTienBo.h"
#include "screens/entry/FormInit.h"
#include "screens/exam/FormDapAn.h"
#include "screens/exam/FormKetQua.h"
#include "screens/exam/FormMain.h"
#include "screens/history/FormDapAnKQDaThi.h"
#include "screens/study/FormHocTap.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <cmath>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

// Every window in each of its states, as a learner sees it: nothing
// overlaps, nothing sticks out, every caption fits.
class TestLayout : public QObject {
    Q_OBJECT

    // Overlaps the screens mean, all of them in the places the original
    // forms give:
    // - the globe stands over the (hidden) picture box until Start;
    // - the selectors are 330 twips high every 280 twips, each one's text
    //   centred in its own band;
    // - the boxes of "Thời gian làm bài còn:" (right-aligned) and of the
    //   time (centred) share 36 twips that neither text reaches;
    // - the name's box runs 60 twips under the options frame; the name is
    //   short and left-aligned.
    const QStringList m_allowed{u"Img|picGlobe"_s, u"CauHoi*|CauHoi*"_s, u"LB_ThoiGian1|LB_ThoiGian"_s,
                                u"LB_HoTen|FrPA"_s};

    QWidget* show(test::Program& p, const QString& screen)
    {
        SharedState& s = p.state();
        s.Hang = u"C"_s;
        s.HoTen = u"Thí sinh dự thi"_s;
        s.SoBaoDanh = u"123456789012345678901234567890"_s;  // as long as a learner may type
        p.dir.write(u"DuLieu.txt"_s, test::recordBytes(test::exam({.right = 24, .blank = {30}})));
        QWidget* w = nullptr;
        if (screen.startsWith(u"entry"_s)) {
            auto* f = p.app.form<FormInit>();
            if (screen.endsWith(u"declared"_s))
                f->Inits();
            w = f;
        } else if (screen.startsWith(u"sheet"_s) || screen == u"result"_s || screen == u"answers"_s) {
            auto* f = p.app.form<FormMain>();
            p.mt().hien(f);
            if (screen != u"sheet before Start"_s) {
                f->CMStartEnd_Click();
                for (int k : {1, 2, 1})
                    f->PATL_Click(k);
            }
            w = f;
            if (screen == u"result"_s || screen == u"answers"_s) {
                f->CMStartEnd_Click();
                w = p.app.form<FormKetQua>();
                if (screen == u"answers"_s) {
                    p.app.form<FormKetQua>()->CM_XemKQ()->click();
                    w = p.app.form<FormDapAn>();
                }
            }
        } else if (screen == u"study"_s) {
            w = p.app.form<FormHocTap>();
        } else if (screen == u"past exams"_s) {
            w = p.app.form<FormDapAnKQDaThi>();
        } else if (screen.startsWith(u"practice"_s)) {
            if (screen.endsWith(u"empty"_s))
                p.dir.write(u"DuLieu.txt"_s, {});
            FormOnTap* f = p.app.onTapCoDien();
            if (screen.endsWith(u"answered"_s))
                f->traLoi(1);
            w = f;
        } else if (screen == u"progress"_s) {
            w = p.app.tienBoCoDien();
        } else if (screen == u"information"_s) {
            auto* over = p.app.form<FormHocTap>();
            p.mt().hien(over);
            p.mt().moThongTin(over);
            w = over->findChild<FormAbout*>();
        }
        p.mt().hien(w);
        return w;
    }

private slots:
    void windowsAreClean_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char* s : {"entry", "entry declared", "sheet before Start", "sheet during the exam",
                              "result", "answers", "study", "past exams", "information", "practice",
                              "practice answered", "practice empty", "progress"})
            QTest::newRow(s) << QString::fromLatin1(s);
    }
    void windowsAreClean()
    {
        QFETCH(QString, screen);
        test::Program p;
        QWidget* w = show(p, screen);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QStringList faults = test::layoutFaults(w, m_allowed);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_s)));
        // Every control, picture and chart has a name a screen reader says.
        const QStringList unnamed = test::unnamedControls(w);
        QVERIFY2(unnamed.isEmpty(), qPrintable(u"no accessible name: "_s + unnamed.join(u", "_s)));
    }

    // The fixed captions of each window read back by OCR (tesseract, the
    // Vietnamese model) from the control that shows them, drawn as on
    // screen, pixel for pixel: diacritics that render badly or are cut by
    // their box do not read back. A caption passes when some stretch of the
    // OCR text is at least 90 % like it (edit distance); a mark misread in
    // a short caption ("Hang" for "Hạng", "Phẫn mếm" for "Phần mềm") fails.
    void captionsReadBack_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("captions");
        const QString strip = u"Người viết chương trình:"_s;
        QTest::newRow("entry") << u"entry"_s << QStringList{u"Bấm Tab, Esc hoặc Enter để khai báo"_s};
        QTest::newRow("entry declared")
            << u"entry declared"_s << QStringList{u"Hạng:"_s, u"Khoá:"_s, u"Số báo danh:"_s, u"Học"_s};
        QTest::newRow("sheet") << u"sheet before Start"_s
                               << QStringList{u"Dùng chuột bấm hoặc dùng mũi tên để chọn câu hỏi"_s,
                                              u"Tổng thời gian làm bài:"_s, u"Họ tên:"_s, strip,
                                              u"Phần mềm thilaixe"_s};
        QTest::newRow("result") << u"result"_s
                                << QStringList{u"Số câu trả lời đúng:"_s, u"Số câu trả lời sai:"_s,
                                               u"Không đạt"_s};
        QTest::newRow("answers") << u"answers"_s
                                 << QStringList{u"Phương án  bạn trả lời:"_s, u"Đáp án của chúng tôi:"_s,
                                                strip};
        QTest::newRow("study") << u"study"_s
                               << QStringList{u"Tới câu hỏi số:"_s, u"Các lần đã thi"_s, u"Xem đáp án"_s,
                                              strip};
        QTest::newRow("past exams") << u"past exams"_s
                                    << QStringList{u"Bạn đã trả lời đúng được 24/30 câu hỏi"_s, strip};
        QTest::newRow("study, new buttons") << u"study"_s << QStringList{u"Ôn câu sai"_s, u"Tiến bộ"_s};
        QTest::newRow("practice") << u"practice answered"_s << QStringList{u"Còn 6 câu"_s, u"Câu tiếp >"_s};
        QTest::newRow("practice empty") << u"practice empty"_s << QStringList{u"Chưa có bài thi nào"_s};
        QTest::newRow("progress") << u"progress"_s
                                  << QStringList{u"10 câu sai nhiều nhất (bấm để xem):"_s,
                                                 u"Đã gặp theo chương (trong bài thi hoặc khi ôn):"_s};
        QTest::newRow("information") << u"information"_s
                                     << QStringList{u"Cảm ơn bạn đã sử dụng phần mềm"_s,
                                                    u"Mọi vấn đề, xin liên hệ với tác giả"_s};
    }
    void captionsReadBack()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, captions);
        if (QStandardPaths::findExecutable(u"tesseract"_s).isEmpty())
            QSKIP("tesseract is not installed (tools/setup.sh installs it)");
        test::Program p;
        QWidget* w = show(p, screen);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (const QString& c : captions) {
            // The control that shows the caption, drawn alone as on screen.
            // (one whose whole text it is first: a note may name a button)
            QWidget* shown = nullptr;
            bool whole = false;
            for (QWidget* x : w->findChildren<QWidget*>()) {
                QString t;
                if (auto* l = qobject_cast<QLabel*>(x))
                    t = l->text();
                else if (auto* b = qobject_cast<QAbstractButton*>(x))
                    t = b->text();
                t.remove(u'&');
                if (x->isVisible() && t.contains(c) && !(whole && t != c)) {
                    shown = x;
                    whole = t == c;
                }
            }
            QVERIFY2(shown, qPrintable(u"no control shows "_s + c));
            // At its real size, pixel for pixel; a focused control without
            // its focus ring, which is no part of the caption.
            QImage img = shown->grab().toImage();
            if (shown->hasFocus())
                img = img.copy(img.rect().adjusted(2, 2, -2, -2));
            const QString png = p.dir.path(u"caption.png"_s);
            QVERIFY(img.save(png));
            QProcess ocr;
            ocr.start(u"tesseract"_s, {png, u"stdout"_s, u"-l"_s, u"vie"_s, u"--psm"_s, u"7"_s});
            QVERIFY(ocr.waitForFinished(60'000));
            const QString text = QString::fromUtf8(ocr.readAllStandardOutput()).simplified();
            const double like = test::bestLikeness(c, text);
            QVERIFY2(like >= 0.9, qPrintable(u"\""_s + c + u"\" read back as \""_s + text + u"\" ("_s
                                             + QString::number(like, 'f', 2) + u")"_s));
        }
    }

    // Shrinking lands on the largest half-point size that fits: the next
    // size up no longer does, and a caption that fits is left alone.
    void shrinkingPicksTheLargestFit_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<qreal>("size");
        QTest::newRow("fits already") << u"Hạng:"_s << QSize(120, 30) << 12.75;
        QTest::newRow("one step") << u"Hạng:"_s << QSize(49, 18) << 12.75;
        QTest::newRow("wide") << u"Bấm Tab, Esc hoặc Enter để khai báo"_s << QSize(200, 22) << 12.0;
        QTest::newRow("low") << u"Số báo danh:"_s << QSize(300, 12) << 14.25;
        QTest::newRow("to the floor") << u"Phương án bạn trả lời:"_s << QSize(20, 8) << 12.0;
    }
    void shrinkingPicksTheLargestFit()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, box);
        QFETCH(qreal, size);
        QLabel l(caption);
        l.resize(box);
        QFont f = ui::phongViet(size, true);
        l.setFont(f);
        ui::coChuVua(&l);
        const qreal got = l.font().pointSizeF();
        QVERIFY(got <= size);
        QCOMPARE(std::fmod(size - got, 0.5), 0.0);
        if (got > 6)
            QVERIFY(ui::vuaHop(l.font(), caption, box));
        if (got < size) {
            f.setPointSizeF(got + 0.5);
            QVERIFY(!ui::vuaHop(f, caption, box));
        }
    }

    // Focus can be seen wherever it is, given by the program as the window
    // opens or moved there: a 2-px ring in the focus colour on the edge of
    // the control, at least 3:1 against the control's own face just inside.
    // The first name of each row holds the focus as the window opens.
    void focusIsVisible_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("sheet before Start") << u"sheet before Start"_s << QStringList{u"CMStartEnd"_s};
        QTest::newRow("sheet during the exam") << u"sheet during the exam"_s << QStringList{u"CauHoi4"_s};
        QTest::newRow("study") << u"study"_s
                               << QStringList{u"CM_Thoat"_s, u"Ch_DapAn"_s, u"CauHoiSo"_s, u"CM_OnTap"_s};
        QTest::newRow("entry declared") << u"entry declared"_s << QStringList{u"T_Hang"_s, u"T_Khoa"_s};
        QTest::newRow("past exams") << u"past exams"_s
                                    << QStringList{u"CauHoi1"_s, u"CB_NgayThi"_s, u"CM_Tiep"_s};
    }
    void focusIsVisible()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, names);
        test::Program p;
        QWidget* w = show(p, screen);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const auto luminance = [](QColor c) {
            const auto lin = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
        };
        const QColor ring = KieuTieuDiem::mauVong();
        for (const QString& name : names) {
            auto* c = w->findChild<QWidget*>(name);
            QVERIFY2(c, qPrintable(name));
            if (name != names.first())
                c->setFocus(Qt::OtherFocusReason);
            QCOMPARE(QApplication::focusWidget(), c);
            const QImage img = w->grab().toImage();
            const QRect r(c->mapTo(w, QPoint(0, 0)), c->size());
            for (const QPoint at :
                 {r.topLeft() + QPoint(r.width() / 2, 0), r.bottomLeft() + QPoint(0, -r.height() / 2),
                  r.topLeft() + QPoint(r.width() / 2, 1), r.topRight() + QPoint(-1, r.height() / 2)})
                QVERIFY2(QColor(img.pixel(at)) == ring,
                         qPrintable(u"%1: no ring at (%2, %3)"_s.arg(name).arg(at.x()).arg(at.y())));
            const QColor face = img.pixel(r.topLeft() + QPoint(r.width() / 2, 4));
            const double a = luminance(ring), b = luminance(face);
            QVERIFY2((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 3.0,
                     qPrintable(u"%1: ring against %2"_s.arg(name, face.name())));
        }
    }

    // A window larger than the screen's free area opens at its top-left
    // corner, never partly off the screen.
    void largeWindowStaysOnScreen()
    {
        QWidget big;
        const QRect area = big.screen()->availableGeometry();
        big.resize(area.width() + 400, area.height() + 300);
        ui::datGiua(&big);
        QCOMPARE(big.pos(), area.topLeft());
        QWidget small;
        small.resize(200, 100);
        ui::datGiua(&small);
        QVERIFY(area.contains(small.geometry()));
    }

    // A long candidate number is cut with an ellipsis and shown whole in the
    // tooltip, on the sheet and in the result form's title.
    void longCandidateNumberShowsWhole()
    {
        test::Program p;
        auto* sheet = static_cast<FormMain*>(show(p, u"sheet before Start"_s));
        auto* sbd = sheet->findChild<QLabel*>(u"LB_SoBaoDanh"_s);
        QCOMPARE(sbd->toolTip(), u"123456789012345678901234567890"_s);
        QVERIFY(sbd->text().endsWith(u'…'));
        QVERIFY(sbd->text().startsWith(u"1234"_s));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
