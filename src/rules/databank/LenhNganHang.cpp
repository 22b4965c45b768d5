#include "rules/databank/LenhNganHang.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/NganHangCauHoi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace thilaixe {

namespace {

// The rule set for a bank: --rules FILE, else the one in force today among
// those beside the bank (rules.json, rules/*.json) and the one built in.
// Empty with a message when a file given is wrong or no set is in force.
// Said on standard error when the set ends within kBaoTruocNgay days.
std::optional<BoQuyTac> chonQuyTac(const QString& tepQuyTac, const QString& tepNganHang, const QDate& homNay)
{
    std::optional<BoQuyTac> chon;
    std::optional<QString> bao;
    if (!tepQuyTac.isEmpty()) {
        QFile f;
        QString lyDo;
        if (moTepNguon(tepQuyTac, f, &lyDo) != KetQuaMo::DaMo) {
            inDong(stderr, txt::kCliTepKhongDoc.arg(QStringLiteral("--rules"), tepQuyTac, lyDo));
            return std::nullopt;
        }
        DocDuoc<BoQuyTac> kq = docBoQuyTac(f.read(kTepDuLieuToiDa + 1));
        for (const LoiDuLieu& l : kq.loi)
            std::fprintf(stderr, "%s: %s\n", qPrintable(tepQuyTac), qPrintable(l.dong()));
        chon = std::move(kq.giaTri);
        if (chon && !chon->coHieuLuc(homNay))
            inDong(stderr, txt::kCliQuyTacNgoaiHieuLuc.arg(chon->id, homNay.toString(Qt::ISODate)));
    } else {
        const QuyTacDaChon c = chonQuyTacCho(tepNganHang, homNay);
        for (const LoiDuLieu& l : c.loi)
            std::fprintf(stderr, "%s\n", qPrintable(l.dong()));
        for (const QString& g : c.ghiChu)
            std::fprintf(stderr, "thilaixe: %s\n", qPrintable(g));
        if (!c.loi.empty())
            return std::nullopt;
        if (c.coHieuLuc) {
            chon = c.bo;
            bao = c.baoHet;  // with what follows the set, when known
        } else
            inDong(stderr, txt::kCliKhongCoQuyTac.arg(c.khongCo, homNay.toString(Qt::ISODate)));
    }
    if (chon && !bao)
        bao = baoHetHieuLuc(*chon, homNay);
    if (bao)
        std::fprintf(stderr, "thilaixe: %s\n", qPrintable(*bao));
    return chon;
}

// The bank and its rule set, read and checked; every fault printed on `ra`.
// 0 when both are usable, else the exit code: 1 a fault in the bank, 2 a
// file that cannot be used.
int docCaHai(const QString& tepNganHang, const QString& tepQuyTac, std::optional<BoQuyTac>& quyTac,
             std::optional<NganHang>& nh, const QDate& homNay, FILE* ra)
{
    quyTac = chonQuyTac(tepQuyTac, tepNganHang, homNay);
    if (!quyTac)
        return 2;
    DocDuoc<NganHang> doc = docNganHangTep(tepNganHang);
    std::vector<LoiDuLieu> loi = doc.loi;
    // Every fault at once: the pictures are looked at even when the file
    // has faults of its own.
    if (const std::optional<NganHang>& co = doc.giaTri ? doc.giaTri : doc.banNhap) {
        const std::vector<LoiDuLieu> anh = kiemTraAnh(*co, QFileInfo(tepNganHang).absolutePath());
        loi.insert(loi.end(), anh.begin(), anh.end());
    }
    for (const LoiDuLieu& l : loi)
        inDong(ra, txt::kCliLoi.arg(l.dong()));
    if (!loi.empty()) {
        inDong(ra, txt::kCliSoLoi.arg(loi.size()));
        return 1;
    }
    nh = std::move(doc.giaTri);
    return 0;
}

}  // namespace

