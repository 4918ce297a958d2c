// The program: the application object, start-up, then the message loop until
// the main window closes.
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApplication(argc, argv);
    const auto application = hullcalc::startUp(qtApplication, QApplication::arguments().mid(1));
    return QApplication::exec();
}
