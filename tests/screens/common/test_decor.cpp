#include "ScreenSupport.h"

#include "rules/bank/DapAn.h"
#include "rules/decor/KhungQuaDia.h"
#include "rules/decor/QuaDiaCau.h"
#include "rules/history/LichSuThi.h"

#include "screens/app/App.h"
#include "screens/common/DaiTacGia.h"
#include "screens/common/FormAbout.h"
#include "screens/common/HinhQuaDia.h"
#include "screens/exam/FormDapAn.h"
#include "screens/exam/FormKetQua.h"
#include "screens/exam/FormMain.h"
#include "screens/history/FormDapAnKQDaThi.h"
#include "screens/study/FormHocTap.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

// Pixel of a user point (x, y) on a frame of the given size.
QPoint px(const QImage& img, double x, double y)
{
    return QPoint(qRound((x + 1.1) * img.width() / 2.2), qRound((1.1 - y) * img.height() / 2.2));
}

bool near(const QImage& img, QPoint p, QRgb colour)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (img.rect().contains(p + QPoint(dx, dy)) && img.pixel(p + QPoint(dx, dy)) == colour)
                return true;
    return false;
}

FormAbout* openAbout()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"FormAbout"_s && w->isVisible())
            return qobject_cast<FormAbout*>(w);
    return nullptr;
}

}  // namespace

class TestDecor : public QObject {
    Q_OBJECT
private slots:
    void geometry()
    {
        double r = 2, a = 90, x = 0, y = 0;
        QuaDiaCau::DiemTrenVong(r, a, x, y);
        QVERIFY(std::abs(x) < 1e-12);
        QCOMPARE(y, 2.0);
        double X = 1, Y = 0.5, Z = 0, A = 90;
        QuaDiaCau::XoayTrucY(X, Y, Z, A);
        QVERIFY(std::abs(X) < 1e-12);
        QCOMPARE(Z, -1.0);
        QCOMPARE(Y, 0.5);
        X = 0.25, Y = 1, Z = 0, A = 90;
        QuaDiaCau::XoayTrucX(X, Y, Z, A);
        QVERIFY(std::abs(Y) < 1e-12);
        QCOMPARE(Z, 1.0);
        QCOMPARE(X, 0.25);
        X = 0.6, Y = 0.8, Z = 0, A = 0;
        QuaDiaCau::XoayTrucX(X, Y, Z, A);
        QCOMPARE(Y, 0.8);
        QCOMPARE(Z, 0.0);
        QCOMPARE(QuaDiaCau::kDoRaRadian, 0.017453292519943278);
    }

    void tickSequence()
    {
        QWidget parent;
        HinhQuaDia g(&parent);
        g.resize(281, 250);
        QCOMPARE(g.tmrGlobe()->interval(), 5);
        g.tmrGlobe_Timer();
        QCOMPARE(g.BuocVe(), 1.0);
        QVERIFY(g.anhHienTai().isNull());
        const auto khung = [](int k) { return veKhungQuaDia(k, QSize(281, 250)); };
        g.tmrGlobe_Timer();
        QCOMPARE(g.soKhungDaGiu(), 1u);
        QCOMPARE(g.anhHienTai(), khung(1));
        for (int t = 3; t <= 16; ++t)
            g.tmrGlobe_Timer();
        QCOMPARE(g.soKhungDaGiu(), 15u);
        QCOMPARE(g.BuocVe(), 16.0);
        QCOMPARE(g.anhHienTai(), khung(15));
        g.tmrGlobe_Timer();  // 17: switch to playing, nothing new shown
        QCOMPARE(g.BuocVe(), -1.0);
        QCOMPARE(g.anhHienTai(), khung(15));
        // Twice round the ring, every frame exactly as drawn.
        for (int vong = 0; vong < 2; ++vong)
            for (int k = 1; k <= 15; ++k) {
                g.tmrGlobe_Timer();
                QCOMPARE(g.SoKhung(), double(k));
                QCOMPARE(g.anhHienTai(), khung(k));
            }
        QCOMPARE(g.soKhungDaGiu(), 15u);
        // What the box paints is the frame shown.
        QCOMPARE(g.grab().toImage().convertToFormat(QImage::Format_RGB32), khung(15));
        // Every frame differs from the next.
        for (int k = 1; k < 15; ++k)
            QVERIFY(khung(k) != khung(k + 1));
    }

    void framesAsPictures()
    {
        for (int k = 1; k <= 15; ++k) {
            const QImage f = veKhungQuaDia(k, QSize(281, 250));
            // The whole blue outline.
            for (int a = 0; a < 360; a += 7) {
                const double t = a * M_PI / 180;
                QVERIFY2(near(f, px(f, std::cos(t), std::sin(t)), kBlue),
                         qPrintable(u"frame %1, angle %2"_s.arg(k).arg(a)));
            }
            // The equator: a red horizontal diameter.
            const int row = px(f, 0, 0).y();
            int red = 0, total = 0;
            for (int x = px(f, -0.95, 0).x(); x <= px(f, 0.95, 0).x(); ++x, ++total)
                red += f.pixel(x, row) == kRed;
            QVERIFY2(red > total * 8 / 10, qPrintable(u"frame %1: %2 of %3"_s.arg(k).arg(red).arg(total)));
            // Parallel 75 is a short line near the top.
            QVERIFY(near(f, px(f, 0.1, std::sin(75 * M_PI / 180)), kRed));
            QVERIFY(!near(f, px(f, 0.5, std::sin(75 * M_PI / 180)), kRed));
        }
        // Frame 15: the meridian at 75 degrees stands as the vertical diameter.
        const auto verticalBlue = [](const QImage& f) {
            int blue = 0, total = 0;
            const int col = px(f, 0, 0).x();
            for (int y = px(f, 0, 0.9).y(); y <= px(f, 0, -0.9).y(); ++y, ++total)
                blue +=
                    f.pixel(col, y) == kBlue || f.pixel(col + 1, y) == kBlue || f.pixel(col - 1, y) == kBlue;
            return double(blue) / total;
        };
        QVERIFY(verticalBlue(veKhungQuaDia(15, QSize(281, 250))) > 0.9);
        QVERIFY(verticalBlue(veKhungQuaDia(7, QSize(281, 250))) < 0.5);
    }

