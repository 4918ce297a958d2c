#include "widgets/activation.h"

#include <QEvent>
#include <QWidget>

namespace hullcalc {

void showAndRaise(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowActivation::watch(QWidget* window, std::function<void()> onActivation)
{
    actions_[window] = std::move(onActivation);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { actions_.erase(gone); });
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && lastActivated_ != watched) {
        lastActivated_ = watched;
        const auto action = actions_.find(watched);
        if (action != actions_.end() && action->second)
            action->second();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace hullcalc
