// The store on a school's server, against a real PostgreSQL: setting it up
// and upgrading it, what a signed-in learner may and may not do (tried with
// psql, as anyone at a lab computer could), and a paper handed in while the
// server is away.
#include "BaiLamMau.h"
#include "PgSupport.h"
#include "TestSupport.h"

#include "rules/common/Texts.h"
#include "rules/store/KhoMayChu.h"

#include <QFile>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBank = u"gplx-600-2025"_s;
// A candidate number a learner might type to break in: kept as text.
const QString kNghichNgom = u"1'; DROP TABLE attempt; --"_s;

QString conninfo(const KetNoiMayChu& k)
{
    return QStringLiteral("host=%1 dbname=%2 user=%3%4")
        .arg(k.host, k.dbname, k.user, k.password.isEmpty() ? QString() : u" password="_s + k.password);
}

// A learner's sign-in at a lab computer: course, candidate number, PIN.
KetNoiMayChu hocVien(const test::PgServer& pg, const QString& db, const QString& khoa, const QString& sbd,
                     const QString& pin)
{
    KetNoiMayChu k = pg.admin(db);
    k.user = tenDangNhapHocVien(db, khoa, sbd);
    k.password = pin;
    return k;
}

}  // namespace

class TestKhoMayChu : public QObject {
    Q_OBJECT
    test::PgServer* m_pg = nullptr;

private slots:
    void initTestCase()
    {
        m_pg = test::PgServer::get();
        QVERIFY2(m_pg, qPrintable(test::PgServer::why()));
    }

    // A libpq connection string as a school writes it: quoted values with
    // escapes, any other keyword passed on as written, the database named
    // thilaixe when none is; a password is never said back; a string that
    // cannot be read says where.
    void connectionStrings()
    {
        const struct {
            const char* chuoi;
            const char *host, *db, *user, *pass, *khac, *moTa;
        } cases[] = {
            {"host=srv dbname=tlx user=gv", "srv", "tlx", "gv", "", "", "host=srv dbname=tlx user=gv"},
            {"  host = srv  sslmode=require ", "srv", "thilaixe", "", "", "sslmode=require",
             "host=srv dbname=thilaixe sslmode=require"},
            {"host='/run/my sock' password='it\\'s' user=x", "/run/my sock", "thilaixe", "x", "it's", "",
             "host='/run/my sock' dbname=thilaixe user=x"},
            {"dbname=a port=6432 connect_timeout=2", "", "a", "", "", "connect_timeout=2",
             "port=6432 dbname=a connect_timeout=2"},
        };
        for (const auto& c : cases) {
            QString loi;
            const std::optional<KetNoiMayChu> k = KetNoiMayChu::doc(QString::fromUtf8(c.chuoi), &loi);
            QVERIFY2(k, c.chuoi);
            QCOMPARE(k->host, QString::fromUtf8(c.host));
            QCOMPARE(k->dbname, QString::fromUtf8(c.db));
            QCOMPARE(k->user, QString::fromUtf8(c.user));
            QCOMPARE(k->password, QString::fromUtf8(c.pass));
            QCOMPARE(k->khac.join(u' '), QString::fromUtf8(c.khac));
            QCOMPARE(k->moTa(), QString::fromUtf8(c.moTa));
        }
        for (const char* sai : {"host", "host=x =y", "password='open"}) {
            QString loi;
            QVERIFY2(!KetNoiMayChu::doc(QString::fromUtf8(sai), &loi), sai);
            QVERIFY(loi.startsWith(txt::kMcChuoiSai.section(u'"', 0, 0)));
        }
        // A learner's role is the same on every lab computer, and another
        // course's, candidate's or school's database's is another.
        const QString an = tenDangNhapHocVien(u"tlx"_s, u"K1"_s, u"01"_s);
        QCOMPARE(an, tenDangNhapHocVien(u"tlx"_s, u"K1"_s, u"01"_s));
        QVERIFY(an.startsWith(u"tlx_"_s) && an.size() == 28);
        for (const QString& khac :
             {tenDangNhapHocVien(u"tlx"_s, u"K1"_s, u"011"_s), tenDangNhapHocVien(u"tlx"_s, u"K10"_s, u"1"_s),
              tenDangNhapHocVien(u"x"_s, u"K1"_s, u"01"_s)})
            QVERIFY(khac != an);
    }

