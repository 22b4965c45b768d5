#include "app/App.h"
#include "app/FormInit.h"
#include "app/Seams.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    // The program decides itself when it ends (some closes end it, others
    // hand over to another window).
    QApplication::setQuitOnLastWindowClosed(false);
    thilaixe::RealSeams seams;
    thilaixe::App app(seams);
    app.formInit()->show();
    return QApplication::exec();
}
