// The store on a school's server, against a real PostgreSQL: setting it up
// and upgrading it, the rights the catalogue shows, every forgery and
// account attack a learner could try with psql and their own PIN, the
// server scoring every paper from its own bank, and a paper handed in while
// the server is away.
#include "PgSupport.h"
#include "TestSupport.h"

#include "rules/common/Texts.h"
#include "rules/session/PhienThi.h"
#include "rules/store/KhoMayChu.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kTepMau = QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json");
// A candidate number a learner might type to break in: kept as text.
const QString kNghichNgom = u"1'; DROP TABLE x;--"_s;

const NganHang& mau()
{
    static const NganHang nh = *docNganHangTep(kTepMau).giaTri;
    return nh;
}

QString conninfo(const KetNoiMayChu& k)
{
    return QStringLiteral("host=%1 dbname=%2 user=%3%4")
        .arg(k.host, k.dbname, k.user, k.password.isEmpty() ? QString() : u" password="_s + k.password);
}

// A school on a database of its own: the sample bank published, one course
// of class B, its learners with the PINs the program made for them.
struct Truong {
    test::PgServer& pg;
    QString db = pg.newDatabase();
    test::WorkDir d;
    KhoMayChu gv{pg.teacher(db), d.path(u"teacher-outbox"_s)};
    KhoaHoc khoa;
    std::vector<PinHocVien> pin;
    std::vector<qint64> id;

    explicit Truong(test::PgServer& p, int soHocVien = 2) : pg(p)
    {
        QString loi;
        if (!datNganHangLenMayChu(gv, kTepMau, &loi))
            qFatal("publishing the sample: %s", qPrintable(loi));
        khoa = {*gv.themKhoaHoc(u"K9"_s, u"Khoá 9"_s, u"B"_s), u"K9"_s, u"Khoá 9"_s, u"B"_s, 0};
        for (int i = 1; i <= soHocVien; ++i) {
            pin.push_back(*themHocVienCoPin(gv, khoa, {u"0%1"_s.arg(i), u"Học Viên %1"_s.arg(i), {}}, false));
            id.push_back(gv.hocVienCuaKhoa(khoa.id, {}, u"B"_s, 1).back().hoSo);
        }
    }
    DangNhapHocVien dn(int i) const { return {u"K9"_s, pin[i].soBaoDanh, pin[i].pin}; }
    std::unique_ptr<KhoMayChu> lab(int i, const QString& ten) const
    {
        return std::make_unique<KhoMayChu>(pg.lab(db), d.path(ten), dn(i));
    }
    // psql as a lab computer, signed in as learner `i` with their own PIN,
    // then running `sql` in the same session: its exit code and output.
    std::pair<int, QString> psqlNhu(int i, const QString& sql) const
    {
        return pg.psql(
            conninfo(pg.lab(db)),
            u"SELECT outcome FROM thilaixe_sign_in('K9', '%1', '%2');\n"_s.arg(pin[i].soBaoDanh, pin[i].pin)
                + sql);
    }
    // A session of class B, opened `truoc` seconds ago, every paper drawn.
    qint64 moPhien(int truoc = 60, int phut = 20)
    {
        QString loi;
        std::uint64_t n = 41;
        const std::optional<qint64> p = moPhienKiemTra(
            gv, {0, khoa.id, u"B"_s, {}, {}, QDateTime::currentDateTimeUtc().addSecs(-truoc), phut, {}, {}},
            kTepMau, boQuyTacCaiSan(), [&] { return n++; }, &loi);
        if (!p)
            qFatal("opening a session: %s", qPrintable(loi));
        return *p;
    }
};

