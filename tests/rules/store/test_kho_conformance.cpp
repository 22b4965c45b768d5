// The same cases for every implementation of the learner's store: what the
// program relies on, whatever keeps it. A new implementation adds one line
// to kCacKho.
#include "BaiLamMau.h"
#include "PgSupport.h"
#include "TestSupport.h"

#include "rules/session/PhienThi.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/KhoMayChu.h"
#include "rules/store/KhoSqlite.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

// Opens the store kept in a test's folder (again, for a later opening).
using MoKho = std::function<std::unique_ptr<KhoHocVien>(const test::WorkDir&)>;

const QString kTepMau = QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json");

// A school's server: a database of its own for each test's folder, the
// sample bank published (the server scores a paper from it), signed in as a
// teacher (a learner's own view is the server tests' part).
std::unique_ptr<KhoHocVien> moMayChu(const test::WorkDir& d)
{
    static QHash<QString, QString> csdl;
    test::PgServer* pg = test::PgServer::get();
    if (!pg)
        qFatal("%s", qPrintable(test::PgServer::why()));
    const bool moi = !csdl.contains(d.path());
    if (moi)
        csdl.insert(d.path(), pg->newDatabase());
    auto kho = std::make_unique<KhoMayChu>(pg->teacher(csdl.value(d.path())), d.path(kTepHopThu));
    QString loi;
    if (moi && !datNganHangLenMayChu(*kho, kTepMau, &loi))
        qFatal("publishing the sample: %s", qPrintable(loi));
    return kho;
}

// A paper of class `hang` of the sample bank, as a learner answered it:
// every third slot wrong, every seventh blank.
BaiLam baiThi(const QString& hang, bool baiNgan = false)
{
    static const NganHang nh = *docNganHangTep(kTepMau).giaTri;
    std::optional<PhienThi> p =
        PhienThi::moi(nh, boQuyTacCaiSan(), hang, 17, QDateTime::currentDateTimeUtc(), std::nullopt);
    if (baiNgan) {
        const std::vector<int> cau(p->de().cau.begin(), p->de().cau.begin() + kSoCauBaiNgan);
        p.emplace(PhienThi::baiNgan(nh, u"tt12-2025"_s, *boQuyTacCaiSan().timHang(hang), cau,
                                    QDateTime::currentDateTimeUtc()));
    }
    for (int o = 0; o < p->soO(); ++o)
        if (o % 7 != 0)
            p->chon(o, o % 3 == 0 ? p->cauTai(o).dapAn % p->cauTai(o).soPhuongAn + 1 : p->cauTai(o).dapAn);
    p->nop(QDateTime::currentDateTimeUtc());
    return p->baiLam(KhoHocVien::kHoSoMacDinh);
}

const std::vector<std::pair<const char*, MoKho>> kCacKho = {
    {"sqlite", [](const test::WorkDir& d) { return std::make_unique<KhoSqlite>(d.path(kTepKho)); }},
    {"postgresql", moMayChu},
};

const QString kBank = u"mau-600-2025"_s;

}  // namespace

class TestKhoConformance : public QObject {
    Q_OBJECT

