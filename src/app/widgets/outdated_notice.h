// The notice above results that the input changed since they were computed.
#pragma once

#include <QString>

#include <string_view>

class QLabel;
class QWidget;

namespace hullcalc {

// A hidden label with `text` on a pale yellow ground, named `objectName`; the
// window shows it while its results are outdated.
QLabel* createOutdatedNotice(const QString& text, std::string_view objectName, QWidget* parent);

}  // namespace hullcalc
