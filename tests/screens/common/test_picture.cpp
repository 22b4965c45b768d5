#include "ScreenSupport.h"

#include "screens/common/HienAnh.h"

#include <QLabel>
#include <QTest>

using namespace thilaixe;

// The rule of the screens that must show their picture: missing ends the
// program after the message; damaged shows no picture but says so.
class TestPicture : public QObject {
    Q_OBJECT
private slots:
    void pictureRule()
    {
        test::WorkDir dir;
        dir.makePictures(1, 1);
        dir.write(QStringLiteral("002.jpg"), QByteArray("damaged"));
        test::FakeSeams seams;
        MoiTruong app(seams, dir.path());
        QLabel img;
        img.resize(400, 300);
        QVERIFY(hienAnhCauHoi(app, &img, 1, NoiBaoLoi::Thi));
        const qint64 shown = img.pixmap().cacheKey();
        // Decoded at the screen's pixels (this test runs at scale 1 and 2).
        const qreal scale = img.devicePixelRatioF();
        QCOMPARE(scale, qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0);
        QCOMPARE(img.pixmap().size(), QSize(400, 300) * scale);
        QCOMPARE(img.pixmap().devicePixelRatio(), scale);
        QVERIFY(shown != 0);
        // Damaged: no picture of another question, the box says why, the
        // caller goes on.
        QVERIFY(hienAnhCauHoi(app, &img, 2, NoiBaoLoi::Thi));
        QVERIFY(img.pixmap().isNull());
        QCOMPARE(img.text(), QStringLiteral("ảnh câu hỏi bị hỏng\n(002.jpg)"));
        QVERIFY(seams.messages.isEmpty());
        QVERIFY(!app.dangKetThuc());
        // Missing: the message, and the end once it is closed.
        QVERIFY(!hienAnhCauHoi(app, &img, 3, NoiBaoLoi::Thi));
        QCOMPARE(seams.messages.size(), 1);
        QCOMPARE(seams.messages[0].title, QStringLiteral("Loi khi doc tep"));
        const QStringList lines = seams.messages[0].text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("Khong co tep du lieu hoac tep du lieu bi hong!"));
        QCOMPARE(lines[1], QString());
        QVERIFY(lines[3].endsWith(QStringLiteral("de cai dat lai chuong trinh.")));
        QCOMPARE(lines[4], QString());
        QVERIFY(lines[5].startsWith(QStringLiteral("Dien thoai: ")));
        QCOMPARE(seams.ended, 0);
        seams.closeMessage();
        QCOMPARE(seams.ended, 1);
        // The study form names another office line.
        QVERIFY(MoiTruong::noiDungThieuTep(NoiBaoLoi::Hoc) != MoiTruong::noiDungThieuTep(NoiBaoLoi::Thi));
    }
};

QTEST_MAIN(TestPicture)
#include "test_picture.moc"
