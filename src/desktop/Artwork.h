#pragma once

#include <QPainter>
#include <QRect>

#include <string>

namespace boxi::desktop {

// Draws the picture `key` of the window model (the portal's title and enter
// pictures, the menu artwork, ...) into `area`; all artwork is drawn here,
// in code. Unknown keys draw nothing, so a bare click area stays clear.
void PaintArtwork(QPainter& painter, const QRect& area, const std::string& key);

}  // namespace boxi::desktop
