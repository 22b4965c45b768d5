// Each figure beside its floor, measured in the same run:
//   picture/<size>/ours    a slot change's picture: decode at the size shown
//                          and hand it to the picture box (hienAnhCauHoi)
//   picture/<size>/floor   a bare QImageReader decode with setScaledSize
//   save/ours              GhiDuLieu of a 50-record history
//   save/floor             a bare QSaveFile write of the same bytes, synced,
//                          and the folder synced (the rename's durability)
//   read/ours              DocDuLieu of 50 records and both parsers for each
//   rescore/ours           re-scoring all 50 records as the review does
//   paper/ours             drawing one paper
//   globe_frame/ours       drawing one globe frame (the tick is 5 ms)
//   readiness/ours         the chance of passing from 50 kept exams, as the
//                          progress window works it out (2,000 papers)
//   bank600/ours           reading and checking the 600-question bank
//   bank600/floor          a bare QJsonDocument::fromJson of the same bytes
//   paper600/ours          drawing a class B paper from it
//   import600/ours         bringing a 600-row .xlsx with 600 pasted pictures
//                          in as a bank (nhapNganHang: read, check every row,
//                          write bank.json and the pictures, check the bank)
//   import600/floor        a bare unzip of every part of the same file
//   slot45/ours            a slot change on a 45-question paper of the
//                          sample bank (class D), cycling through its oCoAnh
//                          with a picture: text, options, grid and the
//                          picture decoded at the size shown
//   slot45/floor           a bare QImageReader decode of the same pictures
//                          at the same size
//   search600/ours         one keystroke of a search over the 600 questions
//                          (the query grows letter by letter)
//   attempt/ours           keeping a 45-question attempt in the learner's
//                          store (KhoHocVien::luuBaiLam: five misses go
//                          into practice in the same transaction)
//   attempt/floor          one bare SQLite transaction (C API) in the store's
//                          schema with its pragmas, writing the same rows:
//                          the attempt, its slots and the misses' practice
#include "BaiLamMau.h"
#include "sample/NganHangMau2025.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/XuLyCacCauHoi.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/databank/NhapNganHang.h"
#include "rules/decor/KhungQuaDia.h"
#include "rules/exam/KetQuaThi.h"
#include "rules/history/LichSuThi.h"
#include "rules/practice/TienBo.h"
#include "rules/session/DuBao.h"
#include "rules/session/KeHoach.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/KhoSqlite.h"

#include "screens/common/HienAnh.h"
#include "screens/common/MoiTruong.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/KhungCauHoi.h"
#include "screens/databank/NganHangMo.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QLabel>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>
#include <unzip.h>

using namespace thilaixe;

namespace {

class BenchSeams final : public Seams {
public:
    void thoat() override {}
    void hienThongBao(const QString&, const QString&, std::function<void()>) override {}
    void hoiChon(const QString&, const QString&, const QStringList&, std::function<void(int)>) override {}
    void chonTepLuu(const QString&, const QString&, std::function<void(QString)>) override {}
    QDateTime bayGio() override { return QDateTime::currentDateTime(); }
    NguonNgauNhien& ngauNhien() override { return m_rng; }

private:
    NguonCoDinh m_rng{1};
};

QTemporaryDir& folder()
{
    static QTemporaryDir d;
    return d;
}

// A photograph-like JPEG (noise and gradients decode like a real picture).
QString picture(int w, int h)
{
    const QString name = folder().filePath(QStringLiteral("%1.jpg").arg(w == 640    ? 1
                                                                        : w == 1280 ? 2
                                                                                    : 3,
                                                                        3, 10, QLatin1Char('0')));
    if (!QFile::exists(name)) {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 3 ^ x) & 255, (x * y) & 255));
        img.save(name, "JPG", 90);
    }
    return name;
}

