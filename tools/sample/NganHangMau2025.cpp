#include "sample/NganHangMau2025.h"

#include "rules/common/NenTang.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

namespace thilaixe {

namespace {

struct Chuong {
    int so, dau, cuoi;
    const char* tieuDe;
};
// The six chapters of the 2025 bank, by question number.
constexpr Chuong kChuong[] = {
    {1, 1, 180, "Quy định chung và quy tắc giao thông đường bộ"},
    {2, 181, 205,
     "Văn hóa giao thông, đạo đức người lái xe, kỹ năng phòng cháy, chữa cháy và cứu hộ, cứu nạn"},
    {3, 206, 263, "Kỹ thuật lái xe"},
    {4, 264, 300, "Cấu tạo và sửa chữa"},
    {5, 301, 485, "Báo hiệu đường bộ"},
    {6, 486, 600, "Giải các thế sa hình và kỹ năng xử lý tình huống giao thông"},
};

int chuongCua(int n)
{
    for (const Chuong& c : kChuong)
        if (n >= c.dau && n <= c.cuoi)
            return c.so;
    return 0;
}

// Pools of the sample: A1 and A take 250 questions (20 critical), B1 300.
bool trongNhomA(int n)
{
    return (n >= 1 && n <= 100) || (n >= 181 && n <= 195) || (n >= 206 && n <= 225) || (n >= 301 && n <= 380)
           || (n >= 486 && n <= 520);
}
bool trongNhomB1(int n)
{
    return (n >= 1 && n <= 120) || (n >= 181 && n <= 200) || (n >= 206 && n <= 235) || (n >= 264 && n <= 273)
           || (n >= 301 && n <= 390) || (n >= 486 && n <= 515);
}

bool coAnh(int n) { return n >= 301 || (n <= 160 && n % 10 == 0); }
int soPhuongAn(int n) { return 2 + n % 3; }
int dapAn(int n) { return 1 + (n * 7) % soPhuongAn(n); }

QImage anhMau(int n)
{
    QImage img(480, 320, QImage::Format_RGB32);
    img.fill(QColor(246, 248, 252));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, 480, 30, QColor(200, 40, 40));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    p.drawText(QRect(0, 0, 480, 30), Qt::AlignCenter, QStringLiteral("ẢNH MẪU — KHÔNG PHẢI ẢNH ĐỀ THI THẬT"));
    p.setPen(QColor(20, 30, 90));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 22, QFont::Bold));
    p.drawText(QRect(0, 60, 480, 60), Qt::AlignCenter, QStringLiteral("Ảnh câu %1").arg(n));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    p.drawText(QRect(20, 130, 440, 60), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8(kChuong[chuongCua(n) - 1].tieuDe));
    // A plain shape, different for each picture, so pictures can be told apart.
    p.setBrush(QColor::fromHsv((n * 37) % 360, 160, 220));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawEllipse(QPoint(240, 250), 30 + n % 20, 30 + n % 20);
    return img;
}

}  // namespace

bool laDiemLietMau(int n)
{
    return (n <= 80 && n % 4 == 0) || (n >= 101 && n <= 180 && (n - 101) % 3 == 0)
           || (n >= 196 && n <= 204 && n % 2 == 0) || (n >= 228 && n <= 256 && n % 4 == 0);
}

