// Activation of the program's windows. A window's activation action (the trim
// window's grid set-up, the vibration window's tone reset) runs when the user
// comes to it from another window of the program - not when one of its own
// message boxes or file dialogs closes and hands the focus back.
#pragma once

class QEvent;
class QWidget;

namespace hullcalc {

// Shows a window and brings it to the front; a window already open only comes
// to the front.
void showAndRaise(QWidget* window);

// True when `event` activates `window` and the window last activated before
// was a different one (or none). Call it from the window's event().
bool isActivationFromAnotherWindow(QWidget* window, QEvent* event);

}  // namespace hullcalc
