#include "ui/Runtime.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi::ui {

Runtime::Runtime(platform::Platform& platform) : platform_(platform) {}

void Runtime::RemoveObserver(RuntimeObserver* observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

Window* Runtime::FindWindow(platform::WindowHandle handle) const
{
    if (handle == platform::kNoWindow)
        return nullptr;
    for (Window* window : windows_) {
        if (window->handle_if_loaded() == handle)
            return window;
    }
    return nullptr;
}

void Runtime::Leave(bool caught)
{
    if (caught)
        ++caught_exceptions_;
    if (--depth_ > 0)
        return;
    // An operation that hid or closed the last visible window while others
    // stay loaded and hidden would leave a program with nothing on screen
    // and no way back: that ends it, as the last unload does.
    if (!ended_ && (!AnyWindowLoaded() || (visible_at_start_ && !AnyWindowVisible())))
        EndNow();
    NotifySettled();
}

void Runtime::EndNow()
{
    if (ended_)
        return;
    ended_ = true;
    NotifyLifecycle(Lifecycle::End, nullptr);
    platform_.EndProgram();
}

bool Runtime::AnyWindowLoaded() const
{
    return std::any_of(windows_.begin(), windows_.end(), [](const Window* w) { return w->is_loaded(); });
}

bool Runtime::AnyWindowVisible() const
{
    return std::any_of(windows_.begin(), windows_.end(), [](const Window* w) { return w->is_visible(); });
}

bool Runtime::CanReach(Control& control) const
{
    if (ended_ || depth_ > 0 || !control.window().is_visible())
        return false;
    for (Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->peek().visible || !c->peek().enabled || c->window().CoveredWhole(*c))
            return false;
    }
    return true;
}

bool Runtime::Click(Clickable& control)
{
    if (!CanReach(control))
        return false;
    Run([&] { control.UserClick(); });
    return true;
}

bool Runtime::MouseDown(Clickable& control, int button, int shift, int x, int y)
{
    if (!CanReach(control))
        return false;
    Run([&] { control.UserMouseDown(button, shift, x, y); });
    return true;
}

bool Runtime::Type(TextBox& box, std::string text)
{
    if (!CanReach(box) || box.peek().locked)
        return false;
    Run([&] { box.UserType(std::move(text)); });
    return true;
}

bool Runtime::Type(ComboBox& box, std::string text)
{
    if (!CanReach(box))
        return false;
    Run([&] { box.UserType(std::move(text)); });
    return true;
}

bool Runtime::Select(ListBox& list, int index)
{
    if (!CanReach(list) || index < 0 || index >= static_cast<int>(list.peek().items.size()))
        return false;
    Run([&] { list.UserSelect(index); });
    return true;
}

bool Runtime::Select(ComboBox& combo, int index)
{
    if (!CanReach(combo) || index < 0 || index >= static_cast<int>(combo.peek().items.size()))
        return false;
    Run([&] { combo.UserSelect(index); });
    return true;
}

bool Runtime::Choose(Menu& item)
{
    if (ended_ || depth_ > 0 || !item.window().is_visible() || !item.peek().enabled)
        return false;
    Run([&] { item.UserChoose(); });
    return true;
}

bool Runtime::CloseByTitleBar(Window& window)
{
    // A window without a title bar has no close box to press.
    if (ended_ || depth_ > 0 || !window.is_visible() || window.peek().border_style == BorderStyle::None)
        return false;
    Run([&] { window.CloseFromTitleBar(); });
    return true;
}

std::optional<std::int64_t> Runtime::NextTimerDue() const
{
    std::optional<std::int64_t> next;
    for (Window* window : windows_) {
        if (!window->is_loaded())
            continue;
        for (Control* control : window->controls()) {
            if (control->kind() != ControlKind::Timer)
                continue;
            auto due = static_cast<Timer*>(control)->due();
            if (due && (!next || *due < *next))
                next = due;
        }
    }
    return next;
}

void Runtime::FireDueTimers(std::int64_t now)
{
    if (depth_ > 0)
        return;
    // One tick at a time, earliest first; ties go in window and declaration
    // order. Each tick may load, unload or re-arm timers, so look again.
    for (int guard = 0; guard < 100000 && !ended_; ++guard) {
        Timer* earliest = nullptr;
        std::int64_t best = std::numeric_limits<std::int64_t>::max();
        for (Window* window : windows_) {
            if (!window->is_loaded())
                continue;
            for (Control* control : window->controls()) {
                if (control->kind() != ControlKind::Timer)
                    continue;
                auto* timer = static_cast<Timer*>(control);
                if (timer->due() && *timer->due() <= now && *timer->due() < best) {
                    best = *timer->due();
                    earliest = timer;
                }
            }
        }
        if (!earliest)
            return;
        Run([&] { earliest->Fire(now); });
    }
}

void Runtime::NotifyLifecycle(Lifecycle step, Window* window)
{
    for (RuntimeObserver* observer : observers_)
        observer->OnLifecycle(step, window);
}

void Runtime::NotifySettled()
{
    for (RuntimeObserver* observer : observers_)
        observer->OnSettled();
}

}  // namespace boxi::ui