    // Set up at schema 1 with a kept attempt, then brought up to date by
    // running the setup again, which says what it did each time; the
    // attempt is still there. A bare database and a newer one are told
    // apart, and nothing is changed in them by opening.
    void setupUpgradesAndIsSafeToRepeat()
    {
        const QString db = m_pg->newDatabase(true, 1);
        const auto [rc, out] = m_pg->psql(
            conninfo(m_pg->admin(db)),
            u"INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark) "
            u"VALUES(1, "
            "'gplx-600-2025', 'v', 'tt12-2025', 'B', '2026-12-01T09:00:00.000Z', '2026-12-01T09:20:00.000Z', 27)"_s);
        QVERIFY2(rc == 0, qPrintable(out));
        {
            KhoMayChu kho(m_pg->admin(db), u"/nonexistent/outbox.sqlite"_s);
            QVERIFY(!kho.sanSang());
            // And the outbox that cannot be made is said too, and where
            // what waits is: only in memory.
            QVERIFY2(
                kho.canhBao().startsWith(txt::kMcCanNangCap.arg(kho.tep()).arg(1).arg(kPhienBanKhoMayChu)),
                qPrintable(kho.canhBao()));
            QVERIFY2(kho.canhBao().contains(u"/nonexistent/outbox.sqlite không dùng được"_s),
                     qPrintable(kho.canhBao()));
        }
        KetQuaCaiDat kq = caiDatMayChu(m_pg->admin(db));
        QVERIFY2(kq.xong, qPrintable(kq.loi));
        QVERIFY(kq.dong.contains(txt::kMcCaiNangCap.arg(1).arg(kPhienBanKhoMayChu)));
        kq = caiDatMayChu(m_pg->admin(db));
        QVERIFY2(kq.xong, qPrintable(kq.loi));
        QVERIFY(kq.dong.contains(txt::kMcCaiDaCo.arg(kPhienBanKhoMayChu)));
        QVERIFY(kq.dong.contains(txt::kMcCaiVaiTro.arg(u"thilaixe_learner"_s, txt::kMcCaiVaiTroCo)));
        test::WorkDir d;
        KhoMayChu kho(m_pg->teacher(db), d.path(kTepHopThu));
        QVERIFY2(kho.sanSang(), qPrintable(kho.canhBao()));
        QVERIFY(kho.laGiaoVien());
        QCOMPARE(kho.cacBaiLam().size(), std::size_t{1});
        QVERIFY(!kho.cacBaiLam().front().laBaiNgan());

        const QString bare = m_pg->newDatabase(false);
        KhoMayChu trong(m_pg->admin(bare), d.path(u"o2"_s));
        QCOMPARE(trong.canhBao(), txt::kMcChuaCaiDat.arg(trong.tep()));
        QCOMPARE(m_pg->psql(conninfo(m_pg->admin(bare)), u"SELECT count(*) FROM pg_tables WHERE schemaname = "
                                                         "'public'"_s)
                     .second,
                 u"0"_s);
        m_pg->psql(conninfo(m_pg->admin(db)), u"UPDATE meta SET value = '9' WHERE key = 'schema'"_s);
        kq = caiDatMayChu(m_pg->admin(db));
        QVERIFY(!kq.xong && kq.loi.contains(u"(9)"_s));
    }

