#include "rules/session/InGiay.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace thilaixe {

namespace {

QString h(const QString& s) { return s.toHtmlEscaped(); }

const QString kKieu = QStringLiteral(
    "<style>body { font-family: 'DejaVu Sans'; font-size: 10pt; } h1 { font-size: 14pt; text-align: center; "
    "} "
    "td, th { padding: 3px; } th { background: #e0e0e0; } .nho { font-size: 8pt; color: #444; }</style>");

bool ghiPdf(const QString& tep, QTextDocument& doc, const QString& tieuDe, QString* loi)
{
    // Laid out in memory and then put in place whole: a reader (or a teacher
    // opening it at once) never sees half a file, and a full disk is said.
    QBuffer bo;
    bo.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bo);
        pdf.setTitle(tieuDe);
        pdf.setCreator(QStringLiteral("thilaixe"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        // Laid out on the page itself: print() scales the document to it.
        doc.print(&pdf);
    }
    QString vi;
    if (ghiTep(tep, bo.data(), &vi))
        return true;
    if (loi)
        *loi = txt::kKhongGhiTep.arg(QDir::toNativeSeparators(tep), vi);
    return false;
}

}  // namespace

bool inBangKetQua(const QString& tep, const DauBangKetQua& dau, const std::vector<TinhHinhHocVien>& ds,
                  QString* loi)
{
    QString html = kKieu + QStringLiteral("<p>%1</p><h1>%2</h1>").arg(h(dau.truong), h(txt::kInTieuDeKetQua));
    html += QStringLiteral("<p>%1<br>%2<br>%3<br>%4</p>")
                .arg(h(txt::kInKhoaHoc.arg(dau.tenKhoaHoc, dau.maKhoaHoc)), h(txt::kInHang.arg(dau.hang)),
                     h(txt::kInNgay.arg(dau.ngay.toString(QStringLiteral("dd/MM/yyyy")))),
                     h(txt::kInQuyTac.arg(dau.quyTac)));
    // Each column its share of the page: a long name wraps in its cell, and
    // the verdict is never pushed past the page's edge.
    static constexpr int kRong[] = {7, 12, 28, 9, 9, 15, 20};
    html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr>");
    for (std::size_t i = 0; i < std::size(txt::kInCot); ++i)
        html += QStringLiteral("<th width='%2%'>%1</th>").arg(h(txt::kInCot[i])).arg(kRong[i]);
    html += QStringLiteral("</tr>");
    int stt = 0, dat = 0;
    using TT = TinhHinhHocVien::TrangThai;
    for (const TinhHinhHocVien& t : ds) {
        const bool nop = t.trangThai == TT::DaNop;
        QStringList liet;
        for (int c : t.lietSai)
            liet << QString::number(c);
        const QString ketQua = nop ? (t.dat ? txt::kInDat : txt::kInKhongDat)
                               : t.trangThai == TT::ChuaBatDau || t.trangThai == TT::ChuaCoDe
                                   ? txt::kInKhongDu
                                   : txt::kInChuaNop;
        dat += nop && t.dat ? 1 : 0;
        html +=
            QStringLiteral("<tr><td align='right'>%1</td><td>%2</td><td>%3</td><td align='right'>%4</td><td "
                           "align='right'>%5</td><td>%6</td><td><b>%7</b></td></tr>")
                .arg(++stt)
                .arg(h(t.soBaoDanh), h(t.ten), nop ? QString::number(t.dung) : QString(),
                     nop ? QString::number(t.soCau - t.dung) : QString(), h(liet.join(QStringLiteral(", "))),
                     h(ketQua));
    }
    html += QStringLiteral("</table><p>%1</p>").arg(h(txt::kInTong.arg(ds.size()).arg(dat)));
    html += QStringLiteral(
                "<br><table width='100%'><tr><td align='center' width='50%'><b>%1</b><br><i>%3</i></td>"
                "<td align='center'><b>%2</b><br><i>%3</i></td></tr></table>")
                .arg(h(txt::kInGiaoVien), h(txt::kInThuTruong), h(txt::kInKyTen));
    QTextDocument doc;
    doc.setHtml(html);
    return ghiPdf(tep, doc, txt::kInTieuDeKetQua, loi);
}

