#include "rules/kho/KhoSqlite.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/dulieu/NganHangDL.h"
#include "rules/kho/LenhSqlite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace thilaixe {

namespace {

// Schema steps: kBuoc[v] brings a store of version v to v + 1.
const std::vector<std::vector<QString>>& cacBuoc()
{
    static const std::vector<std::vector<QString>> buoc{
        {
            QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID"),
            QStringLiteral("CREATE TABLE profile(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
                           "created TEXT NOT NULL)"),
            QStringLiteral(
                "CREATE TABLE setting(profile INTEGER NOT NULL REFERENCES profile(id), key TEXT NOT "
                "NULL, value TEXT NOT NULL, PRIMARY KEY(profile, key)) WITHOUT ROWID"),
            QStringLiteral(
                "CREATE TABLE attempt(id INTEGER PRIMARY KEY, profile INTEGER NOT NULL REFERENCES "
                "profile(id), bank TEXT NOT NULL, bank_version TEXT NOT NULL, rules TEXT NOT NULL, "
                "class TEXT NOT NULL, started TEXT NOT NULL, ended TEXT NOT NULL, pass_mark INTEGER "
                "NOT NULL)"),
            QStringLiteral("CREATE INDEX attempt_bank ON attempt(profile, bank, id)"),
            QStringLiteral(
                "CREATE TABLE attempt_slot(attempt INTEGER NOT NULL REFERENCES attempt(id) ON DELETE "
                "CASCADE, slot INTEGER NOT NULL, question INTEGER NOT NULL, answer INTEGER NOT NULL, "
                "key INTEGER NOT NULL, critical INTEGER NOT NULL, PRIMARY KEY(attempt, slot)) "
                "WITHOUT ROWID"),
            QStringLiteral(
                "CREATE TABLE practice(profile INTEGER NOT NULL REFERENCES profile(id), bank TEXT NOT "
                "NULL, question INTEGER NOT NULL, in_list INTEGER NOT NULL, streak INTEGER NOT NULL, "
                "right INTEGER NOT NULL, wrong INTEGER NOT NULL, PRIMARY KEY(profile, bank, "
                "question)) WITHOUT ROWID"),
            QStringLiteral(
                "CREATE TABLE practice_folded(profile INTEGER NOT NULL REFERENCES profile(id), bank "
                "TEXT NOT NULL, exam TEXT NOT NULL, PRIMARY KEY(profile, bank, exam)) WITHOUT ROWID"),
            QStringLiteral("INSERT INTO profile(id, name, created) VALUES(1, '%1', datetime('now'))")
                .arg(txt::kHoSoMacDinh),
        },
        {
            // 2: critical questions' days of right answers, and the readiness
            // shown before each attempt.
            QStringLiteral(
                "CREATE TABLE critical_right(profile INTEGER NOT NULL REFERENCES profile(id), bank TEXT "
                "NOT NULL, question INTEGER NOT NULL, day TEXT NOT NULL, PRIMARY KEY(profile, bank, "
                "question, day)) WITHOUT ROWID"),
            QStringLiteral(
                "CREATE TABLE prediction(attempt INTEGER PRIMARY KEY REFERENCES attempt(id) ON DELETE "
                "CASCADE, pass REAL NOT NULL, critical REAL NOT NULL)"),
        }};
    return buoc;
}

int gioiHan(qint64 v, int thap, int cao) { return static_cast<int>(std::clamp<qint64>(v, thap, cao)); }

MucOnTap docMuc(const QSqlQuery& q, int cot)
{
    return {q.value(cot).toInt() != 0, gioiHan(q.value(cot + 1).toLongLong(), 0, kDungDeXong - 1),
            gioiHan(q.value(cot + 2).toLongLong(), 0, kDemToiDa),
            gioiHan(q.value(cot + 3).toLongLong(), 0, kDemToiDa)};
}

bool ghiMuc(LenhSqlite& lenh, qint64 hoSo, const QString& nganHang, int cau, const MucOnTap& m)
{
    return lenh.chay(
        QStringLiteral("INSERT OR REPLACE INTO practice(profile, bank, question, in_list, streak, right, "
                       "wrong) VALUES(?, ?, ?, ?, ?, ?, ?)"),
        {hoSo, nganHang, cau, m.canOn ? 1 : 0, m.dungLienTiep, m.dung, m.sai});
}

std::optional<MucOnTap> docMucTrongKho(LenhSqlite& lenh, qint64 hoSo, const QString& nganHang, int cau)
{
    MucOnTap m;
    if (!lenh.chay(QStringLiteral(
                       "SELECT in_list, streak, right, wrong FROM practice WHERE profile = ? AND bank = ? "
                       "AND question = ?"),
                   {hoSo, nganHang, cau}, [&](QSqlQuery& q) {
                       if (q.next())
                           m = docMuc(q, 0);
                   }))
        return std::nullopt;
    return m;
}

// A free name beside `tep`: tep + duoi, or with -2, -3... added.
QString tenTrong(const QString& goc)
{
    QString ten = goc;
    for (int n = 2; QFileInfo::exists(ten) || QFileInfo(ten).isSymLink(); ++n)
        ten = goc + QStringLiteral("-%1").arg(n);
    return ten;
}

// Copies a store and its -wal (when there is one) under another name.
bool chepKemWal(const QString& tu, const QString& den)
{
    const QString wal = QStringLiteral("-wal");
    return QFile::copy(tu, den) && (!QFileInfo::exists(tu + wal) || QFile::copy(tu + wal, den + wal));
}

QString dauThoiGian() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")); }

// The WAL's checksum over `n` bytes (pairs of 32-bit words), continuing s.
void tongKiem(const char* p, qsizetype n, bool lon, quint32& s0, quint32& s1)
{
    for (qsizetype i = 0; i + 8 <= n; i += 8) {
        const quint32 x0 = lon ? qFromBigEndian<quint32>(p + i) : qFromLittleEndian<quint32>(p + i);
        const quint32 x1 = lon ? qFromBigEndian<quint32>(p + i + 4) : qFromLittleEndian<quint32>(p + i + 4);
        s0 += x0 + s1;
        s1 += x1 + s0;
    }
}

// The frames of committed transactions in a -wal file as written: those of
// its current generation (the header's salt, or the first frame's when the
// header itself is damaged) up to the last whole frame that ends a
// transaction. Each frame is checked on its own, against the checksum the
// frame before it carries, so a torn last transaction (never acknowledged)
// does not count, while whole transactions after a damaged frame do: SQLite
// stops at the first bad frame and drops those.
int khungDaCommit(const QByteArray& wal)
{
    if (wal.size() < 32)
        return 0;
    const char* p = wal.constData();
    const quint32 magic = qFromBigEndian<quint32>(p);
    const bool lon = magic == 0x377f0683;
    quint32 trang = qFromBigEndian<quint32>(p + 8);
    quint32 s0 = 0, s1 = 0;
    tongKiem(p, 24, lon, s0, s1);
    const bool dauTot = (magic & 0xfffffffe) == 0x377f0682 && s0 == qFromBigEndian<quint32>(p + 24)
                        && s1 == qFromBigEndian<quint32>(p + 28);
    if (trang == 1)
        trang = 65536;
    if (trang < 512 || trang > 65536 || (trang & (trang - 1)) != 0)
        trang = 4096;  // a damaged header: SQLite's usual page
    const qsizetype khung = 24 + static_cast<qsizetype>(trang);
    const qsizetype n = (wal.size() - 32) / khung;
    if (n == 0)
        return 0;
    const char* muoi = dauTot ? p + 16 : p + 32 + 8;
    const char* truoc = p + 24;  // the checksum the previous frame carries
    int cuoi = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char* h = p + 32 + i * khung;
        if (std::memcmp(h + 8, muoi, 8) != 0)
            continue;  // an earlier generation's, or a damaged frame
        quint32 c0 = qFromBigEndian<quint32>(truoc), c1 = qFromBigEndian<quint32>(truoc + 4);
        tongKiem(h, 8, lon, c0, c1);
        tongKiem(h + 24, trang, lon, c0, c1);
        truoc = h + 16;
        if (c0 == qFromBigEndian<quint32>(h + 16) && c1 == qFromBigEndian<quint32>(h + 20)
            && qFromBigEndian<quint32>(h + 4) != 0)
            cuoi = static_cast<int>(i + 1);
    }
    return cuoi;
}

