#include "widgets/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace hullcalc {

void fillRecentFilesMenu(QMenu& menu, const QStringList& files, const std::function<void(const QString&)>& open)
{
    menu.clear();
    menu.setToolTipsVisible(true);
    for (const QString& file : files) {
        const QFileInfo info(file);
        QAction* entry = menu.addAction(info.fileName());
        // Two files of one name in different folders are told apart here.
        entry->setToolTip(QDir::toNativeSeparators(info.absolutePath()));
        QObject::connect(entry, &QAction::triggered, &menu, [open, file] { open(file); });
    }
    menu.setEnabled(!files.isEmpty());
}

}  // namespace hullcalc
