#include "desktop/Artwork.h"

#include <QHash>
#include <QImage>

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

}  // namespace

const QImage& ArtworkImage(const std::string& key, QSize size, qreal device_pixel_ratio)
{
    QHash<QString, Cached>& cache = Cache();
    const QString id = QString::fromStdString(key) + QStringLiteral("@%1x%2x%3").arg(size.width()).arg(size.height()).arg(device_pixel_ratio);
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

void ReleaseUnusedArtwork()
{
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
