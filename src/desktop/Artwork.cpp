#include "desktop/Artwork.h"

#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>

#include "desktop/ArtworkData.h"
#include "desktop/FilePages.h"

namespace boxi::desktop {

namespace {

struct Cached {
    QImage image;
    // The picture's stored bytes, read again only if it is drawn anew.
    std::span<const char> stored;
};

QHash<QString, Cached>& Cache()
{
    static QHash<QString, Cached> cache;
    return cache;
}

QHash<QString, std::shared_ptr<const RunsPicture>>& RunsCache()
{
    static QHash<QString, std::shared_ptr<const RunsPicture>> cache;
    return cache;
}

QString CacheId(const std::string& key, QSize size, qreal device_pixel_ratio)
{
    return QString::fromStdString(key) + QStringLiteral("@%1x%2x%3").arg(size.width()).arg(size.height()).arg(device_pixel_ratio);
}

// Rows decoded per drawing: 64 KiB for the widest window.
constexpr int kStripRows = 16;

}  // namespace

const QImage& ArtworkImage(const std::string& key, QSize size, qreal device_pixel_ratio)
{
    QHash<QString, Cached>& cache = Cache();
    const QString id = CacheId(key, size, device_pixel_ratio);
    auto it = cache.find(id);
    if (it == cache.end()) {
        // Drawn at build time for the sizes the windows use: a first paint
        // then costs an unpacking, not the drawing.
        if (QImage image = PrerenderedArtwork(key, size, device_pixel_ratio); !image.isNull()) {
            const std::span<const char> stored = PrerenderedArtworkBytes(key, size, device_pixel_ratio);
            // Unpacked pictures are copies: their packed bytes are done with.
            // Raw ones refer to their bytes until the picture is let go.
            const auto* bits = reinterpret_cast<const char*>(image.constBits());
            if (bits < stored.data() || bits >= stored.data() + stored.size())
                ReleaseFilePages(stored.data(), stored.size());
            image.setDevicePixelRatio(device_pixel_ratio);
            return cache.insert(id, Cached{std::move(image), stored})->image;
        }
        QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(device_pixel_ratio);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            PaintArtwork(painter, QRect(QPoint(0, 0), size), key);
        }
        it = cache.insert(id, Cached{std::move(image), {}});
    }
    return it->image;
}

RunsPicture::RunsPicture(std::span<const char> runs, int width, int height, bool opaque, qreal device_pixel_ratio)
    : runs_(runs),
      width_(width),
      height_(height),
      format_(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied),
      device_pixel_ratio_(device_pixel_ratio)
{
    if (width <= 0 || height <= 0 || runs.size() % 8 != 0 || runs.size() / 8 > UINT32_MAX)
        return;
    const std::int64_t total = std::int64_t{width} * height;
    std::vector<RowStart> rows;
    rows.reserve(static_cast<size_t>(height));
    std::int64_t at = 0;  // the first pixel of the run
    for (size_t run = 0; run < runs.size() / 8; ++run) {
        std::uint32_t count = 0;
        std::memcpy(&count, runs.data() + run * 8, 4);
        if (count > total - at)
            return;
        for (std::int64_t next = std::int64_t{width} * static_cast<std::int64_t>(rows.size()); next < at + count;
             next += width)
            rows.push_back({static_cast<std::uint32_t>(run), static_cast<std::uint32_t>(next - at)});
        at += count;
    }
    if (at == total)
        rows_ = std::move(rows);
}

void RunsPicture::Paint(QPainter& painter, const QRect& exposed) const
{
    if (!valid())
        return;
    const qreal scale = device_pixel_ratio_;
    const int first = std::clamp(static_cast<int>(std::floor(exposed.top() * scale)), 0, height_);
    const int last = std::clamp(static_cast<int>(std::ceil((exposed.bottom() + 1) * scale)), 0, height_);
    if (first >= last)
        return;
    QImage strip(width_, std::min(kStripRows, last - first), format_);
    if (strip.isNull())
        return;
    strip.setDevicePixelRatio(scale);
    for (int row = first; row < last; row += strip.height()) {
        const int rows = std::min(strip.height(), last - row);
        auto* out = reinterpret_cast<quint32*>(strip.bits());
        std::int64_t left = std::int64_t{rows} * width_;
        size_t run = rows_[static_cast<size_t>(row)].run;
        std::uint32_t skip = rows_[static_cast<size_t>(row)].skip;
        for (; left > 0; ++run, skip = 0) {
            quint32 count = 0, pixel = 0;
            std::memcpy(&count, runs_.data() + run * 8, 4);
            std::memcpy(&pixel, runs_.data() + run * 8 + 4, 4);
            const std::int64_t n = std::min<std::int64_t>(count - skip, left);
            out = std::fill_n(out, n, pixel);
            left -= n;
        }
        painter.drawImage(QPointF(0, row / scale), strip, QRectF(0, 0, width_, rows));
    }
}

std::shared_ptr<const RunsPicture> ArtworkRuns(const std::string& key, QSize size, qreal device_pixel_ratio)
{
    auto& cache = RunsCache();
    const QString id = CacheId(key, size, device_pixel_ratio);
    if (auto it = cache.find(id); it != cache.end())
        return *it;
    const StoredRuns stored = PrerenderedArtworkRuns(key, size, device_pixel_ratio);
    if (stored.bytes.empty())
        return nullptr;
    auto picture = std::make_shared<const RunsPicture>(stored.bytes, stored.width, stored.height, stored.opaque, device_pixel_ratio);
    if (!picture->valid())
        return nullptr;
    cache.insert(id, picture);
    return picture;
}

void ReleaseUnusedArtwork()
{
    RunsCache().removeIf([](const QHash<QString, std::shared_ptr<const RunsPicture>>::iterator& entry) {
        if (entry.value().use_count() > 1)
            return false;
        ReleaseFilePages(entry.value()->runs().data(), entry.value()->runs().size());
        return true;
    });
    // An image no picture shares any more is held by the cache alone; the
    // pages of its stored bytes go with it.
    Cache().removeIf([](const QHash<QString, Cached>::iterator& entry) {
        if (!entry.value().image.isDetached())
            return false;
        ReleaseFilePages(entry.value().stored.data(), entry.value().stored.size());
        return true;
    });
}

}  // namespace boxi::desktop
