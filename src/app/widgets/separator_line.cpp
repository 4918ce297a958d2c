#include "widgets/separator_line.h"

#include <QFrame>

namespace hullcalc {

QFrame* createSeparatorLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace hullcalc