// Whether another process has the store open: each SQLite connection holds
// a read lock on byte 128 of the -shm file while it lives. A -wal met then
// is that process's, not one left by a program killed before a checkpoint.
bool coTienTrinhKhacMo(const QString& tep)
{
    return coKhoaCuaTienTrinhKhac(tep + QStringLiteral("-shm"), 128);
}

}  // namespace

KhoSqlite::KhoSqlite(QString tep, CheDo cheDo, int choMs)
    : m_tep(std::move(tep)), m_cheDo(cheDo), m_choMs(choMs)
{
    static std::atomic<int> dem{0};
    m_ketNoi = QStringLiteral("thilaixe-kho-%1").arg(++dem);
    m_lenh.datKetNoi(m_ketNoi);
    if (!moTep())
        return;
    if (m_cheDo == CheDo::Ghi)
        nhapOnTapCu();
}

KhoSqlite::~KhoSqlite()
{
    m_lenh.quen();
    {
        QSqlDatabase db = m_lenh.db();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_ketNoi);
}

void KhoSqlite::moBoNho(const QString& lyDo)
{
    m_lenh.quen();
    {
        QSqlDatabase cu = m_lenh.db();
        cu.close();
    }
    QSqlDatabase::removeDatabase(m_ketNoi);
    m_trongBoNho = true;
    // After what was said of a damaged -wal, if anything.
    if (!lyDo.isEmpty())
        m_canhBao = (m_canhBao.isEmpty() ? QString() : m_canhBao + QStringLiteral("\n\n"))
                    + (m_cheDo == CheDo::ChiDoc ? txt::kKhoKhongDoc : txt::kKhoTrongBoNho)
                          .arg(QDir::toNativeSeparators(m_tep), lyDo);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ketNoi);
    db.setDatabaseName(QStringLiteral(":memory:"));
    db.open();
    bool cu = false;
    QString viSao;
    kiemTraVaNangCap(&viSao, &cu);
}

