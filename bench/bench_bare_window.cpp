// The baseline for bench_startup: an empty Qt window in a process built and
// linked as the program is, shown and painted once. What start-up costs beyond
// this is the program's own.
#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    FirstPaint firstPaint;
    QWidget window;
    window.resize(400, 300);
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
