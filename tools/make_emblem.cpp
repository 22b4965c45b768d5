// Renders the picture of the author strip and the information window: an
// emblem of the program, 157 x 225, drawn here so that no one's photograph
// ships with it. A school passes its own picture to CMake instead
// (THILAIXE_PHOTO). With a size, it draws the square desktop icon instead.
//   make_emblem OUT.png          the strip's picture, 157 x 225
//   make_emblem OUT.png SIZE     the icon, SIZE x SIZE

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

// A road-sign style emblem: red ring, blue disc, a white steering wheel;
// `r` is the ring's radius.
static void veBieuTuong(QPainter& p, QPointF tam, double r)
{
    const double k = r / 66.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(tam, r, r);
    p.setBrush(QColor(20, 70, 170));
    p.drawEllipse(tam, 54 * k, 54 * k);
    p.setPen(QPen(Qt::white, 7 * k));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(tam, 36 * k, 36 * k);
    p.drawLine(tam - QPointF(36 * k, 0), tam + QPointF(36 * k, 0));
    p.drawLine(tam, tam + QPointF(0, 36 * k));
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_emblem OUT.png [SIZE]\n");
        return 2;
    }
    if (argc == 3) {
        const int n = QString::fromLocal8Bit(argv[2]).toInt();
        if (n < 16 || n > 1024)
            return 2;
        QImage icon(n, n, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        veBieuTuong(p, QPointF(n / 2.0, n / 2.0), n * 64 / 132.0);
        p.end();
        return icon.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
    }
    QImage img(157, 225, QImage::Format_RGB32);
    img.fill(QColor(230, 236, 248));
    QPainter p(&img);
    veBieuTuong(p, QPointF(78.5, 95), 66);
    p.setPen(QColor(20, 40, 90));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    p.drawText(QRect(0, 172, 157, 40), Qt::AlignCenter, QStringLiteral("thilaixe"));
    p.end();
    return img.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
