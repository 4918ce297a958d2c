// Start-up as the user waits for it: the same start-up as the program's main()
// - translations, the document and its windows, the main window shown - and
// the process ends as soon as the main window has painted once. Timed as a
// whole process (scripts/time-startup), so loading the libraries counts too.
#include "first_paint.h"
#include "shell/main_window.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    FirstPaint firstPaint;
    const auto application = hullcalc::startUp(qtApplication, {});
    application->mainWindow().installEventFilter(&firstPaint);
    return QApplication::exec();
}
