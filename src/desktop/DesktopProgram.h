#pragma once

#include <functional>
#include <memory>

#include "app/App.h"
#include "desktop/Renderer.h"
#include "platform/LinuxPlatform.h"

namespace boxi::desktop {

// The program as it runs on the desktop: the Linux platform, the program
// itself and its renderer, wired together. Needs a QApplication.
class DesktopProgram {
public:
    DesktopProgram();

    App& app() { return app_; }
    Renderer& renderer() { return renderer_; }

    // Shows the portal. Then, once it is on screen, prepares in small idle
    // steps what the next windows need the first time (font faces, widget
    // classes), so that no first handover waits for them; `warmed` runs
    // when that is done.
    void Start(std::function<void()> warmed = {});

private:
    platform::LinuxPlatform platform_;
    App app_{platform_};
    Renderer renderer_{app_.runtime()};
};

// The warm-up on its own, for tools that build the program differently.
// Nothing runs once `renderer` is gone.
void ScheduleWarmUp(ui::Runtime& runtime, Renderer& renderer, std::function<void()> warmed = {});

}  // namespace boxi::desktop
