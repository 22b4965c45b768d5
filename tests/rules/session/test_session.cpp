#include "TestSupport.h"
#include "sample/NganHangMau2025.h"

#include "rules/databank/NganHangCauHoi.h"
#include "rules/session/DuBao.h"
#include "rules/session/KeHoach.h"
#include "rules/session/PhienOn.h"
#include "rules/session/PhienThi.h"
#include "rules/store/KhoSqlite.h"

#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const NganHang& bank()
{
    static const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
    return nh;
}

const QDateTime kStart(QDate(2026, 12, 9), QTime(9, 0), Qt::UTC);
constexpr qint64 kA1 = qint64{19} * 60;  // class A1's seconds

}  // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    // Today's plan from each question's memory: a paper's blank counts as
    // wrong, the due come first (critical first), new questions are spread
    // to meet the pool a week before the exam day (critical first), all
    // within the day's limit, with what today did already counted; recall
    // on the exam day is the pool's mean.
    void todaysPlan()
    {
        const QDate today(2026, 12, 20);
        BaiLam b;
        b.cau = {1, 2};
        b.dapAn = {1, 1};
        b.traLoi = {1, 0};
        b.ketThuc = QDateTime(today.addDays(-10), QTime(9, 0));
        const std::vector<trinho::TrangThai> nho =
            triNhoCacCau(20, {b},
                         {{3, KhoHocVien::lucDongHo(QDateTime(today, QTime(8, 0))), true},
                          {2, KhoHocVien::lucDongHo(QDateTime(today, QTime(8, 5))), true}});
        QVERIFY(nho[2].daGap() && nho[2].soLan == 2);  // the blank, then a right answer today
        // An attempt with no time at all tells nothing (and does not overflow).
        BaiLam khongGio = b;
        khongGio.ketThuc = {};
        QVERIFY(!triNhoCacCau(20, {khongGio}, {})[1].daGap());
        QCOMPARE(nho[1].onDinh, 2.3065);
        std::vector<int> pool;
        for (int q = 1; q <= 20; ++q)
            pool.push_back(q);
        const QSet<int> liet{5, 9};
        // Exam in 14 days: the day began with 18 unseen to meet in the 8 days
        // up to a week before, 3 today, one of them (3) met already.
        KeHoachNgay k = lapKeHoach(nho, pool, liet, today, today.addDays(14), 40);
        QCOMPARE(k.denHan, (std::vector<int>{1}));
        QCOMPARE(k.soChuaGap, 17);
        QCOMPARE(k.moi, (std::vector<int>{5, 9}));
        QCOMPARE(k.phien(), (std::vector<int>{1, 5, 9}));
        const double r =
            (trinho::xacSuatNho(nho[1], today.addDays(14)) + trinho::xacSuatNho(nho[2], today.addDays(14))
             + trinho::xacSuatNho(nho[3], today.addDays(14)))
            / 20;
        QVERIFY(k.nhoNgayThi && qAbs(*k.nhoNgayThi - r) < 1e-12);
        // A limit of four, two answered today: the due one and one new; of
        // two, nothing more today.
        k = lapKeHoach(nho, pool, liet, today, today.addDays(14), 4);
        QCOMPARE(k.phien(), (std::vector<int>{1, 5}));
        QVERIFY(lapKeHoach(nho, pool, liet, today, today.addDays(14), 2).phien().empty());
        // No exam day: the usual pace, and no recall to foresee.
        k = lapKeHoach(nho, pool, liet, today, std::nullopt, 40);
        QCOMPARE(k.moi.size(), std::size_t{17});
        QVERIFY(!k.nhoNgayThi);
        // The exam is tomorrow: everything unseen is today's.
        QCOMPARE(lapKeHoach(nho, pool, liet, today, today.addDays(1), 40).moi.size(), std::size_t{17});
        // What a day needs (answered today, due, and today's share of the
        // unseen), and whether the limit falls short of it.
        struct {
            int days, limit, need;
            bool behind;
        } const cases[] = {
            {14, 40, 2 + 1 + 2, false}, {14, 4, 5, true}, {1, 40, 2 + 1 + 17, false}, {1, 10, 20, true}};
        for (const auto& c : cases) {
            const KeHoachNgay kk = lapKeHoach(nho, pool, liet, today, today.addDays(c.days), c.limit);
            QCOMPARE(kk.canMoiNgay, c.need);
            QCOMPARE(kk.khongKip, c.behind);
        }
        QVERIFY(!lapKeHoach(nho, pool, liet, today, std::nullopt, 1).khongKip);  // no exam day: no pace
        // How sure a figure is.
        QCOMPARE(doTinCay(1, 40, std::nullopt), DoTinCay::Thap);
        QCOMPARE(doTinCay(3, 40, std::nullopt), DoTinCay::Vua);
        QCOMPARE(doTinCay(0, 150, std::nullopt), DoTinCay::Vua);
        QCOMPARE(doTinCay(5, 600, 0.1), DoTinCay::Cao);
        QCOMPARE(doTinCay(12, 900, 0.3), DoTinCay::Thap);  // its figures were no better than guessing
    }

    // Both ways of estimating, each answer predicted from those before it:
    // worked by hand for two answers; on a record of forgetting, memory
    // predicts better, and on one of steady guessing the rates do. The
    // memory's readiness falls as the exam day moves away; a chapter's
    // rate counts its last answers only.
    void readinessFromMemory()
    {
        int q = 1;  // a question outside the critical group
        while (bank().cau(q)->diemLiet)
            ++q;
        const QDateTime t0(QDate(2026, 12, 1), QTime(9, 0));
        const auto at = [&](int days) { return KhoHocVien::lucDongHo(t0.addDays(days)); };
        const std::vector<LanTraLoi> two{{at(0), q, true, true}, {at(1), q, true, false}};
        QVERIFY(!soSanhDuBao(bank(), two));  // fewer than fifty
        const std::optional<SoSanhDuBao> s = soSanhDuBao(bank(), two, 1);
        QVERIFY(s && s->soTraLoi == 2);
        // First: nothing known, 1/2 both ways. Second: one right paper answer
        // gives 5/6 by the rates; memory has stability w2 one day later.
        const double r = trinho::xacSuatNho(trinho::kW[2], 1);
        const double nho = r + (1 - r) / bank().cau(q)->soPhuongAn;
        QVERIFY(qAbs(s->tiLe.logLoss - (std::log(2.0) - std::log(5.0 / 6)) / 2) < 1e-12);
        QVERIFY(qAbs(s->tiLe.brier - (0.25 + 1.0 / 36) / 2) < 1e-12);
        QVERIFY(qAbs(s->triNho.logLoss - (std::log(2.0) - std::log(nho)) / 2) < 1e-12);

        std::vector<LanTraLoi> forgets, guesses;
        for (int c = 1; c <= 40; ++c) {
            forgets.insert(forgets.end(),
                           {{at(0), c, true, false}, {at(1), c, true, false}, {at(60), c, false, false}});
            for (int d = 0; d < 3; ++d)
                guesses.push_back({at(d * 20), c, (c + d) % 2 == 0, false});
        }
        QVERIFY(soSanhDuBao(bank(), forgets)->triNhoTotHon());
        QVERIFY(!soSanhDuBao(bank(), guesses)->triNhoTotHon());

        const BoQuyTac bo = boQuyTacCaiSan();
        const QuyTacHang& b = *bo.timHang(u"B"_s);
        HoSoHang h;
        QVERIFY(!uocLuongHaiCach(bank(), b, h, {}, t0.date()).triNho);
        std::vector<LanTraLoi> seen;
        for (int c = 1; c <= static_cast<int>(bank().cauHoi.size()); ++c)
            seen.push_back({at(0), c, true, false});
        const HaiUocLuong soon = uocLuongHaiCach(bank(), b, h, seen, t0.date().addDays(1));
        const HaiUocLuong late = uocLuongHaiCach(bank(), b, h, seen, t0.date().addDays(90));
        QVERIFY(!soon.tiLe && soon.triNho && late.triNho);  // no paper yet: memory only
        QVERIFY(soon.triNho->xacSuat > 0.5);
        QVERIFY(late.triNho->xacSuat < soon.triNho->xacSuat / 2);

        std::vector<LanTraLoi> ch1;
        ch1.reserve(25);
        for (int i = 0; i < 25; ++i)
            ch1.push_back({at(i), bank().chuong[0].dau, i < 5, false});  // five right, then twenty wrong
        const auto rate = dungGanDayTheoChuong(bank(), ch1);
        QCOMPARE(rate[0], std::make_pair(0, 20));
        QCOMPARE(rate[1], std::make_pair(0, 0));
    }

    // A class A1 paper (19 minutes) through its countdown: each warning
    // once and in its place, the time-out hands it in, answers after that
    // change nothing, and the record ends at the deadline even when the
    // step comes late (a machine that slept).
    void paperCountdownAndHandIn()
    {
        const BoQuyTac bo = boQuyTacCaiSan();
        PhienThi p(bank(), bo.id, *bo.timHang(u"A1"_s), 7, kStart, std::nullopt);
        QCOMPARE(p.soO(), 25);
        QCOMPARE(p.conLai(kStart), kA1);
        QVERIFY(p.chon(0, 1));
        QVERIFY(!p.chon(0, 9));  // no such option
        QVERIFY(!p.chon(25, 1));
        QCOMPARE(p.oTrong().size(), std::size_t{24});
        QCOMPARE(p.oTrong().front(), 2);
        const struct {
            qint64 left;
            PhienThi::SuKien said;
        } steps[] = {{301, PhienThi::SuKien::Khong},  {300, PhienThi::SuKien::Con5Phut},
                     {200, PhienThi::SuKien::Khong},  {60, PhienThi::SuKien::Con1Phut},
                     {1, PhienThi::SuKien::Khong},    {-3600, PhienThi::SuKien::HetGio},
                     {-3601, PhienThi::SuKien::Khong}};
        for (const auto& s : steps)
            QCOMPARE(p.nhip(kStart.addSecs(kA1 - s.left)), s.said);
        QVERIFY(p.daNop() && p.hetGio());
        QVERIFY(!p.chon(1, 1));
        const BaiLam b = p.baiLam(3);
        QCOMPARE(b.ketThuc, kStart.addSecs(kA1));
        QCOMPARE(b.hoSo, qint64{3});
        QCOMPARE(b.traLoi, p.traLoi());
        QCOMPARE(b.cau, p.de().cau);
        QCOMPARE(b.quyTac, bo.id);
        QVERIFY(!b.duDoan.has_value());  // nothing was shown
        QCOMPARE(b.soDung(), p.ketQua().dung);
        QCOMPARE(p.ketQua().dat, b.dat());
    }

    // The record carries exactly the readiness shown; the review opens on
    // the first slot not right; a paper handed in twice keeps its first time.
    void paperRecordAndReview()
    {
        const BoQuyTac bo = boQuyTacCaiSan();
        const QuyTacHang& b = *bo.timHang(u"B"_s);
        const SanSang shown{0.4375, 0.125, 3, 1000};
        PhienThi p(bank(), bo.id, b, 11, kStart, shown);
        for (int o = 0; o < p.soO(); ++o)
            if (o != 4)
                p.chon(o, p.cauTai(o).dapAn);
        QCOMPARE(p.oXemLaiDau(), 4);
        p.nop(kStart.addSecs(600));
        p.nop(kStart.addSecs(900));
        QVERIFY(!p.hetGio());
        const BaiLam r = p.baiLam(1);
        QCOMPARE(r.ketThuc, kStart.addSecs(600));
        QVERIFY(r.duDoan.has_value());
        QCOMPARE(r.duDoan->first, 0.4375);
        QCOMPARE(r.duDoan->second, 0.125);
        QCOMPARE(p.ketQua().boTrong, 1);
        // Back from the store for its review: scored by the keys it kept
        // (a key corrected since changes no verdict); a question gone from
        // the bank cannot be shown.
        BaiLam kept = r;
        kept.dapAn[0] = kept.dapAn[0] % p.cauTai(0).soPhuongAn + 1;
        const std::optional<PhienThi> back = PhienThi::tuBaiLam(bank(), kept, b);
        QVERIFY(back && back->daNop() && !back->laBaiNgan());
        QCOMPARE(back->ketQua().dung, p.ketQua().dung - 1);
        QVERIFY(!back->dungO(0) && back->dungO(1));
        QCOMPARE(back->oXemLaiDau(), 0);
        kept.cau[3] = 9999;
        QVERIFY(!PhienThi::tuBaiLam(bank(), kept, b));
        // A short test of ten: a third of class B's 20 minutes and a pass
        // mark of 27/30 scaled up (9), kept as such and back as such.
        std::vector<int> pool;
        for (int c = 1; c <= 40; ++c)
            pool.push_back(c);
        BoSinhSo rng(3);
        const std::vector<int> ten = chonBaiNgan(pool, rng);
        QCOMPARE(ten.size(), std::size_t{kSoCauBaiNgan});
        QVERIFY(std::is_sorted(ten.begin(), ten.end())
                && ten != std::vector<int>(pool.begin(), pool.begin() + 10));
        PhienThi s = PhienThi::baiNgan(bank(), bo.id, b, ten, kStart);
        QCOMPARE(s.soO(), 10);
        QCOMPARE(s.conLai(kStart), qint64{400});
        QCOMPARE(s.quyTac().canDeDat, 9);
        s.nop(kStart.addSecs(60));
        QVERIFY(s.baiLam(1).laBaiNgan() && PhienThi::tuBaiLam(bank(), s.baiLam(1), b)->laBaiNgan());
        QCOMPARE(chonBaiNgan({5, 3, 5}, rng), (std::vector<int>{3, 5}));  // fewer than ten: all, once
        // A limit in minutes at the learner's pace: the median gap of
        // practice answers under five minutes apart, papers aside.
        std::vector<LanTraLoi> log;
        log.reserve(26);
        for (int i = 0; i < 25; ++i)
            log.push_back({1000 + i * 30 + (i % 2) * 3, 1, true, false});
        log.push_back({5000, 1, true, true});
        QVERIFY(!giayMoiCau(std::vector<LanTraLoi>(log.begin(), log.begin() + 10)));
        QCOMPARE(giayMoiCau(log), std::optional<int>(33));
        QCOMPARE(gioiHanTheoPhut(10, 33), 18);
    }

    // One countdown's warnings for both exams: one that starts inside the
    // last five minutes, or jumps past them, says only the nearer mark.
    void warningsSaidOnce()
    {
        CanhBaoGio c;
        QCOMPARE(c.buoc(250), CanhBaoGio::Bao::Con5Phut);
        QCOMPARE(c.buoc(240), CanhBaoGio::Bao::Khong);
        CanhBaoGio jump;
        QCOMPARE(jump.buoc(400), CanhBaoGio::Bao::Khong);
        QCOMPARE(jump.buoc(30), CanhBaoGio::Bao::Con1Phut);
        QCOMPARE(jump.buoc(20), CanhBaoGio::Bao::Khong);
        jump.datLai();
        QCOMPARE(jump.buoc(300), CanhBaoGio::Bao::Con5Phut);
    }

    // Critical practice's queue and the mastery rule; the options' order
    // and where the key stands in it.
    void practiceRules()
    {
        const QHash<int, int> days{{5, 1}, {7, 2}, {9, 0}, {11, 3}};
        QCOMPARE(hangDoiDiemLiet({3, 5, 7, 9, 11}, days), (std::vector<int>{3, 9, 5}));
        QCOMPARE(soDaThuoc({3, 5, 7, 9, 11}, days), 2);

        BoSinhSo rng(5);
        CauHoiNganHang written;
        written.soPhuongAn = 4;
        written.phuongAn = QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        CauHoiNganHang picture = written;
        picture.phuongAn.clear();
        QCOMPARE(thuTuPhuongAn(picture, true, rng), (std::vector<int>{1, 2, 3, 4}));
        QCOMPARE(thuTuPhuongAn(written, false, rng), (std::vector<int>{1, 2, 3, 4}));
        bool moved = false;
        for (int i = 0; i < 8 && !moved; ++i) {
            std::vector<int> t = thuTuPhuongAn(written, true, rng);
            QCOMPARE(viTriCua(t, t[2]), 3);
            std::vector<int> sorted = t;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, (std::vector<int>{1, 2, 3, 4}));
            moved = t != sorted;
        }
        QVERIFY(moved);
        QCOMPARE(viTriCua({2, 1}, 3), 0);

        // An explanation names options by the places they are shown at.
        const std::vector<int> shown{3, 1, 2};  // option 2 at place 3, option 3 at place 1
        QCOMPARE(
            theoThuTuHien(u"Đáp án là phương án 2; Phương án 3 sai, phương án 12 và phương án 4 không có."_s,
                          shown),
            u"Đáp án là phương án 3; Phương án 1 sai, phương án 12 và phương án 4 không có."_s);
        QCOMPARE(theoThuTuHien(u"phương án 2"_s, {1, 2, 3}), u"phương án 2"_s);
        QCOMPARE(theoThuTuHien(u"phương án"_s, shown), u"phương án"_s);
    }

    // Critical practice on a real store: a right answer counts its day
    // once, a question right on two days leaves the queue for good, a
    // wrong one goes to the back; an answer with no question waiting is
    // refused.
    void criticalPracticeOnAStore()
    {
        test::WorkDir dir;
        KhoSqlite kho(dir.path(u"store.sqlite"_s));
        const std::vector<int> liet{2, 4, 6};
        BoSinhSo rng(1);
        const QDate day1(2026, 12, 1);
        const QDateTime at1(day1, QTime(9, 0));
        {
            PhienOn p(kho, 1, bank(), PhienOn::CheDo::DiemLiet, liet);
            QCOMPARE(p.cau(), 2);
            p.batDauCau(false, rng);
            const auto right = p.traLoi(viTriCua(p.thuTu(), bank().cau(2)->dapAn), at1);
            QVERIFY(right && right->dung && right->roi && right->daGhi);
            QCOMPARE(right->soNgay, 1);
            QVERIFY(!p.traLoi(1, at1));  // already answered
            p.batDauCau(false, rng);
            QCOMPARE(p.cau(), 4);
            const int wrong = bank().cau(4)->dapAn % bank().cau(4)->soPhuongAn + 1;
            const auto miss = p.traLoi(viTriCua(p.thuTu(), wrong), at1);
            QVERIFY(miss && !miss->dung && !miss->roi);
            QCOMPARE(p.con(), std::size_t{2});  // 6, then 4 again
            // Both answers went into the questions' memory.
            QCOMPARE(kho.cacTraLoi(1, bank().id).size(), std::size_t{2});
        }
        PhienOn again(kho, 1, bank(), PhienOn::CheDo::DiemLiet, liet);
        again.batDauCau(false, rng);
        QCOMPARE(again.cau(), 4);  // no day yet comes first
        QCOMPARE(again.con(), std::size_t{3});
        kho.ghiDungDiemLiet(1, bank().id, 2, day1.addDays(1));
        again.napLai();
        QCOMPARE(again.con(), std::size_t{2});  // 2 is mastered
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
