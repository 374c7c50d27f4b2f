#pragma once

#include <string>

class QMessageBox;

namespace boxi::platform {
class LinuxPlatform;
}

namespace boxi::desktop {

class Renderer;

// Gives the Linux platform its window calls: topmost windows, message boxes
// above every window, pop-up menus at the pointer, failure notices and the
// end of the program.
void ConnectDesktop(platform::LinuxPlatform& platform, Renderer& renderer);

// A notice of something the program could not open: a "确定" button, above
// every window, closed only by the learner. It does not wait.
QMessageBox* ShowNotice(const std::string& message, Renderer& renderer);

}  // namespace boxi::desktop
