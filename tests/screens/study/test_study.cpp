#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/history/LichSuThi.h"

#include "screens/app/App.h"
#include "screens/common/HopChu.h"
#include "screens/history/FormDapAnKQDaThi.h"
#include "screens/study/FormHocTap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

class TestStudy : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> m_p;

    FormHocTap* open()
    {
        FormHocTap* f = m_p->app.form<FormHocTap>();
        m_p->app.moiTruong().hien(f);
        return f;
    }

    static QByteArray oneRecord() { return test::recordBytes(test::exam()) + "\r\n"; }

private slots:
    void init() { m_p = std::make_unique<test::Program>(); }
    void cleanup() { m_p.reset(); }

    void opensOnQuestionOne()
    {
        FormHocTap* f = open();
        QVERIFY(f->isVisible());
        QCOMPARE(f->CauDangXem(), 1);
        QCOMPARE(f->LBCH()->text(), u"Câu hỏi số: 1"_s);
        QCOMPARE(f->CauHoiSo()->text(), u"1"_s);
        QVERIFY(!f->Ch_DapAn()->isChecked());
        QCOMPARE(f->LB_DapAn()->text(), QString());
        QVERIFY(!f->Img()->pixmap().isNull());
        QVERIFY(!f->CM_DaThi()->isEnabled());  // empty history
        QCOMPARE(f->CM_DaThi()->text(), u"&Các lần đã thi"_s);
        QCOMPARE(f->findChild<QLabel*>(u"Label1"_s)->text(),
                 u"Lý thuyết: Từ câu 1-150  Biển báo: Từ câu 151-250  Sa bàn: Từ câu 251-300"_s);
        // Nothing of an exam is touched.
        QCOMPARE(m_p->app.trangThai().CH[1], 0);
        QVERIFY(!m_p->app.trangThai().TL[1]);
        QVERIFY(m_p->app.trangThai().NgayThi.isNull());
    }

    void oneRecordEnablesPastExams()
    {
        m_p->dir.write(u"DuLieu.txt"_s, oneRecord());
        QVERIFY(open()->CM_DaThi()->isEnabled());
    }

    void numberBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("shown");
        QTest::newRow("4") << u"4"_s << u"4"_s << 4;
        QTest::newRow("45") << u"45"_s << u"45"_s << 45;
        QTest::newRow("456") << u"456"_s << u"456"_s << 300;
        QTest::newRow("0") << u"0"_s << u"0"_s << 1;
        QTest::newRow("99999") << u"99999"_s << u"99999"_s << 300;
        QTest::newRow("letters, blanks, minus") << u"a -1 b2x"_s << u"12"_s << 12;
    }
    void numberBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(int, shown);
        FormHocTap* f = open();
        f->CauHoiSo()->clear();
        QCOMPARE(f->CauDangXem(), 1);
        QCOMPARE(f->CauHoiSo()->text(), QString());
        QTest::keyClicks(f->CauHoiSo(), typed);
        QTest::keyClick(f->CauHoiSo(), Qt::Key_Return);
        QCOMPARE(f->CauHoiSo()->text(), box);
        QCOMPARE(int(f->CauDangXem()), shown);
        QCOMPARE(f->LBCH()->text(), u"Câu hỏi số: "_s + QString::number(shown));
    }

    void typingShowsEachPrefix()
    {
        FormHocTap* f = open();
        f->CauHoiSo()->clear();
        QList<int> seen;
        for (QChar c : u"456"_s) {
            QTest::keyClicks(f->CauHoiSo(), QString(c));
            seen << f->CauDangXem();
        }
        QCOMPARE(seen, (QList<int>{4, 45, 300}));
    }

    void pagingStopsAtTheEnds()
    {
        FormHocTap* f = open();
        f->CM_Ve_Click();
        QCOMPARE(f->CauDangXem(), 1);
        QCOMPARE(f->CauHoiSo()->text(), u"1"_s);
        f->CM_Tiep_Click();
        QCOMPARE(f->CauDangXem(), 2);
        QCOMPARE(f->CauHoiSo()->text(), u"2"_s);
        QCOMPARE(f->LBCH()->text(), u"Câu hỏi số: 2"_s);
        f->CauHoiSo()->clear();
        QTest::keyClicks(f->CauHoiSo(), u"999"_s);
        QCOMPARE(f->CauDangXem(), 300);
        f->CM_Tiep_Click();
        QCOMPARE(f->CauDangXem(), 300);
        QCOMPARE(f->CauHoiSo()->text(), u"300"_s);
        f->CM_Ve_Click();
        QCOMPARE(f->CauDangXem(), 299);
    }

    void keyStaysShownWhilePaging()
    {
        FormHocTap* f = open();
        QTest::mouseClick(f->Ch_DapAn(), Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(f->Ch_DapAn()->isChecked());
        QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[1]));
        for (int q = 2; q <= 13; ++q) {
            f->CM_Tiep_Click();
            QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[q]));
        }
        QTest::mouseClick(f->Ch_DapAn(), Qt::LeftButton, {}, QPoint(5, 12));
        QCOMPARE(f->LB_DapAn()->text(), QString());
        f->CM_Tiep_Click();
        QCOMPARE(f->LB_DapAn()->text(), QString());
    }

    void missingHistoryEndsTheProgram()
    {
        QFile::remove(m_p->dir.path(u"DuLieu.txt"_s));
        open();
        QCOMPARE(m_p->seams.messages.size(), 1);
        QCOMPARE(m_p->seams.messages[0].title, u"Loi khi doc tep"_s);
        QVERIFY(!m_p->app.form<FormHocTap>()->isVisible());
        m_p->seams.closeMessage();
        QCOMPARE(m_p->seams.ended, 1);
    }

    void missingPictureEndsTheProgram()
    {
        FormHocTap* f = open();
        QFile::remove(m_p->dir.path(u"017.jpg"_s));
        QTest::keyClicks(f->CauHoiSo(), u"7"_s);  // "17"
        QCOMPARE(m_p->seams.messages.size(), 1);
        QVERIFY(m_p->seams.messages[0].text.endsWith(u"phong hoc"_s));
        m_p->seams.closeMessage();
        QCOMPARE(m_p->seams.ended, 1);
    }

    // A damaged picture: no picture of another question, the number and
    // key of the question asked for; at load too.
    void damagedPictureShowsNothingOfAnother()
    {
        m_p->dir.write(u"001.jpg"_s, "broken");
        m_p->dir.write(u"003.jpg"_s, "broken");
        FormHocTap* f = open();
        QCOMPARE(f->LBCH()->text(), u"Câu hỏi số: 1"_s);
        QVERIFY(f->Img()->pixmap().isNull());
        QTest::mouseClick(f->Ch_DapAn(), Qt::LeftButton, {}, QPoint(5, 12));
        f->CM_Tiep_Click();
        QVERIFY(!f->Img()->pixmap().isNull());
        f->CM_Tiep_Click();
        QCOMPARE(f->CauDangXem(), 3);
        QCOMPARE(f->LBCH()->text(), u"Câu hỏi số: 3"_s);
        QCOMPARE(f->CauHoiSo()->text(), u"3"_s);
        QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[3]));
        QVERIFY(f->Img()->pixmap().isNull());
        QCOMPARE(f->Img()->text(), u"ảnh câu hỏi bị hỏng\n(003.jpg)"_s);
        QVERIFY(m_p->seams.messages.isEmpty());
    }

    void hugeAndStrangeHistories_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("records");
        const QByteArray rec = oneRecord();
        constexpr qsizetype kMB = qsizetype{1024} * 1024;
        QTest::newRow("100 MB of records") << rec.repeated(100 * kMB / rec.size()) << true;
        QTest::newRow("one line of 10 MB") << QByteArray(10 * kMB, '7') << false;
        QTest::newRow("10 MB line after a record") << QByteArray(rec + QByteArray(10 * kMB, 'x')) << true;
        QTest::newRow("NUL bytes") << QByteArray(kMB, '\0') << false;
    }
    void hugeAndStrangeHistories()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, records);
        m_p->dir.write(u"DuLieu.txt"_s, file);
        file.clear();
        FormHocTap* f = open();
        QVERIFY(f->isVisible());
        QCOMPARE(f->CM_DaThi()->isEnabled(), records);
        if (records) {
            QTest::mouseClick(f->CM_DaThi(), Qt::LeftButton);
            FormDapAnKQDaThi* r = m_p->app.form<FormDapAnKQDaThi>();
            QVERIFY(r->isVisible());
            QVERIFY(r->CB_NgayThi()->count() >= 1);
            QCOMPARE(r->LB_KetQua()->text().left(24), u"Bạn đã trả lời đúng được"_s);
        }
        QVERIFY(m_p->seams.messages.isEmpty());
    }

    void pastExamsAndBack()
    {
        m_p->dir.write(u"DuLieu.txt"_s, oneRecord());
        FormHocTap* f = open();
        QTest::keyClicks(f->CauHoiSo(), u"2"_s);  // "12"
        QTest::mouseClick(f->Ch_DapAn(), Qt::LeftButton, {}, QPoint(5, 12));
        QTest::mouseClick(f->CM_DaThi(), Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QVERIFY(m_p->app.coForm<FormDapAnKQDaThi>());
        FormDapAnKQDaThi* r = m_p->app.form<FormDapAnKQDaThi>();
        QVERIFY(r->isVisible());
        QCOMPARE(r->windowTitle(), u"Nhung lan da thi thu"_s);
        QTest::mouseClick(r->CM_Thoat(), Qt::LeftButton);
        QVERIFY(!m_p->app.coForm<FormDapAnKQDaThi>());
        QVERIFY(f->isVisible());
        QCOMPARE(f->CauDangXem(), 12);
        QVERIFY(f->Ch_DapAn()->isChecked());
        QCOMPARE(f->LB_DapAn()->text(), QString::number(kDapAn[12]));
        // Again, and this time by the close box.
        QTest::mouseClick(f->CM_DaThi(), Qt::LeftButton);
        m_p->app.form<FormDapAnKQDaThi>()->close();
        QVERIFY(f->isVisible());
        QCOMPARE(m_p->seams.ended, 0);
        QTest::mouseClick(f->CM_Thoat(), Qt::LeftButton);
        QCOMPARE(m_p->seams.ended, 1);
    }
};

QTEST_MAIN(TestStudy)
#include "test_study.moc"
