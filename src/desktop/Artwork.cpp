#include "desktop/Artwork.h"

#include <QHash>
#include <QImage>

#include "desktop/ArtworkData.h"

namespace boxi::desktop {

namespace {

QHash<QString, QPixmap>& Cache()
{
    static QHash<QString, QPixmap> cache;
    return cache;
}

}  // namespace

const QPixmap& ArtworkPixmap(const std::string& key, QSize size, qreal device_pixel_ratio)
{
    QHash<QString, QPixmap>& cache = Cache();
    const QString id = QString::fromStdString(key) + QStringLiteral("@%1x%2x%3").arg(size.width()).arg(size.height()).arg(device_pixel_ratio);
    auto it = cache.find(id);
    if (it == cache.end()) {
        // Drawn at build time for the sizes the windows use: a first paint
        // then costs an unpacking, not the drawing.
        if (QImage image = PrerenderedArtwork(key, size, device_pixel_ratio); !image.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(std::move(image));
            pixmap.setDevicePixelRatio(device_pixel_ratio);
            return *cache.insert(id, pixmap);
        }
        QPixmap pixmap(size * device_pixel_ratio);
        pixmap.setDevicePixelRatio(device_pixel_ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintArtwork(painter, QRect(QPoint(0, 0), size), key);
        it = cache.insert(id, pixmap);
    }
    return *it;
}

void ReleaseUnusedArtwork()
{
    // A pixmap no picture shares any more is held by the cache alone.
    Cache().removeIf([](const QHash<QString, QPixmap>::iterator& entry) { return entry.value().isDetached(); });
}

}  // namespace boxi::desktop
