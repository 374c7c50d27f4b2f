#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <set>
#include <unordered_map>

#include "platform/Platform.h"
#include "ui/Runtime.h"

namespace boxi::ui {
class Window;
}

namespace boxi::desktop {

class WindowView;

// Keeps one top-level view per loaded model window in step with the model.
// It syncs whenever the model settles: after each event operation and
// before a message box or pop-up menu waits. Views of unloaded windows are
// deleted later, never inside their own signal.
class Renderer : public QObject, public ui::RuntimeObserver {
    Q_OBJECT

public:
    explicit Renderer(ui::Runtime& runtime);
    ~Renderer() override;

    void OnSettled() override;
    // Makes the window with this handle topmost, now or once it has a view.
    void SetTopmost(platform::WindowHandle handle);
    WindowView* ViewOf(const ui::Window& window) const;
    // The view a message box or pop-up menu belongs above.
    QWidget* ActiveView() const;

private:
    void Sync();
    void ScheduleTimers();

    ui::Runtime& runtime_;
    std::unordered_map<const ui::Window*, QPointer<WindowView>> views_;
    std::set<platform::WindowHandle> topmost_;
    QTimer timer_;
    bool syncing_ = false;
};

}  // namespace boxi::desktop
