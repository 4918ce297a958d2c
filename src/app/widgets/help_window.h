// The help window: the program's Russian help page from the resources, opened
// at the section a window asks for.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace hullcalc {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows and raises the window with the section `anchor` at the top of the
    // text: workflow, particulars, offsets, masses, pages, charts, vibration,
    // files or keyboard. An empty or unknown anchor leaves the text where it is.
    void showTopic(const QString& anchor);

private:
    QTextBrowser* text_;
};

}  // namespace hullcalc
