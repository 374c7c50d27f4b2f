#pragma once

#include <QPainter>
#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

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

// A picture stored as runs of one colour (the whole-window pictures of the
// exam) is painted from its runs: each paint decodes the rows it covers, a
// strip at a time, so no window-sized copy of it (2 MiB and more) is kept
// while its window is loaded.
class RunsPicture {
public:
    RunsPicture(std::span<const char> runs, int width, int height, bool opaque, qreal device_pixel_ratio);
    // False when the runs do not fill the picture exactly.
    bool valid() const { return !rows_.empty(); }
    std::span<const char> runs() const { return runs_; }
    // Paints the rows under `exposed` (in the picture's own coordinates).
    void Paint(QPainter& painter, const QRect& exposed) const;

private:
    // Where each row starts: its run, and the pixels of that run before it.
    struct RowStart {
        std::uint32_t run;
        std::uint32_t skip;
    };
    std::span<const char> runs_;
    int width_, height_;
    QImage::Format format_;
    qreal device_pixel_ratio_;
    std::vector<RowStart> rows_;
};

// The picture `key` when it is stored as runs, shared while a window holds
// it; null for any other picture.
std::shared_ptr<const RunsPicture> ArtworkRuns(const std::string& key, QSize size, qreal device_pixel_ratio);

// Drops the pictures no window holds any more: unloaded windows give their
// artwork back.
void ReleaseUnusedArtwork();

}  // namespace boxi::desktop
