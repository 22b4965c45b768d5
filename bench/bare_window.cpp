// The floors of the whole-process figures: a bare QApplication and one
// QWidget of the entry form's size; with --caption, the same window showing
// one Vietnamese caption in the entry form's title font, which is what any
// program showing text pays for loading the font database and one face;
// with --ticker, the same window repainting a 281x250 picture every 5 ms,
// what any window animating at that pace pays.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {
class Ticker final : public QWidget {
public:
    explicit Ticker(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        for (int i = 0; i < 2; ++i) {
            m_frame[i] = QImage(281, 250, QImage::Format_RGB32);
            m_frame[i].fill(i == 0 ? Qt::white : Qt::lightGray);
        }
        auto* tmr = new QTimer(this);
        tmr->setTimerType(Qt::PreciseTimer);
        connect(tmr, &QTimer::timeout, this, [this] {
            m_n ^= 1;
            update();
        });
        tmr->start(5);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(rect(), m_frame[m_n]); }

private:
    QImage m_frame[2];
    int m_n = 0;
};
}  // namespace

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.setFixedSize(548, 315);
    if (argc > 1 && std::strcmp(argv[1], "--caption") == 0) {
        auto* l = new QLabel(QStringLiteral("TRUNG TÂM ĐÀO TẠO LÁI XE"), &w);
        QFont f;
        f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        f.setPointSizeF(14.25);
        f.setBold(true);
        l->setFont(f);
        l->setGeometry(168, 42, 358, 36);
        l->setAlignment(Qt::AlignCenter);
    }
    if (argc > 1 && std::strcmp(argv[1], "--ticker") == 0) {
        auto* t = new Ticker(&w);
        t->setGeometry(128, 51, 281, 250);
    }
    w.show();
    return QApplication::exec();
}
