#include "TestSupport.h"
#include "sample/NganHangMau2025.h"

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/bank/XuLyCacCauHoi.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/databank/TimKiem.h"
#include "rules/practice/TienBo.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>
#include <tuple>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject sample() { return QJsonDocument::fromJson(taoNganHangMau2025()).object(); }

// The sample with question n (1-based) changed by `f`.
QByteArray withQuestion(int n, const std::function<void(QJsonObject&)>& f)
{
    QJsonObject o = sample();
    QJsonArray q = o[u"questions"_s].toArray();
    QJsonObject c = q[n - 1].toObject();
    f(c);
    q[n - 1] = c;
    o[u"questions"_s] = q;
    return QJsonDocument(o).toJson();
}

// A PNG of only a header declaring w x h (and an empty image stream).
QByteArray pngHeader(quint32 w, quint32 h)
{
    const auto crc = [](const QByteArray& b) {
        quint32 c = 0xFFFFFFFF;
        for (const char ch : b) {
            c ^= static_cast<quint8>(ch);
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
        }
        return ~c;
    };
    const auto be = [](quint32 v) {
        QByteArray b(4, '\0');
        qToBigEndian(v, b.data());
        return b;
    };
    const auto chunk = [&](const char* type, const QByteArray& data) -> QByteArray {
        const QByteArray t = QByteArray(type) + data;
        return be(static_cast<quint32>(data.size())) + t + be(crc(t));
    };
    QByteArray ihdr = be(w);
    ihdr += be(h);
    ihdr += QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += chunk("IHDR", ihdr);
    png += chunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8));
    png += chunk("IEND", {});
    return png;
}

