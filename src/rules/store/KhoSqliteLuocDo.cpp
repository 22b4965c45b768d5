// The store's schema and its upgrades, and the old practice file imported once.

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/store/KhoSqlite.h"
#include "rules/store/KhoSqliteNoiBo.h"
#include "rules/store/LenhSql.h"

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

using kho_sqlite::tenTrong;

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
        },
        {
            // 3: every answer of practice and study, for each question's
            // memory (a paper's answers are its attempt's); `at` is the
            // wall clock's time in seconds, day * 86400 + seconds.
            QStringLiteral(
                "CREATE TABLE answer(profile INTEGER NOT NULL REFERENCES profile(id), bank TEXT NOT "
                "NULL, question INTEGER NOT NULL, at INTEGER NOT NULL, right INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX answer_bank ON answer(profile, bank, at)"),
        },
        {
            // 4: an attempt's kind: a paper, or a short test.
            QStringLiteral("ALTER TABLE attempt ADD COLUMN kind TEXT NOT NULL DEFAULT 'paper'"),
        },
        {
            // 5: the ids of changes written after they were held (or read
            // back from a file), so that none is written twice.
            QStringLiteral(
                "CREATE TABLE change_applied(uid TEXT PRIMARY KEY, at TEXT NOT NULL) WITHOUT ROWID"),
        }};
    return buoc;
}

}  // namespace

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
        *viSao = kiem ? txt::kKhoHong : lyDo(m_lenh.loiCuoi());
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
            *viSao = txt::kKhoChuongTrinhKhac;
            *laCuaNguoiKhac = true;
            return -1;
        }
        if (phienBan->toInt() > kPhienBanKho) {
            *viSao = txt::kKhoLuocDoMoiHon.arg(phienBan->toInt());
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
        *viSao = txt::kKhoChuaNangCap;
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
    const bool xong = giaoDichRieng(
        [&] {
            QSqlQuery q(m_lenh.db());
            if (!m_lenh.chayMotLan(q,
                                   QStringLiteral("SELECT 1 FROM meta WHERE key = 'practice_file_imported'")))
                return false;
            if (q.next())
                return true;  // another copy imported it a moment ago
            for (int c = 1; c <= nhap.soCauHoi(); ++c)
                if (!(nhap.mucCua(c) == MucOnTap{})
                    && !m_lenh.chay(
                        QStringLiteral("INSERT OR IGNORE INTO practice(profile, bank, question, in_list, "
                                       "streak, right, wrong) VALUES(1, ?, ?, ?, ?, ?, ?)"),
                        {kIdNganHangCoDien, c, nhap.mucCua(c).canOn ? 1 : 0, nhap.mucCua(c).dungLienTiep,
                         nhap.mucCua(c).dung, nhap.mucCua(c).sai}))
                    return false;
            for (const QByteArray& k : nhap.daGop)
                if (!m_lenh.chay(
                        QStringLiteral(
                            "INSERT OR IGNORE INTO practice_folded(profile, bank, exam) VALUES(1, ?, ?)"),
                        {kIdNganHangCoDien, QString::fromLatin1(k)}))
                    return false;
            return m_lenh.chay(QStringLiteral(
                "INSERT INTO meta(key, value) VALUES('practice_file_imported', datetime('now'))"));
        },
        &loi);
    // Else the file stays, and is imported at a later start.
    if (xong)
        QFile::rename(tepCu, tenTrong(tepCu + QStringLiteral(".imported")));
}

}  // namespace thilaixe