void KhoSqlite::doiCho(const QString& viSao)
{
    m_lenh.quen();
    {
        QSqlDatabase cu = m_lenh.db();
        cu.close();
    }
    QSqlDatabase::removeDatabase(m_ketNoi);
    const QString moi = tenTrong(m_tep + QStringLiteral(".hong-")
                                 + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // The file and its journal go together, so the moved copy opens whole.
    bool doiDuoc = QFile::rename(m_tep, moi);
    for (const QString& duoi : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(m_tep + duoi))
            doiDuoc = QFile::rename(m_tep + duoi, moi + duoi) && doiDuoc;
    if (!doiDuoc) {
        moBoNho(viSao + QStringLiteral("; không đổi tên được tệp"));
        return;
    }
    m_canhBao =
        txt::kKhoHongDoiCho.arg(QDir::toNativeSeparators(m_tep), viSao, QDir::toNativeSeparators(moi));
}

bool KhoSqlite::moTep()
{
    const bool chiDoc = m_cheDo == CheDo::ChiDoc;
    m_tepMo = m_tep;
    const ThongTinTep st = xemTep(m_tep);
    if (st.loai != LoaiTep::KhongCo) {
        if (st.loai == LoaiTep::LienKet) {
            moBoNho(lyDoLoi(ELOOP));
            return false;
        }
        if (st.loai != LoaiTep::Thuong) {
            moBoNho(st.loai == LoaiTep::ThuMuc ? QStringLiteral("là một thư mục, không phải tệp")
                                               : QStringLiteral("không phải tệp thường"));
            return false;
        }
        QFile f(m_tep);
        if (!f.open(QIODevice::ReadOnly)) {
            moBoNho(QStringLiteral("không đọc được tệp: %1").arg(lyDoLoi(EACCES)));
            return false;
        }
        if (st.kichThuoc > 0 && f.read(16) != QByteArray("SQLite format 3\0", 16)) {
            if (chiDoc) {
                moBoNho(QStringLiteral("không phải tệp dữ liệu của chương trình"));
                return false;
            }
            f.close();
            doiCho(QStringLiteral("không phải tệp dữ liệu của chương trình"));
            if (m_trongBoNho)
                return false;
        }
    } else if (errno != ENOENT) {
        // A folder that may not be read is not an empty store.
        moBoNho(lyDoLoi(errno));
        return false;
    } else if (chiDoc) {
        moBoNho(QString());  // nothing kept yet: an empty store
        return false;
    }
    // Committed changes still in the -wal: a copy is kept until SQLite has
    // been seen to recover them all.
    int khungWal = 0;
    QString banSao;
    {
        QFile w(m_tep + QStringLiteral("-wal"));
        if (QFileInfo(w.fileName()).isFile() && w.size() > 32 && !coTienTrinhKhacMo(m_tep)
            && w.open(QIODevice::ReadOnly))
            khungWal = khungDaCommit(w.read(qint64{256} * 1024 * 1024));
    }
    // A store in a folder one may not write in cannot be opened in place
    // (WAL wants its -shm): the windows show a copy of it, and say that
    // nothing is kept this time.
    const bool thuMucChiDoc =
        !chiDoc && QFileInfo::exists(m_tep) && !ghiDuoc(QFileInfo(m_tep).absolutePath());
    if (chiDoc || thuMucChiDoc) {
        // Read from a copy: the file and its folder are never changed, and
        // a folder one may not write in (WAL wants its -shm) is read too.
        auto tam = std::make_shared<QTemporaryDir>();
        const QString sao = tam->filePath(kTepKho);
        if (!tam->isValid() || !chepKemWal(m_tep, sao)) {
            moBoNho(QStringLiteral("không đọc được tệp (không chép được để đọc)"));
            return false;
        }
        m_thuMucTam = tam;
        m_tepMo = sao;
        if (thuMucChiDoc) {
            m_trongBoNho = true;
            m_canhBao =
                txt::kKhoTrongBoNho.arg(QDir::toNativeSeparators(m_tep),
                                        QStringLiteral("thư mục %1 không cho ghi")
                                            .arg(QDir::toNativeSeparators(QFileInfo(m_tep).absolutePath())));
        }
    } else if (khungWal > 0) {
        banSao = tenTrong(m_tep + QStringLiteral(".mo-") + dauThoiGian());
        if (!chepKemWal(m_tep, banSao)) {
            QFile::remove(banSao);
            banSao.clear();  // no room for a copy: opened all the same
        }
    }
    for (int lan = 0; lan < 2; ++lan) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ketNoi);
            db.setDatabaseName(m_tepMo);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_choMs));
            if (!db.open()) {
                moBoNho(lyDo(db.lastError()));
                return false;
            }
        }
        if (khungWal > 0 && lan == 0)
            kiemTraWal(banSao, khungWal);
        QString viSao;
        bool cuaNguoiKhac = false;
        if (kiemTraVaNangCap(&viSao, &cuaNguoiKhac))
            return true;
        if (chiDoc || thuMucChiDoc || !(cuaNguoiKhac || laLoiHong(m_lenh.loiCuoi())) || lan == 1) {
            moBoNho(viSao);
            return false;
        }
        doiCho(viSao);
        if (m_trongBoNho)
            return false;
    }
    return false;
}

void KhoSqlite::kiemTraWal(const QString& banSao, int khungTrongTep)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    // Its second column: the frames SQLite found whole in the -wal.
    int khung = -1;
    if (m_lenh.chayMotLan(q, QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)")) && q.next()
        && !q.value(1).isNull())
        khung = q.value(1).toInt();
    q.finish();
    const QString cuoi = QStringLiteral("-wal");
    if (khung < 0 || khung >= khungTrongTep) {
        if (!banSao.isEmpty()) {
            QFile::remove(banSao);
            QFile::remove(banSao + cuoi);
        }
        return;
    }
    QString giu;
    if (!banSao.isEmpty()) {
        giu = tenTrong(m_tep + QStringLiteral(".wal-hong-") + dauThoiGian());
        if (!QFile::rename(banSao, giu) || !QFile::rename(banSao + cuoi, giu + cuoi))
            giu = banSao;
    }
    m_canhBao = txt::kKhoWalHong.arg(QDir::toNativeSeparators(m_tep)).arg(khungTrongTep - khung)
                + (m_cheDo == CheDo::ChiDoc ? txt::kKhoWalChiDoc
                   : giu.isEmpty()          ? txt::kKhoWalKhongSao
                                            : txt::kKhoWalDaSao.arg(QDir::toNativeSeparators(giu),
                                                                    QDir::toNativeSeparators(giu + cuoi)));
}

