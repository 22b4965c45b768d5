#include "rules/store/BaiLam.h"

#include <QJsonArray>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace thilaixe {

namespace {

QJsonArray mangSo(const std::vector<int>& v)
{
    QJsonArray a;
    for (int x : v)
        a.append(x);
    return a;
}

std::vector<int> tuMang(const QJsonValue& v)
{
    std::vector<int> kq;
    for (const QJsonValue x : v.toArray())
        kq.push_back(x.toInt());
    return kq;
}

}  // namespace

QJsonObject baiLamJson(const BaiLam& b, bool msGiay)
{
    std::vector<int> liet;
    for (std::size_t i = 0; i < b.cau.size(); ++i)
        if (i < b.diemLiet.size() && b.diemLiet[i])
            liet.push_back(b.cau[i]);
    const Qt::DateFormat dang = msGiay ? Qt::ISODateWithMs : Qt::ISODate;
    QJsonObject o{
        {QStringLiteral("profile"), b.hoSo},
        {QStringLiteral("bank"), b.nganHang},
        {QStringLiteral("bank_version"), b.phienBan},
        {QStringLiteral("rules"), b.quyTac},
        {QStringLiteral("class"), b.hang},
        {QStringLiteral("start"), b.batDau.toUTC().toString(dang)},
        {QStringLiteral("end"), b.ketThuc.toUTC().toString(dang)},
        {QStringLiteral("questions"), mangSo(b.cau)},
        {QStringLiteral("answers"), mangSo(b.traLoi)},
        {QStringLiteral("keys"), mangSo(b.dapAn)},
        {QStringLiteral("critical"), mangSo(liet)},
        {QStringLiteral("pass"), b.canDeDat},
        {QStringLiteral("right"), b.soDung()},
        {QStringLiteral("passed"), b.dat()},
        {QStringLiteral("critical_failed"), mangSo(b.diemLietSai())},
        {QStringLiteral("prediction"),
         b.duDoan ? QJsonValue(QJsonObject{{QStringLiteral("pass"), b.duDoan->first},
                                           {QStringLiteral("critical"), b.duDoan->second}})
                  : QJsonValue(QJsonValue::Null)},
    };
    if (b.id != 0)
        o.insert(QStringLiteral("id"), b.id);
    // A paper's record is as it always was; a short test says what it is.
    if (b.baiNgan)
        o.insert(QStringLiteral("kind"), QStringLiteral("short"));
    if (b.phienKiemTra != 0)
        o.insert(QStringLiteral("session"), b.phienKiemTra);
    return o;
}

std::optional<BaiLam> baiLamTuJson(const QJsonObject& o)
{
    BaiLam b;
    b.hoSo = o.value(QStringLiteral("profile")).toInteger(1);
    b.nganHang = o.value(QStringLiteral("bank")).toString();
    b.phienBan = o.value(QStringLiteral("bank_version")).toString();
    b.quyTac = o.value(QStringLiteral("rules")).toString();
    b.hang = o.value(QStringLiteral("class")).toString();
    b.batDau = QDateTime::fromString(o.value(QStringLiteral("start")).toString(), Qt::ISODateWithMs);
    b.ketThuc = QDateTime::fromString(o.value(QStringLiteral("end")).toString(), Qt::ISODateWithMs);
    b.cau = tuMang(o.value(QStringLiteral("questions")));
    b.traLoi = tuMang(o.value(QStringLiteral("answers")));
    b.dapAn = tuMang(o.value(QStringLiteral("keys")));
    const std::vector<int> liet = tuMang(o.value(QStringLiteral("critical")));
    for (int q : b.cau)
        b.diemLiet.push_back(std::find(liet.begin(), liet.end(), q) != liet.end());
    b.canDeDat = o.value(QStringLiteral("pass")).toInt();
    b.baiNgan = o.value(QStringLiteral("kind")).toString() == QStringLiteral("short");
    b.phienKiemTra = o.value(QStringLiteral("session")).toInteger();
    const QJsonObject du = o.value(QStringLiteral("prediction")).toObject();
    if (!du.isEmpty())
        b.duDoan = std::make_pair(du.value(QStringLiteral("pass")).toDouble(),
                                  du.value(QStringLiteral("critical")).toDouble());
    if (b.nganHang.isEmpty() || b.hang.isEmpty() || !b.batDau.isValid() || !b.ketThuc.isValid()
        || b.cau.empty() || b.traLoi.size() != b.cau.size() || b.dapAn.size() != b.cau.size())
        return std::nullopt;
    return b;
}

int BaiLam::soDung() const
{
    int n = 0;
    for (std::size_t i = 0; i < cau.size(); ++i)
        n += i < traLoi.size() && i < dapAn.size() && traLoi[i] != 0 && traLoi[i] == dapAn[i] ? 1 : 0;
    return n;
}

std::vector<int> BaiLam::diemLietSai() const
{
    std::vector<int> kq;
    for (std::size_t i = 0; i < cau.size(); ++i)
        if (i < diemLiet.size() && diemLiet[i]
            && !(i < traLoi.size() && i < dapAn.size() && traLoi[i] != 0 && traLoi[i] == dapAn[i]))
            kq.push_back(cau[i]);
    return kq;
}

LanThi BaiLam::lanThi() const
{
    LanThi l;
    l.hang = hang;
    l.cau.assign(cau.size() + 1, 0);
    l.dung.assign(cau.size() + 1, false);
    l.diemLiet.assign(cau.size() + 1, false);
    for (std::size_t i = 0; i < cau.size(); ++i) {
        l.cau[i + 1] = cau[i];
        l.dung[i + 1] = i < traLoi.size() && i < dapAn.size() && traLoi[i] != 0 && traLoi[i] == dapAn[i];
        l.diemLiet[i + 1] = i < diemLiet.size() && diemLiet[i];
    }
    l.soDung = soDung();
    l.canDeDat = canDeDat;
    l.dat = dat();
    l.khoa = QByteArray::number(id);
    return l;
}

BaiLam baiLamTuDong(const QSqlQuery& q)
{
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
    b.baiNgan = q.value(9).toString() == QLatin1String("short");
    if (!q.isNull(10))
        b.duDoan = std::make_pair(q.value(10).toDouble(), q.value(11).toDouble());
    return b;
}

void themOBaiLam(BaiLam& b, const QSqlQuery& q)
{
    b.cau.push_back(q.value(1).toInt());
    b.traLoi.push_back(q.value(2).toInt());
    b.dapAn.push_back(q.value(3).toInt());
    b.diemLiet.push_back(q.value(4).toInt() != 0);
}

}  // namespace thilaixe
