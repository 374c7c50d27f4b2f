#pragma once

#include <QImage>
#include <QSize>

#include <span>
#include <string>

namespace boxi::desktop {

// The artwork drawn at build time, for the sizes the windows use at scale
// 1 and 2; a null image for any other picture, size or scale.
QImage PrerenderedArtwork(const std::string& key, QSize size, qreal device_pixel_ratio);
// The stored bytes of that picture (its pixels, or packed), in the
// program's constant data; empty where there is none.
std::span<const char> PrerenderedArtworkBytes(const std::string& key, QSize size, qreal device_pixel_ratio);

}  // namespace boxi::desktop
