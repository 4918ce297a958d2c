// The sunken horizontal line that sets groups of fields or results apart.
#pragma once

class QFrame;
class QWidget;

namespace hullcalc {

QFrame* createSeparatorLine(QWidget* parent);

}  // namespace hullcalc
