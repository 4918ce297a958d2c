#include "widgets/activation.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace hullcalc {

namespace {
QPointer<QWidget> lastActivatedWindow;
}

void showAndRaise(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

bool isActivationFromAnotherWindow(QWidget* window, QEvent* event)
{
    if (event->type() != QEvent::WindowActivate)
        return false;
    const bool fromAnother = lastActivatedWindow != window;
    lastActivatedWindow = window;
    return fromAnother;
}

}  // namespace hullcalc
