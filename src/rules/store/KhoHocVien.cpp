#include "rules/store/KhoHocVien.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"

#include <QDir>
#include <QJsonArray>

#include <algorithm>

namespace thilaixe {

namespace {

// The settings' keys as the store keeps them (a store written by an
// earlier version reads the same).
const QString kKhoaHoSo = QStringLiteral("profile");
const QString kKhoaGiaoDien = QStringLiteral("theme");
const QString kKhoaAmBao = QStringLiteral("sound");
const QString kKhoaDao = QStringLiteral("shuffle");
const QString kKhoaCoChu = QStringLiteral("text_size");
const QString kKhoaCuaSo = QStringLiteral("window_size:");
const QString kKhoaNgayThi = QStringLiteral("exam_date");
const QString kKhoaGioiHan = QStringLiteral("daily_limit");
const QString kKhoaDonViGioiHan = QStringLiteral("daily_limit_unit");
QString khoaHang(const QString& nganHang) { return QStringLiteral("class:") + nganHang; }
QString khoaDaLuu(const QString& nganHang) { return QStringLiteral("saved:") + nganHang; }

QString chuBat(bool bat) { return bat ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

QString KhoHocVien::thongBaoLoiGhi(const QString& lyDo) const { return loiGhiKho(tep(), lyDo); }

bool KhoHocVien::luuChoGhiRaTep(const QString& tep, QString* loi) const
{
    return ghiTep(tep, xuatChoGhi(), loi);
}

QString KhoHocVien::moTaChoGhi() const
{
    QHash<ThayDoi::Loai, int> dem;
    for (const ThayDoi& td : cacChoGhi())
        ++dem[td.loai];
    QStringList phan;
    const std::pair<ThayDoi::Loai, QString> loai[] = {{ThayDoi::Loai::BaiLam, txt::kKhoChoBaiThi},
                                                      {ThayDoi::Loai::OnTap, txt::kKhoChoCauOn},
                                                      {ThayDoi::Loai::DiemLiet, txt::kKhoChoDiemLiet},
                                                      {ThayDoi::Loai::TraLoi, txt::kKhoChoTraLoi},
                                                      {ThayDoi::Loai::CaiDat, txt::kKhoChoCaiDat}};
    for (const auto& [k, chu] : loai)
        if (const int n = dem.value(k))
            phan.append(chu.arg(n));
    return phan.join(QStringLiteral(", "));
}

QByteArray KhoHocVien::xuatChoGhi() const
{
    return vietTepChoGhi(cacChoGhi(), QDir::toNativeSeparators(tep()), lyDoChoGhi());
}

QString loiGhiKho(const QString& tep, const QString& lyDo)
{
    return txt::kKhongGhiDuocKho.arg(QDir::toNativeSeparators(tep), lyDo);
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

QSize KhoHocVien::coCuaSo(qint64 hoSo, const QString& cuaSo)
{
    // "900x640"; anything else (an old or hand-edited value) is no size.
    const QStringList so = caiDat(hoSo, kKhoaCuaSo + cuaSo, {}).split(QLatin1Char('x'));
    bool a = false, b = false;
    const QSize co = so.size() == 2 ? QSize(so[0].toInt(&a), so[1].toInt(&b)) : QSize();
    return a && b && co.width() >= 100 && co.height() >= 100 && co.width() <= 20000 && co.height() <= 20000
               ? co
               : QSize();
}

bool KhoHocVien::datCoCuaSo(qint64 hoSo, const QString& cuaSo, const QSize& co, QString* loi)
{
    const QString giaTri = QStringLiteral("%1x%2").arg(co.width()).arg(co.height());
    if (caiDat(hoSo, kKhoaCuaSo + cuaSo, {}) == giaTri)
        return true;  // unchanged: no change to hold or send
    return datCaiDat(hoSo, kKhoaCuaSo + cuaSo, giaTri, loi);
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
