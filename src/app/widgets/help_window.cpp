// The help window: a text browser over qrc:/help/help.html in a top-level
// window that closing only hides.
#include "widgets/help_window.h"

#include "widgets/help_window_names.h"
#include "widgets/qt_text.h"
#include "widgets/window_placement.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help page lives in this static library and nothing refers to it by
// symbol, so the linker keeps it only when it is registered by name, from
// outside any namespace. Registering it again changes nothing.
static void registerHelpResource() { Q_INIT_RESOURCE(help); }

namespace hullcalc {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), text_(new QTextBrowser(this))
{
    registerHelpResource();
    setObjectName(toQString(helpWindowNames::window));
    setWindowTitle("Справка");
    // Closing hides the window and never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    text_->setObjectName(toQString(helpWindowNames::text));
    text_->setSource(QUrl("qrc:/help/help.html"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    // Esc closes the help as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(640, 560);
}

void HelpWindow::showTopic(const QString& anchor)
{
    // Shown first, so that the anchor's place is taken from the text as laid
    // out for the window's final size; never larger than the screen or with
    // its title bar off it, whatever the scale factor.
    if (!isVisible())
        keepOnScreen(this);
    show();
    raise();
    activateWindow();
    if (!anchor.isEmpty())
        text_->scrollToAnchor(anchor);
}

}  // namespace hullcalc
