// What a command did, said in the status line of the window it was given in.
#pragma once

#include <QString>

class QWidget;

namespace hullcalc {

// Shows `message` for a while in the status line of the main window that
// holds `widget`; nothing where that window has none.
void tellInStatusLine(QWidget* widget, const QString& message);

}  // namespace hullcalc
