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

// A picture stored as runs of one colour: (count, pixel) pairs of four
// bytes each, in this machine's order, in the program's constant data.
struct StoredRuns {
    std::span<const char> bytes;
    int width = 0, height = 0;  // in pixels
    bool opaque = false;
};
// The runs of that picture; empty bytes for a picture stored otherwise.
StoredRuns PrerenderedArtworkRuns(const std::string& key, QSize size, qreal device_pixel_ratio);

}  // namespace boxi::desktop
