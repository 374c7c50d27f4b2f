#include "ui/Window.h"

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
