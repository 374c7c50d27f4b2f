#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Color.h"

namespace boxi::ui {

class Window;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    ListBox,
    ComboBox,
    OptionButton,
    CheckBox,
    Frame,
    Shape,
    Line,
    Image,
    Timer,
    Menu,
};

struct Font {
    std::string name = "宋体";
    double size = 9;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Positions and sizes in pixels at 96 dpi, relative to the container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Twips as some layouts give them: 15 twips to a pixel at 96 dpi.
constexpr int Twips(int twips) { return (twips + 7) / 15; }
constexpr Rect TwipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

enum class Align { Left, Right, Center };
enum class ScrollBars { None, Horizontal, Vertical, Both };
enum class MousePointer { Default, Link };
enum class ButtonStyle { Standard, Graphical };
enum class BackStyle { Opaque, Transparent };
enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
enum class FillStyle { Solid, Transparent };
// A label's own border: none, or one flat line round it.
enum class LabelBorder { None, FlatSingle };

// Mouse buttons and shift keys as the mouse-down events pass them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Every property a control of any kind can carry. Each kind uses its own
// subset; the design-time values of a control are one of these, and loading
// the window copies them back.
struct Props {
    std::string caption;
    std::string text;
    bool visible = true;
    bool enabled = true;
    Color fore;  // unset: the kind's default
    Color back;
    Font font;
    Align alignment = Align::Left;
    Rect rect;
    bool locked = false;  // read-only text box
    bool multiline = false;
    ScrollBars scrollbars = ScrollBars::None;
    std::string password_char;
    bool word_wrap = false;
    BackStyle back_style = BackStyle::Opaque;
    LabelBorder label_border = LabelBorder::None;
    ButtonStyle style = ButtonStyle::Standard;
    MousePointer mouse_pointer = MousePointer::Default;
    std::vector<std::string> items;
    int list_index = -1;
    int value = 0;  // option button 0/1, check box 0/1/2
    ShapeKind shape = ShapeKind::Rectangle;
    FillStyle fill_style = FillStyle::Transparent;
    Color fill_color;
    Color border_color;
    int border_width = 1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends
    std::string picture;  // artwork key, "" for a bare click area
    bool stretch = false;
    int interval = 0;  // timer, milliseconds
    int tab_index = 0;
    bool tab_stop = true;
    // The window's forward button: Enter in a one-line entry, a list or a
    // combo box of its window presses it.
    bool default_button = false;
    // The window's way back: Esc anywhere in its window presses it.
    bool cancel_button = false;
    bool checked = false;  // menu item
};

// A control of a window: typed, with design-time values, and reached only
// through its window. Any read or write loads the window when it is not
// loaded, as every access to a window does. Writes bump a revision counter
// so a renderer can tell what changed.
class Control {
public:
    Control(Window* owner, ControlKind kind, std::string name, Props design, Control* container);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // index in its control array, -1 when none
    Window& window() const { return *owner_; }
    Control* container() const { return container_; }

    bool visible();
    void set_visible(bool visible);
    bool enabled();
    void set_enabled(bool enabled);
    Color fore_color();
    void set_fore_color(Color color);
    Color back_color();
    void set_back_color(Color color);
    Font font();
    void set_font(Font font);
    Rect rect();
    void set_rect(Rect rect);
    MousePointer mouse_pointer();

    // For renderers, tests and tools that must not load the window: the
    // current values as they stand, and the count of writes so far.
    const Props& peek() const { return props_ ? *props_ : design_; }
    std::uint64_t revision() const { return revision_; }
    const Props& design() const { return design_; }

    // Loading resets the control to its design-time values.
    virtual void ResetToDesign();

protected:
    Props& read();   // loads the window
    Props& write();  // loads the window and bumps the revision

private:
    Props& Current();

    friend class ControlArrayBase;
    friend class Window;
    Window* owner_;
    std::size_t position_ = 0;  // among its window's controls, in declaration order
    ControlKind kind_;
    std::string name_;
    int index_ = -1;
    Control* container_;
    Props design_;
    // The current values, made at the window's first load: until then they
    // are the design's, and a window never opened costs no copy of them.
    std::unique_ptr<Props> props_;
    std::uint64_t revision_ = 0;
};

}  // namespace boxi::ui
