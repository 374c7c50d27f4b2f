#pragma once

#include <QPainter>
#include <QImage>
#include <QRect>
#include <QSize>

#include <string>

namespace boxi::desktop {

// Draws the picture `key` of the window model (the portal's title and enter
// pictures, the menu artwork, ...) into `area`; all artwork is drawn here,
// in code. Unknown keys draw nothing, so a bare click area stays clear.
void PaintArtwork(QPainter& painter, const QRect& area, const std::string& key);

// The same picture drawn once per size and kept while a picture holds a
// copy of it, so that a window that comes back paints it as a plain copy.
// A picture stored raw is not copied at all: the image reads the program's
// constant data.
const QImage& ArtworkImage(const std::string& key, QSize size, qreal device_pixel_ratio);
// Drops the pictures no window holds any more: unloaded windows give their
// artwork back.
void ReleaseUnusedArtwork();

}  // namespace boxi::desktop