QByteArray builtInRules()
{
    QFile f(u":/thilaixe/tt12-2025.json"_s);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestDuLieu : public QObject {
    Q_OBJECT
private slots:
    void sampleBankAndBuiltInRulesRead()
    {
        const auto nh = docNganHang(taoNganHangMau2025());
        QVERIFY2(nh.loi.empty(), qPrintable(nh.loi.empty() ? QString() : nh.loi[0].dong()));
        QCOMPARE(nh.giaTri->cauHoi.size(), std::size_t{600});
        int critical = 0, criticalA = 0, a = 0, b1 = 0;
        for (const CauHoiNganHang& c : nh.giaTri->cauHoi) {
            critical += c.diemLiet;
            a += c.nhom.contains(u"A"_s);
            criticalA += c.diemLiet && c.nhom.contains(u"A1"_s);
            b1 += c.nhom.contains(u"B1"_s);
        }
        QCOMPARE(critical, 60);
        // Hints and legal bases, each saying it is a sample.
        QCOMPARE(std::count_if(nh.giaTri->cauHoi.begin(), nh.giaTri->cauHoi.end(),
                               [](const CauHoiNganHang& c) { return c.meo.startsWith(u"Mẹo mẫu"_s); }),
                 85);
        QCOMPARE(nh.giaTri->cau(63)->vanBan, u"Văn bản mẫu (không phải trích dẫn thật)"_s);
        QCOMPARE(nh.giaTri->cau(63)->dieuKhoan, u"Điều mẫu 14"_s);
        QCOMPARE(a, 250);
        QCOMPARE(criticalA, 20);
        QCOMPARE(b1, 300);
        QCOMPARE(nh.giaTri->chuongCua(485), 5);
        QCOMPARE(nh.giaTri->chuongCua(486), 6);
        const BoQuyTac r = boQuyTacCaiSan();
        QCOMPARE(r.id, u"tt12-2025"_s);
        QCOMPARE(r.hang.size(), std::size_t{15});
        QCOMPARE(r.tuNgay, QDate(2025, 6, 1));
        QCOMPARE(r.denNgay, QDate(2027, 2, 28));
        QVERIFY(!r.duKien && r.nguon.contains(u"theo báo chí đưa tin"_s));
        // March 2027's set: provisional, the announced figures, 2025's chapter
        // quotas scaled to the new length (largest remainder, the lower
        // chapter first on a tie).
        const BoQuyTac moi = cacBoQuyTacCaiSan().back();
        QVERIFY(moi.duKien && !moi.ghiChu.isEmpty() && moi.tuNgay == QDate(2027, 3, 1));
        QCOMPARE(moi.hang.size(), std::size_t{3});
        for (const auto& [hang, cau, phut, dat] :
             {std::tuple{u"A1"_s, 40, 27, 36}, std::tuple{u"A"_s, 40, 27, 36},
              std::tuple{u"B"_s, 50, 33, 45}}) {
            const QuyTacHang* q = moi.timHang(hang);
            QVERIFY(q && q->soCau == cau && q->soPhut == phut && q->canDeDat == dat && q->soDiemLiet == 1);
            QVERIFY(q->duKien && q->boId == u"tt108-2027"_s);
            QCOMPARE(q->theoChuong, chiaTheoTiLe(r.timHang(hang)->theoChuong, cau - 1));
        }
        QCOMPARE(chiaTheoTiLe({{1, 1}, {2, 1}, {3, 2}}, 6),
                 (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {3, 3}}));
        const QuyTacHang* b = r.timHang(u"b"_s);
        QVERIFY(b && b->soCau == 30 && b->soPhut == 20 && b->canDeDat == 27 && b->soDiemLiet == 1
                && b->nhom.isEmpty());
        QCOMPARE(r.timHang(u"A1"_s)->nhom, u"A1"_s);
        QCOMPARE(r.timHang(u"DE"_s)->soCau, 45);
        // The pictures the build drew are all there and decode.
        QVERIFY(kiemTraAnh(*nh.giaTri, QStringLiteral(THILAIXE_SAMPLE_2025)).empty());
    }

    // Each kind of fault is refused and named with its question number or
    // JSON path, in both languages.
    void faultsAreNamed_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("what");
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << u"byte"_s << u"JSON"_s;
        QJsonObject later = sample();
        later[u"format"_s] = u"thilaixe-bank/2"_s;
        QTest::newRow("later format") << QJsonDocument(later).toJson() << u"format"_s << u"mới hơn"_s;
        later[u"format"_s] = u"bank/1"_s;
        QTest::newRow("another format (names the one it must be)")
            << QJsonDocument(later).toJson() << u"format"_s << u"không phải \"thilaixe-bank/1\""_s;
        QTest::newRow("a legal basis that is not an object")
            << withQuestion(4, [](QJsonObject& c) { c[u"law"_s] = u"Luật 2024"_s; })
            << u"câu 4 (questions[3].law)"_s << u"phải là một đối tượng có document"_s;
        QTest::newRow("gap in numbers")
            << withQuestion(7, [](QJsonObject& c) { c[u"number"_s] = 8; }) << u"câu 7"_s << u"liền nhau"_s;
        QTest::newRow("answer past the options")
            << withQuestion(12, [](QJsonObject& c) { c[u"answer"_s] = 5; })
            << u"câu 12 (questions[11].answer)"_s << u"từ 1 đến"_s;
        QTest::newRow("five options")
            << withQuestion(3,
                            [](QJsonObject& c) {
                                c[u"options"_s] = QJsonArray{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
                            })
            << u"câu 3 (questions[2].options)"_s << u"2 đến 4"_s;
        QTest::newRow("answer 1e300 (found by the fuzzer)")
            << withQuestion(9, [](QJsonObject& c) { c[u"answer"_s] = 1e300; })
            << u"câu 9 (questions[8].answer)"_s << u"số nguyên"_s;
        QTest::newRow("no text") << withQuestion(40, [](QJsonObject& c) { c.remove(u"text"_s); })
                                 << u"câu 40 (questions[39].text)"_s << u"thiếu"_s;
        QTest::newRow("picture leaves the folder")
            << withQuestion(301, [](QJsonObject& c) { c[u"image"_s] = u"../../etc/x.png"_s; }) << u"câu 301"_s
            << u"thư mục"_s;
        QTest::newRow("picture options without picture") << withQuestion(2, [](QJsonObject& c) {
            c.remove(u"options"_s);
            c[u"option_count"_s] = 3;
        }) << u"câu 2 (questions[1].image)"_s << u"phải có ảnh"_s;
        QTest::newRow("text of invisible characters only")
            << withQuestion(41, [](QJsonObject& c) { c[u"text"_s] = u"\u200B\u0000 \u00AD"_s; })
            << u"câu 41 (questions[40].text)"_s << u"trống"_s;
        QTest::newRow("option of NUL only")
            << withQuestion(42,
                            [](QJsonObject& c) {
                                c[u"options"_s] = QJsonArray{u"Có"_s, u"\u0000"_s};
                            })
            << u"câu 42 (questions[41].options[1])"_s << u"không trống"_s;
        QTest::newRow("bidirectional override")
            << withQuestion(43, [](QJsonObject& c) { c[u"text"_s] = u"Xe \u202Eoc uu tien"_s; })
            << u"câu 43 (questions[42].text)"_s << u"U+202E"_s;
        QTest::newRow("escape in an explanation")
            << withQuestion(44, [](QJsonObject& c) { c[u"explanation"_s] = u"\u001B[2J"_s; })
            << u"câu 44 (questions[43].explanation)"_s << u"U+001B"_s;
        QJsonObject gap = sample();
        QJsonArray ch = gap[u"chapters"_s].toArray();
        QJsonObject c1 = ch[0].toObject();
        c1[u"last"_s] = 170;
        ch[0] = c1;
        gap[u"chapters"_s] = ch;
        QTest::newRow("question in no chapter")
            << QJsonDocument(gap).toJson() << u"câu 171"_s << u"không thuộc"_s;
        c1[u"last"_s] = 190;
        ch[0] = c1;
        gap[u"chapters"_s] = ch;
        QTest::newRow("chapters overlap") << QJsonDocument(gap).toJson() << u"chapters[1]"_s << u"trùng"_s;
    }
    void faultsAreNamed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, where);
        QFETCH(QString, what);
        const auto kq = docNganHang(file);
        QVERIFY(!kq.giaTri);
        QStringList lines;
        for (const LoiDuLieu& l : kq.loi)
            lines.append(l.dong());
        const QString all = lines.join(u'\n');
        QVERIFY2(all.contains(where) && all.contains(what) && !kq.loi[0].tiengAnh.isEmpty(), qPrintable(all));
    }

    void unknownKeysAreIgnored()
    {
        QVERIFY(docNganHang(withQuestion(5, [](QJsonObject& c) { c[u"video"_s] = u"later"_s; })).giaTri);
    }

    void picturesAreCheckedByNumber()
    {
        test::WorkDir d;
        QDir().mkpath(d.path(u"images"_s));
        NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
        nh.cauHoi.resize(307);
        for (CauHoiNganHang& c : nh.cauHoi)
            c.anh.clear();
        nh.cauHoi[300].anh = u"images/301.png"_s;  // missing
        nh.cauHoi[301].anh = u"images/302.png"_s;  // damaged
        d.write(u"images/302.png"_s, "not a picture");
        nh.cauHoi[302].anh = u"images/303.png"_s;  // fine
        QImage(8, 8, QImage::Format_RGB32).save(d.path(u"images/303.png"_s));
        nh.cauHoi[303].anh = u"images/304.png"_s;  // a link out of the folder
        QTemporaryDir out;
        QImage(8, 8, QImage::Format_RGB32).save(out.filePath(u"x.png"_s));
        QVERIFY(QFile::link(out.filePath(u"x.png"_s), d.path(u"images/304.png"_s)));
        // A header claiming 19,999 x 19,999 (1 KB on disk) is refused by its
        // size; an ordinary 16-bit PNG passes and decodes at the size shown.
        nh.cauHoi[304].anh = u"images/305.png"_s;
        d.write(u"images/305.png"_s, pngHeader(19999, 19999));
        nh.cauHoi[299].anh = u"images/300.png"_s;
        QImage deep(3000, 3000, QImage::Format_RGBA64);
        deep.fill(QColor(20, 120, 200));
        QVERIFY(deep.save(d.path(u"images/300.png"_s)));
        QImage shown;
        QCOMPARE(taiAnhBatKy(d.path(u"images/300.png"_s), QSize(400, 300), &shown), KetQuaTaiAnh::DaTai);
        QCOMPARE(shown.size(), QSize(300, 300));
        // A JPEG and a PNG cut in half decode (the rest grey): they are no
        // whole pictures, and are named as damaged, in study too.
        QImage noise(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xff, (x * y) & 0xff, (x + y * 7) & 0xff));
        for (const auto& [n, fmt] : {std::pair{306, "jpg"}, std::pair{307, "png"}}) {
            const QString name = u"images/%1.%2"_s.arg(n).arg(QLatin1String(fmt));
            QVERIFY(noise.save(d.path(name)));
            d.write(name, d.read(name).left(d.read(name).size() / 2));
            nh.cauHoi[static_cast<std::size_t>(n - 1)].anh = name;
            QCOMPARE(taiAnhBatKy(d.path(name), QSize(300, 200), nullptr), KetQuaTaiAnh::Hong);
        }
        const auto loi = kiemTraAnh(nh, d.path());
        QCOMPARE(loi.size(), std::size_t{6});
        QVERIFY(loi[4].viTri.startsWith(u"câu 306 (images/306.jpg)"_s)
                && loi[4].tiengViet.contains(u"hỏng"_s));
        QVERIFY(loi[5].viTri.startsWith(u"câu 307 (images/307.png)"_s)
                && loi[5].tiengViet.contains(u"hỏng"_s));
        QVERIFY(loi[0].viTri.startsWith(u"câu 301"_s) && loi[0].tiengViet.contains(u"không có"_s));
        QVERIFY(loi[1].viTri.startsWith(u"câu 302"_s) && loi[1].tiengViet.contains(u"hỏng"_s));
        QVERIFY(loi[2].viTri.startsWith(u"câu 304"_s) && loi[2].tiengViet.contains(u"ngoài"_s));
        QVERIFY2(loi[3].viTri.startsWith(u"câu 305"_s) && loi[3].tiengViet.contains(u"19999×19999"_s),
                 qPrintable(loi[3].dong()));
    }

    void ruleFaultsAreNamed_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("where");
        QTest::newRow("quotas do not add up")
            << u"\"questions\": 30"_s << u"\"questions\": 31"_s << u"classes[3]"_s;
        QTest::newRow("bad date") << u"\"2025-06-01\""_s << u"\"1 June 2025\""_s << u"valid_from"_s;
        QTest::newRow("class twice") << u"\"class\": \"A\","_s << u"\"class\": \"A1\","_s
                                     << u"classes[1].class"_s;
        QTest::newRow("pass above questions")
            << u"\"pass\": 27"_s << u"\"pass\": 31"_s << u"classes[3].pass"_s;
    }
    void ruleFaultsAreNamed()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, where);
        QString text = QString::fromUtf8(builtInRules());
        QVERIFY(text.contains(from));
        const auto kq = docBoQuyTac(text.replace(from, to).toUtf8());
        QVERIFY(!kq.giaTri);
        QVERIFY2(kq.loi[0].viTri == where, qPrintable(kq.loi[0].dong()));
    }

    // 1,000 papers per class: every quota met, all distinct, in order,
    // from the class's pool.
    void papersMeetEveryQuota()
    {
        const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
        const BoQuyTac r = boQuyTacCaiSan();
        BoSinhSo rng(2025);
        for (const QuyTacHang& h : r.hang) {
            QSet<int> seen;
            for (int n = 0; n < 1000; ++n) {
                const std::optional<DeThi> de = rutDe(nh, h, rng);
                QVERIFY(de);
                QCOMPARE(int(de->cau.size()), h.soCau);
                QCOMPARE(int(de->diemLiet.size()), h.soDiemLiet);
                QVERIFY(std::is_sorted(de->cau.begin(), de->cau.end()));
                QCOMPARE(int(QSet<int>(de->cau.begin(), de->cau.end()).size()), h.soCau);
                std::map<int, int> perChapter;
                for (int q : de->cau) {
                    const CauHoiNganHang& c = *nh.cau(q);
                    QVERIFY(h.nhom.isEmpty() || c.nhom.contains(h.nhom));
                    const bool listed =
                        std::find(de->diemLiet.begin(), de->diemLiet.end(), q) != de->diemLiet.end();
                    QCOMPARE(c.diemLiet, listed);
                    if (!c.diemLiet)
                        ++perChapter[nh.chuongCua(q)];
                    seen.insert(q);
                }
                for (const auto& [chapter, quota] : h.theoChuong)
                    QCOMPARE(perChapter[chapter], quota);
            }
            // Uniform enough to reach most of the pool in 1,000 papers.
            QVERIFY2(seen.size() > (h.nhom.isEmpty() ? 500 : 200), qPrintable(h.hang));
        }
    }

    // Passing needs the pass mark and every critical question right.
    void scoringWithTheCriticalRule()
    {
        const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
        const BoQuyTac rules = boQuyTacCaiSan();
        const QuyTacHang& b = *rules.timHang(u"B"_s);
        BoSinhSo rng(9);
        const DeThi de = *rutDe(nh, b, rng);
        std::vector<int> tl;
        for (int q : de.cau)
            tl.push_back(nh.cau(q)->dapAn);
        QVERIFY(chamDiem(nh, b, de, tl).dat);
        // Three wrong, none critical: exactly the pass mark.
        int changed = 0;
        for (std::size_t i = 0; i < tl.size() && changed < 3; ++i)
            if (!nh.cau(de.cau[i])->diemLiet) {
                tl[i] = nh.cau(de.cau[i])->dapAn % nh.cau(de.cau[i])->soPhuongAn + 1;
                ++changed;
            }
        KetQuaBai kq = chamDiem(nh, b, de, tl);
        QCOMPARE(kq.dung, 27);
        QCOMPARE(kq.sai, 3);
        QVERIFY(kq.dat);
        // All right but the critical one left blank: failed on it.
        for (std::size_t i = 0; i < tl.size(); ++i)
            tl[i] = nh.cau(de.cau[i])->diemLiet ? 0 : nh.cau(de.cau[i])->dapAn;
        kq = chamDiem(nh, b, de, tl);
        QCOMPARE(kq.dung, 29);
        QCOMPARE(kq.boTrong, 1);
        QCOMPARE(kq.diemLietSai, de.diemLiet);
        QVERIFY(!kq.dat);
        // A pool too small for its quota cannot give a paper, and says why.
        QuyTacHang big = b;
        big.theoChuong[0].second = 500;
        QString why;
        QVERIFY(!rutDe(nh, big, rng, &why));
        QVERIFY2(why.contains(u"chương 1"_s), qPrintable(why));
    }

    // The set in force on the exam's day is used (the latest to start when
    // two overlap), and its end is told from 90 days ahead.
    void ruleSetInForceOnTheDay_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("daysLeft");  // -1: nothing told
        QTest::newRow("before any") << QDate(2019, 12, 31) << QString() << -1;
        QTest::newRow("last day of the old") << QDate(2025, 5, 31) << u"old"_s << 0;
        QTest::newRow("first day of the current") << QDate(2025, 6, 1) << u"current"_s << -1;
        QTest::newRow("91 days before its end") << QDate(2026, 11, 29) << u"current"_s << -1;
        QTest::newRow("today") << QDate(2026, 12, 9) << u"current"_s << 81;
        QTest::newRow("the next one begins") << QDate(2027, 3, 1) << u"next"_s << -1;
    }
    void ruleSetInForceOnTheDay()
    {
        QFETCH(QDate, day);
        QFETCH(QString, id);
        QFETCH(int, daysLeft);
        std::vector<BoQuyTac> sets(3, boQuyTacCaiSan());
        sets[0].id = u"old"_s;
        sets[0].tuNgay = QDate(2020, 1, 1);
        sets[0].denNgay = QDate(2025, 5, 31);
        sets[1].id = u"current"_s;
        sets[1].denNgay = QDate(2027, 2, 28);
        sets[2].id = u"next"_s;
        sets[2].tuNgay = QDate(2027, 3, 1);
        sets[2].denNgay = QDate();
        const BoQuyTac* b = boCoHieuLuc(sets, day);
        QCOMPARE(b ? b->id : QString(), id);
        if (!b)
            return;
        const std::optional<QString> told = baoHetHieuLuc(*b, day);
        QCOMPARE(told.has_value(), daysLeft >= 0);
        if (told)
            QVERIFY2(told->contains(u"(còn %1 ngày)"_s.arg(daysLeft)), qPrintable(*told));
    }

    // The 300-question bank is a bank of the model: its key, its three
    // sections, and papers drawn by its groups exactly as the exam sheet
    // draws them from the same numbers.
    void classicBankIsABankOfTheModel()
    {
        const NganHang& nh = nganHangCoDien();
        QCOMPARE(nh.cauHoi.size(), std::size_t{300});
        QCOMPARE(nh.chuongCua(150), 1);
        QCOMPARE(nh.chuongCua(151), 2);
        QCOMPARE(nh.chuongCua(300), 3);
        const QuyTacHang& b2 = *boQuyTacCoDien().timHang(u"b2"_s);
        QCOMPARE(b2.canDeDat, 26);
        for (std::uint64_t seed : {1u, 2u, 77u}) {
            BoSinhSo rng(seed);
            const DeThi de = *rutDe(nh, b2, rng);
            NguonCoDinh same(seed);
            SharedState s;
            TaoDeThi(s, same);
            std::vector<int> tl;
            for (int i = 1; i <= kSoCau; ++i) {
                QCOMPARE(de.cau[static_cast<std::size_t>(i - 1)], int{s.CH[i]});
                tl.push_back(kDapAn[static_cast<std::size_t>(s.CH[i])]);
                QCOMPARE(nh.cau(s.CH[i])->dapAn, tl.back());
            }
            QVERIFY(chamDiem(nh, b2, de, tl).dat);
        }
    }

    // Readiness of a data bank: the chance of failing on a critical question
    // follows the learner's record on those questions alone.
    void readinessCountsTheCriticalRule()
    {
        const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
        const BoQuyTac rules = boQuyTacCaiSan();
        const QuyTacHang& b = *rules.timHang(u"B"_s);
        auto estimate = [&](bool criticalRight) {
            std::vector<LanThi> ds;
            for (std::uint64_t seed = 1; seed <= 8; ++seed) {
                BoSinhSo rng(seed);
                const DeThi de = *rutDe(nh, b, rng);
                LanThi l;
                l.cau.assign(1, 0);
                l.dung.assign(1, false);
                for (int q : de.cau) {
                    l.cau.push_back(q);
                    l.dung.push_back(!nh.cau(q)->diemLiet || criticalRight);
                }
                ds.push_back(l);
            }
            BoSinhSo rng(3);
            return uocLuongSanSang(nh, b, ds, SoOnTap(600), rng, 300);
        };
        const SanSang good = estimate(true), bad = estimate(false);
        QCOMPARE(good.soLanThi, 8);
        QCOMPARE(good.soDe, 300);
        QVERIFY2(bad.xacSuatLiet > good.xacSuatLiet + 0.2,
                 qPrintable(u"%1 vs %2"_s.arg(bad.xacSuatLiet).arg(good.xacSuatLiet)));
        QVERIFY(bad.xacSuat < good.xacSuat);
        QVERIFY(good.xacSuat + good.xacSuatLiet <= 1.0 + 1e-9);
    }

    // Which rule set a bank uses is never chosen without a word: a file
    // beats the built-in set on the same start, two files on one day or of
    // one id are both named with the choice made, and whatever is not a
    // readable file under a rule file's name is said once by what it is.
    void ruleSetChoiceIsSaid_data()
    {
        QTest::addColumn<QStringList>("files");  // "name|id|valid_from", or "name|dir" / "name|fifo"
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("same start as the built-in set")
            << QStringList{u"rules/school.json|school|2025-06-01"_s} << u"school"_s << QStringList{};
        QTest::newRow("two files, one day")
            << QStringList{u"rules/a.json|a|2026-01-01"_s, u"rules/b.json|b|2026-01-01"_s} << u"a"_s
            << QStringList{u"dùng a"_s, u"a.json"_s, u"và b ("_s};
        QTest::newRow("two files, one id")
            << QStringList{u"rules.json|x|2026-01-01"_s, u"rules/y.json|x|2026-02-01"_s} << u"x"_s
            << QStringList{u"Hai tệp cùng mang bộ quy tắc \"x\""_s, u"y.json"_s};
        QTest::newRow("a folder named rules.json")
            << QStringList{u"rules.json|dir"_s} << u"tt12-2025"_s << QStringList{u"là một thư mục"_s};
        QTest::newRow("a FIFO among the rules")
            << QStringList{u"rules/p.json|fifo"_s} << u"tt12-2025"_s << QStringList{u"FIFO"_s};
    }
    void ruleSetChoiceIsSaid()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        QFETCH(QStringList, said);
        test::WorkDir d;
        QDir().mkpath(d.path(u"rules"_s));
        d.write(u"bank.json"_s, "{}");
        for (const QString& f : files) {
            const QStringList part = f.split(u'|');
            if (part[1] == u"dir"_s) {
                QVERIFY(QDir().mkpath(d.path(part[0])));
            } else if (part[1] == u"fifo"_s) {
                QVERIFY(::mkfifo(QFile::encodeName(d.path(part[0])).constData(), 0600) == 0);
            } else {
                QJsonObject r = QJsonDocument::fromJson(builtInRules()).object();
                r[u"id"_s] = part[1];
                r[u"valid_from"_s] = part[2];
                d.write(part[0], QJsonDocument(r).toJson());
            }
        }
        const QuyTacDaChon c = chonQuyTacCho(d.path(u"bank.json"_s), QDate(2026, 12, 9));
        QVERIFY(c.coHieuLuc);
        QCOMPARE(c.bo.id, chosen);
        QStringList lines = c.ghiChu;
        for (const LoiDuLieu& l : c.loi)
            lines.append(l.dong());
        QCOMPARE(lines.size(), said.isEmpty() ? 0 : 1);
        for (const QString& w : said)
            QVERIFY2(lines.join(u'\n').contains(w), qPrintable(lines.join(u'\n')));
    }

    // The set for an exam day on either side of 1 March 2027: the class's
    // figures, provisional or not, and a class the new set lacks taken from
    // the last set that had it, said. A school's official file from March
    // puts the provisional set aside; a file of its id takes its place.
    void ruleSetForTheExamDay_data()
    {
        QTest::addColumn<QString>("file");  // "id|valid_from|status" of rules/school.json with class B (50)
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("hang");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("provisional");
        QTest::addColumn<bool>("borrowed");
        const QDate cu(2027, 2, 28), moi(2027, 3, 1);
        QTest::newRow("B, 28 Feb") << QString() << cu << u"B"_s << u"tt12-2025"_s << 30 << false << false;
        QTest::newRow("B, 1 Mar") << QString() << moi << u"B"_s << u"tt108-2027"_s << 50 << true << false;
        QTest::newRow("A1, 1 Mar") << QString() << moi << u"A1"_s << u"tt108-2027"_s << 40 << true << false;
        QTest::newRow("C, 1 Mar") << QString() << moi << u"C"_s << u"tt12-2025"_s << 40 << false << true;
        QTest::newRow("official file, B")
            << u"so|2027-03-01|official"_s << moi << u"B"_s << u"so"_s << 50 << false << false;
        QTest::newRow("official file, A1")
            << u"so|2027-03-01|official"_s << moi << u"A1"_s << u"tt12-2025"_s << 25 << false << true;
        QTest::newRow("file of its id") << u"tt108-2027|2027-03-01|official"_s << moi << u"B"_s
                                        << u"tt108-2027"_s << 50 << false << false;
    }
    void ruleSetForTheExamDay()
    {
        QFETCH(QString, file);
        QFETCH(QDate, day);
        QFETCH(QString, hang);
        QFETCH(QString, from);
        QFETCH(int, questions);
        QFETCH(bool, provisional);
        QFETCH(bool, borrowed);
        test::WorkDir d;
        d.write(u"bank.json"_s, "{}");
        if (!file.isEmpty()) {
            const QStringList part = file.split(u'|');
            QJsonObject r = QJsonDocument::fromJson(builtInRules()).object();
            QJsonObject b = r[u"classes"_s].toArray()[3].toObject();
            b[u"questions"_s] = 50;
            b[u"chapters"_s] = QJsonObject{{u"1"_s, 49}};
            r[u"classes"_s] = QJsonArray{b};
            r[u"id"_s] = part[0];
            r[u"valid_from"_s] = part[1];
            r[u"valid_until"_s] = QJsonValue::Null;
            r[u"status"_s] = part[2];
            QDir().mkpath(d.path(u"rules"_s));
            d.write(u"rules/school.json"_s, QJsonDocument(r).toJson());
        }
        const QuyTacDaChon c = chonQuyTacCho(d.path(u"bank.json"_s), day);
        QVERIFY(c.coHieuLuc && c.loi.empty());
        const QuyTacHang* q = c.bo.timHang(hang);
        QVERIFY(q);
        QCOMPARE(q->boId, from);
        QCOMPARE(q->soCau, questions);
        QCOMPARE(q->duKien, provisional);
        QCOMPARE(!q->ghiChuMuon.isEmpty(), borrowed);
        if (borrowed)
            QVERIFY2(q->ghiChuMuon.startsWith(u"Hạng %1 chưa có trong"_s.arg(hang)),
                     qPrintable(q->ghiChuMuon));
        // The end of 2025's set is told with what follows it.
        if (day == QDate(2027, 2, 28) && file.isEmpty())
            QVERIFY2(c.baoHet
                         && c.baoHet->endsWith(u"Từ 01/03/2027 áp dụng “Cấu trúc đề sát hạch lý thuyết dự "
                                               "kiến từ 01/3/2027” (dự kiến)."_s),
                     qPrintable(c.baoHet.value_or(QString())));
    }

    // A bank written in decomposed form (NFD) reads as composed text, and
    // is found with or without diacritics, whichever form the query is in.
    void decomposedBankReadsComposed()
    {
        const QString nfc = u"Biển báo cấm đỗ xe nào dưới đây?"_s;
        const QString nfd = nfc.normalized(QString::NormalizationForm_D);
        QVERIFY(nfd != nfc);
        const auto nh = docNganHang(withQuestion(5, [&](QJsonObject& c) { c[u"text"_s] = nfd; }));
        QVERIFY(nh.giaTri);
        QCOMPARE(nh.giaTri->cau(5)->noiDung, nfc);
        const ChiMucTimKiem index(*nh.giaTri);
        for (const QString& query : {u"bien bao cam do"_s, nfc, nfd}) {
            const std::vector<int> found = index.tim(query);
            QVERIFY2(std::count(found.begin(), found.end(), 5) == 1, qPrintable(query));
        }
        QCOMPARE(boDau(nfd), u"bien bao cam do xe nao duoi day?"_s);
    }

    // Search as one types, with or without diacritics, every word needed;
    // a number alone finds that question first.
    void searchWithOrWithoutDiacritics_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<std::vector<int>>("found");
        QTest::newRow("no diacritics") << u"bien bao cam"_s << std::vector<int>{2};
        QTest::newRow("diacritics and capitals") << u"BIỂN báo"_s << std::vector<int>{2, 3};
        QTest::newRow("đ") << u"duong"_s << std::vector<int>{1, 3};
        QTest::newRow("in an option") << u"vuot"_s << std::vector<int>{1};
        QTest::newRow("in the explanation") << u"nghi dinh"_s << std::vector<int>{3};
        QTest::newRow("a number") << u"3"_s << std::vector<int>{3};
        QTest::newRow("no such words") << u"tau hoa"_s << std::vector<int>{};
        QTest::newRow("blank") << u"   "_s << std::vector<int>{};
    }
    void searchWithOrWithoutDiacritics()
    {
        QFETCH(QString, query);
        QFETCH(std::vector<int>, found);
        NganHang nh;
        const auto q = [&](const QString& text, const QStringList& opts, const QString& why = {}) {
            CauHoiNganHang c;
            c.so = static_cast<int>(nh.cauHoi.size()) + 1;
            c.noiDung = text;
            c.phuongAn = opts;
            c.giaiThich = why;
            nh.cauHoi.push_back(c);
        };
        q(u"Trên đường cao tốc, xe nào được đi trước?"_s, {u"Xe vượt"_s, u"Xe cứu thương"_s});
        q(u"Biển báo cấm nào dưới đây?"_s, {u"Biển 1"_s, u"Biển 2"_s});
        q(u"Ý nghĩa của biển báo hiệu đường bộ?"_s, {u"A"_s, u"B"_s}, u"Theo Nghị định 168"_s);
        QCOMPARE(boDau(u"Đường ĐẸP Ưu"_s), u"duong dep uu"_s);
        QCOMPARE(ChiMucTimKiem(nh).tim(query), found);
    }
};

QTEST_GUILESS_MAIN(TestDuLieu)
#include "test_dulieu.moc"
