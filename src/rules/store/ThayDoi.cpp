#include "rules/store/ThayDoi.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"

#include <QCryptographicHash>
#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

namespace thilaixe {

namespace {

QString uidMoi() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

const QString kKind = QStringLiteral("kind");
const QString kUid = QStringLiteral("uid");
const QString kProfile = QStringLiteral("profile");
const QString kBank = QStringLiteral("bank");
const QString kQuestion = QStringLiteral("question");
const QString kRight = QStringLiteral("right");

QByteArray tongKiem(const QJsonArray& ds)
{
    return QByteArrayLiteral("sha256:")
           + QCryptographicHash::hash(QJsonDocument(ds).toJson(QJsonDocument::Compact),
                                      QCryptographicHash::Sha256)
                 .toHex();
}

bool sai(QString* loi, const QString& vi)
{
    if (loi)
        *loi = vi;
    return false;
}

}  // namespace

ThayDoi ThayDoi::baiLam(const BaiLam& b)
{
    ThayDoi td;
    td.loai = Loai::BaiLam;
    td.uid = uidMoi();
    td.hoSo = b.hoSo;
    td.nganHang = b.nganHang;
    td.bai = b;
    return td;
}

ThayDoi ThayDoi::onTap(qint64 hoSo, const QString& nganHang, int cau, bool dung)
{
    ThayDoi td;
    td.loai = Loai::OnTap;
    td.uid = uidMoi();
    td.hoSo = hoSo;
    td.nganHang = nganHang;
    td.cau = cau;
    td.dung = dung;
    return td;
}

ThayDoi ThayDoi::diemLiet(qint64 hoSo, const QString& nganHang, int cau, const QString& ngay)
{
    ThayDoi td;
    td.loai = Loai::DiemLiet;
    td.uid = uidMoi();
    td.hoSo = hoSo;
    td.nganHang = nganHang;
    td.cau = cau;
    td.ngay = ngay;
    return td;
}

ThayDoi ThayDoi::traLoi(qint64 hoSo, const QString& nganHang, int cau, bool dung, qint64 luc)
{
    ThayDoi td = onTap(hoSo, nganHang, cau, dung);
    td.loai = Loai::TraLoi;
    td.luc = luc;
    return td;
}

ThayDoi ThayDoi::caiDat(qint64 hoSo, const QString& khoa, const QString& giaTri)
{
    ThayDoi td;
    td.loai = Loai::CaiDat;
    td.uid = uidMoi();
    td.hoSo = hoSo;
    td.khoa = khoa;
    td.giaTri = giaTri;
    return td;
}

QString tenLoai(ThayDoi::Loai loai)
{
    switch (loai) {
    case ThayDoi::Loai::BaiLam: return QStringLiteral("attempt");
    case ThayDoi::Loai::OnTap: return QStringLiteral("practice");
    case ThayDoi::Loai::DiemLiet: return QStringLiteral("critical_right");
    case ThayDoi::Loai::TraLoi: return QStringLiteral("answer");
    case ThayDoi::Loai::CaiDat: return QStringLiteral("setting");
    }
    return {};
}

QJsonObject thayDoiJson(const ThayDoi& td)
{
    QJsonObject o{{kKind, tenLoai(td.loai)}};
    switch (td.loai) {
    case ThayDoi::Loai::BaiLam: o.insert(QStringLiteral("attempt"), baiLamJson(td.bai, true)); break;
    case ThayDoi::Loai::OnTap:
        o.insert(kProfile, td.hoSo);
        o.insert(kBank, td.nganHang);
        o.insert(kQuestion, td.cau);
        o.insert(kRight, td.dung);
        break;
    case ThayDoi::Loai::DiemLiet:
        o.insert(kProfile, td.hoSo);
        o.insert(kBank, td.nganHang);
        o.insert(kQuestion, td.cau);
        o.insert(QStringLiteral("day"), td.ngay);
        break;
    case ThayDoi::Loai::TraLoi:
        o.insert(kProfile, td.hoSo);
        o.insert(kBank, td.nganHang);
        o.insert(kQuestion, td.cau);
        o.insert(QStringLiteral("at"), td.luc);
        o.insert(kRight, td.dung);
        break;
    case ThayDoi::Loai::CaiDat:
        o.insert(kProfile, td.hoSo);
        o.insert(QStringLiteral("key"), td.khoa);
        o.insert(QStringLiteral("value"), td.giaTri);
        break;
    }
    if (!td.uid.isEmpty())
        o.insert(kUid, td.uid);
    return o;
}

std::optional<ThayDoi> thayDoiTuJson(const QJsonObject& o, QString* loi)
{
    ThayDoi td;
    const QString kind = o.value(kKind).toString();
    td.uid = o.value(kUid).toString();
    td.hoSo = o.value(kProfile).toInteger(1);
    td.nganHang = o.value(kBank).toString();
    td.cau = o.value(kQuestion).toInt();
    td.dung = o.value(kRight).toBool();
    const bool coCau = !td.nganHang.isEmpty() && td.cau > 0;
    if (kind == QLatin1String("attempt")) {
        const std::optional<BaiLam> b = baiLamTuJson(o.value(QStringLiteral("attempt")).toObject());
        if (!b) {
            sai(loi, txt::kTdKhongPhaiBai);
            return std::nullopt;
        }
        td.loai = ThayDoi::Loai::BaiLam;
        td.bai = *b;
        td.hoSo = b->hoSo;
        td.nganHang = b->nganHang;
    } else if (kind == QLatin1String("practice") && coCau) {
        td.loai = ThayDoi::Loai::OnTap;
    } else if (kind == QLatin1String("critical_right") && coCau) {
        td.loai = ThayDoi::Loai::DiemLiet;
        td.ngay = o.value(QStringLiteral("day")).toString();
        if (!QDate::fromString(td.ngay, Qt::ISODate).isValid()) {
            sai(loi, txt::kTdKhongDoc.arg(kind));
            return std::nullopt;
        }
    } else if (kind == QLatin1String("answer") && coCau) {
        td.loai = ThayDoi::Loai::TraLoi;
        td.luc = o.value(QStringLiteral("at")).toInteger();
    } else if (kind == QLatin1String("setting") && !o.value(QStringLiteral("key")).toString().isEmpty()) {
        td.loai = ThayDoi::Loai::CaiDat;
        td.khoa = o.value(QStringLiteral("key")).toString();
        td.giaTri = o.value(QStringLiteral("value")).toString();
    } else {
        sai(loi, txt::kTdKhongDoc.arg(kind));
        return std::nullopt;
    }
    if (td.hoSo <= 0) {
        sai(loi, txt::kTdKhongDoc.arg(kind));
        return std::nullopt;
    }
    return td;
}

void apVaoOnTap(const ThayDoi& td, qint64 hoSo, const QString& nganHang, SoOnTap& onTap)
{
    if (td.hoSo != hoSo || td.nganHang != nganHang)
        return;
    if (td.loai == ThayDoi::Loai::OnTap && onTap.coCau(td.cau))
        traLoiMuc(onTap.muc[static_cast<std::size_t>(td.cau)], td.dung);
    if (td.loai == ThayDoi::Loai::BaiLam)
        for (int q : cauBiSai(td.bai.lanThi()))
            if (onTap.coCau(q))
                boVaoDanhSach(onTap.muc[static_cast<std::size_t>(q)]);
}

QByteArray vietTepChoGhi(const std::vector<ThayDoi>& ds, const QString& kho, const QString& lyDo)
{
    QJsonArray mang;
    for (const ThayDoi& td : ds)
        mang.append(thayDoiJson(td));
    const QJsonObject o{{QStringLiteral("format"), kDangChoGhi},
                        {QStringLiteral("store"), kho},
                        {QStringLiteral("reason"), lyDo},
                        {QStringLiteral("saved"), thoiGianLuuTep()},
                        {QStringLiteral("changes"), mang},
                        {QStringLiteral("checksum"), QString::fromLatin1(tongKiem(mang))}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<TepChoGhi> docTepChoGhi(const QByteArray& noiDung, QString* loi)
{
    if (noiDung.size() > kTepChoGhiToiDa) {
        sai(loi, txt::kTdQuaLon.arg(kTepChoGhiToiDa >> 20));
        return std::nullopt;
    }
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(noiDung, &e);
    const QJsonObject goc = doc.object();
    const QString dang = goc.value(QStringLiteral("format")).toString();
    if (e.error != QJsonParseError::NoError || !doc.isObject()
        || (dang != kDangChoGhi && dang != kDangChoGhiCu)
        || !goc.value(QStringLiteral("changes")).isArray()) {
        sai(loi, txt::kTdKhongPhaiTep.arg(kDangChoGhi));
        return std::nullopt;
    }
    const QJsonArray mang = goc.value(QStringLiteral("changes")).toArray();
    TepChoGhi kq;
    const QString tong = goc.value(QStringLiteral("checksum")).toString();
    // A file of this version always carries its checksum: one without is
    // as edited as one whose content no longer matches it.
    if (dang == kDangChoGhi && tong.toLatin1() != tongKiem(mang)) {
        sai(loi, txt::kTdDaSua);
        return std::nullopt;
    }
    kq.coTongKiem = dang == kDangChoGhi;
    // Changes of the first version had no ids: each is named by its content
    // and by how many equal ones came before it in the file, so the same
    // file saved again in another layout names them the same.
    QHash<QByteArray, int> lan;
    for (qsizetype i = 0; i < mang.size(); ++i) {
        QString vi;
        std::optional<ThayDoi> td =
            mang[i].isObject() ? thayDoiTuJson(mang[i].toObject(), &vi) : std::nullopt;
        if (!td) {
            sai(loi, txt::kTdThayDoiThu.arg(i + 1).arg(vi.isEmpty() ? txt::kTdKhongDoc.arg(QString()) : vi));
            return std::nullopt;
        }
        if (td->uid.isEmpty()) {
            QJsonObject o = mang[i].toObject();
            o.remove(kUid);
            const QByteArray noi = QCryptographicHash::hash(QJsonDocument(o).toJson(QJsonDocument::Compact),
                                                            QCryptographicHash::Sha256)
                                       .toHex();
            td->uid = QStringLiteral("c:%1#%2").arg(QString::fromLatin1(noi)).arg(lan[noi]++);
        }
        kq.ds.push_back(std::move(*td));
    }
    return kq;
}

}  // namespace thilaixe
