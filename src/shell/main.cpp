// Start-up of the program: the application object, the eight windows in their
// order, the main window shown, then the message loop until it closes.
#include "shell/Main.h"
#include "shell/forms.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("hullcalc");
    hullcalc::createForms();
    hullcalc::forms().MainForm->show();
    const int status = QApplication::exec();
    hullcalc::destroyForms();
    return status;
}
