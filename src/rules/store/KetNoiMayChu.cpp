#include "rules/store/KetNoiMayChu.h"

#include "rules/common/Texts.h"

#include <QSqlDriver>

namespace thilaixe {

namespace {

// A value as libpq reads it back: quoted when it has to be.
QString giaTriLibpq(const QString& v)
{
    if (!v.isEmpty() && !v.contains(QLatin1Char(' ')) && !v.contains(QLatin1Char('\''))
        && !v.contains(QLatin1Char('\\')) && !v.contains(QLatin1Char(';')))
        return v;
    QString kq = v;
    kq.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + kq + QLatin1Char('\'');
}

}  // namespace

std::optional<KetNoiMayChu> KetNoiMayChu::doc(const QString& chuoi, QString* loi)
{
    KetNoiMayChu k;
    qsizetype i = 0;
    const qsizetype n = chuoi.size();
    const auto sai = [&](qsizetype o) -> std::optional<KetNoiMayChu> {
        if (loi)
            *loi = txt::kMcChuoiSai.arg(chuoi.mid(o, 20));
        return std::nullopt;
    };
    while (true) {
        while (i < n && chuoi[i].isSpace())
            ++i;
        if (i >= n)
            break;
        const qsizetype dau = i;
        while (i < n && (chuoi[i].isLetterOrNumber() || chuoi[i] == QLatin1Char('_')))
            ++i;
        const QString khoa = chuoi.mid(dau, i - dau);
        while (i < n && chuoi[i].isSpace())
            ++i;
        if (khoa.isEmpty() || i >= n || chuoi[i] != QLatin1Char('='))
            return sai(dau);
        ++i;
        while (i < n && chuoi[i].isSpace())
            ++i;
        QString giaTri;
        if (i < n && chuoi[i] == QLatin1Char('\'')) {
            ++i;
            bool dong = false;
            while (i < n) {
                if (chuoi[i] == QLatin1Char('\\') && i + 1 < n) {
                    giaTri += chuoi[i + 1];
                    i += 2;
                } else if (chuoi[i] == QLatin1Char('\'')) {
                    ++i;
                    dong = true;
                    break;
                } else {
                    giaTri += chuoi[i++];
                }
            }
            if (!dong)
                return sai(dau);
        } else {
            while (i < n && !chuoi[i].isSpace())
                giaTri += chuoi[i++];
        }
        if (khoa == QLatin1String("host") || khoa == QLatin1String("hostaddr"))
            k.host = giaTri;
        else if (khoa == QLatin1String("port"))
            k.port = giaTri;
        else if (khoa == QLatin1String("dbname"))
            k.dbname = giaTri;
        else if (khoa == QLatin1String("user"))
            k.user = giaTri;
        else if (khoa == QLatin1String("password"))
            k.password = giaTri;
        else
            k.khac.append(khoa + QLatin1Char('=') + giaTriLibpq(giaTri));
    }
    if (k.dbname.isEmpty())
        k.dbname = kCsdlMacDinh;
    return k;
}

QString KetNoiMayChu::moTa() const
{
    QStringList p;
    if (!host.isEmpty())
        p << QStringLiteral("host=") + giaTriLibpq(host);
    if (!port.isEmpty())
        p << QStringLiteral("port=") + port;
    p << QStringLiteral("dbname=") + giaTriLibpq(dbname);
    if (!user.isEmpty())
        p << QStringLiteral("user=") + giaTriLibpq(user);
    for (const QString& k : khac)
        if (!k.startsWith(QLatin1String("passfile=")))
            p << k;
    return p.join(QLatin1Char(' '));
}

bool KetNoiMayChu::mo(const QString& ten, QString* loi) const
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        if (loi)
            *loi = txt::kMcKhongCoTrinhDieuKhien;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(ten) ? QSqlDatabase::database(ten, false)
                                                  : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), ten);
    db.setHostName(host);
    if (!port.isEmpty())
        db.setPort(port.toInt());
    db.setDatabaseName(dbname);
    db.setUserName(user);
    db.setPassword(password);
    // A lab computer never hangs on a server that is gone: five seconds,
    // unless the school says otherwise.
    QStringList tuyChon = khac;
    if (!std::any_of(khac.begin(), khac.end(),
                     [](const QString& k) { return k.startsWith(QLatin1String("connect_timeout=")); }))
        tuyChon << QStringLiteral("connect_timeout=5");
    if (!std::any_of(khac.begin(), khac.end(),
                     [](const QString& k) { return k.startsWith(QLatin1String("application_name=")); }))
        tuyChon << QStringLiteral("application_name=thilaixe");
    db.setConnectOptions(tuyChon.join(QLatin1Char(';')));
    if (db.open())
        return true;
    if (loi)
        *loi = lyDoMayChu(db.lastError());
    return false;
}

bool laLoiKetNoi(const QSqlError& e)
{
    if (e.type() == QSqlError::ConnectionError)
        return !laLoiDangNhap(e);
    const QString ma = e.nativeErrorCode();
    // No SQLSTATE: no reply came back (the connection broke).
    return ma.isEmpty() || ma.startsWith(QLatin1String("08")) || ma.startsWith(QLatin1String("57P"))
           || ma.startsWith(QLatin1String("53")) || ma.startsWith(QLatin1String("58"));
}

bool laLoiDangNhap(const QSqlError& e)
{
    const QString ma = e.nativeErrorCode();
    const QString chu = e.databaseText();
    return ma == QLatin1String("28P01") || ma == QLatin1String("28000")
           || chu.contains(QLatin1String("password authentication failed"))
           || chu.contains(QLatin1String("no password supplied"))
           || (chu.contains(QLatin1String("role \"")) && chu.contains(QLatin1String("does not exist")));
}

QString lyDoMayChu(const QSqlError& e)
{
    // What the server's functions refuse, said as the learner or the
    // teacher must hear it.
    const QString ma = e.nativeErrorCode();
    const std::pair<const char*, QString> tuChoi[] = {
        {"TL001", txt::kMcTL001},     {"TL002", txt::kMcTL002}, {"TL003", txt::kMcTL003},
        {"TL004", txt::kMcTL004},     {"TL005", txt::kMcTL005}, {"TL006", txt::kMcTL006},
        {"TL007", txt::kMcTL007},     {"TL008", txt::kMcTL008}, {"TL009", txt::kMcTL009},
        {"42501", txt::kMcKhongQuyen}};
    for (const auto& [m, chu] : tuChoi)
        if (ma == QLatin1String(m))
            return chu;
    if (laLoiDangNhap(e) && e.type() == QSqlError::ConnectionError)
        return txt::kMcSaiDangNhap;
    QString chu = e.databaseText().trimmed();
    if (chu.isEmpty())
        chu = e.driverText().trimmed();
    if (chu.isEmpty())
        return txt::kMcMatKetNoi;
    return chu.split(QLatin1Char('\n')).first().trimmed();
}

}  // namespace thilaixe