// A paper of class B of the sample bank a lab computer draws, answered:
// the first `dung` slots right, the rest wrong (never blank).
BaiLam baiThi(qint64 hoSo, int dung, std::uint64_t hat = 5)
{
    PhienThi p =
        *PhienThi::moi(mau(), boQuyTacCaiSan(), u"B"_s, hat, QDateTime::currentDateTimeUtc(), std::nullopt);
    for (int o = 0; o < p.soO(); ++o)
        p.chon(o, o < dung ? p.cauTai(o).dapAn : p.cauTai(o).dapAn % p.cauTai(o).soPhuongAn + 1);
    p.nop(QDateTime::currentDateTimeUtc());
    return p.baiLam(hoSo);
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
    }

    // A server of the first school version (learners signing in as roles of
    // their own, a paper's answers as text) is brought up to date by running
    // the setup again, which says what it did; what was kept is still there,
    // the old learner roles may no longer sign in. A bare database and one
    // of a newer program are told apart; a role that does not own the
    // database is told so in one line.
    void setupUpgradesAndIsSafeToRepeat()
    {
        const QString db = m_pg->newDatabase(true, kPhienBanKhoMayChu, 1);
        const auto [rc, out] = m_pg->sql(
            db,
            u"INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark) "
            u"VALUES(1, "
            "'gplx-600-2025', 'v', 'tt12-2025', 'B', '2026-12-01T09:00:00.000Z', '2026-12-01T09:20:00.000Z', "
            "27);"
            "INSERT INTO course(code, name, class) VALUES('K1', 'K1', 'B');"
            "DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'tlx_old_learner') THEN "
            "CREATE ROLE tlx_old_learner LOGIN PASSWORD '1234'; END IF; END $$;"
            "ALTER ROLE tlx_old_learner LOGIN;"
            "INSERT INTO profile(name, course, candidate, login) VALUES('An', 1, '01', 'tlx_old_learner');"
            "INSERT INTO exam_session(course, class, rules, bank, opens, minutes) VALUES(1, 'B', "
            "'tt12-2025', "
            "'gplx-600-2025', now(), 20);"
            "INSERT INTO session_paper(session, profile, answers) VALUES(1, 2, '1,0,3')"_s);
        QVERIFY2(rc == 0, qPrintable(out));
        {
            KhoMayChu kho(m_pg->admin(db), u"/nonexistent/outbox.sqlite"_s);
            QVERIFY(!kho.sanSang());
            // And the outbox that cannot be made is said too, and where
            // what waits is: only in memory.
            QVERIFY2(kho.canhBao().startsWith(txt::kMcCanNangCap.arg(kho.tep(), u"4.1"_s, u"4.2"_s)),
                     qPrintable(kho.canhBao()));
            QVERIFY2(kho.canhBao().contains(u"/nonexistent/outbox.sqlite không dùng được"_s),
                     qPrintable(kho.canhBao()));
        }
        // Not the database's owner, not the server's administrator: one line.
        KetQuaCaiDat kq = caiDatMayChu(m_pg->teacher(db));
        QVERIFY(!kq.xong && kq.dong.isEmpty());
        QCOMPARE(kq.loi, txt::kMcCaiKhongQuyen.arg(u"thilaixe_test_teacher"_s, db));
        kq = caiDatMayChu(m_pg->admin(db));
        QVERIFY2(kq.xong, qPrintable(kq.loi));
        QVERIFY(kq.dong.contains(txt::kMcCaiNangCap.arg(u"4.1"_s, u"4.2"_s)));
        kq = caiDatMayChu(m_pg->admin(db));
        QVERIFY2(kq.xong, qPrintable(kq.loi));
        QVERIFY(kq.dong.contains(txt::kMcCaiDaCo.arg(u"4.2"_s)));
        QVERIFY(kq.dong.contains(txt::kMcCaiVaiTro.arg(u"thilaixe_owner"_s, txt::kMcCaiVaiTroCo)));
        QCOMPARE(
            m_pg->sql(db, u"SELECT rolcanlogin FROM pg_roles WHERE rolname = 'tlx_old_learner'"_s).second,
            u"f"_s);
        QCOMPARE(
            m_pg->sql(db,
                      u"SELECT answers::text, login IS NULL FROM session_paper, profile WHERE profile.id = "
                      "2"_s)
                .second,
            u"{1,0,3}|t"_s);
        test::WorkDir d;
        KhoMayChu kho(m_pg->teacher(db), d.path(kTepHopThu));
        QVERIFY2(kho.sanSang(), qPrintable(kho.canhBao()));
        QVERIFY(kho.laGiaoVien());
        QCOMPARE(kho.cacBaiLam().size(), std::size_t{1});

        const QString bare = m_pg->newDatabase(false);
        KhoMayChu trong(m_pg->admin(bare), d.path(u"o2"_s));
        QCOMPARE(trong.canhBao(), txt::kMcChuaCaiDat.arg(trong.tep()));
        QCOMPARE(m_pg->sql(bare, u"SELECT count(*) FROM pg_tables WHERE schemaname = 'public'"_s).second,
                 u"0"_s);
        m_pg->sql(db, u"UPDATE meta SET value = '9' WHERE key = 'schema'"_s);
        kq = caiDatMayChu(m_pg->admin(db));
        QVERIFY(!kq.xong && kq.loi.contains(u"(9.2)"_s));
    }

    // What the catalogue says of the rights: every table and function is
    // the owner role's, which is no superuser; row-level security is forced
    // on every table; every function runs with a fixed search_path; no
    // function may be run by PUBLIC; and neither a lab computer nor a
    // teacher may write a table but through the functions.
    void rightsAsTheCatalogueShowsThem()
    {
        const QString db = m_pg->newDatabase();
        const auto hoi = [&](const QString& sql) { return m_pg->sql(db, sql).second; };
        QCOMPARE(hoi(u"SELECT rolsuper OR rolcreaterole OR rolcreatedb OR rolcanlogin FROM pg_roles WHERE "
                     u"rolname = "
                     "'thilaixe_owner'"_s),
                 u"f"_s);
        QCOMPARE(hoi(u"SELECT count(*) FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace WHERE "
                     "n.nspname = 'public' AND c.relkind = 'r'"_s),
                 u"21"_s);
        QCOMPARE(
            hoi(u"SELECT string_agg(relname, ',') FROM pg_class c JOIN pg_namespace n ON n.oid = "
                u"c.relnamespace "
                "WHERE n.nspname = 'public' AND c.relkind IN ('r', 'S') AND (pg_get_userbyid(c.relowner) <> "
                "'thilaixe_owner' OR (c.relkind = 'r' AND NOT (c.relrowsecurity AND c.relforcerowsecurity)))"_s),
            QString());
        QCOMPARE(
            hoi(u"SELECT string_agg(proname, ',') FROM pg_proc p JOIN pg_namespace n ON n.oid = "
                u"p.pronamespace "
                "WHERE n.nspname = 'public' AND proname LIKE 'thilaixe%' AND (pg_get_userbyid(proowner) <> "
                "'thilaixe_owner' OR NOT prosecdef OR NOT coalesce('search_path=public, pg_temp' = ANY "
                "(proconfig), false) OR has_function_privilege('public', p.oid, 'EXECUTE'))"_s),
            QString());
        QCOMPARE(hoi(u"SELECT count(*) FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace WHERE "
                     "n.nspname = 'public' AND proname LIKE 'thilaixe%'"_s),
                 u"29"_s);
        for (const char* vaiTro : {"thilaixe_lab", "thilaixe_teacher"})
            QCOMPARE(hoi(u"SELECT string_agg(relname, ',') FROM pg_class c JOIN pg_namespace n ON n.oid = "
                         "c.relnamespace WHERE n.nspname = 'public' AND c.relkind = 'r' AND "
                         "has_table_privilege('%1', c.oid, 'INSERT, UPDATE, DELETE, TRUNCATE')"_s.arg(
                             QLatin1String(vaiTro))),
                     QString());
        // Nothing a learner could guess their way in with: no role of their
        // own, no function naming one, the lab's role bounded.
        QCOMPARE(hoi(u"SELECT count(*) FROM pg_proc WHERE proname = 'thilaixe_login'"_s), u"0"_s);
        QCOMPARE(hoi(u"SELECT rolconnlimit FROM pg_roles WHERE rolname = 'thilaixe_lab'"_s), u"300"_s);
    }

    // Every forgery found, tried as a learner with psql and their own PIN
    // against a session of the course, and refused; nothing a learner
    // sends but their answers makes a score.
    void forgeriesAreRefused()
    {
        Truong t(*m_pg, 3);
        const qint64 phien = t.moPhien();
        m_pg->sql(t.db, u"INSERT INTO meta(key, value) VALUES('grace_seconds', '0')"_s);
        // F1: keys and a pass mark of one's own cannot be sent: there is no
        // such function; the answers all 1 score what the server's key says.
        auto [rc, out] =
            t.psqlNhu(0, u"SELECT thilaixe_hand_in('u', 2, 'b', 'v', 'r', 'B', 's', 'e', 30, 'paper', "
                         "'{1}', '{1}', '{1}', '{0}', 0.5, 0.5, '{}', 1, 0, 1)"_s);
        QVERIFY2(rc != 0 && out.contains(u"does not exist"_s), qPrintable(out));
        std::tie(rc, out) =
            t.psqlNhu(0, u"SELECT cardinality(questions) FROM thilaixe_start_paper(%1);"
                         "SELECT thilaixe_hand_in_paper('f1', %1, %2, array_fill(1, ARRAY[30]), "
                         "NULL, NULL)"_s.arg(phien)
                             .arg(t.id[0]));
        QVERIFY2(rc == 0, qPrintable(out));
        const std::optional<BaiCuaPhien> bai = t.gv.deCuaHocVien(phien, t.id[0]);
        QVERIFY(bai && bai->de.cau.size() == 30);
        const int dung = static_cast<int>(std::count_if(bai->de.cau.begin(), bai->de.cau.end(),
                                                        [](int c) { return mau().cau(c)->dapAn == 1; }));
        QVERIFY(dung < 27);
        QCOMPARE(m_pg->sql(t.db, u"SELECT right_count, passed FROM attempt"_s).second, u"%1|f"_s.arg(dung));
        // F2: the paper again, with another id.
        std::tie(rc, out) =
            t.psqlNhu(0, u"SELECT thilaixe_hand_in_paper('f2', %1, %2, array_fill(1, ARRAY[30]), "
                         "NULL, NULL)"_s.arg(phien)
                             .arg(t.id[0]));
        QVERIFY2(rc != 0 && out.contains(u"handed in already"_s), qPrintable(out));
        // F3: answers that do not fit the paper.
        for (const QString& sai : {u"'{}'"_s, u"array_fill(9, ARRAY[30])"_s, u"array_fill(1, ARRAY[29])"_s}) {
            std::tie(rc, out) =
                t.psqlNhu(1, u"SELECT 1 FROM thilaixe_start_paper(%1); SELECT "
                             "thilaixe_hand_in_paper('f3', %1, %2, %3, NULL, NULL)"_s.arg(phien)
                                 .arg(t.id[1])
                                 .arg(sai));
            QVERIFY2(rc != 0 && out.contains(u"do not fit"_s), qPrintable(sai + u" → "_s + out));
        }
        // F4: no table is written but by the server's functions.
        for (const QString& sql :
             {u"INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark, "
              u"right_count, "
              "passed) VALUES(%1, 'b', 'v', 'r', 'B', 's', 'e', 0, 99, true)"_s.arg(t.id[1]),
              u"UPDATE session_paper SET status = 'handed_in'"_s, u"UPDATE attempt SET passed = true"_s,
              u"DELETE FROM attempt"_s, u"UPDATE learner_pin SET hash = ''"_s,
              u"INSERT INTO answer(profile, bank, question, at, \"right\") VALUES(%1, 'b', 1, 0, 1)"_s.arg(
                  t.id[1])}) {
            std::tie(rc, out) = t.psqlNhu(1, sql);
            QVERIFY2(rc != 0 && out.contains(u"permission denied"_s), qPrintable(sql + u" → "_s + out));
        }
        // F5 and F6: after the session closes, a learner who never sat
        // cannot begin or hand in, and one who sat cannot hand in late.
        QVERIFY(t.psqlNhu(1, u"SELECT 1 FROM thilaixe_start_paper(%1)"_s.arg(phien)).first == 0);
        QVERIFY(t.gv.dongPhien(phien));
        std::tie(rc, out) = t.psqlNhu(
            2,
            u"INSERT INTO session_paper(session, profile, seed) VALUES(%1, %2, 1)"_s.arg(phien).arg(t.id[2]));
        QVERIFY2(rc != 0 && out.contains(u"permission denied"_s), qPrintable(out));
        m_pg->sql(t.db, u"DELETE FROM session_paper WHERE profile = %1"_s.arg(t.id[2]));
        std::tie(rc, out) = t.psqlNhu(2, u"SELECT 1 FROM thilaixe_start_paper(%1)"_s.arg(phien));
        QVERIFY2(rc != 0 && out.contains(u"no paper"_s), qPrintable(out));
        std::tie(rc, out) =
            t.psqlNhu(2, u"SELECT thilaixe_hand_in_paper('f5', %1, %2, array_fill(0, ARRAY[30]), "
                         "NULL, NULL)"_s.arg(phien)
                             .arg(t.id[2]));
        QVERIFY2(rc != 0 && out.contains(u"no paper begun"_s), qPrintable(out));
        std::tie(rc, out) =
            t.psqlNhu(1, u"SELECT thilaixe_hand_in_paper('f6', %1, %2, array_fill(0, ARRAY[30]), "
                         "NULL, NULL)"_s.arg(phien)
                             .arg(t.id[1]));
        QVERIFY2(rc != 0 && out.contains(u"time is over"_s), qPrintable(out));
        QCOMPARE(m_pg->sql(t.db, u"SELECT count(*) FROM attempt"_s).second, u"1"_s);
        // F7: a session that opens tomorrow shows neither its papers nor
        // their seeds.
        const qint64 mai = t.moPhien(-86400);
        std::tie(rc, out) = t.psqlNhu(0, u"SELECT seed FROM session_paper WHERE session = %1"_s.arg(mai));
        QVERIFY2(rc != 0 && out.contains(u"permission denied"_s), qPrintable(out));
        std::tie(rc, out) = t.psqlNhu(0, u"SELECT seed FROM thilaixe_start_paper(%1)"_s.arg(mai));
        QVERIFY2(rc != 0 && out.contains(u"not open"_s), qPrintable(out));
        // Another's work, in their name.
        std::tie(rc, out) = t.psqlNhu(0, u"SELECT thilaixe_setting(%1, 'theme', '2')"_s.arg(t.id[1]));
        QVERIFY2(rc != 0 && out.contains(u"not yours"_s), qPrintable(out));
    }

    // The accounts: a PIN the program makes, shorter ones refused; guessing
    // stops at ten failures (a try rolled back counts too), the account
    // opening again after its time; a learner cannot change a PIN, and the
    // lab role changing its own password changes nothing; two lab
    // computers at most for one learner.
    void accountsHoldAgainstGuessing()
    {
        Truong t(*m_pg, 1);
        QCOMPARE(t.pin[0].pin.size(), 8);
        QVERIFY(!t.pin[0].pin.contains(QRegularExpression(u"[IO01]"_s)));
        QString loi;
        QVERIFY(!t.gv.themHocVien(t.khoa.id, u"99"_s, u"X"_s, u"1234"_s, {}, &loi));
        QVERIFY2(loi.contains(txt::kMcTL007), qPrintable(loi));
        QCOMPARE(taoPin(8, true).count(QRegularExpression(u"[0-9]"_s)), 8);

        m_pg->sql(t.db, u"INSERT INTO meta(key, value) VALUES('lockout_seconds', '3')"_s);
        const QString lab = conninfo(m_pg->lab(t.db));
        for (int i = 0; i < 9; ++i) {
            // Every other one inside a transaction rolled back.
            const QString thu = u"SELECT outcome FROM thilaixe_sign_in('K9', '01', 'WRONG%1XX')"_s.arg(i);
            const auto [rc, out] = m_pg->psql(lab, i % 2 ? u"BEGIN; "_s + thu + u"; ROLLBACK"_s : thu);
            QVERIFY2(out.contains(u"wrong"_s), qPrintable(out));
        }
        QVERIFY(m_pg->psql(lab, u"SELECT outcome FROM thilaixe_sign_in('K9', '01', 'WRONG9XX')"_s)
                    .second.contains(u"locked"_s));
        QVERIFY(m_pg->psql(lab, u"SELECT outcome FROM thilaixe_sign_in('K9', '01', '%1')"_s.arg(t.pin[0].pin))
                    .second.contains(u"locked"_s));
        {
            const auto kho = t.lab(0, u"o1"_s);
            QCOMPARE(kho->ketQuaDangNhap(), KetQuaDangNhap::BiKhoa);
            QVERIFY(!kho->sanSang());
        }
        QTest::qWait(3500);
        QVERIFY(m_pg->psql(lab, u"SELECT outcome FROM thilaixe_sign_in('K9', '01', '%1')"_s.arg(t.pin[0].pin))
                    .second.contains(u"ok"_s));
        // The lab's role may change its own password: it signs in without one.
        QCOMPARE(m_pg->psql(lab, u"ALTER ROLE current_user PASSWORD 'mine'"_s).first, 0);
        const auto a = t.lab(0, u"a"_s);
        QVERIFY2(a->sanSang(), qPrintable(a->canhBao()));
        const auto b = t.lab(0, u"b"_s);
        QVERIFY(b->sanSang());
        const auto c = t.lab(0, u"c"_s);
        QCOMPARE(c->ketQuaDangNhap(), KetQuaDangNhap::DangMoNoiKhac);
        // A teacher's new PIN opens a locked account and ends the old one.
        const std::optional<PinHocVien> moi =
            capLaiPin(t.gv, t.khoa, t.gv.hocVienCuaKhoa(t.khoa.id, {}, u"B"_s, 1).front(), true);
        QVERIFY(moi && moi->pin != t.pin[0].pin);
        QVERIFY(m_pg->psql(lab, u"SELECT outcome FROM thilaixe_sign_in('K9', '01', '%1')"_s.arg(t.pin[0].pin))
                    .second.contains(u"wrong"_s));
    }

    // Learners kept apart: each reads only their own, writes only their
    // own (a write in another's name is refused, not held), and a paper
    // sat outside a test is scored by the server from its own key, whatever
    // the lab computer counted; one whose bank or rule the server lacks is
    // refused. A teacher reads everyone's.
    void learnersAreKeptApartAndScoredByTheServer()
    {
        Truong t(*m_pg, 2);
        for (int i = 0; i < 2; ++i) {
            const auto kho = t.lab(i, u"lab%1"_s.arg(i));
            QVERIFY2(kho->sanSang(), qPrintable(kho->canhBao()));
            QVERIFY(!kho->laGiaoVien());
            QCOMPARE(kho->cacHoSo().size(), std::size_t{1});
            QCOMPARE(kho->hoSoDangHoc(), t.id[i]);
            BaiLam b = baiThi(t.id[i], 28);
            b.dapAn.assign(b.cau.size(), 1);  // what a forged lab computer might claim
            QString loi;
            QVERIFY2(kho->luuBaiLam(b, &loi), qPrintable(loi));
            QVERIFY(kho->ghiTraLoi(t.id[i], mau().id, 7, true, QDateTime::currentDateTime()));
            QVERIFY(kho->datGiaoDien(t.id[i], 2));
            const std::vector<BaiLam> kept = kho->cacBaiLam();
            QCOMPARE(kept.size(), std::size_t{1});
            QCOMPARE(kept[0].soDung(), 28);  // the server's key
            QVERIFY(kept[0].dat());
            QVERIFY(!kho->ghiTraLoi(t.id[1 - i], mau().id, 7, true, QDateTime::currentDateTime(), &loi));
            QVERIFY(loi.startsWith(txt::kMcTuChoi.arg(QString()).trimmed()));
            BaiLam khac = baiThi(t.id[1 - i], 30);
            QVERIFY(!kho->luuBaiLam(khac));
            BaiLam laBank = baiThi(t.id[i], 30);
            laBank.nganHang = u"gplx-600-2025"_s;
            QVERIFY(!kho->luuBaiLam(laBank, &loi));
            QVERIFY2(loi.contains(txt::kMcTL006), qPrintable(loi));
            BaiLam ngan = baiThi(t.id[i], 30);
            ngan.cau.resize(20);
            ngan.traLoi.resize(20);
            QVERIFY(!kho->luuBaiLam(ngan, &loi));  // twenty questions: no paper of class B
            QVERIFY2(loi.contains(txt::kMcTL003), qPrintable(loi));
            QCOMPARE(kho->soChoGhi(), std::size_t{0});  // refused, not held
        }
        QCOMPARE(t.psqlNhu(0, u"SELECT count(*) FROM attempt"_s).second.split(u'\n').last(), u"1"_s);
        QCOMPARE(t.psqlNhu(0, u"SELECT count(*) FROM profile"_s).second.split(u'\n').last(), u"1"_s);
        QVERIFY(t.psqlNhu(0, u"SELECT rolpassword FROM pg_authid"_s).second.contains(u"permission denied"_s));
        // Unsigned, the lab's role reads nothing of anyone's.
        QCOMPARE(m_pg->psql(conninfo(m_pg->lab(t.db)), u"SELECT count(*) FROM attempt"_s).second, u"0"_s);
        const auto sai = std::make_unique<KhoMayChu>(m_pg->lab(t.db), t.d.path(u"x"_s),
                                                     DangNhapHocVien{u"K9"_s, u"01"_s, u"AAAAAAAA"_s});
        QVERIFY(!sai->sanSang() && sai->ketQuaDangNhap() == KetQuaDangNhap::SaiPin);
        QCOMPARE(t.gv.cacBaiLam().size(), std::size_t{2});
        // An odd candidate number is kept as the text it is.
        QVERIFY(themHocVienCoPin(t.gv, t.khoa, {kNghichNgom, u"Z"_s, {}}, false));
        QCOMPARE(m_pg->sql(t.db, u"SELECT count(*) FROM profile WHERE candidate = '%1'"_s.arg(
                                     QString(kNghichNgom).replace(u"'"_s, u"''"_s)))
                     .second,
                 u"1"_s);
    }

    // A paper handed in while the server is away waits in the lab
    // computer's outbox (the learner is told so, and its misses are already
    // in practice) and is sent when the server is back. Sent again after a
    // lost reply, it is kept once; a teacher signing in at that computer
    // sends a learner's held paper for them, at once.
    void outboxSendsAHandInOnce()
    {
        Truong t(*m_pg, 1);
        const QString hopThu = t.d.path(kTepHopThu);
        const BaiLam b = baiThi(t.id[0], 25);
        {
            const auto kho = t.lab(0, kTepHopThu);
            QVERIFY(kho->sanSang());
            QVERIFY(m_pg->stop());
            QString loi;
            const bool daGui = kho->luuBaiLam(b, &loi).has_value();
            QVERIFY(m_pg->start());
            QVERIFY(!daGui);
            QCOMPARE(kho->soChoGhi(), std::size_t{1});
            QVERIFY(kho->thongBaoLoiGhi(loi).contains(txt::kKhoChoBaiThi.arg(1)));
            QVERIFY(kho->thongBaoLoiGhi(loi).contains(kTepHopThu));
            QVERIFY(kho->docOnTap(t.id[0], mau().id, 600).mucCua(b.cau[29]).canOn);  // slot 30 was wrong
        }
        // The outbox as it was before sending: as if the reply had been lost.
        QVERIFY(QFile::copy(hopThu, t.d.path(u"before-send"_s)));
        {
            const auto kho = t.lab(0, kTepHopThu);
            QVERIFY(kho->thuGhiLai());
            QCOMPARE(kho->soChoGhi(), std::size_t{0});
            QCOMPARE(kho->cacBaiLam().size(), std::size_t{1});
        }
        QVERIFY(QFile::remove(hopThu) && QFile::copy(t.d.path(u"before-send"_s), hopThu));
        {
            const auto kho = t.lab(0, kTepHopThu);
            QCOMPARE(kho->soChoGhi(), std::size_t{1});
            QVERIFY(kho->thuGhiLai());
            QCOMPARE(kho->cacBaiLam().size(), std::size_t{1});
            QCOMPARE(kho->cacBaiLam().front().cau, b.cau);
        }
        // Once more held, and the learner gone: the teacher's sign-in sends it.
        QVERIFY(QFile::remove(hopThu) && QFile::copy(t.d.path(u"before-send"_s), hopThu));
        KhoMayChu thay(m_pg->teacher(t.db), hopThu);
        QVERIFY(thay.sanSang());
        QCOMPARE(t.lab(0, kTepHopThu)->soChoGhi(), std::size_t{0});
        QCOMPARE(thay.cacBaiLam(t.id[0]).size(), std::size_t{1});
    }

    // A course-end test: the teacher opens a session (every paper drawn
    // then, from a seed of its own, under the session's rule); each learner
    // begins the server's paper (the same after a restart, answers as
    // left) and tells its progress; the teacher sees who has not started,
    // who sits on which slot, and who handed in with what. Closing it ends
    // the papers still open: one handed in within a minute's grace still
    // counts, and no new one starts. The course's list, its most missed
    // questions and its spreadsheet follow the papers kept.
    void courseEndTestSession()
    {
        Truong t(*m_pg, 3);
        const qint64 id = t.moPhien();
        const auto khoAn = t.lab(0, u"a"_s);
        const auto khoBinh = t.lab(1, u"b"_s);
        QCOMPARE(khoAn->phienDangMo().value_or(PhienKiemTra{}).id, id);
        const std::optional<BaiCuaPhien> baiAn = khoAn->batDauPhien(id);
        QVERIFY(baiAn && !baiAn->daNop && baiAn->de.cau.size() == 30 && baiAn->phut == 20);
        // The paper is the seed's under the session's rule: the one a
        // teacher reprints, the one a yard paper of that code gives.
        QCOMPARE(
            rutDeTheoHat(mau(), *boQuyTacCaiSan().timHang(u"B"_s), static_cast<std::uint64_t>(baiAn->hat))
                ->cau,
            baiAn->de.cau);
        std::vector<int> traLoi(30, 0);
        traLoi[0] = 1;
        traLoi[3] = 2;
        QVERIFY(khoAn->baoTienDo(id, 4, 900, traLoi));
        QVERIFY(!khoAn->baoTienDo(id, 4, 900, {1, 2}));     // not this paper's length: not taken
        QCOMPARE(khoAn->batDauPhien(id)->hat, baiAn->hat);  // a restart: the same paper, as left
        QCOMPARE(khoAn->batDauPhien(id)->traLoi, traLoi);
        QVERIFY(khoBinh->batDauPhien(id));
        using TT = TinhHinhHocVien::TrangThai;
        std::vector<TinhHinhHocVien> tt = t.gv.tinhHinh(id);
        QCOMPARE(tt.size(), std::size_t{3});
        QVERIFY(tt[0].trangThai == TT::DangLam && tt[0].o == 4 && tt[0].conGiay == 900
                && tt[0].hat == baiAn->hat);
        QVERIFY(tt[2].trangThai == TT::ChuaBatDau && tt[2].hat != 0);

        // An's paper, as the lab computer would hand it in.
        const PhienThi p = *PhienThi::kiemTra(mau(), u"tt12-2025"_s, *boQuyTacCaiSan().timHang(u"B"_s),
                                              *baiAn, QDateTime::currentDateTimeUtc());
        BaiLam b = p.baiLam(t.id[0]);
        b.phienKiemTra = id;
        for (std::size_t i = 0; i < b.cau.size(); ++i)
            b.traLoi[i] = i < 26 ? mau().cau(b.cau[i])->dapAn : 0;
        QVERIFY(khoAn->luuBaiLam(b));
        QVERIFY(t.gv.dongPhien(id));
        QVERIFY(!khoAn->phienDangMo());
        QVERIFY(!khoBinh->baoTienDo(id, 1, 100, std::vector<int>(30, 0)));  // closed: hand in now
        tt = t.gv.tinhHinh(id);
        QVERIFY(tt[0].trangThai == TT::DaNop && tt[0].soCau == 30 && tt[0].dung == 26 && !tt[0].dat);
        QVERIFY(tt[1].trangThai == TT::DaDongChuaNop);
        BaiLam bb = b;
        bb.hoSo = t.id[1];
        const std::optional<BaiCuaPhien> baiBinh = t.gv.deCuaHocVien(id, t.id[1]);
        bb.cau = baiBinh->de.cau;
        for (std::size_t i = 0; i < bb.cau.size(); ++i)
            bb.traLoi[i] = mau().cau(bb.cau[i])->dapAn;
        QVERIFY(khoBinh->luuBaiLam(bb));  // handed in at the closing, within the grace
        tt = t.gv.tinhHinh(id);
        QVERIFY(tt[1].trangThai == TT::DaNop && tt[1].dung == 30 && tt[1].dat);
        const auto khoChi = t.lab(2, u"c"_s);
        QVERIFY(!khoChi->batDauPhien(id));

        const std::vector<HocVienKhoaHoc> ds = t.gv.hocVienCuaKhoa(t.khoa.id, mau().id, u"B"_s, 2);
        QCOMPARE(ds.size(), std::size_t{3});
        QVERIFY(ds[0].soBai == 1 && ds[0].diemCuoi == 26 && ds[0].soCauCuoi == 30 && ds[2].soBai == 0);
        const std::vector<CauSaiNhieu> sai = t.gv.cauSaiNhieu(t.khoa.id, mau().id, 5);
        QCOMPARE(sai.size(), std::size_t{4});
        const QByteArray csv = csvKhoaHoc(t.gv.cacKhoaHoc().front(), ds, 60);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY2(csv.contains(u"01,Học Viên 1,1,0,26/30,26,0/60\r\n"_s.toUtf8()), csv.constData());
    }
};

QTEST_GUILESS_MAIN(TestKhoMayChu)
#include "test_kho_maychu.moc"
