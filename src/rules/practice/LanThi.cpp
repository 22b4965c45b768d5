#include "rules/practice/LanThi.h"

#include "rules/bank/DapAn.h"
#include "rules/bank/HangGiayPhep.h"
#include "rules/exam/KetQuaThi.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <memory>

namespace thilaixe {

QString hangTrongDong(const QString& ng)
{
    static const QRegularExpression mau(QStringLiteral("\\(H\\x{1EA1}ng\\s+([A-Za-z0-9]{1,3})\\)\\s*$"));
    const QRegularExpressionMatch m = mau.match(ng);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
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
