// The Qt application that drawing charts needs when the caller has none of its
// own (the command-line tool): made without a display.
#pragma once

#include <QApplication>

#include <memory>

namespace hullcalc {

// A new application on the offscreen platform (unless QT_QPA_PLATFORM names
// another) when the process has none; nullptr when it has one already. The
// caller keeps it alive while it draws.
std::unique_ptr<QApplication> applicationForDrawing();

}  // namespace hullcalc
