// The program's file dialogs: Qt's own dialog rather than the system's, so
// that it speaks Russian whatever the system's language, opening in the
// folder of the project the user works on.
#pragma once

#include <QFileDialog>
#include <QString>

namespace hullcalc {

// The folder of the project or data file opened or saved last; empty until
// there is one (the dialogs then open where the system chooses).
QString projectFolder();
void setProjectFolder(const QString& folder);

// The options every file dialog of the program is opened with.
QFileDialog::Options fileDialogOptions();

// A file to read, or empty when cancelled; opens in `folder`, else in the project's.
QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter, const QString& folder = {});

// A file to write, or empty when cancelled; a name typed without an extension
// gets `.suffix`.
QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& filter, const QString& suffix,
                         const QString& folder = {});

}  // namespace hullcalc
