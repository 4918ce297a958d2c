// Activation of the program's windows. A window's activation action (the trim
// window's refresh, the vibration window's tone) runs when the user comes to it
// from another window of the program - not when one of its own message boxes
// or file dialogs closes and hands the focus back.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QEvent;
class QWidget;

namespace hullcalc {

// Shows a window and brings it to the front; a window already open only comes
// to the front.
void showAndRaise(QWidget* window);

// Which of the program's windows the user was in last. The application owns
// one and watches each of its windows.
class WindowActivation : public QObject {
public:
    // Runs `onActivation` each time `window` becomes the active window and the
    // window active before was another watched one (or none). A window without
    // an action of its own still counts as another window for the others.
    void watch(QWidget* window, std::function<void()> onActivation = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::function<void()>> actions_;
    QPointer<QObject> lastActivated_;
};

}  // namespace hullcalc
