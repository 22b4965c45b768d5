// Writes the sample question bank into a folder: 001.jpg..300.jpg, each a
// generated picture with its number, its section and as many numbered
// option lines as the question has, plainly marked as a sample; plus an
// empty DuLieu.txt when there is none. It never shows the key.

#include "rules/bank/DapAn.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace thilaixe;

static QString phan(int q)
{
    if (q <= 150)
        return QStringLiteral("Lý thuyết (câu 1–150)");
    if (q <= 250)
        return QStringLiteral("Biển báo (câu 151–250)");
    return QStringLiteral("Sa bàn (câu 251–300)");
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_sample_bank FOLDER\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QFont tieuDe(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    QFont chu(QStringLiteral("DejaVu Sans"), 14);
    QFont nho(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    for (int q = 1; q <= 300; ++q) {
        QImage img(480, 360, QImage::Format_RGB32);
        img.fill(QColor(250, 250, 244));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.fillRect(0, 0, 480, 28, QColor(200, 40, 40));
        p.setPen(Qt::white);
        p.setFont(nho);
        p.drawText(QRect(0, 0, 480, 28), Qt::AlignCenter,
                   QStringLiteral("ẢNH MẪU — KHÔNG PHẢI CÂU HỎI THI THẬT"));
        p.setPen(QColor(20, 30, 90));
        p.setFont(tieuDe);
        p.drawText(QRect(20, 40, 440, 36), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Câu hỏi số %1").arg(q));
        p.setFont(chu);
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
        p.end();
        const QString name = dir + QLatin1Char('/') + TenTepAnh(static_cast<std::int16_t>(q));
        if (!img.save(name, "JPG", 85)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    QFile history(dir + QStringLiteral("/DuLieu.txt"));
    if (!history.exists() && !history.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot create DuLieu.txt\n");
        return 1;
    }
    return 0;
}
