#include "desktop/Placement.h"

#include <algorithm>

namespace boxi::desktop {
namespace {

constexpr int kGap = 8;

long long Area(const QRect& rect) { return rect.isEmpty() ? 0 : static_cast<long long>(rect.width()) * rect.height(); }

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

QPoint PlaceBeside(const QRect& opener, const QSize& size, const QRect& area)
{
    const int max_x = std::max(area.left(), area.right() + 1 - size.width());
    const int max_y = std::max(area.top(), area.bottom() + 1 - size.height());
    // Covering the opener's bottom band, where its buttons are, counts
    // four times.
    const int band_height = std::min(80, opener.height() / 4);
    const QRect band(opener.left(), opener.bottom() + 1 - band_height, opener.width(), band_height);
    QPoint best;
    long long best_overlap = -1;
    auto consider = [&](int x, int y) {
        QPoint at(Clamp(x, area.left(), max_x), Clamp(y, area.top(), max_y));
        const QRect placed(at, size);
        long long overlap = Area(placed.intersected(opener)) + 3 * Area(placed.intersected(band));
        if (best_overlap < 0 || overlap < best_overlap) {
            best = at;
            best_overlap = overlap;
        }
    };
    // Beside where there is room: right, left (at the opener's height),
    // below, above (at its left edge).
    const int right = opener.right() + 1 + kGap;
    const int left = opener.left() - kGap - size.width();
    const int below = opener.bottom() + 1 + kGap;
    const int above = opener.top() - kGap - size.height();
    for (QPoint at : {QPoint(right, opener.top()), QPoint(left, opener.top()), QPoint(opener.left(), below),
                      QPoint(opener.left(), above)}) {
        if (area.contains(QRect(at, size)))
            return at;
    }
    // No side has room: the place that covers least, pushed onto the
    // screen; among equals the highest.
    for (int y : {area.top(), above, opener.top(), below, max_y}) {
        for (int x : {right, left, opener.left(), max_x, area.left()})
            consider(x, y);
    }
    return best;
}

}  // namespace boxi::desktop
