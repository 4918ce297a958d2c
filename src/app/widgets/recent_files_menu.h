// The project's part of a window's menu "Файл": open, save, save as, and the
// menu "Последние файлы" of the files opened last, each named by its file
// name, its folder in the tooltip.
#pragma once

#include "widgets/qt_text.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QStringList>

#include <functional>
#include <string_view>

namespace hullcalc {

// The object names of the project's commands, the same in every window.
namespace projectMenuNames {
inline constexpr std::string_view openProject = "openProject";
inline constexpr std::string_view saveProject = "saveProject";
inline constexpr std::string_view saveProjectAs = "saveProjectAs";
inline constexpr std::string_view recentFiles = "recentFiles";
}  // namespace projectMenuNames

// Adds a command to `menu` that emits `request` of `window`.
template<typename Window>
QAction* addRequest(QMenu& menu, const QString& caption, std::string_view objectName, Window* window,
                    void (Window::*request)(), const QKeySequence& keys = {})
{
    QAction* action = menu.addAction(caption, window, request);
    action->setObjectName(toQString(objectName));
    action->setShortcut(keys);
    return action;
}

// Adds "Открыть проект…", "Сохранить проект" and "Сохранить проект как…",
// emitting the window's requests, and the menu "Последние файлы", empty and
// disabled until it is filled, which it returns.
template<typename Window>
QMenu* addProjectCommands(QMenu& file, Window* window)
{
    namespace names = projectMenuNames;
    addRequest(file, "&Открыть проект…", names::openProject, window, &Window::openProjectRequested, QKeySequence::Open);
    addRequest(file, "Сохранить &проект", names::saveProject, window, &Window::saveProjectRequested,
               QKeySequence::Save);
    addRequest(file, "Сохранить проект &как…", names::saveProjectAs, window, &Window::saveProjectAsRequested,
               QKeySequence::SaveAs);
    QMenu* recent = file.addMenu("Последние &файлы");
    recent->setObjectName(toQString(names::recentFiles));
    recent->setEnabled(false);
    return recent;
}

// Fills `menu` with one entry per file (full paths, newest first); choosing
// one calls `open` with its path. An empty list disables the menu.
void fillRecentFilesMenu(QMenu& menu, const QStringList& files, const std::function<void(const QString&)>& open);

}  // namespace hullcalc
