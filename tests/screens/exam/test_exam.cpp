#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/exam/DemNguoc.h"
#include "rules/store/KhoHocVien.h"

#include "screens/app/App.h"
#include "screens/common/BoChonCauHoi.h"
#include "screens/common/HinhQuaDia.h"
#include "screens/common/Ui.h"
#include "screens/exam/FormDapAn.h"
#include "screens/exam/FormKetQua.h"
#include "screens/exam/FormMain.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

class TestExam : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> m_p;
    FormMain* m_sheet = nullptr;

    SharedState& st() { return m_p->app.trangThai(); }
    QRadioButton* cau(int i) { return m_sheet->CauHoi()->nut(i); }
    int key(int slot) { return st().DapAn[st().CH[slot]]; }
    int wrong(int slot) { return key(slot) % st().SoPhuongAn[st().CH[slot]] + 1; }

    void open(const QString& hang, const QString& sbd = u"123"_s)
    {
        st().Hang = hang;
        st().HoTen = u"Thí sinh dự thi"_s;
        st().SoBaoDanh = sbd;
        m_sheet = m_p->app.form<FormMain>();
        m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet));
    }

    // Answers slots 1..30 in order, `right` of them correctly.
    void answer(int right)
    {
        for (int s = 1; s <= 30; ++s) {
            QCOMPARE(int(*st().CauHienTai), s);
            m_sheet->PATL_Click(s <= right ? key(s) : wrong(s));
        }
    }

    QByteArray history() { return m_p->dir.read(u"DuLieu.txt"_s); }

