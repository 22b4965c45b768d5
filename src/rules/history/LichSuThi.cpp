#include "rules/history/LichSuThi.h"

#include "rules/common/NenTang.h"
#include "rules/common/NumberText.h"
#include "rules/common/Texts.h"
#include "rules/history/Tcvn3.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace thilaixe {

namespace {

const QByteArray kCRLF = QByteArrayLiteral("\r\n");

// One line without its break, at most kDongToiDa bytes; the rest of a longer
// line is skipped (`cat` says so). False at the end of the file.
bool docDong(QIODevice& f, QByteArray& dong, bool* cat = nullptr)
{
    if (f.atEnd())
        return false;
    dong = f.readLine(kDongToiDa + 1);
    bool coXuongDong = dong.endsWith('\n');
    bool bo = false;
    // Skip the rest of an overlong line in chunks, never holding it whole.
    for (bool xong = coXuongDong; !xong && !f.atEnd();) {
        const QByteArray phan = f.readLine(qint64{64} * 1024);
        xong = phan.isEmpty() || phan.endsWith('\n');
        bo = bo || phan.size() > (phan.endsWith('\n') ? 1 : 0) + (phan.endsWith("\r\n") ? 1 : 0);
    }
    if (coXuongDong)
        dong.chop(1);
    if (dong.endsWith('\r'))
        dong.chop(1);
    if (dong.size() > kDongToiDa) {
        dong.truncate(kDongToiDa);
        bo = true;
    }
    if (cat)
        *cat = bo;
    return true;
}

// A line the history's reader takes as part of a record; a blank line is
// nothing lost either.
bool laDongBanGhi(const QByteArray& dong)
{
    return dong.isEmpty() || dong.startsWith("Ng: ") || dong.startsWith("CH: ") || dong.startsWith("TL: ");
}

QString boKhoangTrang(const QString& t)
{
    qsizetype a = 0, b = t.size();
    while (a < b && t[a] == QLatin1Char(' '))
        ++a;
    while (b > a && t[b - 1] == QLatin1Char(' '))
        --b;
    return t.mid(a, b - a);
}

// Shared by both parsers: numbers separated by ", ", the comma looked for
// among the first `tim` characters, the last number `cuoi` characters long.
void tachMang(const QString& text, MangTheoCau<std::optional<double>>& mang, int tim, int cuoi)
{
    QString t = boKhoangTrang(text);
    int k = 0;
    while (!t.isEmpty()) {
        const qsizetype p = t.left(tim).indexOf(QLatin1Char(','));
        if (p < 0 || k >= kSoCau)
            return;  // not a text the writer produces: stop here
        ++k;
        mang[k] = giaTriSo(QStringView(t).left(p));
        t = t.mid(p + 2);
        if (t.size() == cuoi) {
            mang[kSoCau] = giaTriSo(t);
            return;
        }
    }
}

}  // namespace

QLocale ngonNguNgayGio()
{
    // A system with no locale of its own (C, POSIX) would write "9 Dec
    // 2026" for a learner who reads Vietnamese: Vietnamese then.
    const QLocale heThong = QLocale::system();
    return heThong.language() == QLocale::C ? QLocale(QLocale::Vietnamese, QLocale::Vietnam) : heThong;
}

QString vanBanNgay(const QDate& d) { return ngonNguNgayGio().toString(d, QLocale::ShortFormat); }

QString dangGioKhongMuiGio(QString f)
{
    for (qsizetype i = f.indexOf(QLatin1Char('t')); i >= 0; i = f.indexOf(QLatin1Char('t'), i)) {
        qsizetype dau = i, cuoi = i;
        while (dau > 0 && laKhoangTrangAscii(f.at(dau - 1)))
            --dau;
        while (cuoi < f.size() && f.at(cuoi) == QLatin1Char('t'))
            ++cuoi;
        f.remove(dau, cuoi - dau);
        i = dau;
    }
    if (!f.contains(QLatin1Char('s')))
        f = QStringLiteral("HH:mm:ss");
    return f.trimmed();
}

QString vanBanGio(const QTime& t)
{
    // The long time format, worked out once: a save writes one time.
    static const QString dang = dangGioKhongMuiGio(ngonNguNgayGio().timeFormat(QLocale::LongFormat));
    return ngonNguNgayGio().toString(t, dang);
}

