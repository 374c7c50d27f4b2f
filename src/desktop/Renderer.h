#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <set>
#include <unordered_map>
#include <vector>

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
//
// It raises and activates a window only when the model brings one forward
// (shows it, or hides the one in front of it), never at other syncs: a
// click into a window behind a topmost one keeps that window active and
// the focus where the click put it. Open notices stay above every view.
//
// F6 in any window activates the exam toolbar, a strip without a title bar
// that stays on top, so that the keyboard reaches its buttons; F6 in the
// toolbar goes back to the window in front under it.
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
    // Keeps `notice`, a top-level window of its own, above every view until
    // it closes.
    void KeepAbove(QWidget* notice);

private:
    void Sync();
    void SwitchStrip(WindowView* from);
    void ScheduleTimers();
    void RaiseNotices();
    void PrepareAhead(WindowView* view);
    // The part of the screen where `window` may open.
    QRect OpeningArea(const ui::Window& window, const QWidget* opener) const;

    ui::Runtime& runtime_;
    std::unordered_map<const ui::Window*, QPointer<WindowView>> views_;
    std::set<platform::WindowHandle> topmost_;
    std::vector<QPointer<QWidget>> notices_;
    // The window last brought forward, and its place in the model's order.
    QPointer<WindowView> front_;
    std::uint64_t front_z_ = 0;
    QTimer timer_;
    // Lets go of font file pages once the windows just shown are painted.
    QTimer font_pages_;
    bool syncing_ = false;
};

}  // namespace boxi::desktop
