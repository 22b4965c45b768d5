// A school's bank in a spreadsheet: sheets made by other libraries
// (openpyxl, odfpy, Python's csv) come in as the bank they were made from;
// the program's own sheets are read back by those libraries and come in
// byte for byte; every faulty sheet is refused with its row and column,
// and nothing is written.
#include "TestSupport.h"

#include "rules/databank/NhapNganHang.h"
#include "rules/school/Truong.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSample = QStringLiteral(THILAIXE_SAMPLE_2025);
const QString kSheets = QStringLiteral(THILAIXE_SHEETS_PY);

QByteArray sheets(const QStringList& args)
{
    QProcess p;
    p.start(u"/usr/bin/python3"_s, QStringList{kSheets} + args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        qWarning("sheets.py %s: %s", qPrintable(args.join(u' ')), p.readAllStandardError().constData());
    return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
}

QByteArray readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under a folder, by its path inside, with its bytes' hash.
QMap<QString, QByteArray> tree(const QString& dir)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        out.insert(QDir(dir).relativeFilePath(f),
                   QCryptographicHash::hash(readAll(f), QCryptographicHash::Sha256));
    }
    return out;
}

KetQuaNhap import(const QString& sheet, const QString& out, const QString& pictures = {})
{
    return nhapNganHang({sheet, pictures, out, QDate(2026, 12, 10)});
}

QString faults(const KetQuaNhap& k)
{
    QStringList l;
    for (const LoiNhap& f : k.loi)
        l << f.chu();
    return l.join(u'\n');
}

const NganHang& sampleBank()
{
    static const NganHang nh = *docNganHangTep(kSample + u"/bank.json"_s).giaTri;
    return nh;
}

}  // namespace