    void startStopsTheGlobeAtAnyTick_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::newRow("before any tick") << 0;
        QTest::newRow("while drawing") << 7;
        QTest::newRow("while playing") << 40;
    }
    void startStopsTheGlobeAtAnyTick()
    {
        QFETCH(int, ticks);
        test::Program p;
        App& app = p.app;
        app.trangThai().Hang = u"B1"_s;
        FormMain* m = app.form<FormMain>();
        m->show();
        QVERIFY(m->picGlobe()->tmrGlobe()->isActive());
        QCOMPARE(m->picGlobe()->geometry(), QRect(128, 51, 281, 250));
        for (int t = 0; t < ticks; ++t)
            m->picGlobe()->tmrGlobe_Timer();
        m->CMStartEnd_Click();
        QVERIFY(!m->picGlobe()->isVisible());
        QVERIFY(!m->picGlobe()->tmrGlobe()->isActive());
        QCOMPARE(m->picGlobe()->soKhungDaGiu(), 0u);  // never shown again: freed
    }

    void stripOpensTheInformationWindow_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("exam sheet") << u"FormMain"_s;
        QTest::newRow("answer review") << u"FormDapAn"_s;
        QTest::newRow("study form") << u"FormHocTap"_s;
        QTest::newRow("past-exam review") << u"FormDapAnKQDaThi"_s;
    }
    void stripOpensTheInformationWindow()
    {
        QFETCH(QString, screen);
        test::Program p;
        App& app = p.app;
        app.trangThai().Hang = u"B2"_s;
        QVERIFY(GhiDuLieu(test::exam(), p.dir.history()));

        QWidget* form = nullptr;
        if (screen == u"FormMain"_s) {
            form = app.form<FormMain>();
            form->show();
            app.form<FormMain>()->CMStartEnd_Click();
        } else if (screen == u"FormDapAn"_s) {
            form = app.form<FormDapAn>();
            form->show();
        } else if (screen == u"FormHocTap"_s) {
            form = app.form<FormHocTap>();
            form->show();
        } else {
            form = app.form<FormDapAnKQDaThi>();
            form->show();
        }
        auto* strip = form->findChild<DaiTacGia*>(u"FrTen"_s);
        QVERIFY(strip);
        QCOMPARE(strip->size(), QSize(273, 57));
        QCOMPARE(strip->toolTip(), u"Bam chuot vao day de lien he tac gia"_s);
        QVERIFY(strip->LbTen(0)->text().startsWith(u"Người viết chương trình:"_s));
        QCOMPARE(strip->LbTen(0)->palette().color(QPalette::WindowText), QColor(192, 0, 192));
        QCOMPARE(DaiTacGia::anhTacGia().size(), QSize(157, 225));  // the built-in picture is there
        QVERIFY(!strip->Image2()->pixmap().isNull());

        const auto before = app.trangThai().CauHienTai;
        const QList<QWidget*> targets = {strip, strip->LbTen(0), strip->LbTen(1), strip->Image2()};
        for (QWidget* t : targets) {
            QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(3, 3));
            FormAbout* about = openAbout();
            QVERIFY(about);
            QCOMPARE(about->windowTitle(), u"Thong tin them"_s);
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QCOMPARE(about->findChild<QLabel*>(u"LB1"_s)->text(), u"Cảm ơn bạn đã sử dụng phần mềm"_s);
            QCOMPARE(about->findChild<QLabel*>(u"LB2"_s)->text(), u"Mọi vấn đề, xin liên hệ với tác giả"_s);
            QVERIFY(about->findChild<QLabel*>(u"LB3"_s)->text().startsWith(u"ĐTCQ:"_s));
            QVERIFY(about->findChild<QLabel*>(u"Label1"_s)->text().startsWith(u"DĐ:      "_s));
            QCOMPARE(about->CM_OK()->text(), u"Đó&ng"_s);
            if (screen == u"FormMain"_s)
                QVERIFY(app.form<FormMain>()->ThoiGian()->isActive());  // the countdown goes on
            QPointer<FormAbout> gone = about;
            QTest::mouseClick(about->CM_OK(), Qt::LeftButton);
            QTRY_VERIFY(gone.isNull());
        }
        QCOMPARE(app.trangThai().CauHienTai, before);
        QVERIFY(form->isVisible());
        QCOMPARE(p.seams.ended, 0);
    }
};

QTEST_MAIN(TestDecor)
#include "test_decor.moc"
