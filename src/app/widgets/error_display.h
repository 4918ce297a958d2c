// The application's general error display: a failed action's message in a
// message box. The action stops where it failed and keeps what it had written.
#pragma once

#include "common/error.h"

#include <QString>
#include <QWidget>

#include <exception>
#include <functional>
#include <utility>

namespace hullcalc {

// A failed action: the message the user reads and the exception itself, so
// that the window can point at the cell or the particular that caused it.
struct Failure {
    QString message;
    std::exception_ptr exception;
    explicit operator bool() const { return static_cast<bool>(exception); }
};

// Runs a window action; the failure it threw, or an empty Failure.
template<typename Action>
Failure catchFailure(Action&& action)
{
    try {
        std::forward<Action>(action)();
        return {};
    } catch (const std::exception& e) {
        const QString message = QString::fromStdString(userMessage(e.what()));
        return {message.isEmpty() ? QStringLiteral("Ошибка") : message, std::current_exception()};
    }
}

// Runs a window action and returns the message of the exception it threw, or
// an empty text when it succeeded. No exception may cross Qt's event loop, so
// every handler that calls the core goes through here, catchFailure() or
// ErrorDisplay::run().
template<typename Action>
QString failureOf(Action&& action)
{
    return catchFailure(std::forward<Action>(action)).message;
}

// The general error display of the running program. The application owns one
// and hands it to each window that reports failures.
class ErrorDisplay {
public:
    // Where the messages go: a message box unless a test listens instead.
    using Sink = std::function<void(QWidget* parent, const QString& message)>;

    ErrorDisplay();

    // Shows the message in a modal message box over `parent`.
    void show(QWidget* parent, const QString& message) const;
    // Shows the message with the place of its cause on a second line, when
    // there is one.
    void show(QWidget* parent, const QString& message, const QString& place) const;

    // Runs a window action and shows its failure. Returns whether it succeeded.
    template<typename Action>
    bool run(QWidget* parent, Action&& action) const
    {
        const QString message = failureOf(std::forward<Action>(action));
        if (message.isEmpty())
            return true;
        show(parent, message);
        return false;
    }

    // Tests see what the user would read; an empty sink restores the message box.
    void setSink(Sink sink);

private:
    Sink sink_;
};

}  // namespace hullcalc
