#include "rules/store/KhoHocVien.h"

#include "rules/common/Texts.h"

#include <QDir>
#include <QJsonArray>
#include <QSaveFile>

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

// The settings' keys as the store keeps them (a store written by an
// earlier version reads the same).
const QString kKhoaHoSo = QStringLiteral("profile");
const QString kKhoaGiaoDien = QStringLiteral("theme");
const QString kKhoaAmBao = QStringLiteral("sound");
const QString kKhoaDao = QStringLiteral("shuffle");
const QString kKhoaCoChu = QStringLiteral("text_size");
const QString kKhoaNgayThi = QStringLiteral("exam_date");
const QString kKhoaGioiHan = QStringLiteral("daily_limit");
const QString kKhoaDonViGioiHan = QStringLiteral("daily_limit_unit");
QString khoaHang(const QString& nganHang) { return QStringLiteral("class:") + nganHang; }
QString khoaDaLuu(const QString& nganHang) { return QStringLiteral("saved:") + nganHang; }

QString chuBat(bool bat) { return bat ? QStringLiteral("1") : QStringLiteral("0"); }

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

QString KhoHocVien::thongBaoLoiGhi(const QString& lyDo) const { return loiGhiKho(tep(), lyDo); }

bool KhoHocVien::luuChoGhiRaTep(const QString& tep, QString* loi) const
{
    QSaveFile f(tep);
    if (f.open(QIODevice::WriteOnly) && f.write(xuatChoGhi()) >= 0 && f.commit())
        return true;
    if (loi)
        *loi = f.errorString();
    return false;
}

QString KhoHocVien::moTaTheoLoai(const QHash<QString, int>& dem)
{
    QStringList phan;
    const std::pair<const char*, QString> loai[] = {
        {"attempt", txt::kKhoChoBaiThi},          {"practice", txt::kKhoChoCauOn},
        {"critical_right", txt::kKhoChoDiemLiet}, {"answer", txt::kKhoChoTraLoi},
        {"setting", txt::kKhoChoCaiDat},          {"", txt::kKhoChoKhac}};
    for (const auto& [k, chu] : loai)
        if (const int n = dem.value(QString::fromLatin1(k)))
            phan.append(chu.arg(n));
    return phan.join(QStringLiteral(", "));
}

