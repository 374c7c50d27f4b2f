#include "ui/Controls.h"

#include <utility>

#include "platform/Platform.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::ui {
namespace {

// Kind defaults for colours a design leaves unset.
Props WithColors(Props props, Color fore, Color back)
{
    if (!props.fore.is_set())
        props.fore = fore;
    if (!props.back.is_set())
        props.back = back;
    if (!props.fill_color.is_set())
        props.fill_color = colors::kBlack;
    if (!props.border_color.is_set())
        props.border_color = colors::kWindowText;
    return props;
}

// The item at `index` of a list or combo, "" outside the list.
std::string ItemAt(const Props& props, int index)
{
    return index >= 0 && index < static_cast<int>(props.items.size()) ? props.items[static_cast<size_t>(index)] : "";
}

Props Faced(Props props) { return WithColors(std::move(props), colors::kButtonText, colors::kButtonFace); }
Props Boxed(Props props) { return WithColors(std::move(props), colors::kWindowText, colors::kWindow); }

}  // namespace

void Clickable::UserClick()
{
    if (on_click)
        on_click();
}

bool Clickable::has_click_handler() const
{
    if (array_click_)
        return static_cast<bool>(*array_click_);
    return static_cast<bool>(on_click);
}

void Clickable::UserMouseDown(int button, int shift, int x, int y)
{
    if (on_mouse_down)
        on_mouse_down(button, shift, x, y);
}

Label::Label(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::Label, std::move(name), Faced(std::move(design)), container)
{
}
std::string Label::caption() { return read().caption; }
void Label::set_caption(std::string caption) { write().caption = std::move(caption); }
Align Label::alignment() { return read().alignment; }
void Label::set_alignment(Align alignment) { write().alignment = alignment; }

CommandButton::CommandButton(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::CommandButton, std::move(name), Faced(std::move(design)), container)
{
}
std::string CommandButton::caption() { return read().caption; }
void CommandButton::set_caption(std::string caption) { write().caption = std::move(caption); }

Image::Image(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::Image, std::move(name), Faced(std::move(design)), container)
{
}
std::string Image::picture() { return read().picture; }
void Image::set_picture(std::string picture) { write().picture = std::move(picture); }

Frame::Frame(Window* owner, std::string name, Props design, Control* container)
    : Control(owner, ControlKind::Frame, std::move(name), Faced(std::move(design)), container)
{
}
std::string Frame::caption() { return read().caption; }
void Frame::set_caption(std::string caption) { write().caption = std::move(caption); }

TextBox::TextBox(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::TextBox, std::move(name), Boxed(std::move(design)), container)
{
}
std::string TextBox::text() { return read().text; }
void TextBox::set_text(std::string text)
{
    if (read().text == text)
        return;
    write().text = std::move(text);
    if (on_change)
        on_change();
}
bool TextBox::locked() { return read().locked; }
void TextBox::set_locked(bool locked) { write().locked = locked; }
Align TextBox::alignment() { return read().alignment; }
void TextBox::set_alignment(Align alignment) { write().alignment = alignment; }
void TextBox::UserType(std::string text)
{
    if (!read().locked)
        set_text(std::move(text));
}

ListBox::ListBox(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::ListBox, std::move(name), Boxed(std::move(design)), container)
{
}
void ListBox::AddItem(std::string item) { write().items.push_back(std::move(item)); }
void ListBox::RemoveItem(int index)
{
    auto& props = write();
    if (index < 0 || index >= static_cast<int>(props.items.size()))
        return;
    props.items.erase(props.items.begin() + index);
    if (props.list_index >= static_cast<int>(props.items.size()))
        props.list_index = -1;
}
void ListBox::Clear()
{
    auto& props = write();
    props.items.clear();
    props.list_index = -1;
}
int ListBox::ListCount() { return static_cast<int>(read().items.size()); }
std::string ListBox::List(int index) { return ItemAt(read(), index); }
int ListBox::list_index() { return read().list_index; }
void ListBox::set_list_index(int index)
{
    if (index < -1 || index >= ListCount() || index == read().list_index)
        return;
    write().list_index = index;
    if (on_click)
        on_click();
}
std::string ListBox::text() { return List(list_index()); }
void ListBox::UserSelect(int index)
{
    // A learner can change the selection but never clear it.
    if (index >= 0)
        set_list_index(index);
}