    // Two learners of a course sign in with their PINs and keep what they
    // do; each reads only their own. As a learner, psql cannot change or
    // take back a kept attempt, read another's answers or anyone's PIN,
    // write in another's name, or make courses and learners. A wrong PIN
    // signs no one in, and a candidate number made to break the SQL is
    // kept as the text it is.
    void learnersAreKeptApartByTheServer()
    {
        const QString db = m_pg->newDatabase();
        test::WorkDir d;
        KhoMayChu gv(m_pg->teacher(db), d.path(kTepHopThu));
        const std::optional<qint64> khoa = gv.themKhoaHoc(u"K12-2026"_s, u"Khoá 12"_s, u"B"_s);
        QVERIFY(khoa);
        QString loi;
        QVERIFY(!gv.themHocVien(*khoa, u"001"_s, u"An"_s, u"12"_s, &loi));  // a PIN too short
        QCOMPARE(loi, txt::kMcPinNgan);
        const std::optional<qint64> an = gv.themHocVien(*khoa, u"001"_s, u"Nguyễn Văn An"_s, u"4821"_s);
        const std::optional<qint64> binh = gv.themHocVien(*khoa, kNghichNgom, u"Trần Thị Bình"_s, u"9034"_s);
        QVERIFY(an && binh && *an != *binh);

        const KetNoiMayChu kAn = hocVien(*m_pg, db, u"K12-2026"_s, u"001"_s, u"4821"_s);
        const KetNoiMayChu kBinh = hocVien(*m_pg, db, u"K12-2026"_s, kNghichNgom, u"9034"_s);
        for (const auto& [k, id] : {std::pair{kAn, *an}, std::pair{kBinh, *binh}}) {
            KhoMayChu kho(k, d.path(u"lab-"_s + QString::number(id)));
            QVERIFY2(kho.sanSang(), qPrintable(kho.canhBao()));
            QVERIFY(!kho.laGiaoVien());
            QCOMPARE(kho.cacHoSo().size(), std::size_t{1});
            QCOMPARE(kho.hoSoDangHoc(), id);
            BaiLam b = test::baiLam45();
            b.hoSo = id;
            QVERIFY(kho.luuBaiLam(b, &loi));
            QVERIFY(kho.ghiTraLoi(id, kBank, 7, true, QDateTime::currentDateTime()));
            QVERIFY(kho.datGiaoDien(id, 2));
            QCOMPARE(kho.cacBaiLam().size(), std::size_t{1});
            // Not in another's name.
            QVERIFY(
                !kho.ghiTraLoi(id == *an ? *binh : *an, kBank, 7, true, QDateTime::currentDateTime(), &loi));
            QVERIFY(loi.startsWith(txt::kMcTuChoi.arg(QString()).trimmed()));
            BaiLam khac = b;
            khac.hoSo = id == *an ? *binh : *an;
            QVERIFY(!kho.luuBaiLam(khac));
            QCOMPARE(kho.soChoGhi(), std::size_t{0});  // refused, not held
        }
        const QString cuaAn = conninfo(kAn);
        const struct {
            const char* sql;
            const char* expect;  // what psql says, or the error it gives
        } tries[] = {
            {"SELECT count(*) FROM attempt", "1"},
            {"SELECT count(*) FROM answer", "1"},
            {"SELECT count(*) FROM profile", "1"},
            {"SELECT count(*) FROM setting", "1"},
            {"UPDATE attempt SET pass_mark = 0", "permission denied"},
            {"DELETE FROM attempt", "permission denied"},
            {"DELETE FROM attempt_slot", "permission denied"},
            {"UPDATE answer SET \"right\" = 1", "permission denied"},
            {"SELECT rolpassword FROM pg_authid", "permission denied"},
            {"INSERT INTO course(code, name, class) VALUES('X', 'X', 'B')", "permission denied"},
            {"SELECT thilaixe_add_learner(1, '002', 'X', '1234')", "permission denied"},
            {"INSERT INTO answer(profile, bank, question, at, \"right\") VALUES(1, 'b', 1, 0, 1)",
             "row-level security"},
            {"INSERT INTO meta(key, value) VALUES('schema', '1')", "permission denied"},
            {"CREATE TABLE mine(x int)", "permission denied"},
        };
        for (const auto& t : tries) {
            const auto [rc, out] = m_pg->psql(cuaAn, QString::fromLatin1(t.sql));
            QVERIFY2(out.contains(QString::fromLatin1(t.expect)),
                     qPrintable(QString::fromLatin1(t.sql) + u" → "_s + out));
            QCOMPARE(rc == 0, QByteArray(t.expect).at(0) >= '0' && QByteArray(t.expect).at(0) <= '9');
        }
        KhoMayChu sai(hocVien(*m_pg, db, u"K12-2026"_s, u"001"_s, u"0000"_s), d.path(u"lab-x"_s));
        QVERIFY(!sai.sanSang() && sai.canhBao().contains(txt::kMcSaiDangNhap));
        // The teacher reads everyone's; the odd candidate number is text.
        QCOMPARE(gv.cacBaiLam().size(), std::size_t{2});
        QCOMPARE(m_pg->psql(conninfo(m_pg->teacher(db)),
                            u"SELECT candidate FROM profile WHERE id = %1"_s.arg(*binh))
                     .second,
                 kNghichNgom);
    }

