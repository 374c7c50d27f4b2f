#pragma once

#include <span>
#include <string_view>

namespace boxi {
class App;
namespace ui {
class Window;
}
}  // namespace boxi

namespace boxi::bench {

// One handover a learner makes on the chapter, case or exam road or in the
// unit test, as a row: how
// to reach the window it starts from (once, from a started program), what
// to set before each time (the chapter, the case name), the click itself,
// the window that must be on screen after it, and the way back to the start.
struct Handover {
    std::string_view name;
    void (*reach)(App& app);
    void (*prepare)(App& app, int round);  // may be null
    void (*step)(App& app, int round);
    ui::Window& (*target)(App& app);
    void (*back)(App& app);  // may be null: the step can be taken again as it is
};

// The roads in the order a learner walks them, the way back included.
std::span<const Handover> Handovers();

// One step of the walk that opens every window once: the handover of that
// name, after an untimed preparation (closing the steps window, typing the
// case name).
struct WalkStep {
    std::string_view name;
    void (*prepare)(App& app);  // may be null
    void (*step)(App& app);
    ui::Window& (*target)(App& app);
};

// From the painted portal through every window, each handover taken for
// the first time: the chapter road to the steps window, back to the menu,
// the case road to its steps, then the unit test and its sheet, back to the
// portal, the exam road from the exam start window (and its syllabus) to the
// exam's task window, from there the Access practice by way of the case
// chooser, and the drill from chapter study and back.
std::span<const WalkStep> EveryWindowOnce();

// The case names the bank holds, for the chooser to cycle through.
std::span<const std::string_view> CaseNames();

}  // namespace boxi::bench
