#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace boxi::desktop {

// Where a pop-up window of frame size `size` opens beside the window that
// opened it (`opener`, its frame): next to it where `area` (the screen's
// available part) has room, otherwise where it covers the opener least,
// above all its bottom band, where the buttons of the program's windows are.
// The result is the frame's top-left corner, always inside `area` when the
// window fits there.
QPoint PlaceBeside(const QRect& opener, const QSize& size, const QRect& area);

}  // namespace boxi::desktop