bool inPhieuPin(const QString& tep, const QString& truong, const KhoaHoc& k,
                const std::vector<PinHocVien>& ds, QString* loi)
{
    // One slip a learner, to cut apart: who, the course, the PIN, and how
    // to sign in. The PIN is on no other page, and is kept nowhere else.
    QString html = kKieu
                   + QStringLiteral("<p>%1</p><h1>%2</h1><p>%3</p>")
                         .arg(h(truong), h(txt::kInTieuDePin), h(txt::kInKhoaHoc.arg(k.ten, k.ma)));
    for (const PinHocVien& p : ds)
        html += QStringLiteral(
                    "<table border='1' cellspacing='0' cellpadding='8' width='100%'><tr><td>%1<br>%2<br>"
                    "<span style='font-family: DejaVu Sans Mono; font-size: 16pt'><b>%3</b></span><br>"
                    "<span class='nho'>%4</span></td></tr></table><br>")
                    .arg(h(txt::kInPinHocVien.arg(p.ten, p.soBaoDanh)), h(txt::kInPinKhoa.arg(k.ma)),
                         h(txt::kInPinMa.arg(p.pin)), h(txt::kInPinCach));
    QTextDocument doc;
    doc.setHtml(html);
    return ghiPdf(tep, doc, txt::kInTieuDePin, loi);
}

bool inDeGiay(const QString& tep, const NganHang& nh, const QString& thuMuc, const QuyTacHang& q,
              const DeThi& de, const QString& truong, const QString& ma, QString* loi)
{
    QTextDocument doc;
    QString html = kKieu
                   + QStringLiteral("<p>%1</p><h1>%2</h1><p class='nho'>%3</p>")
                         .arg(h(truong), h(txt::kInTieuDeDe.arg(q.hang, ma)),
                              h(nh.tieuDe + QStringLiteral(" — ") + nh.nguon));
    html += QStringLiteral("<p>%1</p><p>%2</p>")
                .arg(h(txt::kInDongDe.arg(de.cau.size()).arg(q.soPhut).arg(q.canDeDat)), h(txt::kInHoTen));
    for (std::size_t i = 0; i < de.cau.size(); ++i) {
        const CauHoiNganHang* c = nh.cau(de.cau[i]);
        if (!c)
            continue;
        html += QStringLiteral("<p><b>%1</b> %2</p>").arg(h(txt::kInCau.arg(i + 1)), h(c->noiDung));
        if (!c->anh.isEmpty()) {
            const QImage anh(QDir(thuMuc).filePath(c->anh));
            if (!anh.isNull()) {
                const QUrl url(QStringLiteral("anh:%1").arg(c->so));
                doc.addResource(QTextDocument::ImageResource, url, anh);
                html += QStringLiteral("<p><img src='%1' width='%2'></p>")
                            .arg(url.toString())
                            .arg(std::min(anh.width(), 1400));
            }
        }
        QString pa;
        for (int k = 0; k < c->phuongAn.size(); ++k)
            pa += QStringLiteral("%1. %2<br>").arg(k + 1).arg(h(c->phuongAn[k]));
        if (c->phuongAn.isEmpty())
            pa = h(txt::kInPhuongAnTrongAnh.arg(c->soPhuongAn));
        html += QStringLiteral("<p style='margin-left: 20px'>%1</p>").arg(pa);
    }
    // The key, on its own page: it is torn off before the paper is handed out.
    html += QStringLiteral("<h1 style='page-break-before: always'>%1</h1>")
                .arg(h(txt::kInTieuDeDapAn.arg(q.hang, ma)));
    html +=
        QStringLiteral(
            "<table border='1' cellspacing='0'><tr><th>%1</th><th>%2</th><th>%1</th><th>%2</th><th>%1</th>"
            "<th>%2</th></tr>")
            .arg(h(txt::kInCotCau), h(txt::kInCotDapAn));
    const std::size_t n = de.cau.size(), hang = (n + 2) / 3;
    for (std::size_t r = 0; r < hang; ++r) {
        html += QStringLiteral("<tr>");
        for (std::size_t k = 0; k < 3; ++k) {
            const std::size_t i = k * hang + r;
            const CauHoiNganHang* c = i < n ? nh.cau(de.cau[i]) : nullptr;
            html += c ? QStringLiteral("<td align='right'>%1</td><td align='center'><b>%2</b>%3</td>")
                            .arg(i + 1)
                            .arg(c->dapAn)
                            .arg(c->diemLiet ? QStringLiteral(" *") : QString())
                      : QStringLiteral("<td></td><td></td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><p class='nho'>%1</p>").arg(h(txt::kInGhiChuLiet));
    doc.setHtml(html);
    return ghiPdf(tep, doc, txt::kInTieuDeDe.arg(q.hang, ma), loi);
}

}  // namespace thilaixe
