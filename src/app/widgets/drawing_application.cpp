#include "widgets/drawing_application.h"

namespace hullcalc {

namespace {

// QApplication keeps the argument count and vector it is given and reads them
// as long as it lives: they are members constructed before it.
struct ApplicationArguments {
    int argc = 1;
    char name[13] = "hullcalc-cli";
    char* argv[2] = {name, nullptr};
};

class DrawingApplication : private ApplicationArguments, public QApplication {
public:
    DrawingApplication() : QApplication(argc, argv) {}
};

}  // namespace

std::unique_ptr<QApplication> applicationForDrawing()
{
    if (QApplication::instance())
        return nullptr;
    // Charts are widgets: they need an application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<DrawingApplication>();
}

}  // namespace hullcalc
