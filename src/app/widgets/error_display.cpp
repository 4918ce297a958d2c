#include "widgets/error_display.h"

#include <QMessageBox>

namespace hullcalc {

namespace {

void showMessageBox(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Ошибка"), message);
}

}  // namespace

ErrorDisplay::ErrorDisplay() : sink_(&showMessageBox) {}

void ErrorDisplay::setSink(Sink sink) { sink_ = sink ? std::move(sink) : Sink(&showMessageBox); }

void ErrorDisplay::show(QWidget* parent, const QString& message) const { sink_(parent, message); }

void ErrorDisplay::show(QWidget* parent, const QString& message, const QString& place) const
{
    show(parent, place.isEmpty() ? message : message + "\n" + place);
}

}  // namespace hullcalc
