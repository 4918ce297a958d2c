#include "widgets/error_display.h"

#include <QMessageBox>

namespace hullcalc {

namespace {

void showMessageBox(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Ошибка"), message);
}

ErrorSink currentSink = &showMessageBox;

}  // namespace

ErrorSink setErrorSink(ErrorSink sink)
{
    ErrorSink previous = currentSink;
    currentSink = sink ? sink : &showMessageBox;
    return previous;
}

void showError(QWidget* parent, const QString& message) { currentSink(parent, message); }

void showError(QWidget* parent, const QString& message, const QString& place)
{
    showError(parent, place.isEmpty() ? message : message + "\n" + place);
}

}  // namespace hullcalc