bool KhoSqlite::kiemTraVaNangCap(QString* viSao, bool* laCuaNguoiKhac)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    const auto hoi = [&](const QString& sql) -> std::optional<QVariant> {
        if (!m_lenh.chayMotLan(q, sql) || !q.next())
            return std::nullopt;
        return q.value(0);
    };
    m_lenh.xoaLoi();
    const std::optional<QVariant> kiem = hoi(QStringLiteral("PRAGMA quick_check"));
    if (!kiem || kiem->toString() != QStringLiteral("ok")) {
        *viSao = kiem ? QStringLiteral("tệp bị hỏng") : lyDo(m_lenh.loiCuoi());
        *laCuaNguoiKhac = kiem.has_value();
        return false;
    }
    const bool chiDoc = m_cheDo == CheDo::ChiDoc;
    // Whose file it is, before anything is changed in it.
    const auto laCuaMinh = [&](bool* moi) {
        const std::optional<QVariant> maUD = hoi(QStringLiteral("PRAGMA application_id"));
        const std::optional<QVariant> phienBan = hoi(QStringLiteral("PRAGMA user_version"));
        const std::optional<QVariant> soBang = hoi(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (!maUD || !phienBan || !soBang) {
            *viSao = lyDo(m_lenh.loiCuoi());
            return -1;
        }
        *moi = maUD->toInt() == 0 && phienBan->toInt() == 0 && soBang->toInt() == 0;
        if (!*moi && maUD->toInt() != kMaUngDungKho) {
            *viSao = QStringLiteral("là tệp dữ liệu của một chương trình khác");
            *laCuaNguoiKhac = true;
            return -1;
        }
        if (phienBan->toInt() > kPhienBanKho) {
            *viSao = QStringLiteral("do một phiên bản mới hơn của chương trình tạo ra (lược đồ %1); hãy dùng "
                                    "phiên bản đó")
                         .arg(phienBan->toInt());
            return -1;
        }
        return phienBan->toInt();
    };
    bool trong = false;
    int v = laCuaMinh(&trong);
    if (v < 0)
        return false;
    if (chiDoc) {
        if (v == kPhienBanKho)
            return true;
        *viSao = QStringLiteral("chưa được nâng cấp");
        return false;
    }
    if (!m_trongBoNho && !hoi(QStringLiteral("PRAGMA journal_mode = WAL"))) {
        *viSao = lyDo(m_lenh.loiCuoi());
        return false;
    }
    m_lenh.chayMotLan(q, QStringLiteral("PRAGMA synchronous = FULL"));
    m_lenh.chayMotLan(q, QStringLiteral("PRAGMA foreign_keys = ON"));
    // A learner's store is a few hundred KB: a small page cache will do
    // (SQLite's default takes 2 MB per connection).
    m_lenh.chayMotLan(q, QStringLiteral("PRAGMA cache_size = -256"));
    if (v == kPhienBanKho)
        return true;
    // Brought up to date inside one transaction, looked at again there:
    // another copy may be doing the same at this moment.
    if (!m_lenh.chayMotLan(q, QStringLiteral("BEGIN IMMEDIATE"))) {
        *viSao = lyDo(m_lenh.loiCuoi());
        return false;
    }
    const auto thoi = [&] {
        m_lenh.chayMotLan(q, QStringLiteral("ROLLBACK"));
        return false;
    };
    v = laCuaMinh(&trong);
    if (v < 0)
        return thoi();
    const auto& buoc = cacBuoc();
    for (; v < kPhienBanKho; ++v) {
        for (const QString& sql : buoc[static_cast<std::size_t>(v)])
            if (!m_lenh.chayMotLan(q, sql)) {
                *viSao = lyDo(m_lenh.loiCuoi());
                return thoi();
            }
        if (!m_lenh.chayMotLan(q, QStringLiteral("PRAGMA user_version = %1").arg(v + 1))) {
            *viSao = lyDo(m_lenh.loiCuoi());
            return thoi();
        }
    }
    if ((trong && !m_lenh.chayMotLan(q, QStringLiteral("PRAGMA application_id = %1").arg(kMaUngDungKho)))
        || !m_lenh.chayMotLan(q, QStringLiteral("COMMIT"))) {
        *viSao = lyDo(m_lenh.loiCuoi());
        return thoi();
    }
    return true;
}

void KhoSqlite::nhapOnTapCu()
{
    if (m_trongBoNho)
        return;
    const QString tepCu = QFileInfo(m_tep).dir().filePath(kTepOnTap);
    QFile f;
    if (moDeDoc(tepCu, f) != KetQuaMo::DaMo)
        return;
    const std::optional<SoOnTap> so = SoOnTap::docVao(f.read(kOnTapToiDa + 1));
    f.close();
    if (!so) {
        // Never thrown away: kept aside under a name the learner is told.
        const QString moi = tenTrong(tepCu + QStringLiteral(".damaged"));
        if (QFile::rename(tepCu, moi))
            m_thongBaoNhap =
                txt::kOnTapCuHong.arg(QDir::toNativeSeparators(tepCu), QDir::toNativeSeparators(moi));
        return;
    }
    QString loi;
    const SoOnTap& nhap = *so;
    const bool xong = giaoDich(
        {[nhap](LenhSqlite& lenh) {
             QSqlQuery q(lenh.db());
             if (!lenh.chayMotLan(q,
                                  QStringLiteral("SELECT 1 FROM meta WHERE key = 'practice_file_imported'")))
                 return false;
             if (q.next())
                 return true;  // another copy imported it a moment ago
             for (int c = 1; c <= nhap.soCauHoi(); ++c)
                 if (!(nhap.o(c) == MucOnTap{})
                     && !lenh.chay(
                         QStringLiteral("INSERT OR IGNORE INTO practice(profile, bank, question, in_list, "
                                        "streak, right, wrong) VALUES(1, ?, ?, ?, ?, ?, ?)"),
                         {kIdNganHangCoDien, c, nhap.o(c).canOn ? 1 : 0, nhap.o(c).dungLienTiep,
                          nhap.o(c).dung, nhap.o(c).sai}))
                     return false;
             for (const QByteArray& k : nhap.daGop)
                 if (!lenh.chay(QStringLiteral(
                                    "INSERT OR IGNORE INTO practice_folded(profile, bank, exam) VALUES(1, "
                                    "?, ?)"),
                                {kIdNganHangCoDien, QString::fromLatin1(k)}))
                     return false;
             return lenh.chay(QStringLiteral("INSERT INTO meta(key, value) VALUES('practice_file_imported', "
                                             "datetime('now'))"));
         },
         {}},
        &loi);
    if (xong)
        QFile::rename(tepCu, tenTrong(tepCu + QStringLiteral(".imported")));
    else
        m_choGhi.clear();  // the file stays, and is imported at a later start
}

QString KhoSqlite::lyDo(const QSqlError& e) const
{
    const MaSqlite ma = maLoi(e);
    if (ma != MaSqlite::ChiDoc && ma != MaSqlite::KhongMo)
        return lyDoSql(e);
    // Read-only: say which of the disk, the folder and the files it is.
    const QString thuMuc = QFileInfo(m_tep).absolutePath();
    if (oDiaChiDoc(thuMuc))
        return QStringLiteral("ổ đĩa chứa tệp chỉ cho đọc");
    for (const QString& t :
         QStringList{m_tep, m_tep + QStringLiteral("-wal"), m_tep + QStringLiteral("-shm")})
        if (QFileInfo::exists(t) && !ghiDuoc(t))
            return QStringLiteral("tệp %1 chỉ cho đọc: bạn không có quyền ghi vào tệp đó")
                .arg(QDir::toNativeSeparators(t));
    if (!ghiDuoc(thuMuc))
        return QStringLiteral("thư mục %1 không cho ghi").arg(QDir::toNativeSeparators(thuMuc));
    return lyDoSql(e);
}