    static void implementations()
    {
        QTest::addColumn<int>("which");
        for (std::size_t i = 0; i < kCacKho.size(); ++i)
            QTest::newRow(kCacKho[i].first) << static_cast<int>(i);
    }
    static std::unique_ptr<KhoHocVien> open(const test::WorkDir& d)
    {
        QFETCH(int, which);
        return kCacKho[static_cast<std::size_t>(which)].second(d);
    }

private slots:
    // Profiles: the default first, a name once; settings by type, each with
    // its default, per learner, and the learner chosen last (one removed or
    // unknown falls back to the default); all kept for a later opening.
    void profilesAndSettings_data() { implementations(); }
    void profilesAndSettings()
    {
        test::WorkDir d;
        qint64 lan = 0;
        {
            std::unique_ptr<KhoHocVien> kho = open(d);
            QVERIFY(kho->canhBao().isEmpty());
            QCOMPARE(kho->cacHoSo().size(), std::size_t{1});
            QCOMPARE(kho->cacHoSo()[0].id, KhoHocVien::kHoSoMacDinh);
            lan = kho->themHoSo(u"Lan"_s).value_or(0);
            QVERIFY(lan > KhoHocVien::kHoSoMacDinh);
            QCOMPARE(kho->themHoSo(u"Lan"_s).value_or(0), lan);
            QCOMPARE(kho->giaoDien(lan), 0);
            QVERIFY(kho->amBao(lan) && kho->daoPhuongAn(lan));
            QCOMPARE(kho->hangDaChon(lan, kBank), u"B"_s);
            QCOMPARE(kho->hoSoDangHoc(), KhoHocVien::kHoSoMacDinh);
            QVERIFY(kho->datGiaoDien(lan, 9));  // out of range: the last theme
            QVERIFY(kho->datAmBao(lan, false) && kho->datDaoPhuongAn(lan, false));
            QVERIFY(kho->datHangDaChon(lan, kBank, u"C1"_s));
            QVERIFY(kho->datHoSoDangHoc(lan));
            QVERIFY(!kho->gioiHanTheoPhut(lan) && kho->cauDaLuu(lan, kBank).empty());
            QVERIFY(kho->datGioiHanTheoPhut(lan, true));
            QVERIFY(kho->datCauDaLuu(lan, kBank, {12, 3, 12, 600}));
        }
        std::unique_ptr<KhoHocVien> kho = open(d);
        QCOMPARE(kho->cacHoSo().size(), std::size_t{2});
        QCOMPARE(kho->giaoDien(lan), 3);
        QVERIFY(!kho->amBao(lan) && !kho->daoPhuongAn(lan));
        QCOMPARE(kho->hangDaChon(lan, kBank), u"C1"_s);
        QCOMPARE(kho->hangDaChon(lan, u"other"_s), u"B"_s);
        QVERIFY(kho->amBao(KhoHocVien::kHoSoMacDinh));  // another learner's stay
        QCOMPARE(kho->hoSoDangHoc(), lan);
        QVERIFY(kho->gioiHanTheoPhut(lan) && !kho->gioiHanTheoPhut(KhoHocVien::kHoSoMacDinh));
        QCOMPARE(kho->cauDaLuu(lan, kBank), (std::vector<int>{3, 12, 600}));  // in order, once
        QVERIFY(kho->cauDaLuu(lan, u"other"_s).empty()
                && kho->cauDaLuu(KhoHocVien::kHoSoMacDinh, kBank).empty());
        QVERIFY(kho->datHoSoDangHoc(lan + 40));
        QCOMPARE(kho->hoSoDangHoc(), KhoHocVien::kHoSoMacDinh);
    }

    // An attempt comes back as kept, by learner and bank, with its
    // prediction or none; its misses (wrong or blank) go into the bank's
    // practice with it, the questions answered right do not.
    void attemptsAndTheirMisses_data() { implementations(); }
    void attemptsAndTheirMisses()
    {
        test::WorkDir d;
        BaiLam b = baiThi(u"B"_s);
        b.batDau = QDateTime(QDate(2026, 12, 9), QTime(9, 0, 5), Qt::UTC);
        b.ketThuc = b.batDau.addSecs(1500);
        b.duDoan = std::make_pair(0.625, 0.125);
        {
            std::unique_ptr<KhoHocVien> kho = open(d);
            QVERIFY(kho->luuBaiLam(b).has_value());
            BaiLam other = baiThi(u"B"_s, true);  // a short test keeps its kind
            other.hoSo = *kho->themHoSo(u"Minh"_s);
            QVERIFY(kho->luuBaiLam(other).has_value());
            BaiLam c = baiThi(u"C"_s);
            c.hoSo = other.hoSo;
            QVERIFY(kho->luuBaiLam(c).has_value());
        }
        std::unique_ptr<KhoHocVien> kho = open(d);
        QCOMPARE(kho->cacBaiLam().size(), std::size_t{3});
        const std::vector<BaiLam> mine = kho->cacBaiLam(KhoHocVien::kHoSoMacDinh, kBank);
        QCOMPARE(mine.size(), std::size_t{1});
        const BaiLam& k = mine[0];
        QVERIFY(k.id > 0);
        QCOMPARE(k.cau, b.cau);
        QCOMPARE(k.traLoi, b.traLoi);
        QCOMPARE(k.dapAn, b.dapAn);
        QCOMPARE(k.diemLiet, b.diemLiet);
        QCOMPARE(k.canDeDat, b.canDeDat);
        QCOMPARE(k.hang, b.hang);
        QCOMPARE(k.quyTac, b.quyTac);
        QCOMPARE(k.batDau, b.batDau);
        QCOMPARE(k.ketThuc, b.ketThuc);
        QVERIFY(k.duDoan.has_value());
        QCOMPARE(k.duDoan->first, 0.625);
        QCOMPARE(k.duDoan->second, 0.125);
        QCOMPARE(k.dat(), b.dat());
        QVERIFY(!kho->cacBaiLam(mine[0].hoSo + 1, kBank).front().duDoan.has_value());
        QVERIFY(!k.laBaiNgan() && kho->cacBaiLam(mine[0].hoSo + 1, kBank).front().laBaiNgan());
        QCOMPARE(kho->cacBaiLam(mine[0].hoSo + 1, kBank).back().cau.size(), std::size_t{40});
        const SoOnTap onTap = kho->docOnTap(KhoHocVien::kHoSoMacDinh, kBank, 600);
        for (std::size_t i = 0; i < b.cau.size(); ++i)
            QCOMPARE(onTap.mucCua(b.cau[i]).canOn, b.traLoi[i] != b.dapAn[i]);
    }