private slots:
    void init()
    {
        m_p = std::make_unique<test::Program>();
        NapDapAn(st());
    }
    void cleanup() { m_p.reset(); }

    void beforeStart_data()
    {
        QTest::addColumn<QString>("hang");
        QTest::addColumn<QString>("limit");
        QTest::newRow("B1") << u"B1"_s << u"25 phút 00 giây"_s;
        QTest::newRow("C") << u"C"_s << u"25 phút 00 giây"_s;
        QTest::newRow("D") << u"D"_s << u"20 phút 00 giây"_s;
        QTest::newRow("E") << u"E"_s << u"20 phút 00 giây"_s;
    }
    void beforeStart()
    {
        QFETCH(QString, hang);
        QFETCH(QString, limit);
        open(hang);
        QCOMPARE(m_sheet->windowTitle(), u"Thi ly thuyet lai xe hang "_s + hang);
        QCOMPARE(m_sheet->LB_ThoiGian()->text(), limit);
        QCOMPARE(m_sheet->LB_ThoiGian1()->text(), u"Tổng thời gian làm bài:"_s);
        QCOMPARE(m_sheet->CMStartEnd()->text(), u"&Bắt đầu"_s);
        QCOMPARE(cau(1)->text(), u"Câu 1"_s);
        QCOMPARE(cau(30)->text(), u"Câu 30"_s);
        for (int i = 1; i <= 30; ++i)
            QVERIFY(!cau(i)->isEnabled() && !cau(i)->isChecked());
        for (int k = 1; k <= 4; ++k) {
            QVERIFY(!m_sheet->PATL(k)->isEnabled());
            QCOMPARE(m_sheet->PATL(k)->text(), u"Phương án &"_s + QString::number(k));
        }
        QVERIFY(!m_sheet->Img()->isVisible());
        QVERIFY(m_sheet->picGlobe()->isVisible());
        QVERIFY(!m_sheet->ThoiGian()->isActive());
        QCOMPARE(QApplication::focusWidget(), m_sheet->CMStartEnd());
        QCOMPARE(m_sheet->findChild<QLabel*>(u"LB_HoTen"_s)->text(), u"Thí sinh dự thi"_s);
        QCOMPARE(m_sheet->findChild<QLabel*>(u"LB_SoBaoDanh"_s)->text(), u"123"_s);
    }

    void startShowsSlotOne()
    {
        open(u"B2"_s);
        QTest::mouseClick(m_sheet->CMStartEnd(), Qt::LeftButton);
        QCOMPARE(m_sheet->TrangThai(), 1);
        QCOMPARE(m_sheet->CMStartEnd()->text(), u"&Kết thúc"_s);
        QCOMPARE(m_sheet->LB_ThoiGian1()->text(), u"Thời gian làm bài còn:"_s);
        QVERIFY(m_sheet->Img()->isVisible());
        QVERIFY(!m_sheet->Img()->pixmap().isNull());
        QVERIFY(!m_sheet->picGlobe()->isVisible());
        QVERIFY(!m_sheet->picGlobe()->tmrGlobe()->isActive());
        QVERIFY(m_sheet->ThoiGian()->isActive());
        QCOMPARE(st().NgayThi, QDate(2007, 5, 12));
        QCOMPARE(m_sheet->LBCH()->text(), u"Câu hỏi số  1"_s);
        QVERIFY(cau(1)->isChecked());
        QCOMPARE(QApplication::focusWidget(), cau(1));
        QCOMPARE(int(*st().CauHienTai), 1);
        const int n = st().SoPhuongAn[st().CH[1]];
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(m_sheet->PATL(k)->isEnabled(), k <= n);
        for (int s = 1; s <= 30; ++s)
            QVERIFY(st().CH[s] >= 1 && st().CH[s] <= 300);
    }

    void answeringMarksAndMovesOn()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        QTest::mouseClick(cau(7), Qt::LeftButton);
        QCOMPARE(m_sheet->LBCH()->text(), u"Câu hỏi số  7"_s);
        QLineEdit* t7 = m_sheet->T_ChonCH(7);
        QCOMPARE(t7->palette().color(QPalette::Base), QColor(128, 128, 255));
        QCOMPARE(m_sheet->CauHoi()->mau(7), QColor(0, 0, 255));
        QTest::mouseClick(m_sheet->PATL(2), Qt::LeftButton);
        QCOMPARE(*st().TL[7], 2);
        QCOMPARE(st().PhuongAnChon, 2);
        QCOMPARE(st().DungSai[7], key(7) == 2 ? 1 : 0);
        QCOMPARE(t7->text(), u"2"_s);
        QCOMPARE(t7->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(m_sheet->CauHoi()->mau(7), QColor(255, 0, 0));
        QCOMPARE(int(*st().CauHienTai), 8);
        QVERIFY(cau(8)->isChecked());
        QCOMPARE(m_sheet->LBCH()->text(), u"Câu hỏi số  8"_s);

        // By key, on the selector that has the focus; right, then wrong.
        QTest::keyClick(cau(8), char('0' + key(8)));
        QCOMPARE(st().DungSai[8], 1);
        QCOMPARE(int(*st().CauHienTai), 9);
        QTest::keyClick(cau(9), Qt::Key_Up);
        QCOMPARE(int(*st().CauHienTai), 8);
        QTest::keyClick(cau(8), char('0' + wrong(8)));
        QCOMPARE(st().DungSai[8], 0);
        QCOMPARE(*st().TL[8], wrong(8));
        QCOMPARE(m_sheet->CauHoi()->mau(8), QColor(255, 0, 0));

        // Other keys do nothing.
        const auto before = st().TL[9];
        for (auto k : {Qt::Key_A, Qt::Key_Return, Qt::Key_Space, Qt::Key_5})
            QTest::keyClick(cau(9), k);
        QCOMPARE(st().TL[9], before);
        QCOMPARE(int(*st().CauHienTai), 9);

        // The answer boxes only display.
        QCOMPARE(m_sheet->T_ChonCH(9)->focusPolicy(), Qt::NoFocus);
        QTest::keyClicks(m_sheet->T_ChonCH(9), u"3"_s);
        QCOMPARE(st().TL[9], before);

        // Slot 30 is judged and stays.
        QTest::mouseClick(cau(30), Qt::LeftButton);
        m_sheet->PATL_Click(key(30));
        QCOMPARE(st().DungSai[30], 1);
        QCOMPARE(int(*st().CauHienTai), 30);
        QVERIFY(cau(30)->isChecked());
        // A slot never visited keeps its design colours.
        QCOMPARE(m_sheet->T_ChonCH(20)->text(), QString());
        QCOMPARE(m_sheet->CauHoi()->mau(20), QColor(0, 0, 255));
    }

    void keysThreeAndFourOnATwoOptionQuestion()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        st().CH[5] = 1;  // question 1 has two options
        QTest::mouseClick(cau(5), Qt::LeftButton);
        QVERIFY(m_sheet->PATL(2)->isEnabled());
        QVERIFY(!m_sheet->PATL(3)->isEnabled() && !m_sheet->PATL(4)->isEnabled());
        QTest::keyClick(cau(5), '3');
        QTest::keyClick(cau(5), '4');
        QVERIFY(!st().TL[5]);
        QCOMPARE(int(*st().CauHienTai), 5);
        QTest::keyClick(cau(5), '2');
        QCOMPARE(*st().TL[5], 2);
        QCOMPARE(st().DungSai[5], 1);
    }

    void arrowsWalkTheGroup()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        QTest::keyClick(cau(1), Qt::Key_Down);
        QCOMPARE(int(*st().CauHienTai), 2);
        QTest::keyClick(cau(2), Qt::Key_Right);
        QCOMPARE(int(*st().CauHienTai), 3);
        QCOMPARE(QApplication::focusWidget(), cau(3));
        QTest::keyClick(cau(3), Qt::Key_Left);
        QCOMPARE(int(*st().CauHienTai), 2);
    }

    void countdownTexts()
    {
        SharedState s;
        s.Hang = u"B2"_s;
        QCOMPARE(DemNguoc::thietLap(s), u"25 phút 00 giây"_s);
        QCOMPARE(*s.Phut, 24);
        QCOMPARE(*s.Giay, 1500);
        QMap<int, QString> expected{{1, u" 24 phút 59 giây"_s},  {55, u" 24 phút 5 giây"_s},
                                    {60, u" 24 phút 0 giây"_s},  {61, u" 23 phút 59 giây"_s},
                                    {1440, u" 1 phút 0 giây"_s}, {1441, u" 0 phút 59 giây"_s},
                                    {1499, u" 0 phút 1 giây"_s}, {1500, u" 0 phút  0 giây"_s}};
        for (int t = 1; t <= 1500; ++t) {
            const DemNguoc::Nhip n = DemNguoc::motGiay(s);
            QCOMPARE(n.hetGio, t == 1500);
            if (expected.contains(t))
                QCOMPARE(n.text, expected[t]);
        }
    }

    void timeOutEndsTheExam_data()
    {
        QTest::addColumn<QString>("hang");
        QTest::addColumn<int>("ticks");
        QTest::newRow("B1") << u"B1"_s << 1500;
        QTest::newRow("C") << u"C"_s << 1500;
        QTest::newRow("D") << u"D"_s << 1200;
        QTest::newRow("E") << u"E"_s << 1200;
    }
    void timeOutEndsTheExam()
    {
        QFETCH(QString, hang);
        QFETCH(int, ticks);
        open(hang);
        m_sheet->CMStartEnd_Click();
        for (int t = 1; t < ticks; ++t)
            m_sheet->ThoiGian_Timer();
        QVERIFY(!m_p->app.coForm<FormKetQua>());
        QVERIFY(m_sheet->ThoiGian()->isActive());
        m_sheet->ThoiGian_Timer();
        QCOMPARE(m_sheet->LB_ThoiGian()->text(), u" 0 phút  0 giây"_s);
        QVERIFY(!m_sheet->ThoiGian()->isActive());
        QVERIFY(m_p->app.coForm<FormKetQua>());
        FormKetQua* kq = m_p->app.form<FormKetQua>();
        QVERIFY(kq->isVisible());
        QCOMPARE(kq->TDung()->text(), u"0"_s);
        QCOMPARE(kq->TSai()->text(), u"30"_s);
        QCOMPARE(kq->TKetQua()->text(), u"Không đạt"_s);
        QCOMPARE(history(), QByteArray());  // nothing answered, nothing kept
    }

    void passMarks_data()
    {
        QTest::addColumn<QString>("hang");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("B1 25") << u"B1"_s << 25 << u"Không đạt"_s;
        QTest::newRow("B1 26") << u"B1"_s << 26 << u"Đạt"_s;
        QTest::newRow("B2 25") << u"B2"_s << 25 << u"Không đạt"_s;
        QTest::newRow("B2 26") << u"B2"_s << 26 << u"Đạt"_s;
        QTest::newRow("C 27") << u"C"_s << 27 << u"Không đạt"_s;
        QTest::newRow("C 28") << u"C"_s << 28 << u"Đạt"_s;
        QTest::newRow("D 27") << u"D"_s << 27 << u"Không đạt"_s;
        QTest::newRow("D 28") << u"D"_s << 28 << u"Đạt"_s;
        QTest::newRow("E 28") << u"E"_s << 28 << u"Đạt"_s;
        QTest::newRow("E 30") << u"E"_s << 30 << u"Đạt"_s;
    }
    void passMarks()
    {
        QFETCH(QString, hang);
        QFETCH(int, right);
        QFETCH(QString, verdict);
        open(hang);
        m_sheet->CMStartEnd_Click();
        answer(right);
        m_sheet->CMStartEnd_Click();
        FormKetQua* kq = m_p->app.form<FormKetQua>();
        QCOMPARE(m_sheet->SoCauDung(), right);
        QCOMPARE(kq->TDung()->text(), QString::number(right));
        QCOMPARE(kq->TSai()->text(), QString::number(30 - right));
        QCOMPARE(kq->TKetQua()->text(), verdict);
        QCOMPARE(kq->LB_Hang()->text(), (u"Thi lái xe hạng "_s + hang).toUpper());
        QCOMPARE(m_p->app.form<FormDapAn>()->windowTitle(), u"Ban da tra loi %1 cau dung"_s.arg(right));
    }

    void endWritesAndShowsTheResult()
    {
        open(u"B2"_s, u"123"_s);
        m_sheet->CMStartEnd_Click();
        answer(26);
        // Change a right answer to a wrong one: one less.
        QTest::mouseClick(cau(3), Qt::LeftButton);
        m_sheet->PATL_Click(wrong(3));
        m_p->seams.clock = QDateTime(QDate(2007, 5, 12), QTime(10, 59, 1));
        const QImage picture = m_sheet->Img()->grab().toImage();
        QTest::keyClick(cau(4), Qt::Key_Escape);
        FormKetQua* kq = m_p->app.form<FormKetQua>();
        QVERIFY(kq->isVisible());
        // The finished sheet keeps its last picture as it was, not greyed.
        QCOMPARE(m_sheet->Img()->grab().toImage(), picture);
        QCOMPARE(kq->windowModality(), Qt::ApplicationModal);
        QCOMPARE(kq->windowTitle(), u"Họ tên: Thí sinh dự thi   SBD: 123"_s);
        QCOMPARE(kq->TDung()->text(), u"25"_s);
        QCOMPARE(kq->TKetQua()->text(), u"Không đạt"_s);
        QCOMPARE(kq->focusWidget(), kq->CMOK());
        QVERIFY(!m_sheet->isEnabled());
        QVERIFY(!m_sheet->CMStartEnd()->isEnabled());
        QVERIFY(!m_sheet->ThoiGian()->isActive());
        QCOMPARE(st().GioThi, QTime(10, 59, 1));
        QVERIFY(m_p->seams.messages.isEmpty());

        const QByteArray file = history();
        QVERIFY(file.startsWith("Ng: "));
        QVERIFY(file.contains("59:01"));
        QVERIFY(file.contains(
            QByteArray(QByteArray(" (H\xB9ng B2)\r\nCH: ") + QByteArray::number(st().CH[1]) + ", ")));
        QByteArray tl = "TL: ";
        for (int s = 1; s <= 30; ++s)
            tl += QByteArray(s > 1 ? ", " : "") + QByteArray::number(*st().TL[s]);
        QVERIFY(file.contains(QByteArray(tl + "\r\n\r\n")));
        QVERIFY(file.endsWith("\r\n\r\n"));

        // The answer review.
        QTest::mouseClick(kq->CM_XemKQ(), Qt::LeftButton);
        QVERIFY(!kq->isVisible());
        FormDapAn* da = m_p->app.form<FormDapAn>();
        QVERIFY(da->isVisible());
        QCOMPARE(da->windowTitle(), u"Ban da tra loi 25 cau dung"_s);
        for (int s = 1; s <= 30; ++s)
            QCOMPARE(da->CauHoi()->mau(s) == QColor(255, 0, 0), s == 3 || s > 26);
        // It goes on from the slot the sheet showed last (4).
        QCOMPARE(int(*st().CauHienTai), 4);
        da->CM_Tiep_Click();
        QCOMPARE(int(*st().CauHienTai), 5);
        QCOMPARE(da->LBCH()->text(), u"Câu hỏi số  5"_s);
        QTest::mouseClick(da->CauHoi()->nut(12), Qt::LeftButton);
        QCOMPARE(da->LBCH()->text(), u"Câu hỏi số  12"_s);
        QCOMPARE(da->LB_PhuongAnTL()->text(), QString::number(key(12)));
        QCOMPARE(da->LB_DapAn()->text(), QString::number(key(12)));
        QVERIFY(!da->Img()->pixmap().isNull());
        QTest::mouseClick(da->CauHoi()->nut(30), Qt::LeftButton);
        da->CM_Tiep_Click();
        QCOMPARE(int(*st().CauHienTai), 30);
        QTest::mouseClick(da->CauHoi()->nut(1), Qt::LeftButton);
        da->CM_Ve_Click();
        QCOMPARE(int(*st().CauHienTai), 1);
        QCOMPARE(m_p->seams.ended, 0);
        QTest::mouseClick(da->CM_Thoat(), Qt::LeftButton);
        QCOMPARE(m_p->seams.ended, 1);
    }

    void unansweredSlotsInTheReview()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        m_sheet->PATL_Click(key(1));
        m_sheet->CMStartEnd_Click();  // End with one answer: it is kept
        QVERIFY(history().startsWith("Ng: "));
        FormDapAn* da = m_p->app.form<FormDapAn>();
        QCOMPARE(da->windowTitle(), u"Ban da tra loi 1 cau dung"_s);
        for (int s = 1; s <= 30; ++s)
            QCOMPARE(da->CauHoi()->mau(s) == QColor(255, 0, 0), s > 1);
        QTest::mouseClick(da->CauHoi()->nut(9), Qt::LeftButton);
        QCOMPARE(da->LB_PhuongAnTL()->text(), QString());
        QCOMPARE(da->LB_DapAn()->text(), QString::number(key(9)));
        da->close();
        QCOMPARE(m_p->seams.ended, 1);
    }

    void endRightAfterStartKeepsNothing()
    {
        m_p->dir.write(u"DuLieu.txt"_s, "kept as it is\r\n");
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        m_sheet->CMStartEnd_Click();
        QCOMPARE(m_p->app.form<FormKetQua>()->TDung()->text(), u"0"_s);
        QCOMPARE(m_p->app.form<FormKetQua>()->TSai()->text(), u"30"_s);
        QCOMPARE(history(), QByteArray("kept as it is\r\n"));
        m_p->app.form<FormKetQua>()->close();
        QCOMPARE(m_p->seams.ended, 1);
    }

    void failedSaveIsToldAndTheResultShown()
    {
        QFile::remove(m_p->dir.path(u"DuLieu.txt"_s));
        QVERIFY(QDir().mkdir(m_p->dir.path(u"DuLieu.txt"_s)));
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        m_sheet->PATL_Click(key(1));
        m_sheet->CMStartEnd_Click();
        QVERIFY(m_p->app.form<FormKetQua>()->isVisible());
        QCOMPARE(m_p->seams.messages.size(), 1);
        QCOMPARE(m_p->seams.messages[0].title, u"Loi khi ghi tep"_s);
        // Why, in Vietnamese, naming the file.
        const QString& text = m_p->seams.messages[0].text;
        QVERIFY2(text.contains(m_p->dir.history() + u": là một thư mục"_s), qPrintable(text));
        QCOMPARE(m_p->seams.ended, 0);
    }

    void missingPictureEndsTheExamUnsaved()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        QVERIFY(QFile::remove(m_p->dir.path(TenTepAnh(st().CH[2]))));
        m_sheet->PATL_Click(key(1));  // moves on to slot 2
        QCOMPARE(m_p->seams.messages.size(), 1);
        QCOMPARE(m_p->seams.messages[0].title, u"Loi khi doc tep"_s);
        QVERIFY(m_p->app.moiTruong().dangKetThuc());
        m_p->seams.closeMessage();
        QCOMPARE(m_p->seams.ended, 1);
        QCOMPARE(history(), QByteArray());
    }

    // A damaged picture never shows another question's picture or options.
    void damagedPictureShowsNothingOfAnother()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        st().CH[6] = 12;  // four options
        st().CH[7] = 1;   // two options, picture damaged
        m_p->dir.write(TenTepAnh(1), "broken");
        QTest::mouseClick(cau(6), Qt::LeftButton);
        QVERIFY(!m_sheet->Img()->pixmap().isNull());
        QVERIFY(m_sheet->PATL(4)->isEnabled());
        QTest::mouseClick(cau(7), Qt::LeftButton);
        QCOMPARE(m_sheet->LBCH()->text(), u"Câu hỏi số  7"_s);
        QVERIFY(m_sheet->Img()->pixmap().isNull());
        QVERIFY(m_sheet->Img()->text().startsWith(u"ảnh câu hỏi bị hỏng"_s));
        QVERIFY(m_sheet->PATL(2)->isEnabled() && !m_sheet->PATL(3)->isEnabled());
        QVERIFY(m_p->seams.messages.isEmpty());
        m_sheet->PATL_Click(key(1));  // still answerable
        QCOMPARE(st().TL[7], std::optional<std::int16_t>(key(1)));
    }

    // What a screen reader is told: each selector's state, the picture's
    // question, the countdown at 5 and 1 minute left (not every second),
    // and the result. (The offscreen platform sends no events: what is
    // announced is read back from the accessible descriptions, which the
    // alerts carry.)
    void screenReaderHearsTheExam()
    {
        const auto text = [](QObject* o, QAccessible::Text t = QAccessible::Name) {
            return QAccessible::queryAccessibleInterface(o)->text(t);
        };
        open(u"B2"_s);
        QCOMPARE(text(cau(3)), u"Câu 3, chưa trả lời"_s);
        m_sheet->CMStartEnd_Click();
        // Start says the time and the keys, after the first slot.
        QTRY_VERIFY(text(m_sheet->LB_ThoiGian(), QAccessible::Description)
                        .startsWith(u"Bắt đầu làm bài: 30 câu, còn "_s));
        QCOMPARE(text(m_sheet->Img()), u"Ảnh câu hỏi số %1"_s.arg(st().CH[1]));
        m_sheet->PATL_Click(2);
        QCOMPARE(text(cau(1)), u"Câu 1, đã chọn 2"_s);
        QCOMPARE(text(cau(2)), u"Câu 2, chưa trả lời"_s);
        QCOMPARE(text(m_sheet->Img()), u"Ảnh câu hỏi số %1"_s.arg(st().CH[2]));
        QCOMPARE(QAccessible::queryAccessibleInterface(cau(2))->role(), QAccessible::RadioButton);
        QStringList said;  // each change of what the countdown tells, with the time shown
        QString last = text(m_sheet->LB_ThoiGian(), QAccessible::Description);
        for (int t = 0; t < 24 * 60 + 30; ++t) {
            m_sheet->ThoiGian_Timer();
            const QString now = text(m_sheet->LB_ThoiGian(), QAccessible::Description);
            if (now != last)
                said.append(m_sheet->LB_ThoiGian()->text() + u" | "_s + now);
            last = now;
        }
        QCOMPARE(said, (QStringList{u" 5 phút 0 giây | Còn 5 phút làm bài"_s,
                                    u" 1 phút 0 giây | Còn 1 phút làm bài"_s}));
        m_sheet->CMStartEnd_Click();
        const int right = key(1) == 2 ? 1 : 0;
        QCOMPARE(
            text(m_p->app.form<FormKetQua>()->findChild<QLabel*>(u"TKetQua"_s), QAccessible::Description),
            u"Kết quả: Không đạt. Số câu trả lời đúng: %1, sai: %2."_s.arg(right).arg(30 - right));
    }

    // A learner's theme reaches the sheet's buttons, whose colours nothing
    // fixes; the slots keep theirs, and every button stays readable.
    void sheetFollowsTheTheme()
    {
        KhoHocVien& kho = m_p->mt().kho();
        QVERIFY(kho.datGiaoDien(kho.hoSoDangHoc(), 2));
        open(u"B2"_s);
        auto* start = m_sheet->findChild<QPushButton*>(u"CMStartEnd"_s);
        QVERIFY(start);
        QCOMPARE(start->palette().color(QPalette::Button), QColor(60, 60, 64));
        QVERIFY(cau(1)->palette().color(QPalette::Button) != QColor(60, 60, 64));
        for (QPushButton* b : m_sheet->findChildren<QPushButton*>())
            QVERIFY2(!b->isEnabled()
                         || ui::doTuongPhan(b->palette().color(QPalette::ButtonText),
                                            b->palette().color(QPalette::Button))
                                >= 4.5,
                     qPrintable(b->objectName()));
    }

    void closingTheSheetBeforeEnd()
    {
        open(u"B2"_s);
        m_sheet->CMStartEnd_Click();
        m_sheet->PATL_Click(key(1));
        m_sheet->close();
        QCOMPARE(m_p->seams.ended, 1);
        QCOMPARE(history(), QByteArray());
    }
};

QTEST_MAIN(TestExam)
#include "test_exam.moc"