bool KhoSqlite::giaoDich(ThayDoi thayDoi, QString* loi, bool giu)
{
    QSqlDatabase db = m_lenh.db();
    const auto thatBai = [&] {
        const QSqlError e = m_lenh.loiCuoi();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        m_lyDoCho = m_cheDo == CheDo::ChiDoc ? QStringLiteral("chỉ đọc") : lyDo(e);
        if (loi)
            *loi = m_lyDoCho;
        // Held, to be written first by the next write that succeeds, when
        // the failure passes (a full disk, another copy holding the file);
        // a change the store refuses for itself would block every later
        // one, and is not kept.
        const MaSqlite ma = maLoi(e);
        const bool quaDi = ma == MaSqlite::Ban || ma == MaSqlite::BiKhoa || ma == MaSqlite::ChiDoc
                           || ma == MaSqlite::LoiDocGhi || ma == MaSqlite::Day || ma == MaSqlite::KhongMo;
        if (giu && quaDi && m_choGhi.size() < 10000)
            m_choGhi.push_back(std::move(thayDoi));
        return false;
    };
    if (m_cheDo == CheDo::ChiDoc || !m_lenh.chay(QStringLiteral("BEGIN IMMEDIATE")))
        return thatBai();
    for (const ThayDoi& d : m_choGhi)
        if (!d.ghi(m_lenh))
            return thatBai();
    if ((thayDoi.ghi && !thayDoi.ghi(m_lenh)) || !m_lenh.chay(QStringLiteral("COMMIT")))
        return thatBai();
    m_choGhi.clear();
    m_lyDoCho.clear();
    return true;
}

bool KhoSqlite::thuGhiLai(QString* loi)
{
    if (m_choGhi.empty())
        return true;
    return giaoDich({}, loi, false);
}

void KhoSqlite::datThoiGianCho(int ms)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    m_lenh.chayMotLan(q, QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}

QString KhoSqlite::moTaChoGhi() const
{
    QHash<QString, int> dem;
    for (const ThayDoi& d : m_choGhi)
        ++dem[d.moTa.value(QStringLiteral("kind")).toString()];
    QStringList phan;
    const std::pair<const char*, QString> loai[] = {
        {"attempt", QStringLiteral("%1 bài thi")},
        {"practice", QStringLiteral("%1 câu trả lời khi ôn")},
        {"critical_right", QStringLiteral("%1 ngày đúng câu điểm liệt")},
        {"setting", QStringLiteral("%1 cài đặt")},
        {"", QStringLiteral("%1 thay đổi khác")}};
    for (const auto& [k, chu] : loai)
        if (const int n = dem.value(QString::fromLatin1(k)))
            phan.append(chu.arg(n));
    return phan.join(QStringLiteral(", "));
}