QString loiGhiKho(const QString& tep, const QString& lyDo)
{
    return txt::kKhongGhiDuocKho.arg(QDir::toNativeSeparators(tep), lyDo);
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

int KhoHocVien::giaoDien(qint64 hoSo)
{
    return std::clamp(caiDat(hoSo, kKhoaGiaoDien, QStringLiteral("0")).toInt(), 0, 3);
}

bool KhoHocVien::datGiaoDien(qint64 hoSo, int giaoDien, QString* loi)
{
    return datCaiDat(hoSo, kKhoaGiaoDien, QString::number(std::clamp(giaoDien, 0, 3)), loi);
}

bool KhoHocVien::amBao(qint64 hoSo) { return caiDat(hoSo, kKhoaAmBao, chuBat(true)) == chuBat(true); }

bool KhoHocVien::datAmBao(qint64 hoSo, bool bat, QString* loi)
{
    return datCaiDat(hoSo, kKhoaAmBao, chuBat(bat), loi);
}

bool KhoHocVien::daoPhuongAn(qint64 hoSo) { return caiDat(hoSo, kKhoaDao, chuBat(true)) == chuBat(true); }

bool KhoHocVien::datDaoPhuongAn(qint64 hoSo, bool bat, QString* loi)
{
    return datCaiDat(hoSo, kKhoaDao, chuBat(bat), loi);
}

std::optional<QDate> KhoHocVien::ngayThi(qint64 hoSo)
{
    const QDate d = QDate::fromString(caiDat(hoSo, kKhoaNgayThi, QString()), Qt::ISODate);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

bool KhoHocVien::datNgayThi(qint64 hoSo, const std::optional<QDate>& ngay, QString* loi)
{
    return datCaiDat(hoSo, kKhoaNgayThi, ngay && ngay->isValid() ? ngay->toString(Qt::ISODate) : QString(),
                     loi);
}

int KhoHocVien::gioiHanNgay(qint64 hoSo)
{
    return std::clamp(caiDat(hoSo, kKhoaGioiHan, QStringLiteral("40")).toInt(), 1, 500);
}

bool KhoHocVien::datGioiHanNgay(qint64 hoSo, int soCau, QString* loi)
{
    return datCaiDat(hoSo, kKhoaGioiHan, QString::number(std::clamp(soCau, 1, 500)), loi);
}

QString KhoHocVien::mayChuTruong() { return caiDat(kHoSoMacDinh, kKhoaMayChuTruong, {}); }

bool KhoHocVien::datMayChuTruong(const QString& chuoi, QString* loi)
{
    return datCaiDat(kHoSoMacDinh, kKhoaMayChuTruong, chuoi.trimmed(), loi);
}

bool KhoHocVien::gioiHanTheoPhut(qint64 hoSo)
{
    return caiDat(hoSo, kKhoaDonViGioiHan, QStringLiteral("questions")) == QStringLiteral("minutes");
}

bool KhoHocVien::datGioiHanTheoPhut(qint64 hoSo, bool theoPhut, QString* loi)
{
    return datCaiDat(hoSo, kKhoaDonViGioiHan,
                     theoPhut ? QStringLiteral("minutes") : QStringLiteral("questions"), loi);
}

std::vector<int> KhoHocVien::cauDaLuu(qint64 hoSo, const QString& nganHang)
{
    std::vector<int> kq;
    for (const QString& so :
         caiDat(hoSo, khoaDaLuu(nganHang), {}).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int c = so.toInt(&ok);
        if (ok && c > 0)
            kq.push_back(c);
    }
    std::sort(kq.begin(), kq.end());
    kq.erase(std::unique(kq.begin(), kq.end()), kq.end());
    return kq;
}

bool KhoHocVien::datCauDaLuu(qint64 hoSo, const QString& nganHang, std::vector<int> cau, QString* loi)
{
    std::sort(cau.begin(), cau.end());
    cau.erase(std::unique(cau.begin(), cau.end()), cau.end());
    QStringList so;
    for (int c : cau)
        so.append(QString::number(c));
    return datCaiDat(hoSo, khoaDaLuu(nganHang), so.join(QLatin1Char(',')), loi);
}

int KhoHocVien::coChu(qint64 hoSo)
{
    return std::clamp(caiDat(hoSo, kKhoaCoChu, QStringLiteral("0")).toInt(), -3, 12);
}

bool KhoHocVien::datCoChu(qint64 hoSo, int buoc, QString* loi)
{
    return datCaiDat(hoSo, kKhoaCoChu, QString::number(std::clamp(buoc, -3, 12)), loi);
}

QString KhoHocVien::hangDaChon(qint64 hoSo, const QString& nganHang)
{
    return caiDat(hoSo, khoaHang(nganHang), QStringLiteral("B"));
}

bool KhoHocVien::datHangDaChon(qint64 hoSo, const QString& nganHang, const QString& hang, QString* loi)
{
    return datCaiDat(hoSo, khoaHang(nganHang), hang, loi);
}

// Kept with the first profile one can see: the default one, or on a
// school's server a signed-in learner's own.
qint64 KhoHocVien::hoSoDangHoc()
{
    const std::vector<HoSo> ds = cacHoSo();
    const qint64 dau = ds.empty() ? kHoSoMacDinh : ds.front().id;
    const qint64 h = caiDat(dau, kKhoaHoSo, QString::number(dau)).toLongLong();
    for (const HoSo& p : ds)
        if (p.id == h)
            return h;
    return dau;
}

bool KhoHocVien::datHoSoDangHoc(qint64 hoSo, QString* loi)
{
    const std::vector<HoSo> ds = cacHoSo();
    return datCaiDat(ds.empty() ? kHoSoMacDinh : ds.front().id, kKhoaHoSo, QString::number(hoSo), loi);
}

}  // namespace thilaixe