ComboBox::ComboBox(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::ComboBox, std::move(name), Boxed(std::move(design)), container)
{
}
void ComboBox::AddItem(std::string item) { write().items.push_back(std::move(item)); }
void ComboBox::Clear()
{
    auto& props = write();
    props.items.clear();
    props.list_index = -1;
    props.text.clear();
}
int ComboBox::ListCount() { return static_cast<int>(read().items.size()); }
std::string ComboBox::List(int index) { return ItemAt(read(), index); }
int ComboBox::list_index() { return read().list_index; }
void ComboBox::set_list_index(int index)
{
    if (index < -1 || index >= ListCount())
        return;
    auto& props = write();
    props.list_index = index;
    if (index >= 0)
        props.text = props.items[static_cast<size_t>(index)];
    if (on_click)
        on_click();
}
std::string ComboBox::text() { return read().text; }
void ComboBox::set_text(std::string text)
{
    auto& props = write();
    if (props.text == text)
        return;
    props.text = std::move(text);
    props.list_index = -1;
    for (size_t i = 0; i < props.items.size(); ++i) {
        if (props.items[i] == props.text)
            props.list_index = static_cast<int>(i);
    }
    if (on_change)
        on_change();
}
void ComboBox::UserSelect(int index)
{
    if (index >= 0)
        set_list_index(index);
}
void ComboBox::UserType(std::string text) { set_text(std::move(text)); }

OptionButton::OptionButton(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::OptionButton, std::move(name), Faced(std::move(design)), container)
{
}
std::string OptionButton::caption() { return read().caption; }
void OptionButton::set_caption(std::string caption) { write().caption = std::move(caption); }
bool OptionButton::value() { return read().value != 0; }
void OptionButton::set_value(bool value, Notify notify)
{
    write().value = value ? 1 : 0;
    if (value) {
        for (Control* other : window().controls()) {
            if (other != this && other->kind() == ControlKind::OptionButton && other->container() == container())
                static_cast<OptionButton*>(other)->write().value = 0;
        }
    }
    if (value && notify == Notify::Yes && on_click)
        on_click();
}
void OptionButton::UserClick() { set_value(true, Notify::Yes); }

CheckBox::CheckBox(Window* owner, std::string name, Props design, Control* container)
    : Clickable(owner, ControlKind::CheckBox, std::move(name), Faced(std::move(design)), container)
{
}
std::string CheckBox::caption() { return read().caption; }
int CheckBox::value() { return read().value; }
void CheckBox::set_value(int value, Notify notify)
{
    if (read().value == value)
        return;
    write().value = value;
    if (notify == Notify::Yes && on_click)
        on_click();
}
void CheckBox::UserClick() { set_value(value() == 1 ? 0 : 1, Notify::Yes); }

Shape::Shape(Window* owner, std::string name, Props design, Control* container)
    : Control(owner, ControlKind::Shape, std::move(name), Faced(std::move(design)), container)
{
}
FillStyle Shape::fill_style() { return read().fill_style; }
void Shape::set_fill_style(FillStyle style) { write().fill_style = style; }
Color Shape::fill_color() { return read().fill_color; }
void Shape::set_fill_color(Color color) { write().fill_color = color; }

LineControl::LineControl(Window* owner, std::string name, Props design, Control* container)
    : Control(owner, ControlKind::Line, std::move(name), Faced(std::move(design)), container)
{
}

Timer::Timer(Window* owner, std::string name, Props design)
    : Control(owner, ControlKind::Timer, std::move(name), std::move(design), nullptr)
{
}
int Timer::interval() { return read().interval; }
void Timer::set_interval(int ms)
{
    write().interval = ms;
    Rearm();
}
void Timer::set_enabled(bool enabled)
{
    Control::set_enabled(enabled);
    Rearm();
}
void Timer::ResetToDesign()
{
    Control::ResetToDesign();
    Rearm();
}
void Timer::Rearm()
{
    const Props& props = peek();
    if (props.enabled && props.interval > 0 && window().is_loaded())
        due_ = window().runtime().platform().NowMs() + props.interval;
    else
        due_.reset();
}
void Timer::Fire(std::int64_t now)
{
    // The next tick follows the one just due; a tick delivered late does not
    // make the timer catch up with a burst.
    std::int64_t next = *due_ + peek().interval;
    due_ = next > now ? next : now + peek().interval;
    if (on_timer)
        on_timer();
}

Menu::Menu(Window* owner, std::string name, Props design, Menu* parent)
    : Control(owner, ControlKind::Menu, std::move(name), std::move(design), parent), parent_(parent)
{
}
std::string Menu::caption() { return read().caption; }
void Menu::set_caption(std::string caption) { write().caption = std::move(caption); }
std::vector<Menu*> Menu::items() const
{
    std::vector<Menu*> result;
    for (Control* control : window().controls()) {
        if (control->kind() == ControlKind::Menu && static_cast<Menu*>(control)->parent_ == this)
            result.push_back(static_cast<Menu*>(control));
    }
    return result;
}
void Menu::UserChoose()
{
    if (on_click)
        on_click();
}

}  // namespace boxi::ui