QByteArray KhoSqlite::xuatChoGhi() const
{
    QJsonArray ds;
    for (const ThayDoi& d : m_choGhi)
        if (!d.moTa.isEmpty())
            ds.append(d.moTa);
    const QJsonObject o{{QStringLiteral("format"), kDangChoGhi},
                        {QStringLiteral("store"), QDir::toNativeSeparators(m_tep)},
                        {QStringLiteral("reason"), m_lyDoCho},
                        {QStringLiteral("saved"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                        {QStringLiteral("changes"), ds}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool KhoSqlite::luuChoGhiRaTep(const QString& tep, QString* loi) const
{
    QSaveFile f(tep);
    if (f.open(QIODevice::WriteOnly) && f.write(xuatChoGhi()) >= 0 && f.commit())
        return true;
    if (loi)
        *loi = f.errorString();
    return false;
}

std::optional<int> KhoSqlite::nhapChoGhi(const QByteArray& noiDung, QString* loi)
{
    const auto sai = [&](const QString& vi) {
        if (loi)
            *loi = vi;
        return std::nullopt;
    };
    QJsonParseError e{};
    const QJsonObject goc = QJsonDocument::fromJson(noiDung, &e).object();
    if (e.error != QJsonParseError::NoError || goc.value(QStringLiteral("format")).toString() != kDangChoGhi)
        return sai(QStringLiteral("không phải tệp các thay đổi chưa ghi của chương trình (\"%1\")")
                       .arg(kDangChoGhi));
    std::vector<ThayDoi> ds;
    const QJsonArray mang = goc.value(QStringLiteral("changes")).toArray();
    for (qsizetype i = 0; i < mang.size(); ++i) {
        const QJsonObject o = mang[i].toObject();
        const QString loai = o.value(QStringLiteral("kind")).toString();
        const qint64 hoSo = o.value(QStringLiteral("profile")).toInteger(kHoSoMacDinh);
        const QString nh = o.value(QStringLiteral("bank")).toString();
        const int cau = o.value(QStringLiteral("question")).toInt();
        if (loai == QStringLiteral("attempt")) {
            const std::optional<BaiLam> b = baiLamTuJson(o.value(QStringLiteral("attempt")).toObject());
            if (!b)
                return sai(QStringLiteral("thay đổi %1 không phải một bài thi đọc được").arg(i + 1));
            ds.push_back(thayDoiBaiLam(*b, std::make_shared<qint64>(0)));
        } else if (loai == QStringLiteral("practice") && !nh.isEmpty() && cau > 0) {
            ds.push_back(thayDoiOnTap(hoSo, nh, cau, o.value(QStringLiteral("right")).toBool(),
                                      std::make_shared<std::pair<MucOnTap, bool>>()));
        } else if (loai == QStringLiteral("critical_right") && !nh.isEmpty() && cau > 0) {
            ds.push_back(thayDoiDiemLiet(hoSo, nh, cau, o.value(QStringLiteral("day")).toString()));
        } else if (loai == QStringLiteral("setting")) {
            ds.push_back(thayDoiCaiDat(hoSo, o.value(QStringLiteral("key")).toString(),
                                       o.value(QStringLiteral("value")).toString()));
        } else {
            return sai(QStringLiteral("thay đổi %1 không đọc được (\"%2\")").arg(i + 1).arg(loai));
        }
    }
    // Once only: the file's digest goes in with its changes.
    const QString dau =
        QStringLiteral("held_imported:")
        + QString::fromLatin1(QCryptographicHash::hash(noiDung, QCryptographicHash::Sha256).toHex());
    bool daNhap = false;
    const bool xong =
        giaoDich({[&](LenhSqlite& lenh) {
                      QSqlQuery q(lenh.db());
                      if (!lenh.chayMotLan(q, QStringLiteral("SELECT 1 FROM meta WHERE key = ?"), {dau}))
                          return false;
                      if (q.next()) {
                          daNhap = true;
                          return false;
                      }
                      for (const ThayDoi& d : ds)
                          if (!d.ghi(m_lenh))
                              return false;
                      return lenh.chay(QStringLiteral("INSERT INTO meta(key, value) VALUES(?, "
                                                      "datetime('now'))"),
                                       {dau});
                  },
                  {}},
                 loi, false);
    if (daNhap)
        return sai(QStringLiteral("tệp này đã được ghi vào dữ liệu từ trước; không ghi lại lần nữa"));
    if (!xong)
        return std::nullopt;
    return static_cast<int>(ds.size());
}

std::vector<HoSo> KhoSqlite::cacHoSo()
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    std::vector<HoSo> kq;
    if (m_lenh.chayMotLan(q, QStringLiteral("SELECT id, name FROM profile ORDER BY id")))
        while (q.next())
            kq.push_back({q.value(0).toLongLong(), q.value(1).toString()});
    if (kq.empty())
        kq.push_back({kHoSoMacDinh, txt::kHoSoMacDinh});
    return kq;
}

std::optional<qint64> KhoSqlite::themHoSo(const QString& ten, QString* loi)
{
    const QString goc = ten.simplified().left(60);
    if (goc.isEmpty()) {
        if (loi)
            *loi = QStringLiteral("tên trống");
        return std::nullopt;
    }
    std::optional<qint64> id;
    QString tenTrung;
    QSqlDatabase db = m_lenh.db();
    {
        QSqlQuery q(db);
        if (m_lenh.chayMotLan(q, QStringLiteral("SELECT id FROM profile WHERE name = ?"), {goc}) && q.next())
            return q.value(0).toLongLong();
    }
    const std::size_t choTruoc = m_choGhi.size();
    const bool xong =
        giaoDich({[goc](LenhSqlite& d) {
                      return d.chay(QStringLiteral("INSERT OR IGNORE INTO profile(name, created) "
                                                   "VALUES(?, datetime('now'))"),
                                    {goc});
                  },
                  {}},
                 loi);
    if (!xong) {
        if (m_choGhi.size() > choTruoc)
            m_choGhi.pop_back();  // a profile is made again on purpose, not later
        return std::nullopt;
    }
    QSqlQuery q(db);
    if (m_lenh.chayMotLan(q, QStringLiteral("SELECT id FROM profile WHERE name = ?"), {goc}) && q.next())
        id = q.value(0).toLongLong();
    return id;
}

QString KhoSqlite::caiDat(qint64 hoSo, const QString& khoa, const QString& macDinh)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    if (m_lenh.chayMotLan(q, QStringLiteral("SELECT value FROM setting WHERE profile = ? AND key = ?"),
                          {hoSo, khoa})
        && q.next())
        return q.value(0).toString();
    return macDinh;
}

KhoSqlite::ThayDoi KhoSqlite::thayDoiCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri)
{
    return {[=](LenhSqlite& lenh) {
                return lenh.chay(
                    QStringLiteral("INSERT OR REPLACE INTO setting(profile, key, value) VALUES(?, ?, ?)"),
                    {hoSo, khoa, giaTri});
            },
            {},
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("setting")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("key"), khoa},
                        {QStringLiteral("value"), giaTri}}};
}

bool KhoSqlite::datCaiDat(qint64 hoSo, const QString& khoa, const QString& giaTri, QString* loi)
{
    return giaoDich(thayDoiCaiDat(hoSo, khoa, giaTri), loi);
}

SoOnTap KhoSqlite::docOnTap(qint64 hoSo, const QString& nganHang, int soCauHoi)
{
    SoOnTap so(soCauHoi);
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    if (m_lenh.chayMotLan(
            q,
            QStringLiteral(
                "SELECT question, in_list, streak, right, wrong FROM practice WHERE profile = ? AND "
                "bank = ?"),
            {hoSo, nganHang}))
        while (q.next())
            if (const int c = q.value(0).toInt(); so.coCau(c))
                so.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
    if (m_lenh.chayMotLan(q,
                          QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                          {hoSo, nganHang}))
        while (q.next())
            so.daGop.insert(q.value(0).toString().toLatin1());
    for (const ThayDoi& d : m_choGhi)
        if (d.apVao)
            d.apVao(hoSo, nganHang, so);
    return so;
}

KhoSqlite::ThayDoi KhoSqlite::thayDoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung,
                                           const std::shared_ptr<std::pair<MucOnTap, bool>>& ketQua)
{
    return {[=](LenhSqlite& lenh) {
                const std::optional<MucOnTap> m = docMucTrongKho(lenh, hoSo, nganHang, cau);
                if (!m)
                    return false;
                MucOnTap moi = *m;
                ketQua->second = traLoiMuc(moi, dung);
                ketQua->first = moi;
                return ghiMuc(lenh, hoSo, nganHang, cau, moi);
            },
            [=](qint64 h, const QString& nh, SoOnTap& so) {
                if (h == hoSo && nh == nganHang && so.coCau(cau))
                    traLoiMuc(so.muc[static_cast<std::size_t>(cau)], dung);
            },
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("practice")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("bank"), nganHang},
                        {QStringLiteral("question"), cau},
                        {QStringLiteral("right"), dung}}};
}

