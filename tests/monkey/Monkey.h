#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace boxi::monkey {

// One thing a learner does, described by names so it can be replayed on a
// fresh program: the window, the control's position among the window's
// controls, and what is done to it.
struct Event {
    enum class Kind { Click, RightPress, Type, Select, Choose, Close, Advance, Restart };
    Kind kind = Kind::Click;
    std::string window;
    int control = -1;  // position in the window's controls
    int number = 0;    // list index, or milliseconds
    std::string text;  // what is typed
    std::vector<int> answers;  // message-box buttons and pop-up items, in order

    std::string Describe() const;
};

struct Options {
    std::uint64_t seed = 1;
    int events = 20000;
    bool fail_platform_calls = false;  // every launch and folder call fails
    // Performed first and after every restart, answers as scripted, so that
    // a walk explores from deep in a road.
    std::vector<Event> prefix;
};

struct Outcome {
    std::vector<Event> events;  // what was done, up to the failure
    std::optional<std::string> failure;
    std::vector<std::string> journal;  // message boxes and window steps
    int performed = 0;
};

// A seeded, bounded random walk over whatever windows and controls the
// program has, checking the window rules after every event. When the
// program ends, the walk starts it again (a Restart event) and goes on.
Outcome RandomWalk(const Options& options);
// From the portal into a running exam: exam mode, the login answered yes,
// the confirmation, the rules page ticked and the start.
std::vector<Event> ExamRoad();
// From the portal to the task window of an exam set in training, its
// "选择题" button on screen.
std::vector<Event> ChoiceRoad();
// The exam road on to its time-up, then a set with choice questions opened
// again from the chooser and its "选择题", which now opens the time-up notice.
std::vector<Event> TimeUpRoad();
// Replays events on a fresh program with the same checks.
Outcome Replay(const std::vector<Event>& events, bool fail_platform_calls);
// The shortest event list found that still fails, from a failing walk.
std::vector<Event> Shrink(std::vector<Event> events, bool fail_platform_calls);

// The inputs tried in every editable box: empty, very long, control
// characters, lone CR and LF, characters outside code page 936 and the BMP,
// right-to-left text, format and markup look-alikes, set names, and the
// admission number with near misses, and the proctor's password.
const std::vector<std::string>& BadInputs();

}  // namespace boxi::monkey
