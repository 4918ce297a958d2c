#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace hullcalc {

namespace {

// The frame a window manager draws around the client area, before the window
// is shown and its real frame is known: a title bar and thin borders.
constexpr int frameSide = 8;
constexpr int frameTop = 32;

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

void placeOnScreen(QWidget* window, QPoint topLeft)
{
    const QRect area = availableArea(window);
    if (area.isEmpty()) {
        window->move(topLeft);
        return;
    }
    const QSize room(area.width() - 2 * frameSide, area.height() - frameTop - frameSide);
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // `topLeft` and move() place the frame's top left corner.
    const int rightmost = area.right() + 1 - (size.width() + 2 * frameSide);
    const int lowest = area.bottom() + 1 - (size.height() + frameTop + frameSide);
    window->move(std::clamp(topLeft.x(), area.left(), std::max(area.left(), rightmost)),
                 std::clamp(topLeft.y(), area.top(), std::max(area.top(), lowest)));
}

void keepOnScreen(QWidget* window) { placeOnScreen(window, window->pos()); }

}  // namespace hullcalc
