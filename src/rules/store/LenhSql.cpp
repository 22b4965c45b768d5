#include "rules/store/LenhSql.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"

#include <cerrno>

namespace thilaixe {

MaSqlite maLoi(const QSqlError& e) { return static_cast<MaSqlite>(e.nativeErrorCode().toInt() & 0xff); }

QString lyDoSql(const QSqlError& e)
{
    switch (maLoi(e)) {
    case MaSqlite::Day: return lyDoLoi(ENOSPC);
    case MaSqlite::Ban:
    case MaSqlite::BiKhoa: return txt::kKhoBiGiu;
    case MaSqlite::ChiDoc: return lyDoLoi(EROFS);
    case MaSqlite::LoiDocGhi: return lyDoLoi(EIO);
    case MaSqlite::Hong:
    case MaSqlite::KhongPhaiCsdl: return txt::kKhoHong;
    case MaSqlite::KhongMo: return txt::kKhoKhongMo;
    case MaSqlite::KhongLoi: break;
    }
    return e.text().trimmed().isEmpty() ? txt::kKhoLoiKhongRo : e.text().trimmed();
}

bool laLoiHong(const QSqlError& e)
{
    return maLoi(e) == MaSqlite::Hong || maLoi(e) == MaSqlite::KhongPhaiCsdl;
}

void LenhSql::datKetNoi(const QString& ketNoi)
{
    m_lenh.clear();
    m_ketNoi = ketNoi;
}

bool LenhSql::chuanBi(const QString& sql)
{
    if (m_lenh.contains(sql))
        return true;
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        m_loiCuoi = q.lastError();
        return false;
    }
    m_lenh.insert(sql, q);
    return true;
}

bool LenhSql::chay(const QString& sql, const QVariantList& giaTri, const std::function<void(QSqlQuery&)>& doc)
{
    auto it = m_lenh.find(sql);
    if (it == m_lenh.end()) {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        if (!q.prepare(sql)) {
            m_loiCuoi = q.lastError();
            return false;
        }
        it = m_lenh.insert(sql, q);
    }
    QSqlQuery& q = *it;
    for (int i = 0; i < giaTri.size(); ++i) {
        // An empty text is text, not NULL.
        const QVariant& v = giaTri[i];
        q.bindValue(
            i, v.typeId() == QMetaType::QString && v.toString().isNull() ? QVariant(QStringLiteral("")) : v);
    }
    if (!q.exec()) {
        m_loiCuoi = q.lastError();
        q.finish();
        return false;
    }
    if (doc)
        doc(q);
    q.finish();
    return true;
}

bool LenhSql::chayMotLan(QSqlQuery& q, const QString& sql, const QVariantList& giaTri)
{
    if (!q.prepare(sql)) {
        m_loiCuoi = q.lastError();
        return false;
    }
    for (const QVariant& v : giaTri)
        q.addBindValue(v);
    if (!q.exec()) {
        m_loiCuoi = q.lastError();
        return false;
    }
    return true;
}

}  // namespace thilaixe
