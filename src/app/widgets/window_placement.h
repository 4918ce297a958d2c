// Keeping windows on the screen: none opens larger than the screen's available
// area or with part of its frame outside it, whatever the screen's size and
// scale factor.
#pragma once

#include <QPoint>

class QWidget;

namespace hullcalc {

// Shrinks the window to the available area of its screen where it is larger,
// and moves it from `topLeft` as little as needed to keep its frame there.
void placeOnScreen(QWidget* window, QPoint topLeft);

// placeOnScreen at the window's current position.
void keepOnScreen(QWidget* window);

}  // namespace hullcalc