class TestBangTinh : public QObject {
    Q_OBJECT

private slots:
    void otherLibrariesSheetsComeInAsTheirBank_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("picturesByName");
        // Pictures pasted in the cells (.xlsx, .ods) or named and found in
        // --pictures (.csv); Vietnamese headers, or English ones in another
        // order; a semicolon CSV with a byte-order mark.
        QTest::newRow("openpyxl, English headers reordered") << u"sheet.xlsx"_s << true << false;
        QTest::newRow("odfpy") << u"sheet.ods"_s << false << false;
        QTest::newRow("csv module, semicolons") << u"sheet.csv"_s << false << true;
    }
    void otherLibrariesSheetsComeInAsTheirBank()
    {
        QFETCH(QString, name);
        QFETCH(bool, english);
        QFETCH(bool, picturesByName);
        test::WorkDir w;
        QStringList args{u"from-bank"_s, kSample + u"/bank.json"_s, w.path(name)};
        if (english)
            args << u"--english"_s;
        sheets(args);
        QVERIFY(QFile::exists(w.path(name)));
        int told = 0;
        const KetQuaNhap k = nhapNganHang(
            {w.path(name), picturesByName ? kSample : QString(), w.path(u"bank"_s), QDate(2026, 12, 10)},
            [&](int, int) { ++told; });
        QVERIFY2(k.duoc(), qPrintable(faults(k)));
        QCOMPARE(k.soCau, 600);
        QCOMPARE(k.soAnh, 316);
        QVERIFY(told > 316);
        QCOMPARE(readAll(w.path(u"bank/bank.json"_s)), readAll(kSample + u"/bank.json"_s));
        QMap<QString, QByteArray> want = tree(kSample);
        want.remove(u"bank.json"_s);
        QMap<QString, QByteArray> got = tree(w.path(u"bank"_s));
        got.remove(u"bank.json"_s);
        QCOMPARE(got, want);
        // Nothing of the work is left beside it.
        QCOMPARE(QDir(w.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"bank"_s});
    }

    void ourSheetsReadBackAndRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("xlsx") << u"export.xlsx"_s;
        QTest::newRow("ods") << u"export.ods"_s;
        QTest::newRow("csv") << u"export.csv"_s;
    }
    void ourSheetsReadBackAndRoundTrip()
    {
        QFETCH(QString, name);
        test::WorkDir w;
        const bool embeds = !name.endsWith(u".csv"_s);
        QString why;
        const std::optional<BangGhi> b = bangCuaNganHang(sampleBank(), kSample, embeds, &why);
        QVERIFY2(b, qPrintable(why));
        QVERIFY2(ghiBangTinh(w.path(name), *b, &why), qPrintable(why));
        if (embeds) {
            // The other library sees the header, every question and each
            // picture in its question's row, in the picture column.
            const QJsonObject r = QJsonDocument::fromJson(sheets({u"read"_s, w.path(name)})).object();
            const QJsonArray rows = r[u"rows"_s].toArray();
            const int header = b->dongTieuDe;
            QCOMPARE(rows[header].toArray()[3].toString(), tieuDeCot(CotNganHang::NoiDung));
            QCOMPARE(rows[header + 1].toArray()[3].toString(), sampleBank().cauHoi[0].noiDung);
            QCOMPARE(rows[header + 600].toArray()[0].toInt(), 600);
            QSet<QString> want, got;
            for (const CauHoiNganHang& c : sampleBank().cauHoi)
                if (!c.anh.isEmpty())
                    want << u"%1,%2"_s.arg(header + c.so).arg(static_cast<int>(CotNganHang::Anh));
            for (const auto& p : r[u"pictures"_s].toArray())
                got << u"%1,%2"_s.arg(p.toArray()[0].toInt()).arg(p.toArray()[1].toInt());
            QCOMPARE(got, want);
        }
        const KetQuaNhap k = import(w.path(name), w.path(u"bank"_s), embeds ? QString() : kSample);
        QVERIFY2(k.duoc(), qPrintable(faults(k)));
        QCOMPARE(readAll(w.path(u"bank/bank.json"_s)), readAll(kSample + u"/bank.json"_s));
    }

    // Texts a bank holds come back from every kind of sheet as they were,
    // blanks, tabs, line breaks and would-be formulas included, through our
    // reader and, for .xlsx and .ods, another library's.
    void textsSurviveEveryKind()
    {
        const QStringList texts{u"  hai dấu cách đầu"_s,
                                u"cuối  "_s,
                                u"a   b"_s,
                                u"tab\tgiữa"_s,
                                u"dòng 1\ndòng 2"_s,
                                u"=SUM(1)"_s,
                                u" @x"_s,
                                u"-5 km/h"_s,
                                u"nháy \"q\", phẩy; chấm phẩy"_s,
                                u"Tiếng Việt có dấu: ắ ặ ữ ỹ"_s};
        BangGhi b;
        b.tenTrang = u"T"_s;
        b.dong.push_back(texts);
        test::WorkDir w;
        for (const QString& name : {u"t.csv"_s, u"t.xlsx"_s, u"t.ods"_s}) {
            QString why;
            QVERIFY2(ghiBangTinh(w.path(name), b, &why), qPrintable(why));
            const std::optional<BangTinh> bt = docBangTinh(w.path(name), &why);
            QVERIFY2(bt, qPrintable(why));
            for (int c = 0; c < texts.size(); ++c) {
                QString got = bt->o(0, c) ? bt->o(0, c)->chu : QString();
                if (name.endsWith(u".csv"_s) && laOCsvDaGiu(got))
                    got = got.mid(1);
                QCOMPARE(got, texts[c]);
            }
            if (name.endsWith(u".csv"_s))
                continue;
            const QJsonArray row = QJsonDocument::fromJson(sheets({u"read"_s, w.path(name)}))
                                       .object()[u"rows"_s]
                                       .toArray()[0]
                                       .toArray();
            for (int c = 0; c < texts.size(); ++c)
                QCOMPARE(row[c].toString(), texts[c]);
        }
    }

    void faultySheetsNameRowAndColumn_data()
    {
        QTest::addColumn<QString>("kase");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        // The details block takes rows 1-4, the header row 5; question n
        // is on row n + 5.
        QTest::newRow("a key missing")
            << u"key-missing"_s << u"f.xlsx"_s << u"dòng 9, cột I (Đáp án): thiếu đáp án"_s;
        QTest::newRow("key 4 on three options") << u"key-past-options"_s << u"f.ods"_s
                                                << u"dòng 10, cột I (Đáp án): đáp án 4 nhưng câu chỉ có 3"_s;
        QTest::newRow("a number twice")
            << u"number-twice"_s << u"f.csv"_s << u"dòng 12, cột A (Số câu): câu số 6 đã có ở dòng 11"_s;
        QTest::newRow("a picture missing") << u"picture-missing"_s << u"f.xlsx"_s
                                           << u"dòng 8, cột J (Ảnh): không thấy tệp ảnh \"khong-co.png\""_s;
        QTest::newRow("a chapter that does not exist")
            << u"chapter-unknown"_s << u"f.xlsx"_s << u"dòng 13, cột B (Chương): không có chương 9"_s;
        QTest::newRow("an option left out")
            << u"option-gap"_s << u"f.xlsx"_s << u"dòng 7, cột G (Phương án 3)"_s;
        QTest::newRow("merged cells")
            << u"merged"_s << u"f.xlsx"_s << u"dòng 9, cột D (Nội dung câu hỏi): ô gộp"_s;
        QTest::newRow("a formula for text")
            << u"formula"_s << u"f.xlsx"_s << u"dòng 11, cột D (Nội dung câu hỏi): ô chứa công thức"_s;
    }
    void faultySheetsNameRowAndColumn()
    {
        QFETCH(QString, kase);
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        test::WorkDir w;
        sheets({u"faulty"_s, kase, w.path(sheet)});
        // A bank already there stays exactly as it was.
        QDir().mkpath(w.path(u"bank"_s));
        w.write(u"bank/bank.json"_s, "{\"kept\": true}");
        const KetQuaNhap k = import(w.path(sheet), w.path(u"bank"_s));
        QVERIFY(!k.duoc());
        QVERIFY2(faults(k).contains(expected), qPrintable(faults(k)));
        // Each fault says itself in both languages, and where in English too.
        for (const LoiNhap& f : k.loi)
            QVERIFY2(f.chu().contains(u" / row "_s), qPrintable(f.chu()));
        QCOMPARE(w.read(u"bank/bank.json"_s), QByteArray("{\"kept\": true}"));
        QCOMPARE(QDir(w.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"bank"_s});
    }

    // Sheets that are no sheet, or would unpack past every bound: refused
    // at once with why, nothing written.
    void badFilesAreRefused()
    {
        test::WorkDir w;
        sheets({u"bomb"_s, w.path(u"bomb.xlsx"_s)});
        QString why;
        const std::optional<BangGhi> b = bangCuaNganHang(sampleBank(), kSample, true, &why);
        QVERIFY(ghiBangTinh(w.path(u"whole.xlsx"_s), *b, &why));
        const QByteArray whole = w.read(u"whole.xlsx"_s);
        w.write(u"half.xlsx"_s, whole.left(whole.size() / 2));
        // A part whose bytes were changed: its checksum no longer holds.
        QByteArray flipped = whole;
        flipped[whole.size() / 3] = static_cast<char>(flipped[whole.size() / 3] ^ 0x5a);
        w.write(u"flipped.xlsx"_s, flipped);
        w.write(u"text.ods"_s, "not a zip at all");
        w.write(u"quote.csv"_s, "Nội dung câu hỏi,Đáp án\n\"open,1\n");
        w.write(u"latin1.csv"_s, "N\xf4i dung,\xd0\xe1p \xe1n\n");
        const QList<std::pair<QString, QString>> cases{
            {u"bomb.xlsx"_s, u"giải nén ra quá 32 MB"_s},
            {u"half.xlsx"_s, u"không phải tệp Excel"_s},
            {u"flipped.xlsx"_s, u"hỏng"_s},
            {u"text.ods"_s, u"không phải tệp OpenDocument"_s},
            {u"quote.csv"_s, u"dấu ngoặc kép mở mà không đóng"_s},
            {u"latin1.csv"_s, u"không phải văn bản UTF-8"_s},
        };
        for (const auto& [file, expected] : cases) {
            const KetQuaNhap k = import(w.path(file), w.path(u"out"_s));
            QVERIFY2(!k.duoc() && faults(k).contains(expected), qPrintable(file + u": "_s + faults(k)));
            QVERIFY(!QFile::exists(w.path(u"out"_s)));
        }
    }

    // On a full disk the import says so, the bank already there keeps its
    // bytes and nothing of the work is left; with room again it comes in.
    void importOnAFullDisk()
    {
        test::FullDisk disk(16384);
        if (!disk.ok())
            QSKIP(qPrintable(disk.why()));
        test::WorkDir w;
        QString why;
        QVERIFY(ghiBangTinh(w.path(u"s.xlsx"_s), *bangCuaNganHang(sampleBank(), kSample, true, &why), &why));
        QDir().mkpath(disk.path(u"bank"_s));
        QFile old(disk.path(u"bank/bank.json"_s));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("{\"old\": true}") > 0);
        old.close();
        const QStringList before = disk.names();
        disk.fill();
        const KetQuaNhap k = import(w.path(u"s.xlsx"_s), disk.path(u"bank"_s));
        QVERIFY(!k.duoc());
        QVERIFY2(faults(k).contains(u"ổ đĩa đã đầy"_s), qPrintable(faults(k)));
        QCOMPARE(disk.names(), before);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("{\"old\": true}"));
        old.close();
        disk.free();
        QVERIFY2(import(w.path(u"s.xlsx"_s), disk.path(u"bank"_s)).duoc(), qPrintable(faults(k)));
        QCOMPARE(readAll(disk.path(u"bank/bank.json"_s)), readAll(kSample + u"/bank.json"_s));
    }

    // The template opens in another library with its header frozen, its
    // checks on the key and the chapter and its two marked rows; as it
    // stands it is no bank a paper can be drawn from, and says only that.
    void templateForTheSchool()
    {
        test::WorkDir w;
        QCOMPARE(lenhMauNganHang(w.path(u"mau.xlsx"_s)), 0);
        const QJsonObject r = QJsonDocument::fromJson(sheets({u"read"_s, w.path(u"mau.xlsx"_s)})).object();
        QCOMPARE(r[u"frozen"_s].toString(), u"A13"_s);
        const QByteArray checks = QJsonDocument(r[u"checks"_s].toArray()).toJson(QJsonDocument::Compact);
        QVERIFY2(checks.contains("[\"list\",\"\\\"1,2,3,4\\\"\",\"I13:I20001\"]"), checks.constData());
        QVERIFY2(checks.contains("[\"whole\",\"1\",\"B13:B20001\"]"), checks.constData());
        const QJsonArray rows = r[u"rows"_s].toArray();
        QCOMPARE(rows.size(), 14);
        for (int i : {12, 13})
            QVERIFY(rows[i].toArray()[3].toString().startsWith(u"MẪU"_s));
        const KetQuaNhap k = import(w.path(u"mau.xlsx"_s), w.path(u"out"_s));
        QVERIFY(!k.duoc());
        for (const LoiNhap& f : k.loi)
            QVERIFY2(f.dong == 0 && f.tiengViet.startsWith(u"hạng "_s), qPrintable(f.chu()));
    }

    // Bringing the bank again replaces it whole, keeps the school's rule
    // files beside it, and leaves nothing of the work behind.
    void importAgainReplacesTheBankAndKeepsRules()
    {
        test::WorkDir w;
        sheets({u"from-bank"_s, kSample + u"/bank.json"_s, w.path(u"s.ods"_s)});
        QVERIFY(import(w.path(u"s.ods"_s), w.path(u"bank"_s)).duoc());
        QDir().mkpath(w.path(u"bank/rules"_s));
        const QByteArray rule = readAll(QStringLiteral(THILAIXE_RULES_2027));
        QVERIFY(!rule.isEmpty());
        w.write(u"bank/rules/2027.json"_s, rule);
        w.write(u"bank/images/stale.png"_s, "old");
        // The same sheet with one question's text changed, as CSV now.
        const QByteArray csv = [&] {
            sheets({u"from-bank"_s, kSample + u"/bank.json"_s, w.path(u"s.csv"_s)});
            QByteArray b = w.read(u"s.csv"_s);
            b.replace("Câu hỏi mẫu số 7 (chương 1)", "Câu hỏi mẫu số 7 đã sửa (chương 1)");
            return b;
        }();
        w.write(u"s.csv"_s, csv);
        const KetQuaNhap k = import(w.path(u"s.csv"_s), w.path(u"bank"_s), kSample);
        QVERIFY2(k.duoc(), qPrintable(faults(k)));
        QVERIFY(w.read(u"bank/bank.json"_s).contains("Câu hỏi mẫu số 7 đã sửa"));
        QCOMPARE(w.read(u"bank/rules/2027.json"_s), rule);
        QVERIFY(!QFile::exists(w.path(u"bank/images/stale.png"_s)));
        QStringList left = QDir(w.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(left, QStringList{u"bank"_s});
        // A folder of something else is never replaced.
        QDir().mkpath(w.path(u"other"_s));
        w.write(u"other/notes.txt"_s, "mine");
        const KetQuaNhap o = import(w.path(u"s.csv"_s), w.path(u"other"_s), kSample);
        QVERIFY(!o.duoc() && faults(o).contains(u"có tệp khác mà không có bank.json"_s));
        QCOMPARE(w.read(u"other/notes.txt"_s), QByteArray("mine"));
    }

    // A school's roster comes from its spreadsheet too.
    void rosterFromSpreadsheets()
    {
        test::WorkDir w;
        QString why;
        BangGhi b;
        b.tenTrang = u"Lớp"_s;
        b.dong = {{u"Danh sách lớp B 12/2026"_s},
                  {u"Số báo danh"_s, u"Họ và tên"_s, u"Ngày sinh"_s},
                  {u"001"_s, u"Nguyễn Văn An"_s, u"02/03/2001"_s},
                  {u"002"_s, u"Trần Thị Bình"_s, u"2002-11-30"_s}};
        for (const QString& name : {u"lop.xlsx"_s, u"lop.ods"_s}) {
            QVERIFY2(ghiBangTinh(w.path(name), b, &why), qPrintable(why));
            const std::optional<std::vector<HocVienMoi>> ds = docDanhSachHocVien(w.path(name), &why);
            QVERIFY2(ds && ds->size() == 2, qPrintable(name + u": "_s + why));
            QCOMPARE((*ds)[1].ten, u"Trần Thị Bình"_s);
            QCOMPARE((*ds)[0].ngaySinh, QDate(2001, 3, 2));
        }
    }
};

QTEST_GUILESS_MAIN(TestBangTinh)
#include "test_bangtinh.moc"
