// Start-up of the program: the application object, the document and its
// windows, the main window shown, then the message loop until it closes.
#include "shell/application.h"
#include "shell/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("hullcalc");
    hullcalc::Application application;
    application.mainWindow().show();
    return QApplication::exec();
}
