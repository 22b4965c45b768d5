#include "rules/bank/NganHang.h"

#include "rules/bank/DapAn.h"
#include "rules/common/NenTang.h"
#include "rules/common/SharedState.h"
#include "rules/common/Texts.h"

#include <QBuffer>
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
        return txt::kCoDienChuong1;
    if (q <= 250)
        return txt::kCoDienChuong2;
    return txt::kCoDienChuong3;
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
    p.drawText(QRect(0, 0, 480, 28), Qt::AlignCenter, txt::kMauAnh);
    p.setPen(QColor(20, 30, 90));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    p.drawText(QRect(20, 40, 440, 36), Qt::AlignLeft | Qt::AlignVCenter, txt::kMauCauHoi.arg(q));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(20, 78, 440, 26), Qt::AlignLeft | Qt::AlignVCenter, phan(q));
    p.setPen(QColor(20, 20, 20));
    const int n = kSoPhuongAn[static_cast<std::size_t>(q)];
    for (int k = 1; k <= n; ++k)
        p.drawText(QRect(40, 120 + (k - 1) * 48, 420, 40), Qt::AlignLeft | Qt::AlignVCenter,
                   txt::kMauPhuongAn.arg(k).arg(q));
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

QString thongBaoThieuNganHang(const QString& thuMuc, const QStringList& thieu, const QString& loiChuanBi)
{
    QString t = txt::kThuMucDuLieu + QDir::toNativeSeparators(thuMuc) + QStringLiteral("\n\n");
    if (!loiChuanBi.isEmpty())
        t += txt::kKhongChuanBiDuoc.arg(loiChuanBi) + QStringLiteral("\n\n");
    if (!thieu.isEmpty()) {
        QString vd = thieu.mid(0, 3).join(QStringLiteral(", "));
        vd += thieu.size() > 3 ? QStringLiteral(", …") : QStringLiteral(".");
        t += txt::kKhongThayAnh.arg(thieu.size()).arg(vd) + QStringLiteral("\n\n");
    }
    return t + txt::kCachThemAnh;
}

namespace {

// A picture goes to a temporary file beside its name and is renamed over it
// only once whole: a full disk leaves no cut picture behind.
bool ghiAnh(const QString& tep, const QByteArray& noiDung, QString* loi)
{
    QString vi, en;
    if (!ghiTep(tep, noiDung, &vi, &en))
        return baoLoi(loi, txt::kCoDienKhongGhi.arg(QDir::toNativeSeparators(tep), vi, en));
    return true;
}

QByteArray jpegMau(int q)
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    anhMau(q).save(&b, "JPG", 85);
    return b.data();
}

// Puts the named pictures into the folder: from the installed sample bank
// when it is whole, else drawn here.
bool datAnhMau(const QString& thuMuc, const QString& banCaiDat, const QStringList& ten, QString* loi)
{
    const bool chep = !banCaiDat.isEmpty() && anhConThieu(banCaiDat).isEmpty();
    for (const QString& t : ten) {
        QByteArray noiDung;
        if (chep) {
            QFile nguon(QDir(banCaiDat).filePath(t));
            if (!nguon.open(QIODevice::ReadOnly))
                return baoLoi(loi, txt::kCoDienKhongDoc.arg(QDir::toNativeSeparators(nguon.fileName()),
                                                            nguon.errorString()));
            noiDung = nguon.readAll();
        } else {
            noiDung = jpegMau(t.left(3).toInt());
        }
        if (!ghiAnh(QDir(thuMuc).filePath(t), noiDung, loi))
            return false;
    }
    return true;
}

}  // namespace

bool veNganHangMau(const QString& thuMuc, QString* loi)
{
    if (!QDir().mkpath(thuMuc))
        return baoLoi(loi, txt::kCoDienKhongTaoThuMuc.arg(QDir::toNativeSeparators(thuMuc)));
    QStringList tatCa;
    for (int q = 1; q <= kSoCauHoi; ++q)
        tatCa.append(TenTepAnh(static_cast<std::int16_t>(q)));
    return datAnhMau(thuMuc, {}, tatCa, loi);
}

bool chuanBiThuMuc(const QString& thuMuc, const QString& banCaiDat, QString* loi)
{
    if (!QDir().mkpath(thuMuc))
        return baoLoi(loi, txt::kCoDienKhongTaoThuMucHome.arg(QDir::toNativeSeparators(thuMuc)));
    const QString dauMau = QDir(thuMuc).filePath(kTepDauMau);
    const QStringList thieu = anhConThieu(thuMuc);
    // A new folder is marked as holding the sample before the first picture
    // goes in, so a start cut short (a full disk, a kill) is completed by a
    // later one. A folder of the school's own pictures is never filled up
    // with samples.
    if (thieu.size() == kSoCauHoi && !QFileInfo::exists(dauMau)) {
        QString vi, en;
        if (!ghiTep(dauMau, kNoiDungDauMau, &vi, &en))
            return baoLoi(loi, txt::kCoDienKhongGhi.arg(QDir::toNativeSeparators(dauMau), vi, en));
    }
    if (!thieu.isEmpty() && QFileInfo::exists(dauMau) && !datAnhMau(thuMuc, banCaiDat, thieu, loi))
        return false;
    QFile lichSu(QDir(thuMuc).filePath(QStringLiteral("DuLieu.txt")));
    if (!QFileInfo::exists(lichSu.fileName()) && !QFileInfo(lichSu.fileName()).isSymLink()
        && !lichSu.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return baoLoi(
            loi, txt::kCoDienKhongTao.arg(QDir::toNativeSeparators(lichSu.fileName()), lichSu.errorString()));
    return true;
}

}  // namespace thilaixe
