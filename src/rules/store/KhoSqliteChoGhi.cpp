// Writes in transactions; a write that cannot be made is held, tried again, saved to a file, imported back.

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

bool KhoSqlite::giaoDich(ThayDoi thayDoi, QString* loi, bool giu)
{
    QSqlDatabase db = m_lenh.db();
    const auto thatBai = [&] {
        const QSqlError e = m_lenh.loiCuoi();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        m_lyDoCho = m_cheDo == CheDo::ChiDoc ? txt::kKhoChiDoc : lyDo(e);
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
    return moTaTheoLoai(dem);
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
        return sai(txt::kKhoKhongPhaiTepCho.arg(kDangChoGhi));
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
                return sai(txt::kKhoChoKhongPhaiBai.arg(i + 1));
            ds.push_back(thayDoiBaiLam(*b, std::make_shared<qint64>(0)));
        } else if (loai == QStringLiteral("practice") && !nh.isEmpty() && cau > 0) {
            ds.push_back(thayDoiOnTap(hoSo, nh, cau, o.value(QStringLiteral("right")).toBool(),
                                      std::make_shared<std::pair<MucOnTap, bool>>()));
        } else if (loai == QStringLiteral("critical_right") && !nh.isEmpty() && cau > 0) {
            ds.push_back(thayDoiDiemLiet(hoSo, nh, cau, o.value(QStringLiteral("day")).toString()));
        } else if (loai == QStringLiteral("answer") && !nh.isEmpty() && cau > 0) {
            ds.push_back(thayDoiTraLoi(hoSo, nh, cau, o.value(QStringLiteral("right")).toBool(),
                                       o.value(QStringLiteral("at")).toInteger()));
        } else if (loai == QStringLiteral("setting")) {
            ds.push_back(thayDoiCaiDat(hoSo, o.value(QStringLiteral("key")).toString(),
                                       o.value(QStringLiteral("value")).toString()));
        } else {
            return sai(txt::kKhoChoKhongDoc.arg(i + 1).arg(loai));
        }
    }
    // Once only: the file's digest goes in with its changes.
    const QString dau =
        QStringLiteral("held_imported:")
        + QString::fromLatin1(QCryptographicHash::hash(noiDung, QCryptographicHash::Sha256).toHex());
    bool daNhap = false;
    const bool xong =
        giaoDich({[&](LenhSql& lenh) {
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
        return sai(txt::kKhoChoDaGhi);
    if (!xong)
        return std::nullopt;
    return static_cast<int>(ds.size());
}

}  // namespace thilaixe
