#include "rules/bank/NganHang.h"

#include "rules/bank/DapAn.h"
#include "rules/common/SharedState.h"
#include "rules/common/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace thilaixe {

namespace {

QString phan(int q)
{
    if (q <= 150)
        return QStringLiteral("Lý thuyết (câu 1–150)");
    if (q <= 250)
        return QStringLiteral("Biển báo (câu 151–250)");
    return QStringLiteral("Sa bàn (câu 251–300)");
}

QImage anhMau(int q)
{
    QImage img(480, 360, QImage::Format_RGB32);
    img.fill(QColor(250, 250, 244));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(0, 0, 480, 28, QColor(200, 40, 40));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    p.drawText(QRect(0, 0, 480, 28), Qt::AlignCenter,
               QStringLiteral("ẢNH MẪU — KHÔNG PHẢI CÂU HỎI THI THẬT"));
    p.setPen(QColor(20, 30, 90));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    p.drawText(QRect(20, 40, 440, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Câu hỏi số %1").arg(q));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(20, 78, 440, 26), Qt::AlignLeft | Qt::AlignVCenter, phan(q));
    p.setPen(QColor(20, 20, 20));
    const int n = kSoPhuongAn[static_cast<std::size_t>(q)];
    for (int k = 1; k <= n; ++k)
        p.drawText(QRect(40, 120 + (k - 1) * 48, 420, 40), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1. Phương án %1 của câu %2").arg(k).arg(q));
    p.setPen(QPen(QColor(180, 180, 180), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, 477, 357);
    return img;
}

bool baoLoi(QString* loi, const QString& why)
{
    if (loi)
        *loi = why;
    return false;
}

}  // namespace

ThuMucDuLieu chonThuMucDuLieu(const std::optional<QString>& dongLenh, const QString& bienMoiTruong,
                              const QString& hienTai, const QString& nguoiDung)
{
    if (dongLenh)
        return {*dongLenh, NguonThuMuc::DongLenh};
    if (!bienMoiTruong.isEmpty())
        return {bienMoiTruong, NguonThuMuc::BienMoiTruong};
    if (QFileInfo(QDir(hienTai).filePath(TenTepAnh(1))).isFile())
        return {hienTai, NguonThuMuc::ThuMucHienTai};
    return {nguoiDung, NguonThuMuc::ThuMucNguoiDung};
}

QStringList anhConThieu(const QString& thuMuc)
{
    const QDir d(thuMuc);
    QStringList thieu;
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const QString ten = TenTepAnh(static_cast<std::int16_t>(q));
        if (!QFileInfo(d.filePath(ten)).isFile())
            thieu.append(ten);
    }
    return thieu;
}

QString thongBaoThieuNganHang(const QString& thuMuc, const QStringList& thieu)
{
    QString vd = thieu.mid(0, 3).join(QStringLiteral(", "));
    vd += thieu.size() > 3 ? QStringLiteral(", …") : QStringLiteral(".");
    return txt::kThuMucDuLieu + QDir::toNativeSeparators(thuMuc) + QStringLiteral("\n\n")
           + txt::kKhongThayAnh.arg(thieu.size()).arg(vd) + QStringLiteral("\n\n") + txt::kCachThemAnh;
}

bool veNganHangMau(const QString& thuMuc, QString* loi)
{
    if (!QDir().mkpath(thuMuc))
        return baoLoi(loi, QStringLiteral("cannot create ") + thuMuc);
    for (int q = 1; q <= kSoCauHoi; ++q) {
        const QString ten = QDir(thuMuc).filePath(TenTepAnh(static_cast<std::int16_t>(q)));
        if (!anhMau(q).save(ten, "JPG", 85))
            return baoLoi(loi, QStringLiteral("cannot write ") + ten);
    }
    return true;
}

bool chuanBiThuMuc(const QString& thuMuc, const QString& banCaiDat, QString* loi)
{
    if (!QDir().mkpath(thuMuc))
        return baoLoi(loi, QStringLiteral("cannot create ") + thuMuc);
    const QStringList thieu = anhConThieu(thuMuc);
    if (thieu.size() == kSoCauHoi) {
        // A new folder: the installed sample when it is whole, else drawn.
        if (!banCaiDat.isEmpty() && anhConThieu(banCaiDat).isEmpty()) {
            for (const QString& ten : thieu)
                if (!QFile::copy(QDir(banCaiDat).filePath(ten), QDir(thuMuc).filePath(ten)))
                    return baoLoi(loi, QStringLiteral("cannot copy ") + ten);
        } else if (!veNganHangMau(thuMuc, loi)) {
            return false;
        }
    }
    QFile lichSu(QDir(thuMuc).filePath(QStringLiteral("DuLieu.txt")));
    if (!QFileInfo::exists(lichSu.fileName()) && !QFileInfo(lichSu.fileName()).isSymLink()
        && !lichSu.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return baoLoi(loi, QStringLiteral("cannot create ") + lichSu.fileName());
    return true;
}

}  // namespace thilaixe
