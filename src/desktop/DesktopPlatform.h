#pragma once

#include <QString>

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

// The text a message box shows for `text`: very long lines and very many
// lines cut short, so the box always fits on the screen.
QString ShownMessageText(const std::string& text);

// Widens a box with a short message to its title, which the window manager
// would otherwise cut short. Call it when the box is otherwise complete.
void FitTitle(QMessageBox& box);

// A notice of something the program could not open: a "确定" button, above
// every window, closed only by the learner. It does not wait.
QMessageBox* ShowNotice(const std::string& message, Renderer& renderer);

}  // namespace boxi::desktop
