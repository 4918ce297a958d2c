#include "widgets/file_dialogs.h"

#include <QFileInfo>

namespace hullcalc {

namespace {

QString& storedProjectFolder()
{
    static QString folder;
    return folder;
}

QString startFolder(const QString& folder) { return folder.isEmpty() ? projectFolder() : folder; }

}  // namespace

QString projectFolder() { return storedProjectFolder(); }

void setProjectFolder(const QString& folder) { storedProjectFolder() = folder; }

QFileDialog::Options fileDialogOptions() { return QFileDialog::DontUseNativeDialog; }

QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, caption, startFolder(folder), filter, nullptr, fileDialogOptions());
}

QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& filter, const QString& suffix,
                         const QString& folder)
{
    QString name =
        QFileDialog::getSaveFileName(parent, caption, startFolder(folder), filter, nullptr, fileDialogOptions());
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += "." + suffix;
    return name;
}

}  // namespace hullcalc
