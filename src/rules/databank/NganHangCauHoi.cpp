#include "rules/databank/NganHangCauHoi.h"

#include "rules/bank/AnhCauHoi.h"
#include "rules/bank/DapAn.h"
#include "rules/bank/HangGiayPhep.h"
#include "rules/bank/XuLyCacCauHoi.h"
#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <memory>

namespace thilaixe {

namespace {

const QString kDangNganHang = QStringLiteral("thilaixe-bank/");
const QString kDangQuyTac = QStringLiteral("thilaixe-rules/");

QString viTriCau(int i, const QString& khoa) { return txt::kTepViTriCau.arg(i + 1).arg(i).arg(khoa); }

// Nothing a reader sees: blanks, control and format characters (NUL, a
// zero-width space) only.
bool chiKhoangTrang(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

// A character that would change what a text shows or does on a terminal:
// a control character other than a line break or tab (an escape), or a
// bidirectional override or isolate, which can show a text in an order
// other than its own.
std::optional<char16_t> kyTuCam(const QString& s)
{
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if ((c.category() == QChar::Other_Control && u != u'\n' && u != u'\r' && u != u'\t')
            || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            return u;
    }
    return std::nullopt;
}

// Where a fault lies, made into text only when there is a fault: a bank's
// thousands of fields are read without building a name for each.
class ViTri final {
public:
    ViTri(QString chuoi) : m_chuoi(std::move(chuoi)) {}
    template <typename A, typename B> ViTri(const QStringBuilder<A, B>& b) : m_chuoi(b) {}
    ViTri(int cau, QLatin1String khoa) : m_cau(cau), m_khoa(khoa) {}
    QString chuoi() const { return m_cau < 0 ? m_chuoi : viTriCau(m_cau, QString(m_khoa)); }

private:
    QString m_chuoi;
    int m_cau = -1;
    QLatin1String m_khoa;
};

// Collects the faults of one file.
class SoatLoi final {
public:
    std::vector<LoiDuLieu> loi;
    void them(const ViTri& viTri, const QString& vi, const QString& en)
    {
        loi.push_back({viTri.chuoi(), vi, en});
    }

    // The format line: this version, or refused with what it is.
    bool dang(const QJsonObject& o, const QString& ten)
    {
        const QString d = o.value(QStringLiteral("format")).toString();
        if (d == ten + QStringLiteral("1"))
            return true;
        bool so = false;
        const int v = d.startsWith(ten) ? d.mid(ten.size()).toInt(&so) : 0;
        if (so && v > 1)
            them(QStringLiteral("format"), txt::kTepDangMoiHon.arg(d), txt::kTepDangMoiHonEn.arg(d));
        else
            them(QStringLiteral("format"), txt::kTepKhongPhaiDang.arg(ten + QLatin1Char('1')),
                 txt::kTepKhongPhaiDangEn.arg(ten + QLatin1Char('1')));
        return false;
    }
    QString chu(const QJsonObject& o, const QString& khoa, const ViTri& viTri, bool batBuoc, int toiDa)
    {
        const QJsonValue v = o.value(khoa);
        if (v.isUndefined() || v.isNull()) {
            if (batBuoc)
                them(viTri, txt::kTepThieu, txt::kTepThieuEn);
            return {};
        }
        if (!v.isString()) {
            them(viTri, txt::kTepPhaiLaChuoi, txt::kTepPhaiLaChuoiEn);
            return {};
        }
        // One form for every text, whatever the editor wrote (NFD or NFC).
        QString s = v.toString().normalized(QString::NormalizationForm_C);
        if (batBuoc && chiKhoangTrang(s))
            them(viTri, txt::kTepTrong, txt::kTepTrongEn);
        kiemKyTu(s, viTri);
        if (s.size() > toiDa)
            them(viTri, txt::kTepDaiQua.arg(toiDa), txt::kTepDaiQuaEn.arg(toiDa));
        return s;
    }
    void kiemKyTu(const QString& s, const ViTri& viTri)
    {
        if (const std::optional<char16_t> u = kyTuCam(s)) {
            const QString ma =
                QStringLiteral("U+%1").arg(static_cast<int>(*u), 4, 16, QLatin1Char('0')).toUpper();
            them(viTri, txt::kTepKyTuCam.arg(ma), txt::kTepKyTuCamEn.arg(ma));
        }
    }
    std::optional<int> so(const QJsonObject& o, const QString& khoa, const ViTri& viTri, int thap, int cao,
                          bool batBuoc = true)
    {
        const QJsonValue v = o.value(khoa);
        if (v.isUndefined()) {
            if (batBuoc)
                them(viTri, txt::kTepThieu, txt::kTepThieuEn);
            return std::nullopt;
        }
        // Range first: casting a number beyond any integer (1e300) is undefined.
        const double d = v.toDouble();
        if (!v.isDouble() || !(d >= thap && d <= cao) || d != std::floor(d)) {
            them(viTri, txt::kTepSoNguyen.arg(thap).arg(cao), txt::kTepSoNguyenEn.arg(thap).arg(cao));
            return std::nullopt;
        }
        return static_cast<int>(d);
    }
};

std::optional<QJsonObject> docJson(const QByteArray& b, SoatLoi& s)
{
    if (b.size() > kTepDuLieuToiDa) {
        s.them(txt::kTepViTriTep, txt::kTepLonQua.arg(kTepDuLieuToiDa >> 20),
               txt::kTepLonQuaEn.arg(kTepDuLieuToiDa >> 20));
        return std::nullopt;
    }
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(b, &e);
    if (e.error != QJsonParseError::NoError || !d.isObject()) {
        const QString sao =
            e.error != QJsonParseError::NoError ? e.errorString() : txt::kTepKhongPhaiDoiTuong;
        s.them(txt::kTepViTriByte.arg(e.offset), txt::kTepJsonHong.arg(sao), txt::kTepJsonHongEn.arg(sao));
        return std::nullopt;
    }
    return d.object();
}

bool anhAnToan(const QString& anh)
{
    return !anh.isEmpty() && !QDir::isAbsolutePath(anh) && !anh.startsWith(QLatin1Char('~'))
           && !QDir::cleanPath(anh).startsWith(QStringLiteral("..")) && !anh.contains(QLatin1Char('\\'));
}

}  // namespace

int NganHang::chuongCua(int so) const
{
    for (const ChuongNganHang& c : chuong)
        if (so >= c.dau && so <= c.cuoi)
            return c.so;
    return 0;
}

QuyTacHang quyTacBaiNgan(const QuyTacHang& q, int soCau)
{
    QuyTacHang qn = q;
    const qint64 n = soCau;
    const qint64 goc = std::max(q.soCau, 1);
    qn.soCau = soCau;
    qn.canDeDat = static_cast<int>((q.canDeDat * n + goc - 1) / goc);
    qn.soPhut = static_cast<int>((qint64{q.soPhut} * n + goc - 1) / goc);
    return qn;
}

QStringList cacTepNganHangCoSan(const QString& thuMuc)
{
    const QString ung = QCoreApplication::applicationDirPath();
    QStringList kq;
    QStringList thu{QDir(thuMuc).filePath(QStringLiteral("bank-2025/bank.json")),
                    QDir(ung).filePath(QStringLiteral("../share/thilaixe/bank-2025/bank.json")),
                    QDir(ung).filePath(QStringLiteral("sample-bank-2025/bank.json"))};
    const QDir boNho(QDir(thuMuc).filePath(kThuMucNganHangMayChu));
    for (const QString& d : boNho.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        thu << boNho.filePath(d + QStringLiteral("/bank.json"));
    for (const QString& t : thu)
        if (QFileInfo(t).isFile() && !kq.contains(QDir::cleanPath(QFileInfo(t).absoluteFilePath())))
            kq << QDir::cleanPath(QFileInfo(t).absoluteFilePath());
    return kq;
}

const QuyTacHang* BoQuyTac::timHang(const QString& ten) const
{
    for (const QuyTacHang& h : hang)
        if (h.hang.compare(ten, Qt::CaseInsensitive) == 0)
            return &h;
    return nullptr;
}

DocDuoc<NganHang> docNganHang(const QByteArray& noiDung)
{
    SoatLoi s;
    const std::optional<QJsonObject> goc = docJson(noiDung, s);
    if (!goc || !s.dang(*goc, kDangNganHang))
        return {std::nullopt, s.loi};
    NganHang nh;
    nh.id = s.chu(*goc, QStringLiteral("id"), QStringLiteral("id"), true, 100);
    nh.tieuDe = s.chu(*goc, QStringLiteral("title"), QStringLiteral("title"), true, 500);
    nh.phienBan = s.chu(*goc, QStringLiteral("version"), QStringLiteral("version"), true, 100);
    nh.nguon = s.chu(*goc, QStringLiteral("source"), QStringLiteral("source"), false, kDoDaiChuToiDa);

    const QJsonArray cauHoi = goc->value(QStringLiteral("questions")).toArray();
    const int n = static_cast<int>(cauHoi.size());
    if (n == 0 || n > kSoCauToiDa)
        s.them(QStringLiteral("questions"), txt::kTepSoCau.arg(kSoCauToiDa),
               txt::kTepSoCauEn.arg(kSoCauToiDa));

    const QJsonArray chuong = goc->value(QStringLiteral("chapters")).toArray();
    if (chuong.isEmpty() || chuong.size() > 100)
        s.them(QStringLiteral("chapters"), txt::kTepSoChuong, txt::kTepSoChuongEn);
    for (qsizetype i = 0; i < chuong.size() && i < 100; ++i) {
        const QJsonObject c = chuong[i].toObject();
        const QString p = QStringLiteral("chapters[%1]").arg(i);
        ChuongNganHang ch;
        ch.so = s.so(c, QStringLiteral("number"), p + QStringLiteral(".number"), 1, 100).value_or(0);
        ch.tieuDe = s.chu(c, QStringLiteral("title"), p + QStringLiteral(".title"), true, 500);
        ch.dau = s.so(c, QStringLiteral("first"), p + QStringLiteral(".first"), 1, kSoCauToiDa).value_or(0);
        ch.cuoi = s.so(c, QStringLiteral("last"), p + QStringLiteral(".last"), 1, kSoCauToiDa).value_or(0);
        if (ch.dau > ch.cuoi)
            s.them(p, txt::kTepDauSauCuoi, txt::kTepDauSauCuoiEn);
        for (const ChuongNganHang& truoc : nh.chuong) {
            if (ch.so != 0 && truoc.so == ch.so)
                s.them(p + QStringLiteral(".number"), txt::kTepChuongHaiLan.arg(ch.so),
                       txt::kTepChuongHaiLanEn.arg(ch.so));
            if (ch.dau <= truoc.cuoi && truoc.dau <= ch.cuoi)
                s.them(p, txt::kTepTrungKhoang.arg(truoc.so), txt::kTepTrungKhoangEn.arg(truoc.so));
        }
        nh.chuong.push_back(ch);
    }

    for (int i = 0; i < n && i < kSoCauToiDa; ++i) {
        const QJsonObject o = cauHoi[i].toObject();
        CauHoiNganHang c;
        const std::optional<int> so =
            s.so(o, QStringLiteral("number"), ViTri(i, QLatin1String("number")), 1, kSoCauToiDa);
        if (so && *so != i + 1)
            s.them(ViTri(i, QLatin1String("number")), txt::kTepSoLienNhau.arg(*so).arg(i + 1),
                   txt::kTepSoLienNhauEn.arg(*so).arg(i + 1));
        c.so = i + 1;
        c.noiDung = s.chu(o, QStringLiteral("text"), ViTri(i, QLatin1String("text")), true, kDoDaiChuToiDa);
        const QJsonValue pa = o.value(QStringLiteral("options"));
        if (!pa.isUndefined()) {
            const QJsonArray a = pa.toArray();
            if (!pa.isArray() || a.size() < 2 || a.size() > 4)
                s.them(ViTri(i, QLatin1String("options")), txt::kTepSoPhuongAn, txt::kTepSoPhuongAnEn);
            for (qsizetype k = 0; k < a.size() && k < 4; ++k) {
                const QString t = a[k].toString().normalized(QString::NormalizationForm_C);
                s.kiemKyTu(t, viTriCau(i, QStringLiteral("options[%1]").arg(k)));
                if (!a[k].isString() || chiKhoangTrang(t) || t.size() > kDoDaiChuToiDa)
                    s.them(viTriCau(i, QStringLiteral("options[%1]").arg(k)),
                           txt::kTepPhuongAnChu.arg(kDoDaiChuToiDa),
                           txt::kTepPhuongAnChuEn.arg(kDoDaiChuToiDa));
                c.phuongAn.append(t);
            }
            c.soPhuongAn = static_cast<int>(std::clamp<qsizetype>(a.size(), 0, 4));
        } else {
            c.soPhuongAn =
                s.so(o, QStringLiteral("option_count"), ViTri(i, QLatin1String("option_count")), 2, 4)
                    .value_or(0);
            if (!o.value(QStringLiteral("image")).isString())
                s.them(ViTri(i, QLatin1String("image")), txt::kTepCanAnh, txt::kTepCanAnhEn);
        }
        c.dapAn =
            s.so(o, QStringLiteral("answer"), ViTri(i, QLatin1String("answer")), 1, std::max(1, c.soPhuongAn))
                .value_or(0);
        const QJsonValue dl = o.value(QStringLiteral("critical"));
        if (!dl.isUndefined() && !dl.isBool())
            s.them(ViTri(i, QLatin1String("critical")), txt::kTepDungSai, txt::kTepDungSaiEn);
        c.diemLiet = dl.toBool(false);
        c.anh = s.chu(o, QStringLiteral("image"), ViTri(i, QLatin1String("image")), false, 500);
        if (!c.anh.isEmpty() && !anhAnToan(c.anh))
            s.them(ViTri(i, QLatin1String("image")), txt::kTepAnhTrongThuMuc, txt::kTepAnhTrongThuMucEn);
        c.giaiThich = s.chu(o, QStringLiteral("explanation"), ViTri(i, QLatin1String("explanation")), false,
                            kDoDaiChuToiDa);
        c.meo = s.chu(o, QStringLiteral("tip"), ViTri(i, QLatin1String("tip")), false, kDoDaiChuToiDa);
        if (const QJsonValue luat = o.value(QStringLiteral("law")); !luat.isUndefined()) {
            const QJsonObject l = luat.toObject();
            c.vanBan = luat.isObject() ? s.chu(l, QStringLiteral("document"),
                                               ViTri(i, QLatin1String("law.document")), true, 500)
                                       : QString();
            c.dieuKhoan =
                s.chu(l, QStringLiteral("article"), ViTri(i, QLatin1String("law.article")), false, 200);
            if (!luat.isObject())
                s.them(ViTri(i, QLatin1String("law")), txt::kTepCanCu, txt::kTepCanCuEn);
        }
        const QJsonValue nhom = o.value(QStringLiteral("pools"));
        if (!nhom.isUndefined()) {
            const QJsonArray a = nhom.toArray();
            if (!nhom.isArray() || a.size() > 50)
                s.them(ViTri(i, QLatin1String("pools")), txt::kTepDanhSachHang, txt::kTepDanhSachHangEn);
            for (const QJsonValue h : a) {
                if (!h.isString() || h.toString().isEmpty() || h.toString().size() > 20)
                    s.them(ViTri(i, QLatin1String("pools")), txt::kTepTenHang, txt::kTepTenHangEn);
                c.nhom.append(h.toString());
            }
        }
        nh.cauHoi.push_back(c);
    }

    // Every question in exactly one chapter (ranges do not overlap: checked above).
    for (int q = 1; q <= static_cast<int>(nh.cauHoi.size()); ++q)
        if (nh.chuongCua(q) == 0)
            s.them(txt::kTepViTriSoCau.arg(q), txt::kTepNgoaiChuong, txt::kTepNgoaiChuongEn);
    for (const ChuongNganHang& c : nh.chuong)
        if (c.cuoi > static_cast<int>(nh.cauHoi.size()))
            s.them(txt::kTepViTriChuong.arg(c.so), txt::kTepChuongQuaCuoi.arg(c.cuoi).arg(nh.cauHoi.size()),
                   txt::kTepChuongQuaCuoiEn.arg(c.cuoi).arg(nh.cauHoi.size()));
    if (!s.loi.empty())
        return {std::nullopt, s.loi, std::move(nh)};
    return {std::move(nh), {}};
}

DocDuoc<NganHang> docNganHangTep(const QString& tep)
{
    QFile f;
    QString lyDo;
    if (const KetQuaMo mo = moTepNguon(tep, f, &lyDo); mo != KetQuaMo::DaMo)
        return {std::nullopt,
                {{tep, txt::kTepKhongMoDuoc.arg(lyDo),
                  mo == KetQuaMo::ThieuTep ? txt::kTepKhongCoEn : txt::kTepKhongMoDuocEn}}};
    if (f.size() > kTepDuLieuToiDa)
        return {std::nullopt,
                {{tep, txt::kTepLonQua.arg(kTepDuLieuToiDa >> 20),
                  txt::kTepLonQuaEn.arg(kTepDuLieuToiDa >> 20)}}};
    return docNganHang(f.read(kTepDuLieuToiDa + 1));
}

std::vector<LoiDuLieu> kiemTraAnh(const NganHang& nh, const QString& thuMuc)
{
    std::vector<LoiDuLieu> loi;
    const QString goc = QDir(thuMuc).canonicalPath();
    for (const CauHoiNganHang& c : nh.cauHoi) {
        // A path that leaves the folder is a fault of the bank file itself.
        if (c.anh.isEmpty() || !anhAnToan(c.anh))
            continue;
        const QString viTri = txt::kTepViTriAnh.arg(c.so).arg(c.anh);
        const QFileInfo fi(QDir(thuMuc).filePath(c.anh));
        if (!fi.exists()) {
            loi.push_back({viTri, txt::kTepKhongCoAnh, txt::kTepKhongCoAnhEn});
            continue;
        }
        // A link may not lead out of the bank's folder either.
        if (!fi.canonicalFilePath().startsWith(goc + QLatin1Char('/'))) {
            loi.push_back({viTri, txt::kTepAnhNgoai, txt::kTepAnhNgoaiEn});
            continue;
        }
        if (!fi.isFile()) {
            loi.push_back({viTri, khongPhaiTepThuong(fi.isDir() ? LoaiTep::ThuMuc : LoaiTep::Fifo),
                           txt::kTepKhongPhaiTepThuongEn});
            continue;
        }
        if (const QSize co = kichThuocAnh(fi.filePath());
            co.isValid() && qint64{co.width()} * co.height() > kDiemAnhToiDa) {
            loi.push_back(
                {viTri, txt::kTepAnhLonQua.arg(co.width()).arg(co.height()).arg(kDiemAnhToiDa / 1'000'000),
                 txt::kTepAnhLonQuaEn.arg(co.width()).arg(co.height()).arg(kDiemAnhToiDa / 1'000'000)});
            continue;
        }
        if (taiAnhBatKy(fi.filePath(), QSize(64, 48), nullptr) != KetQuaTaiAnh::DaTai)
            loi.push_back({viTri, txt::kTepAnhHong, txt::kTepAnhHongEn});
    }
    return loi;
}

DocDuoc<BoQuyTac> docBoQuyTac(const QByteArray& noiDung)
{
    SoatLoi s;
    const std::optional<QJsonObject> goc = docJson(noiDung, s);
    if (!goc || !s.dang(*goc, kDangQuyTac))
        return {std::nullopt, s.loi};
    BoQuyTac bo;
    bo.id = s.chu(*goc, QStringLiteral("id"), QStringLiteral("id"), true, 100);
    bo.tieuDe = s.chu(*goc, QStringLiteral("title"), QStringLiteral("title"), true, 500);
    bo.nguon = s.chu(*goc, QStringLiteral("source"), QStringLiteral("source"), true, kDoDaiChuToiDa);
    bo.tuNgay = QDate::fromString(goc->value(QStringLiteral("valid_from")).toString(), Qt::ISODate);
    if (!bo.tuNgay.isValid())
        s.them(QStringLiteral("valid_from"), txt::kTepNgayTu, txt::kTepNgayTuEn);
    const QString trangThai = goc->value(QStringLiteral("status")).toString(QStringLiteral("official"));
    if (trangThai != QLatin1String("official") && trangThai != QLatin1String("provisional"))
        s.them(QStringLiteral("status"), txt::kTepTrangThai, txt::kTepTrangThaiEn);
    bo.duKien = trangThai == QLatin1String("provisional");
    bo.ghiChu = s.chu(*goc, QStringLiteral("note"), QStringLiteral("note"), false, kDoDaiChuToiDa);
    const QJsonValue den = goc->value(QStringLiteral("valid_until"));
    if (!den.isNull() && !den.isUndefined()) {
        bo.denNgay = QDate::fromString(den.toString(), Qt::ISODate);
        if (!bo.denNgay.isValid() || bo.denNgay < bo.tuNgay)
            s.them(QStringLiteral("valid_until"), txt::kTepNgayDen, txt::kTepNgayDenEn);
    }
    const QJsonArray hang = goc->value(QStringLiteral("classes")).toArray();
    if (hang.isEmpty() || hang.size() > 100)
        s.them(QStringLiteral("classes"), txt::kTepSoHang, txt::kTepSoHangEn);
    for (qsizetype i = 0; i < hang.size() && i < 100; ++i) {
        const QJsonObject o = hang[i].toObject();
        const QString p = QStringLiteral("classes[%1]").arg(i);
        QuyTacHang h;
        h.hang = s.chu(o, QStringLiteral("class"), p + QStringLiteral(".class"), true, 10).toUpper();
        h.soCau = s.so(o, QStringLiteral("questions"), p + QStringLiteral(".questions"), 1, 200).value_or(0);
        h.soPhut = s.so(o, QStringLiteral("minutes"), p + QStringLiteral(".minutes"), 1, 300).value_or(0);
        h.canDeDat =
            s.so(o, QStringLiteral("pass"), p + QStringLiteral(".pass"), 1, std::max(1, h.soCau)).value_or(0);
        h.soDiemLiet =
            s.so(o, QStringLiteral("critical"), p + QStringLiteral(".critical"), 0, 200).value_or(0);
        h.nhom = s.chu(o, QStringLiteral("pool"), p + QStringLiteral(".pool"), false, 20);
        const QJsonObject ch = o.value(QStringLiteral("chapters")).toObject();
        int tong = h.soDiemLiet;
        for (auto it = ch.begin(); it != ch.end(); ++it) {
            bool laSo = false;
            const int c = it.key().toInt(&laSo);
            const auto n = s.so(ch, it.key(), p + QStringLiteral(".chapters.") + it.key(), 0, 200);
            if (!laSo || c < 1)
                s.them(p + QStringLiteral(".chapters.") + it.key(), txt::kTepTenChuong, txt::kTepTenChuongEn);
            else if (n)
                h.theoChuong.emplace_back(c, *n);
            tong += n.value_or(0);
        }
        std::sort(h.theoChuong.begin(), h.theoChuong.end());
        if (h.soCau != 0 && tong != h.soCau)
            s.them(p, txt::kTepTongChuong.arg(tong).arg(h.soCau),
                   txt::kTepTongChuongEn.arg(tong).arg(h.soCau));
        if (bo.timHang(h.hang))
            s.them(p + QStringLiteral(".class"), txt::kTepHangHaiLan.arg(h.hang),
                   txt::kTepHangHaiLanEn.arg(h.hang));
        h.boId = bo.id;
        h.duKien = bo.duKien;
        if (bo.duKien)
            h.ghiChuDuKien = bo.ghiChu;
        bo.hang.push_back(h);
    }
    if (!s.loi.empty())
        return {std::nullopt, s.loi};
    return {std::move(bo), {}};
}

BoQuyTac boQuyTacCaiSan() { return cacBoQuyTacCaiSan().front(); }

std::vector<BoQuyTac> cacBoQuyTacCaiSan()
{
    std::vector<BoQuyTac> kq;
    for (const char* ten : {":/thilaixe/tt12-2025.json", ":/thilaixe/tt108-2027.json"}) {
        QFile f(QString::fromLatin1(ten));
        f.open(QIODevice::ReadOnly);
        // Built in and checked by the tests: they always read.
        kq.push_back(*docBoQuyTac(f.readAll()).giaTri);
    }
    return kq;
}

std::vector<std::pair<int, int>> chiaTheoTiLe(const std::vector<std::pair<int, int>>& goc, int tong)
{
    qint64 cu = 0;
    for (const auto& [chuong, n] : goc)
        cu += n;
    std::vector<std::pair<int, int>> kq = goc;
    if (cu <= 0)
        return kq;
    // Whole parts, and remainders as exact fractions of `cu`.
    std::vector<std::pair<qint64, std::size_t>> du;
    int conLai = tong;
    for (std::size_t i = 0; i < goc.size(); ++i) {
        const qint64 phan = qint64{goc[i].second} * tong;
        kq[i].second = static_cast<int>(phan / cu);
        conLai -= kq[i].second;
        du.emplace_back(phan % cu, i);
    }
    std::stable_sort(du.begin(), du.end(), [&](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : goc[a.second].first < goc[b.second].first;
    });
    for (std::size_t k = 0; k < du.size() && conLai > 0; ++k, --conLai)
        ++kq[du[k].second].second;
    return kq;
}

namespace {

// The classic paper's draws, from the same generator.
class NguonTuBoSinhSo final : public NguonNgauNhien {
public:
    explicit NguonTuBoSinhSo(BoSinhSo& g) : m_g(g) {}
    void gieoLai() override {}
    float rnd() override { return m_g.rnd01(); }

private:
    BoSinhSo& m_g;
};

bool trongNhom(const CauHoiNganHang& c, const QuyTacHang& q)
{
    return q.nhom.isEmpty() || c.nhom.contains(q.nhom);
}

// k distinct of `tu`, uniformly (a partial Fisher-Yates shuffle).
void chonNgauNhien(std::vector<int>& tu, int k, BoSinhSo& rng, std::vector<int>& vao)
{
    for (int i = 0; i < k; ++i) {
        const auto con = static_cast<std::uint64_t>(tu.size()) - static_cast<std::uint64_t>(i);
        const auto j = static_cast<std::size_t>(i) + static_cast<std::size_t>(rng.next() % con);
        std::swap(tu[static_cast<std::size_t>(i)], tu[j]);
        vao.push_back(tu[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

std::optional<QString> khongRutDuoc(const NganHang& nh, const QuyTacHang& q)
{
    if (q.theoNhom)
        return nh.cauHoi.size() == kSoCauHoi ? std::nullopt
                                             : std::optional<QString>(txt::kRutNhomCanDu.arg(kSoCauHoi));
    int diemLiet = 0;
    QHash<int, int> theoChuong;
    for (const CauHoiNganHang& c : nh.cauHoi) {
        if (!trongNhom(c, q))
            continue;
        if (c.diemLiet)
            ++diemLiet;
        else
            ++theoChuong[nh.chuongCua(c.so)];
    }
    if (diemLiet < q.soDiemLiet)
        return txt::kRutThieuDiemLiet.arg(q.soDiemLiet)
            .arg(q.nhom.isEmpty() ? txt::kRutCaNganHang : q.nhom)
            .arg(diemLiet);
    for (const auto& [chuong, can] : q.theoChuong)
        if (theoChuong.value(chuong) < can)
            return txt::kRutThieuChuong.arg(chuong)
                .arg(can)
                .arg(q.nhom.isEmpty() ? txt::kRutCaNganHang : q.nhom)
                .arg(theoChuong.value(chuong));
    return std::nullopt;
}

std::optional<DeThi> rutDe(const NganHang& nh, const QuyTacHang& q, BoSinhSo& rng, QString* loi)
{
    if (q.theoNhom) {
        // The groups name questions 1..300: a bank of that size only.
        if (nh.cauHoi.size() != kSoCauHoi) {
            if (loi)
                *loi = txt::kRutNhomCanDu.arg(kSoCauHoi);
            return std::nullopt;
        }
        NguonTuBoSinhSo nguon(rng);
        auto s = std::make_unique<SharedState>();
        TaoDeThi(*s, nguon);
        DeThi de;
        for (int i = 1; i <= kSoCau; ++i)
            de.cau.push_back(s->CH[i]);
        return de;
    }
    if (const std::optional<QString> vi = khongRutDuoc(nh, q)) {
        if (loi)
            *loi = *vi;
        return std::nullopt;
    }
    std::vector<int> diemLiet;
    QHash<int, std::vector<int>> theoChuong;
    for (const CauHoiNganHang& c : nh.cauHoi)
        if (trongNhom(c, q))
            (c.diemLiet ? diemLiet : theoChuong[nh.chuongCua(c.so)]).push_back(c.so);
    DeThi de;
    chonNgauNhien(diemLiet, q.soDiemLiet, rng, de.diemLiet);
    de.cau = de.diemLiet;
    for (const auto& [chuong, can] : q.theoChuong)
        chonNgauNhien(theoChuong[chuong], can, rng, de.cau);
    std::sort(de.cau.begin(), de.cau.end());
    std::sort(de.diemLiet.begin(), de.diemLiet.end());
    return de;
}

std::optional<DeThi> rutDeTheoHat(const NganHang& nh, const QuyTacHang& q, std::uint64_t hat, QString* loi)
{
    BoSinhSo rng(hat);
    return rutDe(nh, q, rng, loi);
}

KetQuaBai chamDiem(const NganHang& nh, const QuyTacHang& q, const DeThi& de, const std::vector<int>& tl)
{
    KetQuaBai kq;
    for (std::size_t i = 0; i < de.cau.size(); ++i) {
        const CauHoiNganHang* c = nh.cau(de.cau[i]);
        const int chon = i < tl.size() ? tl[i] : 0;
        const bool dung = c && chon == c->dapAn;
        if (dung)
            ++kq.dung;
        else if (chon == 0)
            ++kq.boTrong;
        else
            ++kq.sai;
        if (!dung && c && c->diemLiet)
            kq.diemLietSai.push_back(c->so);
    }
    kq.dat = kq.dung >= q.canDeDat && kq.diemLietSai.empty();
    return kq;
}

const BoQuyTac* boCoHieuLuc(const std::vector<BoQuyTac>& cacBo, const QDate& ngay)
{
    const BoQuyTac* chon = nullptr;
    for (const BoQuyTac& b : cacBo)
        if (b.coHieuLuc(ngay) && (!chon || b.tuNgay > chon->tuNgay))
            chon = &b;
    return chon;
}

std::optional<QString> baoHetHieuLuc(const BoQuyTac& bo, const QDate& ngay)
{
    if (!bo.denNgay.isValid() || ngay > bo.denNgay)
        return std::nullopt;
    const qint64 con = ngay.daysTo(bo.denNgay);
    if (con > kBaoTruocNgay)
        return std::nullopt;
    return txt::kQuyTacSapHet.arg(bo.id, bo.denNgay.toString(QStringLiteral("dd/MM/yyyy"))).arg(con);
}

std::vector<BoQuyTac> cacBoQuyTacCho(const QString& tepNganHang, std::vector<LoiDuLieu>* loi,
                                     QStringList* ghiChu, QStringList* tepCua)
{
    std::vector<BoQuyTac> kq = cacBoQuyTacCaiSan();
    const std::size_t soCaiSan = kq.size();
    QStringList tuTep;
    for (std::size_t i = 0; i < soCaiSan; ++i)
        tuTep.append(QString());
    const QDir thuMuc = QFileInfo(tepNganHang).dir();
    QStringList tep;
    // Whatever stands under these names is looked at: a folder or a FIFO
    // named *.json is said, not passed over.
    const QFileInfo goc(thuMuc.filePath(QStringLiteral("rules.json")));
    if (goc.exists() || goc.isSymLink())
        tep.append(goc.filePath());
    const QDir con(thuMuc.filePath(QStringLiteral("rules")));
    for (const QString& ten :
         con.entryList({QStringLiteral("*.json")},
                       QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        tep.append(con.filePath(ten));
    for (const QString& t : tep) {
        QFile f;
        QString lyDo;
        if (moTepNguon(t, f, &lyDo) != KetQuaMo::DaMo) {
            if (loi)
                loi->push_back({t, lyDo, txt::kTepKhongDocDuocEn});
            continue;
        }
        DocDuoc<BoQuyTac> doc = docBoQuyTac(f.read(kTepDuLieuToiDa + 1));
        if (loi)
            for (LoiDuLieu l : doc.loi) {
                l.viTri = t + QStringLiteral(": ") + l.viTri;
                loi->push_back(l);
            }
        if (!doc.giaTri)
            continue;
        const auto trung = std::find_if(kq.begin() + static_cast<std::ptrdiff_t>(soCaiSan), kq.end(),
                                        [&](const BoQuyTac& b) { return b.id == doc.giaTri->id; });
        if (trung != kq.end()) {
            if (ghiChu)
                ghiChu->append(txt::kQuyTacTrungId.arg(doc.giaTri->id,
                                                       QDir::toNativeSeparators(tuTep[trung - kq.begin()]),
                                                       QDir::toNativeSeparators(t)));
            continue;
        }
        // A file beside the bank takes the place of the built-in set of the
        // same id.
        const auto caiSan = std::find_if(kq.begin(), kq.begin() + static_cast<std::ptrdiff_t>(soCaiSan),
                                         [&](const BoQuyTac& b) { return b.id == doc.giaTri->id; });
        if (caiSan != kq.begin() + static_cast<std::ptrdiff_t>(soCaiSan)
            && tuTep[caiSan - kq.begin()].isEmpty()) {
            *caiSan = std::move(*doc.giaTri);
            tuTep[caiSan - kq.begin()] = t;
            continue;
        }
        kq.push_back(std::move(*doc.giaTri));
        tuTep.append(t);
    }
    // A provisional set built in gives way to any official file that starts
    // with it or later.
    for (std::size_t i = soCaiSan; i-- > 0;) {
        const bool thay =
            kq[i].duKien && tuTep[static_cast<qsizetype>(i)].isEmpty()
            && std::any_of(kq.begin() + static_cast<std::ptrdiff_t>(soCaiSan), kq.end(),
                           [&](const BoQuyTac& b) { return !b.duKien && b.tuNgay >= kq[i].tuNgay; });
        if (thay) {
            kq.erase(kq.begin() + static_cast<std::ptrdiff_t>(i));
            tuTep.removeAt(static_cast<qsizetype>(i));
        }
    }
    if (tepCua)
        *tepCua = tuTep;
    return kq;
}

QuyTacDaChon chonQuyTacCho(const QString& tepNganHang, const QDate& ngay)
{
    QuyTacDaChon kq;
    QStringList tepCua;
    const std::vector<BoQuyTac> cacBo = cacBoQuyTacCho(tepNganHang, &kq.loi, &kq.ghiChu, &tepCua);
    // Files first by name, then the built-in set: the first of the latest
    // start wins.
    std::vector<std::size_t> thuTu;
    for (const bool tuTepRieng : {true, false})
        for (std::size_t i = 0; i < cacBo.size(); ++i)
            if (tepCua[static_cast<qsizetype>(i)].isEmpty() != tuTepRieng)
                thuTu.push_back(i);
    std::optional<std::size_t> chon;
    for (std::size_t i : thuTu)
        if (cacBo[i].coHieuLuc(ngay) && (!chon || cacBo[i].tuNgay > cacBo[*chon].tuNgay))
            chon = i;
    if (chon) {
        QStringList cung;
        for (std::size_t i : thuTu)
            if (i != *chon && !tepCua[static_cast<qsizetype>(i)].isEmpty() && cacBo[i].coHieuLuc(ngay)
                && cacBo[i].tuNgay == cacBo[*chon].tuNgay)
                cung.append(QStringLiteral("%1 (%2)").arg(
                    cacBo[i].id, QDir::toNativeSeparators(tepCua[static_cast<qsizetype>(i)])));
        if (!cung.isEmpty())
            kq.ghiChu.append(txt::kQuyTacCungNgay.arg(
                cacBo[*chon].tuNgay.toString(QStringLiteral("dd/MM/yyyy")), cacBo[*chon].id,
                QDir::toNativeSeparators(tepCua[static_cast<qsizetype>(*chon)]),
                cung.join(QStringLiteral(", "))));
        kq.bo = cacBo[*chon];
        kq.coHieuLuc = true;
        kq.tep = tepCua[static_cast<qsizetype>(*chon)];
        kq.baoHet = baoHetHieuLuc(kq.bo, ngay);
        // What comes after it, when that is known.
        if (kq.baoHet) {
            std::optional<std::size_t> sau;
            for (std::size_t i : thuTu)
                if (cacBo[i].tuNgay > kq.bo.denNgay && (!sau || cacBo[i].tuNgay < cacBo[*sau].tuNgay))
                    sau = i;
            if (sau)
                *kq.baoHet +=
                    QLatin1Char(' ')
                    + txt::kQuyTacTiepTheo.arg(
                        cacBo[*sau].tuNgay.toString(QStringLiteral("dd/MM/yyyy")), cacBo[*sau].tieuDe,
                        cacBo[*sau].duKien ? QLatin1Char(' ') + txt::kDlDuKienNgan : QString());
        }
        // A class the set in force lacks is practised on the last set in
        // force that had it, and says so.
        std::vector<std::size_t> truoc;
        for (std::size_t i : thuTu)
            if (i != *chon && cacBo[i].tuNgay <= ngay)
                truoc.push_back(i);
        std::stable_sort(truoc.begin(), truoc.end(),
                         [&](std::size_t a, std::size_t b) { return cacBo[a].tuNgay > cacBo[b].tuNgay; });
        for (std::size_t i : truoc)
            for (const QuyTacHang& h : cacBo[i].hang)
                if (!kq.bo.timHang(h.hang)) {
                    QuyTacHang muon = h;
                    muon.ghiChuMuon = txt::kQuyTacHangMuon.arg(
                        h.hang, kq.bo.tieuDe, cacBo[i].tieuDe,
                        cacBo[i].denNgay.isValid() ? cacBo[i].denNgay.toString(QStringLiteral("dd/MM/yyyy"))
                                                   : QStringLiteral("–"));
                    kq.bo.hang.push_back(muon);
                }
        return kq;
    }
    // None in force: the one that ended last, else the first to begin.
    std::optional<std::size_t> het, sap;
    for (std::size_t i : thuTu) {
        if (cacBo[i].denNgay.isValid() && cacBo[i].denNgay < ngay
            && (!het || cacBo[i].denNgay > cacBo[*het].denNgay))
            het = i;
        if (cacBo[i].tuNgay > ngay && (!sap || cacBo[i].tuNgay < cacBo[*sap].tuNgay))
            sap = i;
    }
    const std::size_t i = het ? *het : sap.value_or(0);
    kq.bo = cacBo[i];
    kq.tep = tepCua[static_cast<qsizetype>(i)];
    const QString thuMucQuyTac =
        QDir::toNativeSeparators(QFileInfo(tepNganHang).dir().filePath(QStringLiteral("rules")));
    kq.khongCo = het ? txt::kDlQuyTacDaHet.arg(kq.bo.id, kq.bo.denNgay.toString(QStringLiteral("dd/MM/yyyy")),
                                               thuMucQuyTac)
                     : txt::kDlQuyTacChuaBatDau.arg(
                         kq.bo.id, kq.bo.tuNgay.toString(QStringLiteral("dd/MM/yyyy")), thuMucQuyTac);
    return kq;
}

const NganHang& nganHangCoDien()
{
    static const NganHang nh = [] {
        NganHang n;
        n.id = kIdNganHangCoDien;
        n.tieuDe = txt::kCoDienTieuDeNganHang;
        n.phienBan = QStringLiteral("300");
        n.nguon = QStringLiteral("thilaixe");
        const int cuoi[3] = {150, 250, 300};
        for (int p = 0; p < 3; ++p)
            n.chuong.push_back({p + 1, txt::kCacPhanNganHang[p], p == 0 ? 1 : cuoi[p - 1] + 1, cuoi[p]});
        for (int q = 1; q <= kSoCauHoi; ++q) {
            CauHoiNganHang c;
            c.so = q;
            c.soPhuongAn = kSoPhuongAn[static_cast<std::size_t>(q)];
            c.dapAn = kDapAn[static_cast<std::size_t>(q)];
            c.anh = QStringLiteral("%1.jpg").arg(q, 3, 10, QLatin1Char('0'));
            n.cauHoi.push_back(c);
        }
        return n;
    }();
    return nh;
}

const BoQuyTac& boQuyTacCoDien()
{
    static const BoQuyTac bo = [] {
        BoQuyTac b;
        b.id = QStringLiteral("thilaixe-30");
        b.tieuDe = txt::kCoDienTieuDeQuyTac;
        b.nguon = QStringLiteral("thilaixe");
        b.tuNgay = QDate(2000, 1, 1);
        for (const HangGiayPhep& h : kCacHang) {
            QuyTacHang q;
            q.hang = QString(h.ten);
            q.soCau = kSoCau;
            q.soPhut = h.phut;
            q.canDeDat = h.itNhatDeDat();
            q.theoNhom = true;
            b.hang.push_back(q);
        }
        return b;
    }();
    return bo;
}

}  // namespace thilaixe
