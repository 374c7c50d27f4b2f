#include "ui/Control.h"

#include <memory>
#include <utility>

#include "ui/Window.h"

namespace boxi::ui {

Control::Control(Window* owner, ControlKind kind, std::string name, Props design, Control* container)
    : owner_(owner), kind_(kind), name_(std::move(name)), container_(container), design_(std::move(design))
{
    if (owner_)
        owner_->Register(this);
}

Props& Control::Current()
{
    if (!props_)
        props_ = std::make_unique<Props>(design_);
    return *props_;
}

Props& Control::read()
{
    if (owner_)
        owner_->EnsureLoaded();
    return Current();
}

Props& Control::write()
{
    if (owner_)
        owner_->EnsureLoaded();
    ++revision_;
    return Current();
}

void Control::ResetToDesign()
{
    if (props_)
        *props_ = design_;
    else
        props_ = std::make_unique<Props>(design_);
    ++revision_;
}

bool Control::visible() { return read().visible; }
void Control::set_visible(bool visible) { write().visible = visible; }
bool Control::enabled() { return read().enabled; }
void Control::set_enabled(bool enabled) { write().enabled = enabled; }
Color Control::fore_color() { return read().fore; }
void Control::set_fore_color(Color color) { write().fore = color; }
Color Control::back_color() { return read().back; }
void Control::set_back_color(Color color) { write().back = color; }
Font Control::font() { return read().font; }
void Control::set_font(Font font) { write().font = std::move(font); }
Rect Control::rect() { return read().rect; }
void Control::set_rect(Rect rect)
{
    write().rect = rect;
    if (owner_)
        owner_->NoteRectChanged();
}
MousePointer Control::mouse_pointer() { return read().mouse_pointer; }

}  // namespace boxi::ui
