#include "rules/store/HopThuDi.h"

#include "rules/common/Texts.h"
#include "rules/store/LenhSql.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>

namespace thilaixe {

namespace {
std::atomic<int> g_soKetNoi{0};

// A free name beside a file: `goc`, or with -2, -3... added.
QString tenTrong(const QString& goc)
{
    QString ten = goc;
    for (int n = 2; QFileInfo::exists(ten) || QFileInfo(ten).isSymLink(); ++n)
        ten = goc + QStringLiteral("-%1").arg(n);
    return ten;
}
}  // namespace

bool HopThuDi::mo()
{
    QSqlDatabase db = QSqlDatabase::contains(m_ketNoi)
                          ? QSqlDatabase::database(m_ketNoi, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ketNoi);
    db.setDatabaseName(m_tep);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    QSqlQuery q(db);
    const bool mo = db.open();
    if (mo && q.exec(QStringLiteral("PRAGMA quick_check")) && q.next()
        && q.value(0).toString() == QLatin1String("ok") && q.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
        && q.exec(QStringLiteral("PRAGMA synchronous = FULL"))
        && q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS outbox(seq INTEGER PRIMARY KEY, server TEXT NOT "
                                 "NULL, login TEXT NOT NULL, change TEXT NOT NULL, held TEXT NOT NULL)"))) {
        m_danhTinh = danhTinhTep(m_tep);
        return true;
    }
    m_loiMo = q.lastError().isValid() ? q.lastError() : db.lastError();
    q = QSqlQuery();
    db.close();
    return false;
}

HopThuDi::HopThuDi(QString tep) : m_tep(std::move(tep))
{
    m_ketNoi = QStringLiteral("thilaixe-outbox-%1").arg(++g_soKetNoi);
    const ThongTinTep st = xemTep(m_tep);
    if (st.loai != LoaiTep::KhongCo && st.loai != LoaiTep::Thuong) {
        m_canhBao = txt::kHtBoNho.arg(QDir::toNativeSeparators(m_tep), khongPhaiTepThuong(st.loai));
        return;
    }
    if (mo())
        return;
    // A damaged outbox is moved aside whole, never thrown away: a paper in
    // it may be read back by hand.
    if (laLoiHong(m_loiMo)) {
        const QString cu = tenTrong(m_tep + QStringLiteral(".hong-") + dauThoiGianTep());
        bool doi = QFile::rename(m_tep, cu);
        for (const QString& duoi : {QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFileInfo::exists(m_tep + duoi))
                doi = QFile::rename(m_tep + duoi, cu + duoi) && doi;
        if (doi && mo()) {
            m_canhBao = txt::kHtHongDoiCho.arg(QDir::toNativeSeparators(m_tep), QDir::toNativeSeparators(cu));
            return;
        }
    }
    m_canhBao = txt::kHtBoNho.arg(QDir::toNativeSeparators(m_tep), lyDoSql(m_loiMo));
}

HopThuDi::~HopThuDi()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_ketNoi);
}

bool HopThuDi::conLaTep() const
{
    return QSqlDatabase::database(m_ketNoi, false).isOpen() && danhTinhTep(m_tep) == m_danhTinh;
}

bool HopThuDi::them(const QString& mayChu, const QString& dangNhap, const ThayDoi& thayDoi, QString* loi)
{
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    if (db.isOpen() && !conLaTep())
        m_canhBao = txt::kHtBoNho.arg(QDir::toNativeSeparators(m_tep), txt::kKhoMatTep);
    else if (db.isOpen()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO outbox(server, login, change, held) VALUES(?, ?, ?, datetime('now'))"));
        q.addBindValue(mayChu);
        q.addBindValue(dangNhap);
        q.addBindValue(QString::fromUtf8(QJsonDocument(thayDoiJson(thayDoi)).toJson(QJsonDocument::Compact)));
        // Kept only if the file it went into is still the one under the
        // name; else it is held here (what that file held before is still
        // read through the open connection, and sent).
        if (q.exec()) {
            if (conLaTep())
                return true;
            QSqlQuery bo(db);
            bo.prepare(QStringLiteral("DELETE FROM outbox WHERE seq = ?"));
            bo.addBindValue(q.lastInsertId());
            bo.exec();
            m_canhBao = txt::kHtBoNho.arg(QDir::toNativeSeparators(m_tep), txt::kKhoMatTep);
        } else {
            m_canhBao = txt::kHtBoNho.arg(QDir::toNativeSeparators(m_tep), lyDoSql(q.lastError()));
        }
    }
    if (loi)
        *loi = m_canhBao;
    m_trongBoNho.emplace_back(mayChu, Thu{m_soTiep--, dangNhap, thayDoi});
    return false;
}

std::vector<HopThuDi::Thu> HopThuDi::cacThu(const QString& mayChu,
                                            const std::optional<QString>& dangNhap) const
{
    std::vector<Thu> kq;
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    if (db.isOpen()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT seq, login, change FROM outbox WHERE server = ? ORDER BY seq"));
        q.addBindValue(mayChu);
        if (q.exec())
            while (q.next())
                if (!dangNhap || *dangNhap == q.value(1).toString()) {
                    // One this program cannot read (never written by it)
                    // stays in the file, untouched.
                    const std::optional<ThayDoi> td =
                        thayDoiTuJson(QJsonDocument::fromJson(q.value(2).toString().toUtf8()).object());
                    if (td)
                        kq.push_back({q.value(0).toLongLong(), q.value(1).toString(), *td});
                }
    }
    for (const auto& [mc, thu] : m_trongBoNho)
        if (mc == mayChu && (!dangNhap || *dangNhap == thu.dangNhap))
            kq.push_back(thu);
    return kq;
}

void HopThuDi::xoa(qint64 so)
{
    if (so < 0) {
        std::erase_if(m_trongBoNho, [so](const auto& p) { return p.second.so == so; });
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(m_ketNoi, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM outbox WHERE seq = ?"));
    q.addBindValue(so);
    q.exec();
}

}  // namespace thilaixe