    // Practice: a wrong answer restarts a question's run, two right in a
    // row take it out; an exam of the history is folded in once by its key.
    void practiceAnswersAndFolds_data() { implementations(); }
    void practiceAnswersAndFolds()
    {
        test::WorkDir d;
        std::unique_ptr<KhoHocVien> kho = open(d);
        LanThi lt;
        lt.hang = u"B2"_s;
        lt.cau = {0, 12, 40};
        lt.dung = {false, false, true};
        lt.diemLiet = {false, false, false};
        lt.khoa = "exam-1";
        QVERIFY(kho->gopLanThi(1, u"classic"_s, 300, {lt}));
        QVERIFY(kho->docOnTap(1, u"classic"_s, 300).mucCua(12).canOn);
        const struct {
            bool right, stillListed;
        } steps[] = {{true, true}, {false, true}, {true, true}, {true, false}};
        for (const auto& s : steps) {
            MucOnTap after;
            QVERIFY(kho->traLoiOnTap(1, u"classic"_s, 12, s.right, &after));
            QCOMPARE(after.canOn, s.stillListed);
        }
        QVERIFY(kho->gopLanThi(1, u"classic"_s, 300, {lt}));  // the same exam again: nothing
        QVERIFY(!kho->docOnTap(1, u"classic"_s, 300).mucCua(12).canOn);
        QVERIFY(kho->docOnTap(2, u"classic"_s, 300).danhSach({}).empty());  // another learner's
    }

    // Critical questions: a day counts once, each learner and bank apart.
    void criticalDays_data() { implementations(); }
    void criticalDays()
    {
        test::WorkDir d;
        std::unique_ptr<KhoHocVien> kho = open(d);
        const QDate day(2026, 12, 1);
        for (const QDate& when : {day, day, day.addDays(3)})
            QVERIFY(kho->ghiDungDiemLiet(1, kBank, 7, when));
        QVERIFY(kho->ghiDungDiemLiet(1, kBank, 9, day));
        QVERIFY(kho->ghiDungDiemLiet(1, u"other"_s, 7, day.addDays(5)));
        const QHash<int, int> days = kho->soNgayDungDiemLiet(1, kBank);
        QCOMPARE(days.value(7), 2);
        QCOMPARE(days.value(9), 1);
        QCOMPARE(days.size(), 2);
        QVERIFY(kho->soNgayDungDiemLiet(2, kBank).isEmpty());
    }

    // Answers of practice and study come back in the order given, each
    // learner and bank apart.
    void answersAreLogged_data() { implementations(); }
    void answersAreLogged()
    {
        test::WorkDir d;
        std::unique_ptr<KhoHocVien> kho = open(d);
        const QDateTime t(QDate(2026, 12, 1), QTime(9, 0));
        QVERIFY(kho->ghiTraLoi(1, kBank, 7, false, t));
        QVERIFY(kho->ghiTraLoi(1, kBank, 7, true, t.addDays(2)));
        QVERIFY(kho->ghiTraLoi(1, kBank, 9, true, t.addSecs(60)));
        const qint64 other = *kho->themHoSo(u"Lan"_s);
        QVERIFY(kho->ghiTraLoi(other, kBank, 7, true, t));
        QVERIFY(kho->ghiTraLoi(1, u"other"_s, 7, true, t));
        const std::vector<KhoHocVien::TraLoiDaGhi> a = kho->cacTraLoi(1, kBank);
        QCOMPARE(a.size(), std::size_t{3});
        QCOMPARE(a[0].cau, 7);
        QVERIFY(!a[0].dung && a[0].luc == KhoHocVien::lucDongHo(t));
        QCOMPARE(a[1].cau, 9);
        QVERIFY(a[2].dung && KhoHocVien::ngayCua(a[2].luc) == QDate(2026, 12, 3));
        QCOMPARE(kho->cacTraLoi(other, kBank).size(), std::size_t{1});
    }
};

QTEST_GUILESS_MAIN(TestKhoConformance)
#include "test_kho_conformance.moc"
