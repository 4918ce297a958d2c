// The list of page captions above a tab widget whose tab bar is hidden: the
// captions flow in as many rows as the width needs, and the list and the pages
// follow each other.
#pragma once

#include <QListWidget>

#include <vector>

class QTabWidget;

namespace hullcalc {

class PageNavigator : public QListWidget {
    Q_OBJECT

public:
    // Lists the pages `pages` holds now, by their tab texts. Ctrl+Tab and
    // Ctrl+Shift+Tab anywhere in the window step through the pages shown.
    explicit PageNavigator(QTabWidget& pages, QWidget* parent = nullptr);

    // Shows or hides the pages of those indices, their tabs and captions; a
    // current page that is hidden gives way to the first page.
    void setPagesVisible(const std::vector<int>& indices, bool visible);

protected:
    bool event(QEvent* event) override;

private:
    void selectNextShownPage(int direction);
    void showSelectedPage(int page);
    void fitHeight();

    QTabWidget& pages_;
};

}  // namespace hullcalc
