// "Вид → Полная точность": whether numbers are shown with every digit the
// calculation stored instead of rounded for reading. One setting in the
// user's settings for every window, the report and the workbook.
#pragma once

#include <functional>

class QAction;
class QObject;

namespace hullcalc {

bool fullPrecisionSetting();

// A checkable action "Полная точность", checked as the setting stands. Each
// toggle stores the setting and calls `apply` with it, and so does a change of
// the setting that a window's activation picks up (syncFullPrecision).
QAction* createFullPrecisionAction(QObject* parent, std::function<void(bool full)> apply);

// Checks `action` as the setting stands, which applies it when another
// window changed it.
void syncFullPrecision(QAction* action);

}  // namespace hullcalc
