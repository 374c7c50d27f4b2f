#pragma once

#include <QPainter>
#include <QRect>

#include <string>

namespace boxi::desktop {

// The screen pictures of the timed exam: the toolbar strip, the progress
// page and the result table. Draws `key` into `area` and returns true when
// it is one of them.
bool PaintTimedExamArtwork(QPainter& painter, const QRect& area, const std::string& key);

}  // namespace boxi::desktop
