// Ends the event loop after the first paint of the window it watches: the
// moment the user sees the window, for the start-up measurements.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};