SharedState exam(int n)
{
    SharedState s;
    NapDapAn(s);
    for (int i = 1; i <= kSoCau; ++i) {
        s.CH[i] = static_cast<std::int16_t>(i * 10 - n % 9);
        s.TL[i] = static_cast<std::int16_t>(1 + (i + n) % 2);
    }
    s.Hang = QStringLiteral("B2");
    s.NgayThi = QDate(2026, 12, 8);
    s.GioThi = QTime(10, n % 60, 0);
    return s;
}

QString history50()
{
    const QString tep = folder().filePath(QStringLiteral("DuLieu.txt"));
    QFile::remove(tep);
    for (int n = 0; n < 50; ++n)
        GhiDuLieu(exam(n), tep);
    return tep;
}

void pictureOurs(benchmark::State& st)
{
    const int w = static_cast<int>(st.range(0));
    const QString name = picture(w, w * 3 / 4);
    BenchSeams seams;
    MoiTruong mt(seams, folder().path());
    QLabel img;
    img.resize(400, 300);
    const auto q = static_cast<std::int16_t>(QFileInfo(name).baseName().toInt());
    for (auto _ : st)
        benchmark::DoNotOptimize(hienAnhCauHoi(mt, &img, q, NoiBaoLoi::Thi));
}

void pictureFloor(benchmark::State& st)
{
    const int w = static_cast<int>(st.range(0));
    const QString name = picture(w, w * 3 / 4);
    for (auto _ : st) {
        QImageReader r(name);
        r.setScaledSize(QSize(400, 300));
        benchmark::DoNotOptimize(r.read());
    }
}

void saveOurs(benchmark::State& st)
{
    const QString tep = history50();
    const SharedState s = exam(99);
    for (auto _ : st)
        benchmark::DoNotOptimize(GhiDuLieu(s, tep));
}

void saveFloor(benchmark::State& st)
{
    QFile f(history50());
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    const QString tep = folder().filePath(QStringLiteral("bare.txt"));
    for (auto _ : st) {
        QSaveFile out(tep);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.flush();
        ::fsync(out.handle());
        benchmark::DoNotOptimize(out.commit());
        // The rename is durable only once the folder is synced too.
        const int dir = ::open(QFile::encodeName(folder().path()).constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
}

void readOurs(benchmark::State& st)
{
    const QString tep = history50();
    for (auto _ : st) {
        SharedState s;
        DocDuLieu(s, tep);
        for (int r = 1; r <= kSoLanLuu; ++r) {
            TachLanDaThi(s, r);
        }
        benchmark::DoNotOptimize(s);
    }
}

void rescoreOurs(benchmark::State& st)
{
    SharedState s;
    NapDapAn(s);
    DocDuLieu(s, history50());
    for (auto _ : st) {
        int dung = 0;
        for (int r = 1; r <= kSoLanLuu; ++r) {
            TachLanDaThi(s, r);
            dung += ketQuaLanDaThi(s).dung;
        }
        benchmark::DoNotOptimize(dung);
    }
}

void paperOurs(benchmark::State& st)
{
    SharedState s;
    NguonCoDinh rng(7);
    for (auto _ : st) {
        TaoDeThi(s, rng);
        benchmark::DoNotOptimize(s.CH[30]);
    }
}

void globeFrameOurs(benchmark::State& st)
{
    int k = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(veKhungQuaDia(k++ % 15 + 1, QSize(281, 250)));
}

void readinessOurs(benchmark::State& st)
{
    const std::vector<LanThi> ds = docCacLanThi(history50());
    SoOnTap onTap;
    onTap.gopLanThi(ds);
    const QuyTacHang& b2 = *boQuyTacCoDien().timHang(QStringLiteral("B2"));
    for (auto _ : st) {
        BoSinhSo rng(1);
        benchmark::DoNotOptimize(uocLuongSanSang(nganHangCoDien(), b2, ds, onTap, rng).xacSuat);
    }
}

}  // namespace

void bank600Ours(benchmark::State& st)
{
    const QByteArray b = taoNganHangMau2025();
    for (auto _ : st)
        benchmark::DoNotOptimize(docNganHang(b));
}

void bank600Floor(benchmark::State& st)
{
    const QByteArray b = taoNganHangMau2025();
    for (auto _ : st)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(b));
}

