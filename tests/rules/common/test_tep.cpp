// Every file the program writes, on a real disk that runs full, and what
// other programs read back of them.

#include "TestSupport.h"
#include "sample/NganHangMau2025.h"

#include "rules/bank/NganHang.h"
#include "rules/databank/NhapNganHang.h"
#include "rules/history/LichSuThi.h"
#include "rules/session/InGiay.h"
#include "rules/store/KhoMayChu.h"
#include "rules/store/KhoSqlite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

// A store whose every write is held: it runs in memory (its file is a link).
struct HeldStore {
    test::WorkDir d;
    std::unique_ptr<KhoSqlite> kho;
    explicit HeldStore(int changes)
    {
        d.write(u"elsewhere"_s, "not a store");
        QFile::link(d.path(u"elsewhere"_s), d.path(kTepKho));
        kho = std::make_unique<KhoSqlite>(d.path(kTepKho));
        for (int i = 0; i < changes; ++i)
            kho->ghiTraLoi(1, u"gplx-600-2025"_s, 1 + i % 600, i % 3 == 0,
                           QDateTime(QDate(2026, 12, 1), QTime(8, 0)));
    }
};

std::vector<HocVienKhoaHoc> learners(int n)
{
    std::vector<HocVienKhoaHoc> ds;
    ds.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        ds.push_back({i + 1, u"%1"_s.arg(i + 1, 3, 10, QLatin1Char('0')),
                      u"Nguyễn Văn Học Viên Số %1"_s.arg(i + 1), 3, 1, 25, 28, 30, 40});
    return ds;
}

std::vector<TinhHinhHocVien> sitting(int n)
{
    std::vector<TinhHinhHocVien> ds;
    for (int i = 0; i < n; ++i) {
        TinhHinhHocVien t;
        t.soBaoDanh = u"%1"_s.arg(i + 1);
        t.ten = u"Trần Thị Học Viên %1"_s.arg(i + 1);
        t.trangThai = TinhHinhHocVien::TrangThai::DaNop;
        t.dung = 27;
        t.soCau = 30;
        t.dat = true;
        ds.push_back(t);
    }
    return ds;
}

// A writer of the program: writes `tep`, true when it says it did.
using Writer = std::function<bool(const QString& tep, QString* loi)>;

}  // namespace

