#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace boxi::ui {

// Whether setting a value from code raises the control's event.
enum class Notify { No, Yes };

using ClickHandler = std::function<void()>;
using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

// Kinds that react to a learner's click share this: the runtime calls
// UserClick, which does what a real click on that kind does.
class Clickable : public Control {
public:
    using Control::Control;
    ClickHandler on_click;
    MouseHandler on_mouse_down;

    virtual void UserClick();
    void UserMouseDown(int button, int shift, int x, int y);
    // Whether a click runs code of the window: a member of a control array
    // passes its clicks on, and has a handler only when the array has one.
    bool has_click_handler() const;

private:
    friend class ControlArrayBase;
    const std::function<void(int)>* array_click_ = nullptr;
};

class Label : public Clickable {
public:
    Label(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    std::string caption();
    void set_caption(std::string caption);
    Align alignment();
    void set_alignment(Align alignment);
};

class CommandButton : public Clickable {
public:
    CommandButton(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    std::string caption();
    void set_caption(std::string caption);
};

class Image : public Clickable {
public:
    Image(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    std::string picture();
    void set_picture(std::string picture);
};

class Frame : public Control {
public:
    Frame(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    std::string caption();
    void set_caption(std::string caption);
};

class TextBox : public Clickable {
public:
    TextBox(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    ClickHandler on_change;

    std::string text();
    // Replaces the whole text and raises on_change when it differs.
    void set_text(std::string text);
    bool locked();
    void set_locked(bool locked);
    Align alignment();
    void set_alignment(Align alignment);
    // What typing does: the learner's text replaces the box's text.
    void UserType(std::string text);
};

class ListBox : public Clickable {
public:
    ListBox(Window* owner, std::string name, Props design = {}, Control* container = nullptr);

    void AddItem(std::string item);
    void RemoveItem(int index);
    void Clear();
    int ListCount();
    std::string List(int index);
    int list_index();
    // Setting the selection from code raises on_click when it changes.
    void set_list_index(int index);
    // The selected item, "" with no selection.
    std::string text();
    // A learner's choice of an item: like set_list_index.
    void UserSelect(int index);
    void UserClick() override {}
};

// A drop-down combo box whose text is editable.
class ComboBox : public Clickable {
public:
    ComboBox(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    ClickHandler on_change;

    void AddItem(std::string item);
    void Clear();
    int ListCount();
    std::string List(int index);
    int list_index();
    // Choosing an item from code sets the text and raises on_click.
    void set_list_index(int index);
    std::string text();
    // Writing the text from code: no list selection follows it.
    void set_text(std::string text);
    void UserSelect(int index);
    void UserType(std::string text);
    void UserClick() override {}
};

// Option buttons of one container form a group: at most one has the value
// true, and a group may have none selected.
class OptionButton : public Clickable {
public:
    OptionButton(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    std::string caption();
    void set_caption(std::string caption);
    bool value();
    // Setting true clears the rest of the group; Notify::Yes raises the click.
    void set_value(bool value, Notify notify);
    void UserClick() override;
};

class CheckBox : public Clickable {
public:
    CheckBox(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    std::string caption();
    int value();  // 0 unticked, 1 ticked
    void set_value(int value, Notify notify);
    void UserClick() override;
};

class Shape : public Control {
public:
    Shape(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
    FillStyle fill_style();
    void set_fill_style(FillStyle style);
    Color fill_color();
    void set_fill_color(Color color);
};

class LineControl : public Control {
public:
    LineControl(Window* owner, std::string name, Props design = {}, Control* container = nullptr);
};

// A window timer: while its window is loaded, enabled and with an interval
// above 0, it ticks every `interval` milliseconds of the runtime's clock.
class Timer : public Control {
public:
    Timer(Window* owner, std::string name, Props design = {});
    ClickHandler on_timer;

    int interval();
    void set_interval(int ms);
    void set_enabled(bool enabled);

    std::optional<std::int64_t> due() const { return due_; }
    void ResetToDesign() override;
    // Runtime only: the tick at `due` is being delivered.
    void Fire(std::int64_t now);
    void Disarm() { due_.reset(); }

private:
    void Rearm();
    std::optional<std::int64_t> due_;
};

// A menu of the menu bar, a hidden top-level menu used as a pop-up menu, or
// an item of either.
class Menu : public Control {
public:
    Menu(Window* owner, std::string name, Props design = {}, Menu* parent = nullptr);
    ClickHandler on_click;

    std::string caption();
    void set_caption(std::string caption);
    Menu* parent() const { return parent_; }
    std::vector<Menu*> items() const;
    void UserChoose();

private:
    Menu* parent_;
};

}  // namespace boxi::ui