    // A paper handed in while the server is away waits in the lab
    // computer's outbox (the learner is told so, and the paper's misses are
    // already in practice) and is sent when the server is back. Sent again
    // after a lost reply, it is taken once; a teacher at that computer sends
    // a learner's held paper for them.
    void outboxSendsAHandInOnce()
    {
        const QString db = m_pg->newDatabase();
        test::WorkDir d;
        KhoMayChu gv(m_pg->teacher(db), d.path(u"teacher-outbox"_s));
        const qint64 an =
            *gv.themHocVien(*gv.themKhoaHoc(u"K1"_s, u"K1"_s, u"B"_s), u"7"_s, u"An"_s, u"1357"_s);
        const KetNoiMayChu k = hocVien(*m_pg, db, u"K1"_s, u"7"_s, u"1357"_s);
        const QString hopThu = d.path(kTepHopThu);
        BaiLam b = test::baiLam45();
        b.hoSo = an;
        {
            KhoMayChu kho(k, hopThu);
            QVERIFY(kho.sanSang());
            QVERIFY(m_pg->stop());
            QString loi;
            const bool daGui = kho.luuBaiLam(b, &loi).has_value();
            QVERIFY(m_pg->start());
            QVERIFY(!daGui);
            QCOMPARE(kho.soChoGhi(), std::size_t{1});
            QVERIFY(kho.thongBaoLoiGhi(loi).contains(txt::kKhoChoBaiThi.arg(1)));
            QVERIFY(kho.thongBaoLoiGhi(loi).contains(kTepHopThu));
            QVERIFY(kho.docOnTap(an, kBank, 600).mucCua(b.cau[0]).canOn);  // slot 1 was blank
        }
        // The outbox as it was before sending: as if the reply had been lost.
        QVERIFY(QFile::copy(hopThu, d.path(u"before-send"_s)));
        {
            KhoMayChu kho(k, hopThu);
            QVERIFY(kho.thuGhiLai());
            QCOMPARE(kho.soChoGhi(), std::size_t{0});
            QCOMPARE(kho.cacBaiLam().size(), std::size_t{1});
        }
        QVERIFY(QFile::remove(hopThu) && QFile::copy(d.path(u"before-send"_s), hopThu));
        {
            KhoMayChu kho(k, hopThu);
            QCOMPARE(kho.soChoGhi(), std::size_t{1});
            QVERIFY(kho.thuGhiLai());
            QCOMPARE(kho.cacBaiLam().size(), std::size_t{1});
            QCOMPARE(kho.cacBaiLam().front().cau, b.cau);
        }
        // Once more held, and the learner gone: the teacher sends it.
        QVERIFY(QFile::remove(hopThu) && QFile::copy(d.path(u"before-send"_s), hopThu));
        KhoMayChu thay(m_pg->teacher(db), hopThu);
        QCOMPARE(thay.soChoGhi(), std::size_t{0});  // not the teacher's own
        QVERIFY(thay.thuGhiLai());
        QCOMPARE(thay.cacBaiLam(an).size(), std::size_t{1});
        QCOMPARE(KhoMayChu(k, hopThu).soChoGhi(), std::size_t{0});
    }

