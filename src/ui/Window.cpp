#include "ui/Window.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::ui {

Window::Window(Runtime& runtime, std::string name, WindowProps design)
    : runtime_(runtime), name_(std::move(name)), design_(std::move(design)), props_(design_)
{
    runtime_.Register(this);
}

void Window::EnsureLoaded()
{
    if (loaded_)
        return;
    // Marked loaded before Form_Load, so accesses during the load reach this
    // same load instead of starting another.
    loaded_ = true;
    visible_ = false;
    ++load_count_;
    handle_ = runtime_.NextHandle();
    props_ = design_;
    ++revision_;
    focused_ = nullptr;
    ++focus_serial_;
    rects_as_designed_ = true;
    for (Control* control : controls_) {
        control->ResetToDesign();
        const Props& p = control->peek();
        bool takes_focus = p.tab_stop && control->kind() != ControlKind::Label && control->kind() != ControlKind::Frame &&
                           control->kind() != ControlKind::Image && control->kind() != ControlKind::Shape &&
                           control->kind() != ControlKind::Line && control->kind() != ControlKind::Timer &&
                           control->kind() != ControlKind::Menu;
        if (takes_focus && (!focused_ || p.tab_index < focused_->peek().tab_index))
            focused_ = control;
    }
    runtime_.NotifyLifecycle(Lifecycle::Load, this);
    Form_Load();
}

void Window::Show()
{
    EnsureLoaded();
    if (!loaded_)
        return;  // its own Form_Load unloaded it
    z_order_ = runtime_.NextZOrder();
    if (!visible_) {
        visible_ = true;
        ++revision_;
    }
    Form_Activate();
    runtime_.NotifyLifecycle(Lifecycle::Show, this);
}

void Window::Hide()
{
    EnsureLoaded();
    if (visible_) {
        visible_ = false;
        ++revision_;
    }
    runtime_.NotifyLifecycle(Lifecycle::Hide, this);
}

void Window::Unload()
{
    if (!loaded_)
        return;
    loaded_ = false;
    visible_ = false;
    handle_ = platform::kNoWindow;
    ++revision_;
    for (Control* control : controls_) {
        if (control->kind() == ControlKind::Timer)
            static_cast<Timer*>(control)->Disarm();
    }
    runtime_.NotifyLifecycle(Lifecycle::Unload, this);
}

void Window::SetFocus(Control& control)
{
    EnsureLoaded();
    focused_ = &control;
    ++focus_serial_;
    ++revision_;
}

void Window::CloseFromTitleBar()
{
    Form_QueryUnload();
    Unload();
}

namespace {

bool Contains(const Rect& outer, const Rect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool NonEmpty(const Rect& r) { return r.width > 0 && r.height > 0; }

}  // namespace

bool Window::CoversWhole(const Control& cover, const Control& control) const
{
    const ControlKind kind = cover.kind();
    if (cover.container() != control.container() || kind == ControlKind::Line || kind == ControlKind::Timer ||
        kind == ControlKind::Menu)
        return false;
    const Rect& above = cover.peek().rect;
    const Rect& below = control.peek().rect;
    return NonEmpty(above) && NonEmpty(below) && Contains(above, below);
}

bool Window::CoveredWhole(const Control& control) const
{
    const size_t position = control.position_;
    if (&control.window() != this || position >= controls_.size())
        return false;
    if (!rects_as_designed_) {
        // Something moved: look at every control above it as it stands.
        return std::any_of(controls_.begin() + static_cast<std::ptrdiff_t>(position) + 1, controls_.end(),
                           [&](const Control* cover) { return cover->peek().visible && CoversWhole(*cover, control); });
    }
    if (design_covers_.size() != controls_.size()) {
        design_covers_.assign(controls_.size(), {});
        for (size_t i = 0; i < controls_.size(); ++i) {
            for (size_t j = i + 1; j < controls_.size(); ++j) {
                if (CoversWhole(*controls_[j], *controls_[i]))
                    design_covers_[i].push_back(controls_[j]);
            }
        }
    }
    const std::vector<const Control*>& covers = design_covers_[position];
    return std::any_of(covers.begin(), covers.end(), [](const Control* cover) { return cover->peek().visible; });
}

platform::WindowHandle Window::hWnd()
{
    EnsureLoaded();
    return handle_;
}

std::string Window::caption()
{
    EnsureLoaded();
    return props_.caption;
}

void Window::set_caption(std::string caption)
{
    EnsureLoaded();
    props_.caption = std::move(caption);
    ++revision_;
}

void Window::PopupMenu(Menu& menu)
{
    platform::PopupMenuRequest request;
    request.window = hWnd();
    request.menu = menu.name();
    std::vector<Menu*> shown;
    for (Menu* item : menu.items()) {
        if (item->visible()) {
            request.items.push_back(item->caption());
            shown.push_back(item);
        }
    }
    runtime_.NotifySettled();
    int chosen = runtime_.platform().PopupMenu(request);
    if (chosen >= 0 && chosen < static_cast<int>(shown.size()) && shown[static_cast<size_t>(chosen)]->enabled())
        shown[static_cast<size_t>(chosen)]->UserChoose();
}

}  // namespace boxi::ui
