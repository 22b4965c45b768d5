#include "TestSupport.h"

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/bank/NganHang.h"

#include <QBuffer>
#include <QDir>
#include <QTest>

#include <csignal>
#include <map>
#include <sys/resource.h>

using namespace thilaixe;

class TestBank : public QObject {
    Q_OBJECT
private slots:
    void tablesHaveTheDocumentedCounts()
    {
        std::map<int, int> key, opts;
        for (int q = 1; q <= 300; ++q) {
            ++key[kDapAn[q]];
            ++opts[kSoPhuongAn[q]];
            QVERIFY2(kDapAn[q] <= kSoPhuongAn[q], qPrintable(QString::number(q)));
        }
        QCOMPARE(kDapAn[0], 0);
        QCOMPARE(kSoPhuongAn[0], 0);
        QCOMPARE(key, (std::map<int, int>{{1, 87}, {2, 97}, {3, 74}, {4, 42}}));
        QCOMPARE(opts, (std::map<int, int>{{2, 73}, {3, 140}, {4, 87}}));
        // The examples under the tables.
        QCOMPARE(kDapAn[1], 2);
        QCOMPARE(kDapAn[12], 4);
        QCOMPARE(kDapAn[300], 1);
        QCOMPARE(kSoPhuongAn[1], 2);
        QCOMPARE(kSoPhuongAn[12], 4);
        QCOMPARE(kSoPhuongAn[300], 4);
    }

    void loadingFillsTheSharedTables()
    {
        SharedState s;
        QCOMPARE(s.DapAn[17], 0);
        NapDapAn(s);
        NapSoPhuongAn(s);
        for (int q = 0; q <= 300; ++q) {
            QCOMPARE(s.DapAn[q], kDapAn[q]);
            QCOMPARE(s.SoPhuongAn[q], kSoPhuongAn[q]);
        }
    }