bool KhoSqlite::traLoiOnTap(qint64 hoSo, const QString& nganHang, int cau, bool dung, MucOnTap* sau,
                            bool* roi, QString* loi)
{
    // What the store holds after it, as this answer leaves it.
    auto ketQua = std::make_shared<std::pair<MucOnTap, bool>>();
    const bool xong = giaoDich(thayDoiOnTap(hoSo, nganHang, cau, dung, ketQua), loi);
    if (!xong) {
        // Held: the view with the waiting changes says what it will be.
        SoOnTap so = docOnTap(hoSo, nganHang, std::max(cau, 1));
        MucOnTap truoc = so.coCau(cau) ? so.o(cau) : MucOnTap{};
        ketQua->first = truoc;
        ketQua->second = false;
    }
    if (sau)
        *sau = ketQua->first;
    if (roi)
        *roi = ketQua->second;
    return xong;
}

bool KhoSqlite::gopLanThi(qint64 hoSo, const QString& nganHang, int soCauHoi, const std::vector<LanThi>& ds,
                          QString* loi)
{
    {
        SoOnTap thu = docOnTap(hoSo, nganHang, soCauHoi);
        if (!thu.gopLanThi(ds) && m_choGhi.empty())
            return true;  // nothing new: no write
    }
    return giaoDich(
        {[=](LenhSqlite& lenh) {
             // The boxes as they stand, folded, and what changed written.
             SoOnTap so(soCauHoi);
             QSqlQuery q(lenh.db());
             if (!lenh.chayMotLan(
                     q,
                     QStringLiteral("SELECT question, in_list, streak, right, wrong FROM practice WHERE "
                                    "profile = ? AND bank = ?"),
                     {hoSo, nganHang}))
                 return false;
             while (q.next())
                 if (const int c = q.value(0).toInt(); so.coCau(c))
                     so.muc[static_cast<std::size_t>(c)] = docMuc(q, 1);
             if (!lenh.chayMotLan(
                     q, QStringLiteral("SELECT exam FROM practice_folded WHERE profile = ? AND bank = ?"),
                     {hoSo, nganHang}))
                 return false;
             while (q.next())
                 so.daGop.insert(q.value(0).toString().toLatin1());
             const SoOnTap truoc = so;
             so.gopLanThi(ds);
             for (int c = 1; c <= soCauHoi; ++c)
                 if (!(so.o(c) == truoc.o(c)) && !ghiMuc(lenh, hoSo, nganHang, c, so.o(c)))
                     return false;
             if (!lenh.chay(QStringLiteral("DELETE FROM practice_folded WHERE profile = ? AND bank = ?"),
                            {hoSo, nganHang}))
                 return false;
             for (const QByteArray& k : so.daGop)
                 if (!lenh.chay(
                         QStringLiteral("INSERT INTO practice_folded(profile, bank, exam) VALUES(?, ?, ?)"),
                         {hoSo, nganHang, QString::fromLatin1(k)}))
                     return false;
             return true;
         },
         [=](qint64 h, const QString& nh, SoOnTap& so) {
             if (h == hoSo && nh == nganHang)
                 so.gopLanThi(ds);
         }},
        loi);
}

KhoSqlite::ThayDoi KhoSqlite::thayDoiBaiLam(const BaiLam& b, const std::shared_ptr<qint64>& id)
{
    return {[b, id](LenhSqlite& lenh) {
                if (!lenh.chay(QStringLiteral(
                                   "INSERT INTO attempt(profile, bank, bank_version, rules, class, started, "
                                   "ended, pass_mark) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
                               {b.hoSo, b.nganHang, b.phienBan, b.quyTac, b.hang,
                                b.batDau.toUTC().toString(Qt::ISODateWithMs),
                                b.ketThuc.toUTC().toString(Qt::ISODateWithMs), b.canDeDat},
                               [&](QSqlQuery& r) { *id = r.lastInsertId().toLongLong(); }))
                    return false;
                if (b.duDoan
                    && !lenh.chay(
                        QStringLiteral("INSERT INTO prediction(attempt, pass, critical) VALUES(?, ?, ?)"),
                        {*id, b.duDoan->first, b.duDoan->second}))
                    return false;
                // Every slot in one statement (the row count never changes
                // between attempts of a class, so it is prepared once).
                const LanThi l = b.lanThi();
                static QHash<std::size_t, QString> cauLenh;
                QString& sql = cauLenh[b.cau.size()];
                if (sql.isEmpty()) {
                    sql = QStringLiteral(
                        "INSERT INTO attempt_slot(attempt, slot, question, answer, key, critical) VALUES");
                    for (std::size_t i = 0; i < b.cau.size(); ++i)
                        sql += i == 0 ? QStringLiteral("(?,?,?,?,?,?)") : QStringLiteral(",(?,?,?,?,?,?)");
                }
                QVariantList gt;
                gt.reserve(static_cast<qsizetype>(b.cau.size()) * 6);
                for (std::size_t i = 0; i < b.cau.size(); ++i) {
                    gt << *id << static_cast<int>(i) << b.cau[i] << (i < b.traLoi.size() ? b.traLoi[i] : 0)
                       << (i < b.dapAn.size() ? b.dapAn[i] : 0) << (l.diemLiet[i + 1] ? 1 : 0);
                }
                if (!b.cau.empty() && !lenh.chay(sql, gt))
                    return false;
                // Every miss goes (back) into the practice list, its run reset:
                // one statement for them all.
                QVariantList sai;
                for (std::size_t i = 0; i < b.cau.size(); ++i)
                    if (!l.dung[i + 1])
                        sai << b.hoSo << b.nganHang << b.cau[i];
                if (!sai.isEmpty()) {
                    static QHash<qsizetype, QString> lenhSai;
                    QString& sqlSai = lenhSai[sai.size() / 3];
                    if (sqlSai.isEmpty()) {
                        sqlSai = QStringLiteral(
                            "INSERT INTO practice(profile, bank, question, in_list, streak, right, "
                            "wrong) VALUES");
                        for (qsizetype k = 0; k < sai.size() / 3; ++k)
                            sqlSai += k == 0 ? QStringLiteral("(?, ?, ?, 1, 0, 0, 0)")
                                             : QStringLiteral(",(?, ?, ?, 1, 0, 0, 0)");
                        sqlSai += QStringLiteral(
                            " ON CONFLICT(profile, bank, question) DO UPDATE SET in_list = 1, streak = 0");
                    }
                    if (!lenh.chay(sqlSai, sai))
                        return false;
                }
                return true;
            },
            [b](qint64 h, const QString& nh, SoOnTap& so) {
                if (h != b.hoSo || nh != b.nganHang)
                    return;
                const LanThi l = b.lanThi();
                for (int i = 1; i <= l.soCau(); ++i)
                    if (!l.dung[static_cast<std::size_t>(i)]
                        && so.coCau(l.cau[static_cast<std::size_t>(i)])) {
                        MucOnTap& m = so.muc[static_cast<std::size_t>(l.cau[static_cast<std::size_t>(i)])];
                        m.canOn = true;
                        m.dungLienTiep = 0;
                    }
            },
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("attempt")},
                        {QStringLiteral("attempt"), baiLamJson(b, true)}}};
}