int lenhRutDe(const QString& tepNganHang, const QString& hang, const QByteArray& hatGiong,
              const QString& tepQuyTac, const QDate& homNay, std::uint64_t hatNeuKhongCo)
{
    std::optional<BoQuyTac> quyTac;
    std::optional<NganHang> nh;
    // Standard output carries the paper's JSON only.
    if (docCaHai(tepNganHang, tepQuyTac, quyTac, nh, homNay, stderr) != 0)
        return 2;  // a paper needs a usable bank
    const QuyTacHang* h = hangHoacBao(*quyTac, hang);
    if (!h)
        return 2;
    // A class the set in force has nothing announced for is drawn by the
    // last set in force that had it: said, and named (the paper names it too).
    if (!h->ghiChuMuon.isEmpty())
        inDong(stderr, txt::kCliHangMuon.arg(h->hang, quyTac->id, h->boId));
    bool coHat = false;
    const qulonglong hat = hatGiong.toULongLong(&coHat);
    if (!hatGiong.isEmpty() && !coHat) {
        inDong(stderr, txt::kCliHatGiong);
        return 2;
    }
    BoSinhSo rng(coHat ? hat : hatNeuKhongCo);
    QString vi;
    const std::optional<DeThi> de = rutDe(*nh, *h, rng, &vi);
    if (!de) {
        inDong(stderr, txt::kCliKhongRutDuoc.arg(vi));
        return 1;
    }
    QJsonArray cau, liet;
    for (int q : de->cau)
        cau.append(q);
    for (int q : de->diemLiet)
        liet.append(q);
    QJsonObject o{{QStringLiteral("class"), h->hang},
                  {QStringLiteral("rules"), h->boId.isEmpty() ? quyTac->id : h->boId},
                  {QStringLiteral("minutes"), h->soPhut},
                  {QStringLiteral("pass"), h->canDeDat},
                  {QStringLiteral("questions"), cau},
                  {QStringLiteral("critical"), liet}};
    // A provisional paper says so, and why, in the paper itself.
    if (h->duKien) {
        o.insert(QStringLiteral("provisional"), true);
        o.insert(QStringLiteral("note"), h->ghiChuDuKien);
    }
    std::fputs(QJsonDocument(o).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    return 0;
}

const QuyTacHang* hangHoacBao(const BoQuyTac& bo, const QString& hang)
{
    if (const QuyTacHang* h = bo.timHang(hang))
        return h;
    QStringList co;
    for (const QuyTacHang& q : bo.hang)
        co.append(q.hang);
    inDong(stderr, txt::kCliKhongCoHang.arg(hang, bo.id, co.join(QStringLiteral(", "))));
    return nullptr;
}

int lenhKiemTraNganHang(const QString& tepNganHang, const QString& tepQuyTac, const QDate& homNay)
{
    std::optional<BoQuyTac> quyTac;
    std::optional<NganHang> nh;
    if (const int kq = docCaHai(tepNganHang, tepQuyTac, quyTac, nh, homNay, stdout))
        return kq;
    int diemLiet = 0, anh = 0, meo = 0, canCu = 0;
    for (const CauHoiNganHang& c : nh->cauHoi) {
        diemLiet += c.diemLiet ? 1 : 0;
        anh += c.anh.isEmpty() ? 0 : 1;
        meo += c.meo.isEmpty() ? 0 : 1;
        canCu += c.vanBan.isEmpty() ? 0 : 1;
    }
    inDong(stdout, txt::kCliNganHang.arg(nh->tieuDe, nh->id, nh->phienBan));
    inDong(stdout, txt::kCliNguon.arg(nh->nguon));
    inDong(stdout, txt::kCliTongSo.arg(QString::number(nh->cauHoi.size()), QString::number(diemLiet),
                                       QString::number(anh)));
    inDong(stdout, txt::kCliMeoCanCu.arg(meo).arg(canCu));
    for (const ChuongNganHang& c : nh->chuong) {
        int liet = 0;
        for (int q = c.dau; q <= c.cuoi; ++q)
            liet += nh->cau(q)->diemLiet ? 1 : 0;
        inDong(stdout,
               txt::kCliChuong.arg(QString::number(c.so), QString::number(c.dau), QString::number(c.cuoi),
                                   QString::number(c.cuoi - c.dau + 1), QString::number(liet), c.tieuDe));
    }
    inDong(stdout, txt::kCliBoQuyTac.arg(quyTac->id, quyTac->tuNgay.toString(Qt::ISODate),
                                         quyTac->denNgay.isValid()
                                             ? txt::kCliDenNgay.arg(quyTac->denNgay.toString(Qt::ISODate))
                                             : QString(),
                                         quyTac->nguon));
    if (quyTac->duKien)
        inDong(stdout, txt::kCliDuKien.arg(quyTac->ghiChu));
    QStringList duoc;
    int khongDuoc = 0;
    for (const QuyTacHang& h : quyTac->hang) {
        if (const std::optional<QString> vi = khongRutDuoc(*nh, h)) {
            inDong(stdout, txt::kCliKhongRutHang.arg(h.hang, *vi));
            ++khongDuoc;
        } else {
            duoc.append(h.hang);
        }
    }
    inDong(stdout, txt::kCliRutDuoc.arg(duoc.join(QStringLiteral(", "))));
    // A class whose paper the bank cannot fill is a fault of the bank for
    // that rule set: a learner of it would be refused a paper.
    if (khongDuoc > 0) {
        inDong(stdout, txt::kCliSoHangKhongRut.arg(khongDuoc));
        return 1;
    }
    return 0;
}

}  // namespace thilaixe
