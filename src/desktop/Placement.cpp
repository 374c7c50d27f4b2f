#include "desktop/Placement.h"

#include <algorithm>
#include <vector>

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
    // Candidates in order of preference: to the right, to the left, below,
    // above, each aligned with the opener and then pushed onto the screen;
    // then the screen's edges, top first, so that an overlap covers the
    // opener's title and text rather than its buttons.
    const std::vector<int> xs = {opener.right() + 1 + kGap, opener.left() - kGap - size.width(), opener.left(), max_x,
                                 area.left()};
    const std::vector<int> ys = {opener.top(), opener.bottom() + 1 + kGap, opener.top() - kGap - size.height(),
                                 area.top(), max_y};
    QPoint best;
    long long best_overlap = -1;
    auto consider = [&](int x, int y) {
        QPoint at(Clamp(x, area.left(), max_x), Clamp(y, area.top(), max_y));
        long long overlap = Area(QRect(at, size).intersected(opener));
        if (best_overlap < 0 || overlap < best_overlap) {
            best = at;
            best_overlap = overlap;
        }
    };
    // Beside (left or right, at the opener's height), then below or above.
    for (int x : {xs[0], xs[1]})
        consider(x, ys[0]);
    for (int y : {ys[1], ys[2]})
        consider(xs[2], y);
    // No side has room: every other combination, top rows first.
    for (int y : ys) {
        for (int x : xs)
            consider(x, y);
    }
    return best;
}

}  // namespace boxi::desktop
