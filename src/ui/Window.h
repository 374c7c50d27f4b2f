#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/Color.h"
#include "ui/Control.h"

namespace boxi::ui {

class Runtime;
class Menu;
class Timer;

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow };
// Manual: at `left` and `top`, the outer corner of the frame, as a form's
// Left and Top are on Windows. ManualClient: the client area begins at
// `left` and `top`, the title bar and border lie above and left of it.
// BesideOpener: a pop-up that opens next to the window the learner was in,
// over it only where the screen has no room; `left` and `top` are where its
// frame opens when there is no such window.
enum class StartPosition { Manual, ManualClient, CenterScreen, BesideOpener };

// Properties of the window itself; its design values come back at each load.
struct WindowProps {
    std::string caption;
    int client_width = 400;   // pixels at 96 dpi
    int client_height = 300;
    int left = 0;
    int top = 0;
    StartPosition start_position = StartPosition::CenterScreen;
    BorderStyle border_style = BorderStyle::FixedSingle;
    Color back = colors::kButtonFace;
    bool max_button = false;
    bool min_button = true;
    std::string picture;  // artwork key of a background picture
    // A small window without a button of its own to close it: Esc closes it
    // as its title bar's close box does.
    bool escape_closes = false;
};

// One window class of the program. There is exactly one instance for the
// whole run; loading and unloading change its state, never its lifetime, so
// an event handler that unloads its own window goes on running safely.
//
// Any access loads the window: Show, Hide, its handle or caption, and every
// read or write of one of its controls. Loading resets every control to its
// design-time value and runs Form_Load inside the access that caused it.
class Window {
public:
    Window(Runtime& runtime, std::string name, WindowProps design);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }

    void Show();    // visible, modeless, no owner; brings a visible window forward
    void Hide();    // invisible, still loaded
    void Unload();  // discards the controls' state; does nothing when not loaded

    platform::WindowHandle hWnd();
    std::string caption();
    void set_caption(std::string caption);

    // Pops up `menu` (one of this window's menus) at the pointer and runs
    // the chosen item's click.
    void PopupMenu(Menu& menu);

    // The control that has the focus: the design's first in tab order
    // until a window's code or the learner moves it.
    void SetFocus(Control& control);
    Control* focused() const { return focused_; }
    // Counts the window's own focus moves (each load, each SetFocus), so a
    // renderer applies one once and leaves the learner's later moves alone.
    std::uint64_t focus_serial() const { return focus_serial_; }

    // For the runtime, renderers and tests; these never load the window.
    bool is_loaded() const { return loaded_; }
    bool is_visible() const { return loaded_ && visible_; }
    const WindowProps& peek() const { return props_; }
    const std::vector<Control*>& controls() const { return controls_; }
    std::uint64_t revision() const { return revision_; }
    std::uint64_t z_order() const { return z_order_; }
    std::uint64_t load_count() const { return load_count_; }
    platform::WindowHandle handle_if_loaded() const { return loaded_ ? handle_ : platform::kNoWindow; }

    // Whether a visible control of the same container declared after this
    // one, and so stacked above it on the screen, hides it whole (lines let
    // clicks through). Never loads the window.
    bool CoveredWhole(const Control& control) const;

    // Loads the window when it is not loaded; controls call it on access.
    void EnsureLoaded();
    // The runtime only: the learner closes the window with its title bar.
    void CloseFromTitleBar();

protected:
    virtual void Form_Load() {}
    // Runs each time Show puts the window on screen or brings it forward,
    // after its load and before the show is announced.
    virtual void Form_Activate() {}
    // Runs before a title-bar close unloads the window, and only then.
    virtual void Form_QueryUnload() {}

private:
    friend class Control;
    void Register(Control* control)
    {
        control->position_ = controls_.size();
        controls_.push_back(control);
    }
    void NoteRectChanged() { rects_as_designed_ = false; }
    bool CoversWhole(const Control& cover, const Control& control) const;

    Runtime& runtime_;
    std::string name_;
    WindowProps design_;
    WindowProps props_;
    std::vector<Control*> controls_;
    Control* focused_ = nullptr;
    std::uint64_t focus_serial_ = 0;
    bool loaded_ = false;
    bool visible_ = false;
    platform::WindowHandle handle_ = platform::kNoWindow;
    std::uint64_t revision_ = 0;
    std::uint64_t z_order_ = 0;
    std::uint64_t load_count_ = 0;
    // For each control, in declaration order, the later ones whose design
    // covers it whole: while no control has moved since the load, only
    // these can hide it, and only their visibility needs a look.
    mutable std::vector<std::vector<const Control*>> design_covers_;
    bool rects_as_designed_ = true;
};

}  // namespace boxi::ui
