#include "desktop/Renderer.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "desktop/FilePages.h"
#include "desktop/WindowView.h"
#include "ui/Window.h"

namespace boxi::desktop {

Renderer::Renderer(ui::Runtime& runtime) : runtime_(runtime)
{
#if defined(__GLIBC__)
    // Window pictures and backing stores are large buffers that come and go
    // with the windows: always mapped on their own, they go back to the
    // system when freed instead of raising the heap for good (glibc would
    // otherwise move its threshold above the first one freed).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        runtime_.FireDueTimers(runtime_.platform().NowMs());
        ScheduleTimers();
    });
    // Once a window just shown is painted, its glyphs are in Qt's caches:
    // the pages of the font files read for them are not needed until a new
    // character is drawn. Started from the paint, it runs after that pass.
    font_pages_.setSingleShot(true);
    font_pages_.setInterval(0);
    connect(&font_pages_, &QTimer::timeout, this, [] { ReleaseFontFilePages(); });
    runtime_.AddObserver(this);
}

Renderer::~Renderer()
{
    runtime_.RemoveObserver(this);
    for (auto& [window, view] : views_)
        delete view.data();
}

void Renderer::OnSettled()
{
    Sync();
    ScheduleTimers();
}

void Renderer::Sync()
{
    if (syncing_)
        return;
    syncing_ = true;
    std::vector<std::pair<std::uint64_t, WindowView*>> shown;
    for (ui::Window* window : runtime_.windows()) {
        QPointer<WindowView>& view = views_[window];
        bool stale = view && (!window->is_loaded() || view->load_count() != window->load_count());
        if (stale) {
            view->hide();
            view->deleteLater();
            view = nullptr;
        }
        if (!window->is_loaded() || runtime_.ended())
            continue;
        if (!view) {
            view = new WindowView(runtime_, *window);
            connect(view, &WindowView::Painted, &font_pages_, qOverload<>(&QTimer::start));
            connect(view, &WindowView::StripKeyPressed, this, [this, view = view.data()] { SwitchStrip(view); });
            if (topmost_.count(window->handle_if_loaded()))
                view->SetTopmost();
            if (!window->is_visible())
                PrepareAhead(view);
        }
        view->Sync();
        if (window->is_visible())
            shown.emplace_back(window->z_order(), view.data());
        else if (view->isVisible())
            view->hide();
    }
    // Bring windows up in the order the model last showed them. Each window
    // is placed before its first showing; one that opens beside its opener
    // goes next to the window in front before it.
    std::sort(shown.begin(), shown.end());
    for (auto& [z, view] : shown) {
        if (!view->isVisible()) {
            const QWidget* opener = front_ && front_ != view && front_->isVisible() ? front_.data() : nullptr;
            view->PlaceForFirstShowing(opener, OpeningArea(view->window(), opener));
            view->show();
        }
    }
    if (!shown.empty()) {
        auto [z, front] = shown.back();
        if (front != front_ || z > front_z_) {
            front_ = front;
            front_z_ = z;
            front->raise();
            front->activateWindow();
            RaiseNotices();
        }
    }
    syncing_ = false;
}

QRect Renderer::OpeningArea(const ui::Window& window, const QWidget* opener) const
{
    QScreen* screen = opener && opener->screen() ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    // A visible strip without a frame along the top edge of the screen (the
    // exam toolbar, which stays above every window) keeps that band for
    // itself: a window opening beneath it would hide its title bar there.
    QRect area = screen->availableGeometry();
    int strip_bottom = area.top();
    for (const ui::Window* other : runtime_.windows()) {
        const ui::WindowProps& props = other->peek();
        if (other == &window || !other->is_visible() || props.border_style != ui::BorderStyle::None ||
            props.start_position != ui::StartPosition::Manual || props.top > area.top())
            continue;
        strip_bottom = std::max(strip_bottom, area.top() + props.client_height);
    }
    area.setTop(strip_bottom);
    return area;
}

void Renderer::SwitchStrip(WindowView* from)
{
    WindowView* strip = nullptr;
    WindowView* under = nullptr;
    std::uint64_t under_z = 0;
    for (const auto& [window, view] : views_) {
        if (!view || !window->is_visible())
            continue;
        if (window->peek().border_style == ui::BorderStyle::None && topmost_.count(window->handle_if_loaded())) {
            strip = view.data();
        } else if (window->z_order() >= under_z) {
            under = view.data();
            under_z = window->z_order();
        }
    }
    WindowView* target = from == strip ? under : strip;
    if (!strip || !target)
        return;
    target->raise();
    target->activateWindow();
}

void Renderer::PrepareAhead(WindowView* view)
{
    QTimer::singleShot(0, view, [view] {
        if (!view->isVisible())
            view->PrepareAhead();
    });
}

void Renderer::KeepAbove(QWidget* notice)
{
    notices_.emplace_back(notice);
    notice->raise();
}

void Renderer::RaiseNotices()
{
    std::erase_if(notices_, [](const QPointer<QWidget>& notice) { return !notice || !notice->isVisible(); });
    for (const QPointer<QWidget>& notice : notices_)
        notice->raise();
}

void Renderer::ScheduleTimers()
{
    // While an operation runs (a message box waits) ticks are held, and the
    // end of the operation schedules them; waking up meanwhile would only
    // spin on ticks that cannot be delivered.
    auto due = runtime_.NextTimerDue();
    if (!due || runtime_.ended() || runtime_.in_operation()) {
        timer_.stop();
        return;
    }
    auto wait = std::max<std::int64_t>(0, *due - runtime_.platform().NowMs());
    timer_.start(static_cast<int>(std::min<std::int64_t>(wait, 24 * 3600 * 1000)));
}

void Renderer::SetTopmost(platform::WindowHandle handle)
{
    topmost_.insert(handle);
    if (ui::Window* window = runtime_.FindWindow(handle)) {
        if (WindowView* view = ViewOf(*window))
            view->SetTopmost();
    }
}

WindowView* Renderer::ViewOf(const ui::Window& window) const
{
    auto it = views_.find(&window);
    return it == views_.end() ? nullptr : it->second.data();
}

QWidget* Renderer::ActiveView() const
{
    WindowView* best = nullptr;
    std::uint64_t best_z = 0;
    for (const auto& [window, view] : views_) {
        if (view && window->is_visible() && window->z_order() >= best_z) {
            best = view.data();
            best_z = window->z_order();
        }
    }
    return best;
}

}  // namespace boxi::desktop
