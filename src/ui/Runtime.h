#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace boxi::ui {

class Window;
class Control;
class Clickable;
class TextBox;
class ListBox;
class ComboBox;
class Menu;
class Timer;

enum class Lifecycle { Load, Show, Hide, Unload, End };

// Told of window lifecycle steps and of the moments when the model is
// settled: after every outermost event operation, and before the program
// waits for a message box or a pop-up menu. A renderer syncs its widgets
// then; the test journal records the lifecycle.
class RuntimeObserver {
public:
    virtual ~RuntimeObserver() = default;
    virtual void OnLifecycle(Lifecycle /*step*/, Window* /*window*/) {}
    virtual void OnSettled() {}
};

// The window system of the program: every window, the running event
// operations, timers on the platform's clock and the end of the program.
//
// Events from outside (a learner's input, a timer tick, the start) each run
// as one event operation. The program ends only when the outermost operation
// has finished and no window is loaded (or it hid the last visible one), or
// at once through EndNow.
class Runtime {
public:
    explicit Runtime(platform::Platform& platform);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    platform::Platform& platform() { return platform_; }
    void AddObserver(RuntimeObserver* observer) { observers_.push_back(observer); }
    void RemoveObserver(RuntimeObserver* observer);

    const std::vector<Window*>& windows() const { return windows_; }
    Window* FindWindow(platform::WindowHandle handle) const;

    // Runs `op` as one event operation. Nothing happens once the program has
    // ended; no exception leaves it.
    template <typename F>
    void Run(F&& op)
    {
        if (ended_)
            return;
        Enter();
        try {
            op();
        } catch (...) {
            Leave(true);
            return;
        }
        Leave(false);
    }
    bool in_operation() const { return depth_ > 0; }

    // Ends the program at once, whatever is still loaded.
    void EndNow();
    bool ended() const { return ended_; }

    // A learner's input. Each returns false, doing nothing, when a learner
    // could not reach the control: its window is not visible, or it or a
    // container is hidden, disabled or covered whole by a control above it,
    // or the program has ended.
    bool Click(Clickable& control);
    bool MouseDown(Clickable& control, int button, int shift = 0, int x = 0, int y = 0);
    bool Type(TextBox& box, std::string text);
    bool Type(ComboBox& box, std::string text);
    bool Select(ListBox& list, int index);
    bool Select(ComboBox& combo, int index);
    bool Choose(Menu& item);
    // The title-bar close box: runs the window's Form_QueryUnload, where a
    // window leads the learner on, then unloads it. As after any operation
    // that hides or unloads the last visible window, the program then ends,
    // so that windows left loaded and hidden never keep an invisible program
    // alive. A window without a title bar refuses.
    bool CloseByTitleBar(Window& window);
    bool CanReach(Control& control) const;

    // Timers. Ticks that fall due while an operation runs (a message box is
    // open) are delivered after it; a late timer does not tick twice.
    std::optional<std::int64_t> NextTimerDue() const;
    void FireDueTimers(std::int64_t now);

    // For windows, controls and menus of the model.
    void Register(Window* window) { windows_.push_back(window); }
    void NotifyLifecycle(Lifecycle step, Window* window);
    void NotifySettled();
    platform::WindowHandle NextHandle() { return ++last_handle_; }
    std::uint64_t NextZOrder() { return ++last_z_; }
    std::uint64_t caught_exceptions() const { return caught_exceptions_; }

private:
    void Enter()
    {
        if (depth_++ == 0)
            visible_at_start_ = AnyWindowVisible();
    }
    void Leave(bool caught);
    bool AnyWindowLoaded() const;
    bool AnyWindowVisible() const;

    platform::Platform& platform_;
    std::vector<Window*> windows_;
    std::vector<RuntimeObserver*> observers_;
    int depth_ = 0;
    bool ended_ = false;
    bool visible_at_start_ = false;  // of the outermost operation
    platform::WindowHandle last_handle_ = 0;
    std::uint64_t last_z_ = 0;
    std::uint64_t caught_exceptions_ = 0;
};

}  // namespace boxi::ui
