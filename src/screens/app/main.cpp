#include "screens/app/App.h"
#include "screens/common/Seams.h"
#include "screens/entry/FormInit.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    // The program decides itself when it ends (some closes end it, others
    // hand over to another window).
    QApplication::setQuitOnLastWindowClosed(false);
    thilaixe::RealSeams seams;
    thilaixe::App app(seams, QDir::currentPath());
    app.form<thilaixe::FormInit>()->show();
    return QApplication::exec();
}