QByteArray dongNg(const QDate& ngay, const QTime& gio, const QString& hang)
{
    return QByteArrayLiteral("Ng: ") + maHoaTCVN3(vanBanNgay(ngay)) + QByteArrayLiteral(" - ")
           + maHoaTCVN3(vanBanGio(gio)) + QByteArrayLiteral(" (H\xB9ng ") + maHoaTCVN3(hang)
           + QByteArrayLiteral(")");
}

QByteArray dongCH(const SharedState& s)
{
    QByteArray d = QByteArrayLiteral("CH: ");
    for (int i = 1; i <= kSoCau; ++i) {
        if (i > 1)
            d += ", ";
        d += QByteArray::number(s.CH[i]);
    }
    return d;
}

QByteArray dongTL(const SharedState& s)
{
    QByteArray d = QByteArrayLiteral("TL: ");
    for (int i = 1; i <= kSoCau; ++i) {
        if (i > 1)
            d += ", ";
        d += QByteArray::number(s.TL[i].value_or(0));
    }
    return d;
}

bool GhiDuLieu(const SharedState& s, const QString& tep, QString* loi, QString* ghiChu)
{
    QString loiSao;
    const bool xong = thayTheTep(
        tep,
        [&](QFile* cu) -> QByteArray {
            QByteArray moi =
                dongNg(s.NgayThi, s.GioThi, s.Hang) + kCRLF + dongCH(s) + kCRLF + dongTL(s) + kCRLF;
            QByteArray dong;
            bool bo = false, cat = false;
            for (int n = 0; cu && n < 147 && docDong(*cu, dong, &cat); ++n) {
                moi += dong + kCRLF;
                bo = bo || cat;
            }
            // What is left goes: older records by design, but anything else
            // (text that is no record, a line cut short) is not ours to drop.
            while (cu && !bo && docDong(*cu, dong, &cat))
                bo = cat || !laDongBanGhi(dong);
            if (bo && cu) {
                // Kept first, whole, under a dated name beside it.
                const QString sao = tep + QStringLiteral(".giu-") + dauThoiGianTep();
                QString vi;
                if (!cu->seek(0) || !ghiTep(sao, cu->readAll(), &vi)) {
                    loiSao = txt::kLichSuKhongGiuDuoc.arg(QDir::toNativeSeparators(sao), vi);
                    return {};
                }
                if (ghiChu)
                    *ghiChu =
                        txt::kLichSuDaGiu.arg(QDir::toNativeSeparators(tep), QDir::toNativeSeparators(sao));
            }
            return moi + kCRLF;
        },
        loi, [&] { return loiSao.isEmpty(); });
    if (!xong && !loiSao.isEmpty() && loi)
        *loi = loiSao;
    return xong;
}

KetQuaDoc DocDuLieu(SharedState& s, const QString& tep, QString* lyDo)
{
    QFile f;
    switch (moDeDoc(tep, f, lyDo)) {
    case KetQuaMo::ThieuTep: return KetQuaDoc::ThieuTep;
    case KetQuaMo::LoiKhac: return KetQuaDoc::LoiKhac;
    case KetQuaMo::DaMo: break;
    }
    DocDuLieu(s, f);
    if (f.error() != QFileDevice::NoError) {
        if (lyDo)
            *lyDo = txt::kLoiKhiDoc + f.errorString();
        return KetQuaDoc::LoiKhac;
    }
    return KetQuaDoc::DaDoc;
}

void DocDuLieu(SharedState& s, QIODevice& f)
{
    int r = 1;
    int n = 0;
    QByteArray dong;
    while (r <= kSoLanLuu && docDong(f, dong)) {
        ++n;
        if (dong.startsWith("Ng: "))
            s.LichSuNg[r] = giaiMaTCVN3(dong.mid(3));
        else if (dong.startsWith("CH: "))
            s.LichSuCH[r] = giaiMaTCVN3(dong.mid(3));
        else if (dong.startsWith("TL: "))
            s.LichSuTL[r] = giaiMaTCVN3(dong.mid(3));
        if (n % 3 == 0)
            ++r;
    }
}

void TachMangCH(const QString& text, SharedState& s) { tachMang(text, s.MangCHDaThi, 4, 3); }

void TachMangTL(const QString& text, SharedState& s) { tachMang(text, s.MangTLDaThi, 2, 1); }

void TachLanDaThi(SharedState& s, int r)
{
    for (int i = 1; i <= kSoCau; ++i) {
        s.MangCHDaThi[i].reset();
        s.MangTLDaThi[i].reset();
    }
    TachMangCH(s.LichSuCH[r].value_or(QString()), s);
    TachMangTL(s.LichSuTL[r].value_or(QString()), s);
}

}  // namespace thilaixe
