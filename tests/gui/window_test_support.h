// What the windows' tests share: the error display's record, finding widgets
// by the names the windows' names tables give them, and acting as a user.
#pragma once

#include "common/text_grid.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace hullcalc {

// What the error display showed the user, in order.
inline QStringList shownErrors;
inline void recordError(QWidget*, const QString& message) { shownErrors.append(message); }

// A new running program, its main window shown as at start-up, whose error
// display records what the user would read.
inline std::unique_ptr<Application> startedApplication()
{
    auto application = std::make_unique<Application>();
    application->errors().setSink(&recordError);
    application->mainWindow().show();
    return application;
}

// Makes `window` the active window, as the user's click on it would.
inline void activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// A widget or action by its object name, as the windows' names tables give it.
template<typename T>
T* child(QObject* window, std::string_view name)
{
    T* widget = window->findChild<T*>(toQString(name));
    if (!widget)
        qFatal("no widget %s", std::string(name).c_str());
    return widget;
}

inline void click(QWidget* window, std::string_view button) { child<QPushButton>(window, button)->click(); }
inline QString labelText(QWidget* window, std::string_view label) { return child<QLabel>(window, label)->text(); }

// The view of `window` that shows `grid`.
inline GridView* gridViewOf(QWidget* window, const TextGrid& grid)
{
    for (GridView* view : window->findChildren<GridView*>())
        if (&view->gridModel()->grid() == &grid)
            return view;
    qFatal("no view of that grid");
}

inline std::filesystem::path pathOf(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

}  // namespace hullcalc
