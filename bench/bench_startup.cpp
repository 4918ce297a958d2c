// Start-up as the user waits for it: the same start-up as the program's main()
// - translations, the document and its eight windows, the main window shown -
// and the process ends as soon as the main window has painted once. Timed as a
// whole process (scripts/time-startup), so loading the libraries counts too.
#include "shell/main_window.h"
#include "shell/startup.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Ends the event loop after the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

}  // namespace

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
