#include "rules/databank/LenhNganHang.h"

#include "rules/common/NenTang.h"
#include "rules/databank/NganHangCauHoi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <cstdio>

namespace thilaixe {

namespace {

// The rule set for a bank: --rules FILE, else the one in force today among
// those beside the bank (rules.json, rules/*.json) and the one built in.
// Empty with a message when a file given is wrong or no set is in force.
// Said on standard error when the set ends within kBaoTruocNgay days.
std::optional<BoQuyTac> chonQuyTac(const QString& tepQuyTac, const QString& tepNganHang)
{
    const QDate homNay = QDate::currentDate();
    std::optional<BoQuyTac> chon;
    if (!tepQuyTac.isEmpty()) {
        QFile f;
        QString lyDo;
        if (moTepNguon(tepQuyTac, f, &lyDo) != KetQuaMo::DaMo) {
            std::fprintf(stderr, "thilaixe: --rules %s: %s / not a regular file that can be read\n",
                         qPrintable(tepQuyTac), qPrintable(lyDo));
            return std::nullopt;
        }
        DocDuoc<BoQuyTac> kq = docBoQuyTac(f.read(kTepDuLieuToiDa + 1));
        for (const LoiDuLieu& l : kq.loi)
            std::fprintf(stderr, "%s: %s\n", qPrintable(tepQuyTac), qPrintable(l.dong()));
        chon = std::move(kq.giaTri);
        if (chon && !chon->coHieuLuc(homNay))
            std::fprintf(
                stderr,
                "thilaixe: bộ quy tắc %s không có hiệu lực hôm nay (%s); vẫn dùng vì được chỉ định / "
                "rule set %s is not in force today; used as given\n",
                qPrintable(chon->id), qPrintable(homNay.toString(Qt::ISODate)), qPrintable(chon->id));
    } else {
        const QuyTacDaChon c = chonQuyTacCho(tepNganHang, homNay);
        for (const LoiDuLieu& l : c.loi)
            std::fprintf(stderr, "%s\n", qPrintable(l.dong()));
        for (const QString& g : c.ghiChu)
            std::fprintf(stderr, "thilaixe: %s\n", qPrintable(g));
        if (!c.loi.empty())
            return std::nullopt;
        if (c.coHieuLuc)
            chon = c.bo;
        else
            std::fprintf(stderr, "thilaixe: %s\nthilaixe: no rule set is in force today (%s)\n",
                         qPrintable(c.khongCo), qPrintable(homNay.toString(Qt::ISODate)));
    }
    if (chon)
        if (const std::optional<QString> bao = baoHetHieuLuc(*chon, homNay))
            std::fprintf(stderr, "thilaixe: %s\n", qPrintable(*bao));
    return chon;
}

// The bank and its rule set, read and checked; every fault printed on `ra`.
// 0 when both are usable, else the exit code: 1 a fault in the bank, 2 a
// file that cannot be used.
int docCaHai(const QString& tepNganHang, const QString& tepQuyTac, std::optional<BoQuyTac>& quyTac,
             std::optional<NganHang>& nh, FILE* ra)
{
    quyTac = chonQuyTac(tepQuyTac, tepNganHang);
    if (!quyTac)
        return 2;
    DocDuoc<NganHang> doc = docNganHangTep(tepNganHang);
    std::vector<LoiDuLieu> loi = doc.loi;
    if (doc.giaTri) {
        const std::vector<LoiDuLieu> anh = kiemTraAnh(*doc.giaTri, QFileInfo(tepNganHang).absolutePath());
        loi.insert(loi.end(), anh.begin(), anh.end());
    }
    for (const LoiDuLieu& l : loi)
        std::fprintf(ra, "LỖI %s\n", qPrintable(l.dong()));
    if (!loi.empty()) {
        std::fprintf(ra, "%zu lỗi / %zu faults\n", loi.size(), loi.size());
        return 1;
    }
    nh = std::move(doc.giaTri);
    return 0;
}

}  // namespace

int lenhRutDe(const QString& tepNganHang, const QString& hang, const QByteArray& hatGiong,
              const QString& tepQuyTac)
{
    std::optional<BoQuyTac> quyTac;
    std::optional<NganHang> nh;
    // Standard output carries the paper's JSON only.
    if (docCaHai(tepNganHang, tepQuyTac, quyTac, nh, stderr) != 0)
        return 2;  // a paper needs a usable bank
    const QuyTacHang* h = hangHoacBao(*quyTac, hang);
    if (!h)
        return 2;
    bool coHat = false;
    const qulonglong hat = hatGiong.toULongLong(&coHat);
    if (!hatGiong.isEmpty() && !coHat) {
        std::fprintf(stderr, "thilaixe: --seed phải là số nguyên không âm / --seed takes a whole number\n");
        return 2;
    }
    BoSinhSo rng(coHat ? hat : QRandomGenerator::system()->generate64());
    QString vi;
    const std::optional<DeThi> de = rutDe(*nh, *h, rng, &vi);
    if (!de) {
        std::fprintf(stderr, "thilaixe: %s / the bank cannot give this class's paper\n", qPrintable(vi));
        return 1;
    }
    QJsonArray cau, liet;
    for (int q : de->cau)
        cau.append(q);
    for (int q : de->diemLiet)
        liet.append(q);
    const QJsonObject o{{QStringLiteral("class"), h->hang},     {QStringLiteral("rules"), quyTac->id},
                        {QStringLiteral("minutes"), h->soPhut}, {QStringLiteral("pass"), h->canDeDat},
                        {QStringLiteral("questions"), cau},     {QStringLiteral("critical"), liet}};
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
    std::fprintf(stderr,
                 "thilaixe: hạng %s không có trong bộ quy tắc %s (có: %s) / class %s is not in rule set %s\n",
                 qPrintable(hang), qPrintable(bo.id), qPrintable(co.join(QStringLiteral(", "))),
                 qPrintable(hang), qPrintable(bo.id));
    return nullptr;
}

int lenhKiemTraNganHang(const QString& tepNganHang, const QString& tepQuyTac)
{
    std::optional<BoQuyTac> quyTac;
    std::optional<NganHang> nh;
    if (const int kq = docCaHai(tepNganHang, tepQuyTac, quyTac, nh, stdout))
        return kq;
    int diemLiet = 0, anh = 0;
    for (const CauHoiNganHang& c : nh->cauHoi) {
        diemLiet += c.diemLiet ? 1 : 0;
        anh += c.anh.isEmpty() ? 0 : 1;
    }
    std::printf("Ngân hàng: %s (%s, phiên bản %s)\n", qPrintable(nh->tieuDe), qPrintable(nh->id),
                qPrintable(nh->phienBan));
    std::printf("Nguồn: %s\n", qPrintable(nh->nguon));
    std::printf("%zu câu, %d câu điểm liệt, %d ảnh\n", nh->cauHoi.size(), diemLiet, anh);
    for (const ChuongNganHang& c : nh->chuong) {
        int liet = 0;
        for (int q = c.dau; q <= c.cuoi; ++q)
            liet += nh->cau(q)->diemLiet ? 1 : 0;
        std::printf("  Chương %d (câu %d–%d): %d câu, %d điểm liệt — %s\n", c.so, c.dau, c.cuoi,
                    c.cuoi - c.dau + 1, liet, qPrintable(c.tieuDe));
    }
    std::printf("Bộ quy tắc: %s (từ %s%s) — %s\n", qPrintable(quyTac->id),
                qPrintable(quyTac->tuNgay.toString(Qt::ISODate)),
                quyTac->denNgay.isValid()
                    ? qPrintable(QStringLiteral(" đến ") + quyTac->denNgay.toString(Qt::ISODate))
                    : "",
                qPrintable(quyTac->nguon));
    QStringList duoc;
    for (const QuyTacHang& h : quyTac->hang) {
        if (const std::optional<QString> vi = khongRutDuoc(*nh, h))
            std::printf("  Không rút được đề hạng %s: %s\n", qPrintable(h.hang), qPrintable(*vi));
        else
            duoc.append(h.hang);
    }
    std::printf("Rút được đề các hạng: %s\n", qPrintable(duoc.join(QStringLiteral(", "))));
    return 0;
}

}  // namespace thilaixe
