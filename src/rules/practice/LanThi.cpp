#include "rules/practice/LanThi.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/HangGiayPhep.h"
#include "rules/exam/KetQuaThi.h"

#include <QCryptographicHash>

#include <algorithm>
#include <memory>

namespace thilaixe {

QString hangTrongDong(const QString& ng)
{
    // "(Hạng X)" at the end of the line, blanks after it allowed: X one to
    // three ASCII letters or digits after at least one blank. Read by hand:
    // a regular expression here would load its engine for this one line.
    QStringView v = QStringView(ng);
    while (!v.isEmpty() && laKhoangTrangAscii(v.back()))
        v.chop(1);
    static const QString mo = QStringLiteral("(H\u1EA1ng");
    const qsizetype dau = v.lastIndexOf(mo);
    if (dau < 0 || !v.endsWith(QLatin1Char(')')))
        return {};
    QStringView giua = v.mid(dau + mo.size()).chopped(1);
    const qsizetype truoc = giua.size();
    while (!giua.isEmpty() && laKhoangTrangAscii(giua.front()))
        giua = giua.mid(1);
    const bool laMa = std::all_of(giua.begin(), giua.end(),
                                  [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
    if (giua.size() == truoc || giua.isEmpty() || giua.size() > 3 || !laMa)
        return {};
    return giua.toString().toUpper();
}

std::vector<LanThi> cacLanThi(const SharedState& s)
{
    // A scratch state for the parsers and the scoring rule: the shared one
    // keeps the record under review untouched.
    auto tam = std::make_unique<SharedState>();
    NapDapAn(*tam);
    std::vector<LanThi> ds;
    for (int r = kSoLanLuu; r >= 1; --r) {
        const std::optional<QString>& ch = s.LichSuCH[r];
        if (!ch || ch->trimmed().isEmpty())
            continue;
        tam->LichSuCH[r] = ch;
        tam->LichSuTL[r] = s.LichSuTL[r];
        TachLanDaThi(*tam, r);
        const KetQuaThi kq = ketQuaLanDaThi(*tam);
        LanThi l;
        l.hang = hangTrongDong(s.LichSuNg[r].value_or(QString()));
        l.cau.assign(kSoCau + 1, 0);
        l.dung.assign(kSoCau + 1, false);
        l.diemLiet.assign(kSoCau + 1, false);
        for (int i = 1; i <= kSoCau; ++i) {
            const auto q = cauHoiHopLe(tam->MangCHDaThi[i]);
            l.cau[static_cast<std::size_t>(i)] = q.value_or(0);
            l.dung[static_cast<std::size_t>(i)] = !kq.saiTai[static_cast<std::size_t>(i)];
        }
        l.soDung = kq.dung;
        if (const HangGiayPhep* h = timHang(l.hang)) {
            l.canDeDat = h->itNhatDeDat();
            l.dat = h->dat(l.soDung);
        }
        const QByteArray dong = s.LichSuNg[r].value_or(QString()).toUtf8() + '\n' + ch->toUtf8() + '\n'
                                + s.LichSuTL[r].value_or(QString()).toUtf8();
        l.khoa = QCryptographicHash::hash(dong, QCryptographicHash::Sha1).toHex().left(16);
        ds.push_back(std::move(l));
    }
    return ds;
}

CauSai demCauSai(const std::vector<LanThi>& ds, int soCauHoi)
{
    CauSai c;
    c.soLan.assign(static_cast<std::size_t>(soCauHoi) + 1, 0);
    c.lanCuoi.assign(static_cast<std::size_t>(soCauHoi) + 1, 0);
    for (std::size_t r = 0; r < ds.size(); ++r)
        for (int i = 1; i <= ds[r].soCau(); ++i) {
            const auto q = static_cast<std::size_t>(ds[r].cau[static_cast<std::size_t>(i)]);
            if (q != 0 && q <= static_cast<std::size_t>(soCauHoi)
                && !ds[r].dung[static_cast<std::size_t>(i)]) {
                ++c.soLan[q];
                c.lanCuoi[q] = static_cast<int>(r) + 1;
            }
        }
    return c;
}

LichSuDaDoc docLichSu(const QString& tep)
{
    auto s = std::make_unique<SharedState>();
    LichSuDaDoc kq;
    kq.trangThai = DocDuLieu(*s, tep, &kq.lyDo);
    if (kq.daDoc())
        kq.lanThi = cacLanThi(*s);
    return kq;
}

}  // namespace thilaixe
