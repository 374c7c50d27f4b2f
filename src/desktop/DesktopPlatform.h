#pragma once

namespace boxi::platform {
class LinuxPlatform;
}

namespace boxi::desktop {

class Renderer;

// Gives the Linux platform its window calls: topmost windows, message boxes
// above every window, pop-up menus at the pointer, failure notices and the
// end of the program.
void ConnectDesktop(platform::LinuxPlatform& platform, Renderer& renderer);

}  // namespace boxi::desktop
