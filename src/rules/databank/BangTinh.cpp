#include "rules/databank/BangTinh.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/BangTinhNoiBo.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace thilaixe {

namespace {

bool sai(QString* loi, const QString& vi)
{
    if (loi)
        *loi = vi;
    return false;
}

// RFC 4180, as a Vietnamese-locale spreadsheet writes it: UTF-8 with or
// without a byte-order mark, a comma or a semicolon between fields (the
// one the first line has more of outside quotes), quotes doubled inside a
// quoted field, CR LF or LF between rows.
std::optional<BangTinh> docCsv(const QByteArray& b, QString* loi)
{
    QByteArray du = b.startsWith("\xEF\xBB\xBF") ? b.mid(3) : b;
    QStringDecoder giaiMa(QStringDecoder::Utf8);
    const QString chu = giaiMa(du);
    if (giaiMa.hasError()) {
        sai(loi, txt::kBtKhongUtf8);
        return std::nullopt;
    }
    int phay = 0, chamPhay = 0;
    bool trongNhay = false;
    for (const QChar c : chu) {
        if (c == QLatin1Char('"'))
            trongNhay = !trongNhay;
        else if (!trongNhay && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!trongNhay && c == QLatin1Char(','))
            ++phay;
        else if (!trongNhay && c == QLatin1Char(';'))
            ++chamPhay;
    }
    const QChar tach = chamPhay > phay ? QLatin1Char(';') : QLatin1Char(',');
    BangTinh bt;
    std::vector<OBangTinh> dong;
    QString o;
    trongNhay = false;
    bool coNhay = false;
    const auto hetO = [&] {
        dong.push_back({o, false, false, false});
        o.clear();
        coNhay = false;
    };
    const auto hetDong = [&] {
        hetO();
        bt.dong.push_back(std::move(dong));
        dong.clear();
    };
    for (qsizetype i = 0; i < chu.size(); ++i) {
        const QChar c = chu.at(i);
        if (trongNhay) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < chu.size() && chu.at(i + 1) == QLatin1Char('"')) {
                    o += c;
                    ++i;
                } else {
                    trongNhay = false;
                }
            } else {
                o += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && o.isEmpty() && !coNhay) {
            trongNhay = coNhay = true;
        } else if (c == tach) {
            hetO();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < chu.size() && chu.at(i + 1) == QLatin1Char('\n'))
                ++i;
            hetDong();
        } else {
            o += c;
        }
        if (static_cast<int>(bt.dong.size()) > kDongBangTinhToiDa
            || static_cast<int>(dong.size()) > kCotBangTinhToiDa) {
            sai(loi, txt::kBtQuaLon.arg(kDongBangTinhToiDa).arg(kCotBangTinhToiDa));
            return std::nullopt;
        }
    }
    if (trongNhay) {
        sai(loi, txt::kBtNhayMo.arg(bt.dong.size() + 1));
        return std::nullopt;
    }
    if (!o.isEmpty() || !dong.empty())
        hetDong();
    return bt;
}

}  // namespace

namespace bang {

bool datO(BangTinh& bt, int dong, int cot, OBangTinh o, QString* loi)
{
    if (dong < 0 || cot < 0 || dong >= kDongBangTinhToiDa || cot >= kCotBangTinhToiDa) {
        datLoi(loi, txt::kBtQuaLon.arg(kDongBangTinhToiDa).arg(kCotBangTinhToiDa));
        return false;
    }
    if (static_cast<int>(bt.dong.size()) <= dong)
        bt.dong.resize(static_cast<std::size_t>(dong) + 1);
    std::vector<OBangTinh>& d = bt.dong[static_cast<std::size_t>(dong)];
    if (static_cast<int>(d.size()) <= cot)
        d.resize(static_cast<std::size_t>(cot) + 1);
    o.chu.truncate(kDoDaiOToiDa);
    d[static_cast<std::size_t>(cot)] = std::move(o);
    return true;
}

void danhDauGop(BangTinh& bt, int d1, int c1, int d2, int c2)
{
    if (d1 < 0 || c1 < 0 || d1 >= kDongBangTinhToiDa || c1 >= kCotBangTinhToiDa)
        return;
    if (static_cast<int>(bt.dong.size()) <= d1)
        bt.dong.resize(static_cast<std::size_t>(d1) + 1);
    for (int d = d1; d <= d2 && d < static_cast<int>(bt.dong.size()); ++d) {
        std::vector<OBangTinh>& dong = bt.dong[static_cast<std::size_t>(d)];
        if (d == d1 && static_cast<int>(dong.size()) <= c1)
            dong.resize(static_cast<std::size_t>(c1) + 1);
        for (int c = c1; c <= c2 && c < static_cast<int>(dong.size()); ++c) {
            if (d == d1 && c == c1)
                dong[static_cast<std::size_t>(c)].dauVungGop = true;
            else
                dong[static_cast<std::size_t>(c)].trongVungGop = true;
        }
    }
}

}  // namespace bang

QString tenCot(int cot)
{
    QString kq;
    for (int c = cot + 1; c > 0; c = (c - 1) / 26)
        kq.prepend(QChar(u'A' + (c - 1) % 26));
    return kq;
}

std::optional<DangBangTinh> dangTheoTen(const QString& tep)
{
    const QString duoi = QFileInfo(tep).suffix().toLower();
    if (duoi == QLatin1String("csv"))
        return DangBangTinh::Csv;
    if (duoi == QLatin1String("xlsx"))
        return DangBangTinh::Xlsx;
    if (duoi == QLatin1String("ods"))
        return DangBangTinh::Ods;
    return std::nullopt;
}

std::optional<BangTinh> docBangTinh(const QString& tep, QString* loi,
                                    const std::function<void(int, int)>& tienDo)
{
    const std::optional<DangBangTinh> dang = dangTheoTen(tep);
    if (!dang) {
        sai(loi, txt::kBtDangLa);
        return std::nullopt;
    }
    QFile f;
    QString lyDo;
    if (moTepNguon(tep, f, &lyDo) != KetQuaMo::DaMo) {
        sai(loi, txt::kCoDienKhongDoc.arg(tep, lyDo));
        return std::nullopt;
    }
    if (f.size() > kBangTinhToiDa) {
        sai(loi, txt::kBtTepLon.arg(kBangTinhToiDa >> 20));
        return std::nullopt;
    }
    return docBangTinh(f.read(kBangTinhToiDa + 1), *dang, loi, tienDo);
}

std::optional<BangTinh> docBangTinh(const QByteArray& noiDung, DangBangTinh dang, QString* loi,
                                    const std::function<void(int, int)>& tienDo)
{
    if (noiDung.size() > kBangTinhToiDa) {
        sai(loi, txt::kBtTepLon.arg(kBangTinhToiDa >> 20));
        return std::nullopt;
    }
    switch (dang) {
    case DangBangTinh::Csv: return docCsv(noiDung, loi);
    case DangBangTinh::Xlsx:
    case DangBangTinh::Ods: return bang::docZip(noiDung, dang, loi, tienDo);
    }
    sai(loi, txt::kBtDangLa);
    return std::nullopt;
}

}  // namespace thilaixe
