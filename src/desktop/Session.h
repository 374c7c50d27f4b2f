#pragma once

namespace boxi::desktop {

// What the program checks and prepares before it makes its QApplication.

// False when no window system can be reached: no DISPLAY or WAYLAND_DISPLAY
// and no other Qt platform chosen (QT_QPA_PLATFORM or -platform).
bool HasDisplay(int argc, char** argv);

// The line that explains a start without a desktop session.
inline constexpr char kNoDisplayMessage[] =
    "boxi needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without one, run: "
    "xvfb-run scripts/run";

// Gives the process a private runtime folder when the session has none
// (XDG_RUNTIME_DIR unset, as in a plain shell), so that Qt has one without
// a warning.
void EnsureRuntimeFolder();

}  // namespace boxi::desktop
