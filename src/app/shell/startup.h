// What the program does between the application object and its message loop:
// Qt's own Russian texts for the standard dialogs, the document and its
// windows, the main window shown. main() and the start-up benchmark share it.
#pragma once

#include "shell/application.h"

#include <QStringList>

#include <memory>

class QApplication;

namespace hullcalc {

// Loads Qt's Russian translations where they are installed; without them the
// standard dialogs stay in English and nothing else changes.
void installRussianTranslations(QApplication& qtApplication);

// Starts the program: translations, the document and the eight windows, the
// main window shown. `arguments` are the command line without the program.
std::unique_ptr<Application> startUp(QApplication& qtApplication, const QStringList& arguments);

}  // namespace hullcalc
