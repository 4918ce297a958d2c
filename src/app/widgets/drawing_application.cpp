#include "widgets/drawing_application.h"

namespace hullcalc {

std::unique_ptr<QApplication> applicationForDrawing()
{
    if (QApplication::instance())
        return nullptr;
    // Charts are widgets: they need an application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "hullcalc-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace hullcalc
