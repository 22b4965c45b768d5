// The store's file: opened safely, a damaged one moved aside, a -wal left behind checked, failures named.

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

// Copies a file through the one writer (whole and synced, or not at all).
bool chep(const QString& tu, const QString& den)
{
    QFile f;
    return moDeDoc(tu, f) == KetQuaMo::DaMo && ghiTep(den, f.readAll());
}

// Copies a store and its -wal (when there is one) under another name.
bool chepKemWal(const QString& tu, const QString& den)
{
    const QString wal = QStringLiteral("-wal");
    return chep(tu, den) && (!QFileInfo::exists(tu + wal) || chep(tu + wal, den + wal));
}

QString dauThoiGian() { return dauThoiGianTep(); }

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

QString kho_sqlite::tenTrong(const QString& goc)
{
    QString ten = goc;
    for (int n = 2; QFileInfo::exists(ten) || QFileInfo(ten).isSymLink(); ++n)
        ten = goc + QStringLiteral("-%1").arg(n);
    return ten;
}

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
    m_khongLuu = lyDo.isEmpty() ? txt::kKhoChiDoc : txt::kKhoKhongLuu.arg(lyDo);
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
    const QString moi = tenTrong(m_tep + QStringLiteral(".hong-") + dauThoiGian());
    // The file and its journal go together, so the moved copy opens whole.
    bool doiDuoc = QFile::rename(m_tep, moi);
    for (const QString& duoi : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(m_tep + duoi))
            doiDuoc = QFile::rename(m_tep + duoi, moi + duoi) && doiDuoc;
    if (!doiDuoc) {
        moBoNho(viSao + txt::kKhoKhongDoiTen);
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
            moBoNho(st.loai == LoaiTep::ThuMuc ? txt::kHtThuMuc : txt::kKhoKhongPhaiTepThuong);
            return false;
        }
        QFile f(m_tep);
        if (!f.open(QIODevice::ReadOnly)) {
            moBoNho(txt::kKhoKhongDocTep.arg(lyDoLoi(EACCES)));
            return false;
        }
        if (st.kichThuoc > 0 && f.read(16) != QByteArray("SQLite format 3\0", 16)) {
            if (chiDoc) {
                moBoNho(txt::kKhoKhongPhaiKho);
                return false;
            }
            f.close();
            doiCho(txt::kKhoKhongPhaiKho);
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
            moBoNho(txt::kKhoKhongChep);
            return false;
        }
        m_thuMucTam = tam;
        m_tepMo = sao;
        if (thuMucChiDoc) {
            m_trongBoNho = true;
            const QString vi =
                txt::kKhoThuMucKhongGhi.arg(QDir::toNativeSeparators(QFileInfo(m_tep).absolutePath()));
            m_canhBao = txt::kKhoTrongBoNho.arg(QDir::toNativeSeparators(m_tep), vi);
            m_khongLuu = txt::kKhoKhongLuu.arg(vi);
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
        if (kiemTraVaNangCap(&viSao, &cuaNguoiKhac)) {
            // The file the store writes into, to see it deleted or replaced.
            if (!chiDoc && !thuMucChiDoc)
                m_danhTinh = danhTinhTep(m_tep);
            return true;
        }
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

QString KhoSqlite::lyDo(const QSqlError& e) const
{
    const MaSqlite ma = maLoi(e);
    if (ma != MaSqlite::ChiDoc && ma != MaSqlite::KhongMo)
        return lyDoSql(e);
    // Read-only: say which of the disk, the folder and the files it is.
    const QString thuMuc = QFileInfo(m_tep).absolutePath();
    if (oDiaChiDoc(thuMuc))
        return txt::kKhoDiaChiDoc;
    for (const QString& t :
         QStringList{m_tep, m_tep + QStringLiteral("-wal"), m_tep + QStringLiteral("-shm")})
        if (QFileInfo::exists(t) && !ghiDuoc(t))
            return txt::kKhoTepChiDoc.arg(QDir::toNativeSeparators(t));
    if (!ghiDuoc(thuMuc))
        return txt::kKhoThuMucKhongGhi.arg(QDir::toNativeSeparators(thuMuc));
    return lyDoSql(e);
}

QString KhoSqlite::docMayChuTruong(const QString& tep)
{
    if (xemTep(tep).loai != LoaiTep::Thuong)
        return {};
    const QString ten = QStringLiteral("thilaixe-peek");
    QString kq;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ten);
        db.setDatabaseName(tep);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=200"));
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("SELECT value FROM setting WHERE profile = ? AND key = ?"));
            q.addBindValue(kHoSoMacDinh);
            q.addBindValue(kKhoaMayChuTruong);
            if (q.exec() && q.next())
                kq = q.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(ten);
    return kq;
}

}  // namespace thilaixe