QByteArray taoNganHangMau2025()
{
    QJsonArray chuong;
    for (const Chuong& c : kChuong)
        chuong.append(QJsonObject{{QStringLiteral("number"), c.so},
                                  {QStringLiteral("title"), QString::fromUtf8(c.tieuDe)},
                                  {QStringLiteral("first"), c.dau},
                                  {QStringLiteral("last"), c.cuoi}});
    QJsonArray cau;
    for (int n = 1; n <= 600; ++n) {
        QJsonObject o{{QStringLiteral("number"), n},
                      {QStringLiteral("text"),
                       QStringLiteral("Câu hỏi mẫu số %1 (chương %2) — không phải câu hỏi thi thật.")
                           .arg(n)
                           .arg(chuongCua(n))},
                      {QStringLiteral("answer"), dapAn(n)}};
        QJsonArray pa;
        for (int k = 1; k <= soPhuongAn(n); ++k)
            pa.append(QStringLiteral("Phương án mẫu %1 của câu %2.").arg(k).arg(n));
        o.insert(QStringLiteral("options"), pa);
        if (laDiemLietMau(n))
            o.insert(QStringLiteral("critical"), true);
        if (coAnh(n))
            o.insert(QStringLiteral("image"),
                     QStringLiteral("images/%1.png").arg(n, 3, 10, QLatin1Char('0')));
        o.insert(
            QStringLiteral("explanation"),
            QStringLiteral("Giải thích mẫu: đáp án của câu mẫu %1 là phương án %2.").arg(n).arg(dapAn(n)));
        // Some questions carry a hint and a legal basis, both saying they
        // are samples.
        if (n % 7 == 0)
            o.insert(QStringLiteral("tip"),
                     QStringLiteral("Mẹo mẫu (không phải mẹo thật): nhớ phương án %1 của câu mẫu %2.")
                         .arg(dapAn(n))
                         .arg(n));
        if (n % 9 == 0)
            o.insert(QStringLiteral("law"),
                     QJsonObject{{QStringLiteral("document"),
                                  QStringLiteral("Văn bản mẫu (không phải trích dẫn thật)")},
                                 {QStringLiteral("article"), QStringLiteral("Điều mẫu %1").arg(n % 50 + 1)}});
        QJsonArray nhom;
        if (trongNhomA(n)) {
            nhom.append(QStringLiteral("A1"));
            nhom.append(QStringLiteral("A"));
        }
        if (trongNhomB1(n))
            nhom.append(QStringLiteral("B1"));
        o.insert(QStringLiteral("pools"), nhom);
        cau.append(o);
    }
    const QJsonObject goc{
        {QStringLiteral("format"), QStringLiteral("thilaixe-bank/1")},
        {QStringLiteral("id"), QStringLiteral("mau-600-2025")},
        {QStringLiteral("title"), QStringLiteral("Ngân hàng MẪU 600 câu (không phải câu hỏi thi thật)")},
        {QStringLiteral("version"), QStringLiteral("2025-06-01-mau")},
        {QStringLiteral("source"),
         QStringLiteral(
             "Mẫu do thilaixe tạo theo cấu trúc của bộ 600 câu áp dụng từ 01/6/2025; nội dung là chữ "
             "và ảnh mẫu, không phải đề thi thật.")},
        {QStringLiteral("chapters"), chuong},
        {QStringLiteral("questions"), cau}};
    return QJsonDocument(goc).toJson(QJsonDocument::Indented);
}

bool veNganHangMau2025(const QString& thuMuc, QString* loi)
{
    const auto baoLoi = [loi](const QString& why) {
        if (loi)
            *loi = why;
        return false;
    };
    const QDir d(thuMuc);
    if (!QDir().mkpath(d.filePath(QStringLiteral("images"))))
        return baoLoi(QStringLiteral("không tạo được thư mục %1").arg(d.filePath(QStringLiteral("images"))));
    QString vi, en;
    for (int n = 1; n <= 600; ++n) {
        if (!coAnh(n))
            continue;
        const QString tep = d.filePath(QStringLiteral("images/%1.png").arg(n, 3, 10, QLatin1Char('0')));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        anhMau(n).save(&png, "PNG");
        if (!ghiTep(tep, png.data(), &vi, &en))
            return baoLoi(QStringLiteral("không ghi được %1: %2 / cannot write %1: %3").arg(tep, vi, en));
    }
    const QString tep = d.filePath(QStringLiteral("bank.json"));
    if (!ghiTep(tep, taoNganHangMau2025(), &vi, &en))
        return baoLoi(QStringLiteral("không ghi được %1: %2 / cannot write %1: %3").arg(tep, vi, en));
    return true;
}

}  // namespace thilaixe
