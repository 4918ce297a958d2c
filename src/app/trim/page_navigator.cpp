// The page list of the trim window: captions in rows above the pages, so that
// seventeen pages stay a click away without a tab bar wider than the window.
#include "trim/page_navigator.h"

#include "presentation/trim_window_names.h"
#include "widgets/qt_text.h"

#include <QEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>

namespace hullcalc {

PageNavigator::PageNavigator(QTabWidget& pages, QWidget* parent) : QListWidget(parent), pages_(pages)
{
    setObjectName(toQString(trimWindowNames::pageList));
    for (int page = 0; page < pages_.count(); ++page)
        addItem(pages_.tabText(page));
    setToolTip("Страницы окна (Ctrl+Tab — следующая, Ctrl+Shift+Tab — предыдущая)");
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setSpacing(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list starts on the page shown: a list without a current row would
    // take its first row when it gets the focus and turn the pages back to it.
    setCurrentRow(pages_.currentIndex());
    connect(this, &QListWidget::currentRowChanged, &pages_, &QTabWidget::setCurrentIndex);
    connect(&pages_, &QTabWidget::currentChanged, this, &PageNavigator::showSelectedPage);

    // From anywhere in the window, the grids included.
    const auto stepPages = [this](int direction) { return [this, direction] { selectNextShownPage(direction); }; };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this, stepPages(1));
    for (const QKeySequence& back :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)})
        connect(new QShortcut(back, this), &QShortcut::activated, this, stepPages(-1));
}

void PageNavigator::setPagesVisible(const std::vector<int>& indices, bool visible)
{
    for (int page : indices) {
        pages_.setTabVisible(page, visible);
        item(page)->setHidden(!visible);
    }
    if (!pages_.isTabVisible(pages_.currentIndex()))
        pages_.setCurrentIndex(0);
    fitHeight();
}

// The page after the current one (direction +1) or before it (−1) among those
// the list shows, going round.
void PageNavigator::selectNextShownPage(int direction)
{
    const int count = pages_.count();
    for (int next = (pages_.currentIndex() + direction + count) % count; next != pages_.currentIndex();
         next = (next + direction + count) % count) {
        if (pages_.isTabVisible(next)) {
            pages_.setCurrentIndex(next);
            return;
        }
    }
}

void PageNavigator::showSelectedPage(int page)
{
    const QSignalBlocker quiet(this);
    setCurrentRow(page);
    if (QListWidgetItem* selected = item(page))
        scrollToItem(selected);
}

// The list is as tall as the rows its shown captions flow into at its width:
// measured from the list's own layout, so that no caption is ever cut off
// below the last row (as an estimate of the flow could, by a pixel of
// spacing, at some widths).
void PageNavigator::fitHeight()
{
    doItemsLayout();
    int bottom = 0;
    for (int page = 0; page < count(); ++page)
        if (!item(page)->isHidden())
            bottom = std::max(bottom, visualItemRect(item(page)).bottom() + verticalOffset());
    setFixedHeight(bottom + 1 + spacing() + 2 * frameWidth());
}

// Refitted once the list has laid its captions out at a new width, and on showing.
bool PageNavigator::event(QEvent* event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        fitHeight();
    return handled;
}

}  // namespace hullcalc
