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
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(n / 132.0, n / 132.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QPointF(66, 66), 64, 64);
        p.setBrush(QColor(20, 70, 170));
        p.drawEllipse(QPointF(66, 66), 52, 52);
        p.setPen(QPen(Qt::white, 8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(66, 66), 34, 34);
        p.drawLine(QPointF(32, 66), QPointF(100, 66));
        p.drawLine(QPointF(66, 66), QPointF(66, 100));
        p.end();
        return icon.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
    }
    QImage img(157, 225, QImage::Format_RGB32);
    img.fill(QColor(230, 236, 248));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A road-sign style emblem: red ring, blue disc, a white steering wheel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QPointF(78.5, 95), 66, 66);
    p.setBrush(QColor(20, 70, 170));
    p.drawEllipse(QPointF(78.5, 95), 54, 54);
    p.setPen(QPen(Qt::white, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(78.5, 95), 36, 36);
    p.drawLine(QPointF(42.5, 95), QPointF(114.5, 95));
    p.drawLine(QPointF(78.5, 95), QPointF(78.5, 131));
    p.setPen(QColor(20, 40, 90));
    QFont f(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    p.setFont(f);
    p.drawText(QRect(0, 172, 157, 40), Qt::AlignCenter, QStringLiteral("thilaixe"));
    p.end();
    return img.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