std::optional<qint64> KhoSqlite::luuBaiLam(const BaiLam& b, QString* loi)
{
    auto id = std::make_shared<qint64>(0);
    const bool xong = giaoDich(thayDoiBaiLam(b, id), loi);
    if (!xong)
        return std::nullopt;
    return *id;
}

std::vector<BaiLam> KhoSqlite::cacBaiLam(std::optional<qint64> hoSo, const QString& nganHang)
{
    QSqlDatabase db = m_lenh.db();
    std::vector<BaiLam> kq;
    QString dieuKien = QStringLiteral(" WHERE 1");
    QVariantList gt;
    if (hoSo) {
        dieuKien += QStringLiteral(" AND a.profile = ?");
        gt.append(*hoSo);
    }
    if (!nganHang.isEmpty()) {
        dieuKien += QStringLiteral(" AND a.bank = ?");
        gt.append(nganHang);
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!m_lenh.chayMotLan(
            q,
            QStringLiteral(
                "SELECT a.id, a.profile, a.bank, a.bank_version, a.rules, a.class, a.started, a.ended, "
                "a.pass_mark, p.pass, p.critical FROM attempt a LEFT JOIN prediction p ON p.attempt = "
                "a.id")
                + dieuKien + QStringLiteral(" ORDER BY a.id"),
            gt))
        return kq;
    while (q.next()) {
        BaiLam b;
        b.id = q.value(0).toLongLong();
        b.hoSo = q.value(1).toLongLong();
        b.nganHang = q.value(2).toString();
        b.phienBan = q.value(3).toString();
        b.quyTac = q.value(4).toString();
        b.hang = q.value(5).toString();
        b.batDau = QDateTime::fromString(q.value(6).toString(), Qt::ISODateWithMs);
        b.ketThuc = QDateTime::fromString(q.value(7).toString(), Qt::ISODateWithMs);
        b.canDeDat = q.value(8).toInt();
        if (!q.value(9).isNull())
            b.duDoan = std::make_pair(q.value(9).toDouble(), q.value(10).toDouble());
        kq.push_back(std::move(b));
    }
    if (kq.empty())
        return kq;
    QSqlQuery o(db);
    o.setForwardOnly(true);
    if (!m_lenh.chayMotLan(
            o,
            QStringLiteral(
                "SELECT s.attempt, s.question, s.answer, s.key, s.critical FROM attempt_slot s JOIN "
                "attempt a ON a.id = s.attempt")
                + dieuKien + QStringLiteral(" ORDER BY s.attempt, s.slot"),
            gt))
        return kq;
    std::size_t r = 0;
    while (o.next()) {
        const qint64 id = o.value(0).toLongLong();
        while (r < kq.size() && kq[r].id < id)
            ++r;
        if (r == kq.size())
            break;
        if (kq[r].id != id)
            continue;
        kq[r].cau.push_back(o.value(1).toInt());
        kq[r].traLoi.push_back(o.value(2).toInt());
        kq[r].dapAn.push_back(o.value(3).toInt());
        kq[r].diemLiet.push_back(o.value(4).toInt() != 0);
    }
    return kq;
}

std::vector<KhoHocVien::DongOnTap> KhoSqlite::tatCaOnTap(const QString& nganHang)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    std::vector<DongOnTap> kq;
    if (m_lenh.chayMotLan(
            q,
            QStringLiteral("SELECT profile, bank, question, in_list, streak, right, wrong FROM practice")
                + (nganHang.isEmpty() ? QString() : QStringLiteral(" WHERE bank = ?"))
                + QStringLiteral(" ORDER BY profile, bank, question"),
            nganHang.isEmpty() ? QVariantList{} : QVariantList{nganHang}))
        while (q.next())
            kq.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(), docMuc(q, 3)});
    return kq;
}

KhoSqlite::ThayDoi KhoSqlite::thayDoiDiemLiet(qint64 hoSo, const QString& nganHang, int cau,
                                              const QString& ngay)
{
    return {[=](LenhSqlite& lenh) {
                return lenh.chay(
                    QStringLiteral("INSERT OR IGNORE INTO critical_right(profile, bank, question, day) "
                                   "VALUES(?, ?, ?, ?)"),
                    {hoSo, nganHang, cau, ngay});
            },
            {},
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("critical_right")},
                        {QStringLiteral("profile"), hoSo},
                        {QStringLiteral("bank"), nganHang},
                        {QStringLiteral("question"), cau},
                        {QStringLiteral("day"), ngay}}};
}

bool KhoSqlite::ghiDungDiemLiet(qint64 hoSo, const QString& nganHang, int cau, const QDate& ngay,
                                QString* loi)
{
    return giaoDich(thayDoiDiemLiet(hoSo, nganHang, cau, ngay.toString(Qt::ISODate)), loi);
}

QHash<int, int> KhoSqlite::soNgayDungDiemLiet(qint64 hoSo, const QString& nganHang)
{
    QHash<int, int> kq;
    QSqlDatabase db = m_lenh.db();
    m_lenh.chay(QStringLiteral(
                    "SELECT question, count(*) FROM critical_right WHERE profile = ? AND bank = ? GROUP BY "
                    "question"),
                {hoSo, nganHang}, [&](QSqlQuery& q) {
                    while (q.next())
                        kq.insert(q.value(0).toInt(), q.value(1).toInt());
                });
    return kq;
}

}  // namespace thilaixe
