// The menu "Последние файлы": the files opened last, each named by its file
// name, its folder in the tooltip.
#pragma once

#include <QStringList>

#include <functional>

class QMenu;

namespace hullcalc {

// Fills `menu` with one entry per file (full paths, newest first); choosing
// one calls `open` with its path. An empty list disables the menu.
void fillRecentFilesMenu(QMenu& menu, const QStringList& files, const std::function<void(const QString&)>& open);

}  // namespace hullcalc
