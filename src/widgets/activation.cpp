#include "widgets/activation.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace hullcalc {

namespace {
QPointer<QWidget> lastActivatedForm;
}

void showAndRaise(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

bool isActivationFromAnotherForm(QWidget* form, QEvent* event)
{
    if (event->type() != QEvent::WindowActivate)
        return false;
    const bool fromAnother = lastActivatedForm != form;
    lastActivatedForm = form;
    return fromAnother;
}

}  // namespace hullcalc
