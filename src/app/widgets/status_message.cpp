#include "widgets/status_message.h"

#include <QMainWindow>
#include <QStatusBar>

namespace hullcalc {

namespace {

// Long enough to read a file name in it.
constexpr int shownMilliseconds = 15000;

}  // namespace

void tellInStatusLine(QWidget* widget, const QString& message)
{
    if (!widget)
        return;
    if (auto* window = qobject_cast<QMainWindow*>(widget->window()))
        window->statusBar()->showMessage(message, shownMilliseconds);
}

}  // namespace hullcalc