class TestTep : public QObject {
    Q_OBJECT

private slots:
    // Each writer on a disk with no byte left, under and over 16 KB (Qt
    // 6.4's QSaveFile called a small write saved there): the failure is
    // said with its reason, the old file keeps its bytes, nothing is left
    // beside it; with room again, the same writer writes the whole file.
    void everyWriterOnAFullDisk_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<bool>("large");
        const auto held = [](int n) -> Writer {
            return
                [n](const QString& tep, QString* loi) { return HeldStore(n).kho->luuChoGhiRaTep(tep, loi); };
        };
        QTest::newRow("held changes, small") << held(20) << false;
        QTest::newRow("held changes, large") << held(400) << true;
        const auto csv = [](int n) -> Writer {
            return [n](const QString& tep, QString* loi) {
                return ghiCsvKhoaHoc(tep, {1, u"K9"_s, u"Khoá 9"_s, u"B"_s, n}, learners(n), 60, loi);
            };
        };
        QTest::newRow("course CSV, small") << csv(30) << false;
        QTest::newRow("course CSV, large") << csv(600) << true;
        const auto sheet = [](int n) -> Writer {
            return [n](const QString& tep, QString* loi) {
                return inBangKetQua(
                    tep, {u"Trường"_s, u"K9"_s, u"Khoá 9"_s, u"B"_s, u"tt12-2025"_s, QDate(2026, 12, 10)},
                    sitting(n), loi);
            };
        };
        // A PDF carries its fonts: even a sheet of three is over 16 KB.
        QTest::newRow("results sheet") << sheet(300) << true;
        QTest::newRow("yard paper") << Writer([](const QString& tep, QString* loi) {
            const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
            const BoQuyTac bo = boQuyTacCaiSan();
            BoSinhSo rng(7);
            const DeThi de = *rutDe(nh, *bo.timHang(u"B"_s), rng);
            return inDeGiay(tep, nh, {}, *bo.timHang(u"B"_s), de, u"Trường"_s, u"7"_s, loi);
        }) << true;
        // The sample pictures of a first start: the folder is the file here.
        QTest::newRow("first-start pictures")
            << Writer([](const QString& tep, QString* loi) { return chuanBiThuMuc(tep, {}, loi); }) << true;
        // A bank written back as a school's spreadsheet, and the template.
        const auto bankSheet = []() -> Writer {
            return [](const QString& tep, QString* loi) {
                const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
                return ghiBangTinh(tep, *bangCuaNganHang(nh, {}, false, loi), loi);
            };
        };
        QTest::newRow("bank as .xlsx") << bankSheet() << true;
        QTest::newRow("bank as .ods") << bankSheet() << true;
        QTest::newRow("bank template .csv")
            << Writer([](const QString& tep, QString* loi) { return ghiBangTinh(tep, bangMau(), loi); })
            << false;
        QTest::newRow("sample bank of 600")
            << Writer([](const QString& tep, QString* loi) { return veNganHangMau2025(tep, loi); }) << true;
    }
    void everyWriterOnAFullDisk()
    {
        QFETCH(Writer, writer);
        QFETCH(bool, large);
        const bool folder = QString::fromLatin1(QTest::currentDataTag()).contains(u"pictures"_s)
                            || QString::fromLatin1(QTest::currentDataTag()).contains(u"sample bank"_s);
        test::FullDisk disk(folder ? 32768 : 4096);
        if (!disk.ok())
            QSKIP(qPrintable(disk.why()));
        // A sheet's kind is its name's: "bank as .xlsx" writes out.xlsx.
        const QString kind = QFileInfo(QString::fromLatin1(QTest::currentDataTag())).suffix();
        const QString target = disk.path(folder ? u"data"_s : kind.isEmpty() ? u"out"_s : u"out."_s + kind);
        const QByteArray old(5000, 'o');
        if (folder)
            QDir().mkpath(target);
        QFile f(folder ? target + u"/old"_s : target);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        f.close();
        const QStringList before = disk.names();

        disk.fill();
        QString why;
        QVERIFY2(!writer(target, &why), "said saved on a full disk");
        QVERIFY2(why.contains(u"ổ đĩa đã đầy"_s), qPrintable(why));
        QFile back(folder ? target + u"/old"_s : target);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), old);
        back.close();
        if (!folder)
            QCOMPARE(disk.names(), before);

        disk.free();
        QVERIFY2(writer(target, &why), qPrintable(why));
        // The row writes what it says: files under 16 KB, or one over.
        qint64 largest = 0;
        if (folder) {
            QDirIterator it(target, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                largest = std::max(largest, QFileInfo(it.next()).size());
        } else {
            largest = QFileInfo(target).size();
            QCOMPARE(disk.names(), before);  // no temporary file beside it
        }
        QVERIFY2(large ? largest > qint64{16} * 1024 : largest > 0 && largest < qint64{16} * 1024,
                 qPrintable(QString::number(largest)));
    }

    // A course's list read back by Python's csv module, as a spreadsheet
    // would: a field with a bare CR, a LF, a quote or a comma stays one
    // field, and one a spreadsheet would take for a formula (after blanks
    // or control characters too) is kept as text.
    void courseCsvReadByAnotherReader()
    {
        if (QStandardPaths::findExecutable(u"python3"_s).isEmpty())
            QSKIP("no python3");
        test::WorkDir d;
        const QStringList names{u"An\r=3+3"_s,    u"Bình\n@SUM(1)"_s, u"\t=1+1"_s,        u"  -2"_s,
                                u"Chi, \"Bé\""_s, u"\x01+cmd"_s,      u"Nguyễn Văn Đức"_s};
        std::vector<HocVienKhoaHoc> ds;
        for (qsizetype i = 0; i < names.size(); ++i)
            ds.push_back({i + 1, u"0%1\r"_s.arg(i), names[i], 1, 0, 20, 20, 30, 0});
        QString why;
        QVERIFY2(ghiCsvKhoaHoc(d.path(u"k.csv"_s), {1, u"=K\r9"_s, u"Khoá\n9"_s, u"B"_s, 7}, ds, 60, &why),
                 qPrintable(why));
        QProcess py;
        py.start(u"python3"_s,
                 {u"-c"_s,
                  u"import csv, json, sys\n"
                  "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')))\n"
                  "print(json.dumps(rows))"_s,
                  d.path(u"k.csv"_s)});
        QVERIFY(py.waitForFinished());
        const QJsonArray rows = QJsonDocument::fromJson(py.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 2 + names.size());
        QCOMPARE(rows[0].toArray()[1].toString(), u"'=K\r9"_s);
        QCOMPARE(rows[0].toArray()[2].toString(), u"Khoá\n9"_s);
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QJsonArray r = rows[2 + i].toArray();
            QCOMPARE(r.size(), 7);
            QCOMPARE(r[0].toString(), u"0%1\r"_s.arg(i));
            const QString name = r[1].toString();
            const bool formula = i == 2 || i == 3 || i == 5;
            QCOMPARE(name, formula ? u"'"_s + names[i] : names[i]);
        }
    }

    // A history with lines that are no records: the exam is written and the
    // file as it was is kept beside it first, once; a file of records only
    // is rewritten exactly as it always was, with no copy.
    void historyKeepsWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("kept");
        QByteArray records;
        for (int n = 1; n <= 50; ++n)
            records += test::recordBytes(test::exam({.seed = n}));
        QTest::newRow("50 records") << records + "\r\n" << false;
        QByteArray text;
        for (int n = 0; n < 100000; ++n)
            text += "một dòng ghi chú\r\n";
        QTest::newRow("100,000 text lines") << text << true;
        QByteArray noise(qsizetype{200} * 1024, '\0');
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 7919 + i / 13) & 0xff);
        QTest::newRow("200 KB of bytes") << noise << true;
    }
    void historyKeepsWhatItCannotRead()
    {
        QFETCH(QByteArray, tail);
        QFETCH(bool, kept);
        test::WorkDir d;
        d.write(u"DuLieu.txt"_s, tail);
        QString why, note;
        QVERIFY2(GhiDuLieu(test::exam({.seed = 99}), d.history(), &why, &note), qPrintable(why));
        const QStringList copies = QDir(d.path()).entryList({u"DuLieu.txt.giu-*"_s}, QDir::Files);
        QCOMPARE(copies.size(), kept ? 1 : 0);
        QCOMPARE(note.isEmpty(), !kept);
        if (kept) {
            QCOMPARE(d.read(copies[0]), tail);
            QVERIFY(note.contains(copies[0]));
        }
        // The same rewrite as ever: the new record, then what was read.
        const QByteArray now = d.read(u"DuLieu.txt"_s);
        QVERIFY(now.startsWith(test::recordBytes(test::exam({.seed = 99}))));
        if (!kept) {
            QByteArray want = test::recordBytes(test::exam({.seed = 99}));
            for (int n = 1; n <= 49; ++n)
                want += test::recordBytes(test::exam({.seed = n}));
            QCOMPARE(now, want + "\r\n");
        }
        // Once: a second exam finds nothing more to keep.
        QVERIFY(GhiDuLieu(test::exam({.seed = 98}), d.history(), &why, &note));
        QCOMPARE(QDir(d.path()).entryList({u"DuLieu.txt.giu-*"_s}, QDir::Files).size(), kept ? 1 : 0);
    }
};

QTEST_MAIN(TestTep)
#include "test_tep.moc"