namespace {

// The sample bank with a picture for every question (the sample's own,
// taken in turn), exported as a school's .xlsx with them pasted in.
const QString& sheet600()
{
    static QTemporaryDir dir;
    static QString file;
    if (!file.isEmpty())
        return file;
    NganHang nh = *docNganHangTep(QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json")).giaTri;
    QStringList own;
    for (const CauHoiNganHang& c : nh.cauHoi)
        if (!c.anh.isEmpty())
            own << c.anh;
    QDir().mkpath(dir.filePath(QStringLiteral("images")));
    for (CauHoiNganHang& c : nh.cauHoi) {
        const QString to = QStringLiteral("images/%1.png").arg(c.so, 3, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral(THILAIXE_SAMPLE_2025 "/") + own[(c.so - 1) % own.size()],
                    dir.filePath(to));
        c.anh = to;
    }
    QString why;
    const std::optional<BangGhi> b = bangCuaNganHang(nh, dir.path(), true, &why);
    file = dir.filePath(QStringLiteral("bank.xlsx"));
    if (!b || !ghiBangTinh(file, *b, &why))
        qFatal("sheet600: %s", qPrintable(why));
    return file;
}

}  // namespace

void import600Ours(benchmark::State& st)
{
    const QString& file = sheet600();
    QTemporaryDir out;
    int n = 0;
    for (auto _ : st) {
        const KetQuaNhap k =
            nhapNganHang({file, {}, out.filePath(QString::number(++n)), QDate(2026, 12, 10)});
        if (!k.duoc() || k.soAnh != 600)
            st.SkipWithError("import600: not imported");
        st.PauseTiming();
        QDir(out.filePath(QString::number(n))).removeRecursively();
        st.ResumeTiming();
    }
}

void import600Floor(benchmark::State& st)
{
    const QByteArray name = QFile::encodeName(sheet600());
    for (auto _ : st) {
        unzFile z = unzOpen64(name.constData());
        qint64 total = 0;
        char buf[65536];
        for (int r = unzGoToFirstFile(z); r == UNZ_OK; r = unzGoToNextFile(z)) {
            unzOpenCurrentFile(z);
            for (int k; (k = unzReadCurrentFile(z, buf, sizeof buf)) > 0;)
                total += k;
            unzCloseCurrentFile(z);
        }
        unzClose(z);
        benchmark::DoNotOptimize(total);
    }
}

void paper600Ours(benchmark::State& st)
{
    const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
    const BoQuyTac r = boQuyTacCaiSan();
    const QuyTacHang& b = *r.timHang(QStringLiteral("B"));
    BoSinhSo rng(1);
    for (auto _ : st)
        benchmark::DoNotOptimize(rutDe(nh, b, rng));
}

void attemptOurs(benchmark::State& st)
{
    QTemporaryDir d;
    KhoSqlite kho(d.filePath(kTepKho));
    const BaiLam b = test::baiLam45();
    for (auto _ : st)
        benchmark::DoNotOptimize(kho.luuBaiLam(b));
}

// A hand-in while another copy holds the store: the longest a window waits
// before the attempt is held (the holder is a second connection).
void attemptHeld(benchmark::State& st)
{
    QTemporaryDir d;
    const BaiLam b = test::baiLam45();
    {
        KhoSqlite kho(d.filePath(kTepKho));
        kho.datThoiGianCho(kChoGhiCuaSoMs);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(d.filePath(kTepKho));
        db.open();
        QSqlQuery hold(db);
        hold.exec(QStringLiteral("BEGIN IMMEDIATE"));
        for (auto _ : st)
            benchmark::DoNotOptimize(kho.luuBaiLam(b));
        hold.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}

// A practice answer while N changes are already held (another copy holds
// the store): held behind them at once, never replaying them all.
void answerHeld(benchmark::State& st)
{
    QTemporaryDir d;
    {
        KhoSqlite kho(d.filePath(kTepKho));
        kho.datThoiGianCho(kChoGhiCuaSoMs);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(d.filePath(kTepKho));
        db.open();
        QSqlQuery hold(db);
        hold.exec(QStringLiteral("BEGIN IMMEDIATE"));
        const QDateTime luc(QDate(2026, 12, 1), QTime(9, 0));
        for (int i = 0; i < st.range(0); ++i)
            kho.ghiTraLoi(1, QStringLiteral("b"), 1 + i % 600, true, luc);
        int i = 0;
        for (auto _ : st)
            benchmark::DoNotOptimize(kho.ghiTraLoi(1, QStringLiteral("b"), 1 + ++i % 600, true, luc));
        hold.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}

void attemptFloor(benchmark::State& st)
{
    // The store's own schema (made by the store, then closed), the same
    // pragmas and the same rows: the attempt, its 45 slots and its five
    // misses put back into practice.
    QTemporaryDir d;
    {
        KhoSqlite taoKho(d.filePath(kTepKho));
    }
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(d.filePath(kTepKho)).constData(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA busy_timeout=10000;"
                 "PRAGMA foreign_keys=ON; PRAGMA cache_size=-256;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* a = nullptr;
    sqlite3_stmt* s = nullptr;
    sqlite3_stmt* p = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark) "
        "VALUES(1, 'gplx-600-2025', '2025-06-01', 'tt12-2025', 'D', '2026-12-09T10:00:00Z', "
        "'2026-12-09T10:25:00Z', 41)",
        -1, &a, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO attempt_slot VALUES(?, ?, ?, ?, ?, ?)", -1, &s, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO practice VALUES(1, 'gplx-600-2025', ?, 1, 0, 0, 0) ON CONFLICT(profile, "
                       "bank, question) DO UPDATE SET in_list = 1, streak = 0",
                       -1, &p, nullptr);
    const BaiLam b = test::baiLam45();
    for (auto _ : st) {
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_step(a);
        sqlite3_reset(a);
        const sqlite3_int64 id = sqlite3_last_insert_rowid(db);
        for (int i = 0; i < 45; ++i) {
            const auto k = static_cast<std::size_t>(i);
            sqlite3_bind_int64(s, 1, id);
            sqlite3_bind_int(s, 2, i);
            sqlite3_bind_int(s, 3, b.cau[k]);
            sqlite3_bind_int(s, 4, b.traLoi[k]);
            sqlite3_bind_int(s, 5, b.dapAn[k]);
            sqlite3_bind_int(s, 6, i == 7);
            sqlite3_step(s);
            sqlite3_reset(s);
            if (b.traLoi[k] != b.dapAn[k]) {
                sqlite3_bind_int(p, 1, b.cau[k]);
                sqlite3_step(p);
                sqlite3_reset(p);
            }
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(a);
    sqlite3_finalize(s);
    sqlite3_finalize(p);
    sqlite3_close(db);
}

namespace {

// The paper and the pictures of its oCoAnh, with the size they are shown at.
struct Paper45 {
    BenchSeams seams;
    QTemporaryDir dir;
    MoiTruong mt{seams, dir.path()};
    std::shared_ptr<NganHangMo> nh;
    std::unique_ptr<FormBaiThi> form;
    std::vector<int> oCoAnh;
    std::vector<QString> files;
    Paper45()
    {
        QString why;
        nh = moNganHang(QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json"), QDate::currentDate(), &why);
        form.reset(FormBaiThi::moBai(mt, nh, 1, QStringLiteral("D")));
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        for (std::size_t i = 0; i < form->de().cau.size(); ++i)
            if (const CauHoiNganHang* c = nh->nh.cau(form->de().cau[i]); !c->anh.isEmpty()) {
                oCoAnh.push_back(static_cast<int>(i));
                files.push_back(QDir(nh->thuMuc).filePath(c->anh));
            }
        form->denO(oCoAnh.front());
        QCoreApplication::processEvents();
    }
};

}  // namespace

void slot45Ours(benchmark::State& st)
{
    Paper45 p;
    std::size_t i = 0;
    // Until the picture is on screen: it is decoded away from the window
    // (the first round; later rounds find it kept).
    const AnhTrongKhung* anh = p.form->khung()->anh();
    for (auto _ : st) {
        p.form->denO(p.oCoAnh[i++ % p.oCoAnh.size()]);
        while (anh->dangGiaiMa())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    st.counters["pictures"] = static_cast<double>(p.oCoAnh.size());
}

void slot45Floor(benchmark::State& st)
{
    Paper45 p;
    const QSize box = (QSizeF(p.form->khung()->anh()->size()) * p.form->devicePixelRatioF()).toSize();
    std::size_t i = 0;
    for (auto _ : st) {
        QImageReader r(p.files[i++ % p.files.size()]);
        r.setScaledSize(r.size().scaled(box, Qt::KeepAspectRatio));
        benchmark::DoNotOptimize(r.read());
    }
}

// A learner's memory of a 600-question pool and today's plan, from 10,000
// answers logged over 60 days: read from the store and computed (ours),
// computed alone, and the store's bare read of the same rows (floor).
namespace {
struct NhatKy600 {
    QTemporaryDir d;
    QString tep() const { return d.filePath(kTepKho); }
    NhatKy600()
    {
        {
            KhoSqlite kho(tep());
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("log"));
        db.setDatabaseName(tep());
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(
            QStringLiteral("INSERT INTO answer(profile, bank, question, at, right) VALUES(1, 'b', ?, ?, ?)"));
        BoSinhSo rng(7);
        const QDateTime dau(QDate(2026, 10, 1), QTime(8, 0));
        for (int i = 0; i < 10000; ++i) {
            q.addBindValue(static_cast<int>(rng.next() % 600) + 1);
            q.addBindValue(KhoHocVien::lucDongHo(dau.addSecs(static_cast<qint64>(i) * 518)));
            q.addBindValue(rng.next() % 4 != 0 ? 1 : 0);
            q.exec();
        }
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("log"));
    }
};
std::vector<int> nhom600()
{
    std::vector<int> v(600);
    for (int i = 0; i < 600; ++i)
        v[static_cast<std::size_t>(i)] = i + 1;
    return v;
}
}  // namespace

void plan600Ours(benchmark::State& st)
{
    NhatKy600 nk;
    KhoSqlite kho(nk.tep());
    const std::vector<int> nhom = nhom600();
    const QSet<int> liet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (auto _ : st) {
        const auto nho =
            triNhoCacCau(600, kho.cacBaiLam(1, QStringLiteral("b")), kho.cacTraLoi(1, QStringLiteral("b")));
        benchmark::DoNotOptimize(lapKeHoach(nho, nhom, liet, QDate(2026, 12, 10), QDate(2027, 3, 15), 40));
    }
}

void plan600Compute(benchmark::State& st)
{
    NhatKy600 nk;
    KhoSqlite kho(nk.tep());
    const auto traLoi = kho.cacTraLoi(1, QStringLiteral("b"));
    const std::vector<int> nhom = nhom600();
    const QSet<int> liet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (auto _ : st) {
        const auto nho = triNhoCacCau(600, {}, traLoi);
        benchmark::DoNotOptimize(lapKeHoach(nho, nhom, liet, QDate(2026, 12, 10), QDate(2027, 3, 15), 40));
    }
}

void plan600Floor(benchmark::State& st)
{
    NhatKy600 nk;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
    db.setDatabaseName(nk.tep());
    db.open();
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        for (auto _ : st) {
            q.exec(QStringLiteral(
                "SELECT question, at, right FROM answer WHERE profile = 1 AND bank = 'b' ORDER BY at"));
            int n = 0;
            while (q.next())
                n += q.value(0).toInt();
            benchmark::DoNotOptimize(n);
        }
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("floor"));
}

// Readiness for a class B paper of March 2027 (50 questions) from the
// memory of each question on the exam day, with both estimates scored over
// the same 10,000 answers (ours), against today's estimate alone from the
// rates, the same 1,000 papers drawn (floor).
namespace {
struct SanSang600 {
    NhatKy600 nk;
    NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
    BoQuyTac bo = cacBoQuyTacCaiSan().back();
    const QuyTacHang& b = *bo.timHang(QStringLiteral("B"));
    SanSang600() { nh.id = QStringLiteral("b"); }
};
}  // namespace

void readiness600Ours(benchmark::State& st)
{
    SanSang600 s;
    KhoSqlite kho(s.nk.tep());
    for (auto _ : st) {
        const HoSoHang h = docHoSoHang(kho, 1, s.nh, QStringLiteral("B"));
        const std::vector<LanTraLoi> ds = lanTraLoiCuaHocVien(kho, 1, s.nh.id);
        benchmark::DoNotOptimize(uocLuongHaiCach(s.nh, s.b, h, ds, QDate(2027, 3, 15)).triNho);
    }
}

void readiness600Floor(benchmark::State& st)
{
    SanSang600 s;
    KhoSqlite kho(s.nk.tep());
    const HoSoHang h = docHoSoHang(kho, 1, s.nh, QStringLiteral("B"));
    for (auto _ : st) {
        BoSinhSo rng(1);
        benchmark::DoNotOptimize(
            sanSangTuXacSuat(s.nh, s.b, xacSuatDung(s.nh, h.lanThi, h.onTap), rng, kSoDeHienThi));
    }
}

void search600Ours(benchmark::State& st)
{
    QString why;
    const std::shared_ptr<NganHangMo> nh =
        moNganHang(QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json"), QDate::currentDate(), &why);
    const QString typed = QStringLiteral("cau hoi mau so 412 chuong 5");
    int n = 1;
    for (auto _ : st) {
        benchmark::DoNotOptimize(nh->chiMuc().tim(typed.left(n)));
        n = n % typed.size() + 1;
    }
}

BENCHMARK(slot45Ours)->Name("slot45/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(slot45Floor)->Name("slot45/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(search600Ours)->Name("search600/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(plan600Ours)->Name("plan600/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(plan600Compute)->Name("plan600/compute")->Unit(benchmark::kMillisecond);
BENCHMARK(plan600Floor)->Name("plan600/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(readiness600Ours)->Name("readiness600/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(readiness600Floor)->Name("readiness600/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(attemptOurs)->Name("attempt/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(attemptFloor)->Name("attempt/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(attemptHeld)->Name("attempt_held/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(answerHeld)->Name("answer_held/ours")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(bank600Ours)->Name("bank600/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(bank600Floor)->Name("bank600/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(import600Ours)->Name("import600/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(import600Floor)->Name("import600/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(paper600Ours)->Name("paper600/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(pictureOurs)->Name("picture/ours")->Arg(640)->Arg(1280)->Arg(6000)->Unit(benchmark::kMillisecond);
BENCHMARK(pictureFloor)->Name("picture/floor")->Arg(640)->Arg(1280)->Arg(6000)->Unit(benchmark::kMillisecond);
BENCHMARK(saveOurs)->Name("save/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(saveFloor)->Name("save/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(readOurs)->Name("read/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(rescoreOurs)->Name("rescore/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(paperOurs)->Name("paper/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(globeFrameOurs)->Name("globe_frame/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(readinessOurs)->Name("readiness/ours")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
