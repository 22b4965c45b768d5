// The floor of the whole-process figures: a bare QApplication and one
// QWidget of the entry form's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.setFixedSize(548, 315);
    w.show();
    return QApplication::exec();
}