    // A course-end test: the teacher opens a session; each learner's paper
    // has a seed of the server's (the same after a restart) and tells its
    // progress; the teacher sees who has not started, who sits on which
    // slot, and who handed in with what. Closing it ends the papers still
    // open: one handed in afterwards (at its time-out) still counts, and no
    // new one starts. The course's list, its most missed questions and its
    // spreadsheet follow the papers kept.
    void courseEndTestSession()
    {
        const QString db = m_pg->newDatabase();
        test::WorkDir d;
        KhoMayChu gv(m_pg->teacher(db), d.path(u"gv"_s));
        const qint64 khoa = *gv.themKhoaHoc(u"K3"_s, u"Khoá 3"_s, u"D"_s);
        const qint64 an = *gv.themHocVien(khoa, u"01"_s, u"Nguyễn Văn An"_s, u"1111"_s);
        const qint64 binh = *gv.themHocVien(khoa, u"02"_s, u"=Bình, \"B\""_s, u"2222"_s);
        gv.themHocVien(khoa, u"03"_s, u"Chi"_s, u"3333"_s);
        PhienKiemTra p{0,  khoa, u"D"_s, u"tt12-2025"_s, kBank, QDateTime::currentDateTimeUtc().addSecs(-60),
                       25, {}};
        const std::optional<qint64> id = gv.moPhien(p);
        QVERIFY(id);
        KhoMayChu khoAn(hocVien(*m_pg, db, u"K3"_s, u"01"_s, u"1111"_s), d.path(u"a"_s));
        KhoMayChu khoBinh(hocVien(*m_pg, db, u"K3"_s, u"02"_s, u"2222"_s), d.path(u"b"_s));
        QCOMPARE(khoAn.phienDangMo().value_or(PhienKiemTra{}).id, *id);
        const std::optional<BaiCuaPhien> baiAn = khoAn.batDauPhien(*id);
        QVERIFY(baiAn && !baiAn->daNop);
        QVERIFY(khoAn.baoTienDo(*id, 4, 900, {1, 2, 0, 3}));
        QCOMPARE(khoAn.batDauPhien(*id)->hat, baiAn->hat);  // a restart: the same paper, as left
        QCOMPARE(khoAn.batDauPhien(*id)->traLoi, (std::vector<int>{1, 2, 0, 3}));
        QVERIFY(khoBinh.batDauPhien(*id));
        using TT = TinhHinhHocVien::TrangThai;
        std::vector<TinhHinhHocVien> t = gv.tinhHinh(*id);
        QCOMPARE(t.size(), std::size_t{3});
        QVERIFY(t[0].trangThai == TT::DangLam && t[0].o == 4 && t[0].conGiay == 900
                && t[0].hat == baiAn->hat);
        QVERIFY(t[2].trangThai == TT::ChuaBatDau);
        // The seed is the server's: a learner cannot choose it, nor see another's.
        const QString cuaAn = conninfo(hocVien(*m_pg, db, u"K3"_s, u"01"_s, u"1111"_s));
        QVERIFY(m_pg->psql(cuaAn, u"UPDATE session_paper SET seed = 1"_s)
                    .second.contains(u"permission denied"_s));
        QCOMPARE(m_pg->psql(cuaAn, u"SELECT count(*) FROM session_paper"_s).second, u"1"_s);
        QVERIFY(m_pg->psql(cuaAn, u"UPDATE exam_session SET closed = now()"_s)
                    .second.contains(u"permission denied"_s));

        BaiLam b = test::baiLam45();  // five blanks, slot 8 critical and right
        b.phienKiemTra = *id;
        b.hoSo = an;
        QVERIFY(khoAn.luuBaiLam(b));
        QVERIFY(gv.dongPhien(*id));
        QVERIFY(!khoAn.phienDangMo());
        t = gv.tinhHinh(*id);
        QVERIFY(t[0].trangThai == TT::DaNop && t[0].dung == 40 && t[0].soCau == 45 && !t[0].dat);
        QVERIFY(t[1].trangThai == TT::DaDongChuaNop);
        b.hoSo = binh;
        b.traLoi = b.dapAn;
        b.traLoi[7] = 0;  // the critical question left blank
        b.traLoi[0] = 0;
        QVERIFY(khoBinh.luuBaiLam(b));  // handed in at the closing
        t = gv.tinhHinh(*id);
        QVERIFY(t[1].trangThai == TT::DaNop && t[1].dung == 43 && !t[1].dat);
        QCOMPARE(t[1].lietSai, std::vector<int>{b.cau[7]});
        KhoMayChu khoChi(hocVien(*m_pg, db, u"K3"_s, u"03"_s, u"3333"_s), d.path(u"c"_s));
        QVERIFY(!khoChi.batDauPhien(*id));

        const std::vector<HocVienKhoaHoc> ds = gv.hocVienCuaKhoa(khoa, kBank, u"D"_s, 2);
        QCOMPARE(ds.size(), std::size_t{3});
        QVERIFY(ds[0].soBai == 1 && ds[0].diemCuoi == 40 && ds[0].soCauCuoi == 45 && ds[2].soBai == 0);
        const std::vector<CauSaiNhieu> sai = gv.cauSaiNhieu(khoa, kBank, 3);
        QCOMPARE(sai.front().cau, b.cau[0]);  // blank in both papers
        QCOMPARE(sai.front().soSai, 2);
        const QByteArray csv = csvKhoaHoc(gv.cacKhoaHoc().front(), ds, 60);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.contains(u"01,Nguyễn Văn An,1,0,40/45,40,0/60\r\n"_s.toUtf8()));
        QVERIFY(csv.contains(u"02,\"'=Bình, \"\"B\"\"\","_s.toUtf8()));
    }
};

QTEST_GUILESS_MAIN(TestKhoMayChu)
#include "test_kho_maychu.moc"