    void pictureNames_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("name");
        QTest::newRow("7") << 7 << "007.jpg";
        QTest::newRow("9") << 9 << "009.jpg";
        QTest::newRow("10") << 10 << "010.jpg";
        QTest::newRow("45") << 45 << "045.jpg";
        QTest::newRow("99") << 99 << "099.jpg";
        QTest::newRow("100") << 100 << "100.jpg";
        QTest::newRow("300") << 300 << "300.jpg";
        QTest::newRow("0") << 0 << "000.jpg";
        QTest::newRow("1000 has no name") << 1000 << "";
    }
    void pictureNames()
    {
        QFETCH(int, n);
        QFETCH(QString, name);
        QCOMPARE(TenTepAnh(static_cast<std::int16_t>(n)), name);
    }

    void outOfBoundsIndexNeverTouchesNeighbours()
    {
        SharedState s;
        s.CH[30] = 123;
        QTest::ignoreMessage(QtCriticalMsg, "internal error: index 31 outside array of 31 elements");
        s.CH[31] = 77;
        QCOMPARE(s.CH[30], 123);
        QTest::ignoreMessage(QtCriticalMsg, "internal error: index -1 outside array of 31 elements");
        QCOMPARE(static_cast<const SharedState&>(s).CH[-1], 0);
    }

    void pictureKinds()
    {
        test::WorkDir dir;
        dir.makePictures(5, 5);
        dir.write(QStringLiteral("006.jpg"), QByteArray());
        dir.write(QStringLiteral("007.jpg"), QByteArray("not a picture at all"));
        QImage big(2000, 1500, QImage::Format_RGB32);
        big.fill(Qt::red);
        big.save(dir.path(QStringLiteral("008.jpg")), "JPG");
        QImage out;
        QCOMPARE(taiAnh(dir.path(QStringLiteral("005.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::DaTai);
        QCOMPARE(out.size(), QSize(400, 300));
        QCOMPARE(taiAnh(dir.path(QStringLiteral("008.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::DaTai);
        QCOMPARE(out.size(), QSize(400, 300));  // decoded at the size shown
        QCOMPARE(taiAnh(dir.path(QStringLiteral("006.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::Hong);
        QCOMPARE(taiAnh(dir.path(QStringLiteral("007.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::Hong);
        QCOMPARE(taiAnh(dir.path(QStringLiteral("017.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::ThieuTep);
        QVERIFY(QDir().mkdir(dir.path(QStringLiteral("018.jpg"))));
        QCOMPARE(taiAnh(dir.path(QStringLiteral("018.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::Hong);
    }

    // --data, then THILAIXE_DATA, then the current folder when it holds
    // 001.jpg, then the per-user folder.
    void workingFolderOrder_data()
    {
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("env");
        QTest::addColumn<bool>("bankHere");
        QTest::addColumn<int>("chosen");
        QTest::newRow("flag wins") << true << true << true << int(NguonThuMuc::DongLenh);
        QTest::newRow("then the environment") << false << true << true << int(NguonThuMuc::BienMoiTruong);
        QTest::newRow("then a bank here") << false << false << true << int(NguonThuMuc::ThuMucHienTai);
        QTest::newRow("else the user's folder")
            << false << false << false << int(NguonThuMuc::ThuMucNguoiDung);
    }
    void workingFolderOrder()
    {
        QFETCH(bool, flag);
        QFETCH(bool, env);
        QFETCH(bool, bankHere);
        QFETCH(int, chosen);
        test::WorkDir here;
        if (bankHere)
            here.makePictures(1, 1);
        const ThuMucDuLieu t =
            chonThuMucDuLieu(flag ? std::optional<QString>(QStringLiteral("/flag")) : std::nullopt,
                             env ? QStringLiteral("/env") : QString(), here.path(), QStringLiteral("/user"));
        QCOMPARE(int(t.nguon), chosen);
        const QStringList paths{QStringLiteral("/flag"), QStringLiteral("/env"), here.path(),
                                QStringLiteral("/user")};
        QCOMPARE(t.duongDan, paths[chosen]);
    }

    // A new user's folder gets the installed sample bank (or one drawn on
    // the spot) and an empty history; what is there already stays.
    void firstStartFillsTheUserFolder()
    {
        test::WorkDir installed, user, drawn;
        installed.makePictures();
        const QString fresh = user.path(QStringLiteral("a/b"));
        QVERIFY(chuanBiThuMuc(fresh, installed.path()));
        QCOMPARE(anhConThieu(fresh), QStringList());
        QCOMPARE(QFile(fresh + QStringLiteral("/DuLieu.txt")).size(), 0);
        QFile h(fresh + QStringLiteral("/DuLieu.txt"));
        QVERIFY(h.open(QIODevice::WriteOnly) && h.write("kept") == 4);
        h.close();
        QVERIFY(chuanBiThuMuc(fresh, installed.path()));
        QCOMPARE(QFile(fresh + QStringLiteral("/DuLieu.txt")).size(), 4);

        QFile::remove(installed.path(QStringLiteral("150.jpg")));  // not whole: draw instead
        QVERIFY(chuanBiThuMuc(drawn.path(), installed.path()));
        QCOMPARE(anhConThieu(drawn.path()), QStringList());
        QImage sample(drawn.path(QStringLiteral("150.jpg")));
        QCOMPARE(sample.size(), QSize(480, 360));

        QFile::remove(drawn.path(QStringLiteral("007.jpg")));
        QFile::remove(drawn.path(QStringLiteral("300.jpg")));
        QCOMPARE(anhConThieu(drawn.path()),
                 (QStringList{QStringLiteral("007.jpg"), QStringLiteral("300.jpg")}));
        const QString msg = thongBaoThieuNganHang(drawn.path(), anhConThieu(drawn.path()));
        QVERIFY(msg.contains(drawn.path()) && msg.contains(QStringLiteral("007.jpg, 300.jpg")));
        QVERIFY(msg.contains(QStringLiteral("--data")));
        // A folder of the school's own pictures is not filled with samples.
        QVERIFY(QFile::remove(drawn.path(kTepDauMau)));
        QVERIFY(chuanBiThuMuc(drawn.path(), installed.path()));
        QCOMPARE(anhConThieu(drawn.path()).size(), 2);
    }

    // A first start on a full disk leaves no cut picture, says why, and a
    // later start with room completes the bank.
    void firstStartCutShortIsCompletedLater()
    {
        test::WorkDir installed, user;
        installed.makePictures();
        QImage noise(600, 600, QImage::Format_RGB32);  // 040.jpg: far larger than the others
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, static_cast<QRgb>((x * 7919u + y * 104729u) * 2654435761u));
        QVERIFY(noise.save(installed.path(QStringLiteral("040.jpg")), "JPG", 100));
        QVERIFY(QFileInfo(installed.path(QStringLiteral("040.jpg"))).size() > 100'000);
        const QString fresh = user.path(QStringLiteral("thilaixe"));
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = rlim_t{64} * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        QString why;
        const bool ok = chuanBiThuMuc(fresh, installed.path(), &why);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);
        QVERIFY(!ok);
        QVERIFY2(why.startsWith(QStringLiteral("không ghi được")) && why.contains(QStringLiteral("040.jpg")),
                 qPrintable(why));
        QCOMPARE(anhConThieu(fresh).size(), 261);  // 001-039 whole, nothing of 040
        for (const QFileInfo& f : QDir(fresh).entryInfoList({QStringLiteral("*.jpg")}, QDir::Files))
            QCOMPARE(f.size(), QFileInfo(installed.path(f.fileName())).size());
        QVERIFY(chuanBiThuMuc(fresh, installed.path(), &why));
        QCOMPARE(anhConThieu(fresh), QStringList());
    }

    void hostilePictures()
    {
        test::WorkDir dir;
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QBuffer jpeg, png;
        jpeg.open(QIODevice::WriteOnly);
        png.open(QIODevice::WriteOnly);
        QVERIFY(img.save(&jpeg, "JPG"));
        QVERIFY(img.save(&png, "PNG"));
        const QByteArray good = jpeg.data();

        // Header claims 30000 x 30000.
        QByteArray huge = good;
        const qsizetype sof = huge.indexOf(QByteArray::fromHex("FFC0"));
        QVERIFY(sof > 0);
        huge[sof + 5] = char(0x75);
        huge[sof + 6] = char(0x30);
        huge[sof + 7] = char(0x75);
        huge[sof + 8] = char(0x30);

        const QList<QPair<QString, QByteArray>> cases = {
            {QStringLiteral("100.jpg"), QByteArray()},
            {QStringLiteral("101.jpg"), good.left(good.size() / 3)},
            {QStringLiteral("107.jpg"), good.left(good.size() - 40)},
            {QStringLiteral("102.jpg"), png.data()},
            {QStringLiteral("103.jpg"), QByteArray("CH: 1, 2, 3\r\n")},
            {QStringLiteral("104.jpg"), huge},
            {QStringLiteral("105.jpg"), good.left(2) + QByteArray(5000, '\xFF')},
        };
        for (const auto& [name, bytes] : cases) {
            dir.write(name, bytes);
            QImage out;
            QCOMPARE(taiAnh(dir.path(name), QSize(400, 300), &out), KetQuaTaiAnh::Hong);
            QVERIFY(out.isNull());
        }
        dir.write(QStringLiteral("106.jpg"), good);
        QImage out;
        QCOMPARE(taiAnh(dir.path(QStringLiteral("106.jpg")), QSize(400, 300), &out), KetQuaTaiAnh::DaTai);
    }
};

QTEST_MAIN(TestBank)  // drawing the sample bank needs fonts: a GUI application, no widgets
#include "test_bank.moc"
