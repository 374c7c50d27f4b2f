#pragma once

#include <QWidget>

#include <cstdint>
#include <unordered_map>

namespace boxi::ui {
class Control;
class Runtime;
class Window;
struct Props;
}  // namespace boxi::ui

class QMenuBar;

namespace boxi::desktop {

namespace controls {
struct ControlHost;
}  // namespace controls

// How long after the last window was unloaded what it held is given back.
inline constexpr int kGiveBackAfterMs = 1000;

// The on-screen form of one loaded model window: a top-level widget with
// one child widget per control. It only mirrors the model (Sync) and turns
// the learner's input into model events; it holds no state of its own.
// The window itself lives here (client area, menu bar, tab order, placement,
// showing and hiding); each control kind's widget lives in `controls/`.
class WindowView : public QWidget {
    Q_OBJECT

public:
    WindowView(ui::Runtime& runtime, ui::Window& window);
    ~WindowView() override;

    ui::Window& window() const { return window_; }
    std::uint64_t load_count() const { return load_count_; }

    // Brings every widget up to the model's current values. The model's
    // focus is applied only when the window's code moved it (or at its
    // load): a sync never takes the focus back from where a click put it.
    void Sync();
    void SetTopmost();
    // Puts the window where it opens, once, before it is first shown: beside
    // `opener` (the window in front before it, or null) for a pop-up that
    // opens beside its opener, centred, or at its designed place, with its
    // title bar inside `area`. Shown again later, it keeps its position.
    void PlaceForFirstShowing(const QWidget* opener, const QRect& area);
    // For a window loaded hidden (the review, filled while the exam runs):
    // styles it and makes its platform window, its backing store and its
    // pictures in idle time, so that its first showing only paints.
    void PrepareAhead();

signals:
    // The window was painted for the first time since it was last shown.
    void Painted();
    // The learner pressed F6: to the exam toolbar, or back from it.
    void StripKeyPressed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QWidget* widget = nullptr;
        std::uint64_t revision = ~std::uint64_t{0};
    };

    QWidget* Create(ui::Control& control, const controls::ControlHost& host);
    QSize HoldingSize(const ui::Control* container, QSize size) const;
    // The frame the window system gives this window, or will give it.
    QMargins FrameMargins(const QWidget* opener) const;
    void MoveFrameTo(const QPoint& at, const QMargins& margins);
    QWidget* ParentFor(ui::Control& control);
    void SyncControl(ui::Control& control, QWidget* widget);
    void BuildMenuBar();
    void BuildTabOrder();
    void SyncWindowProps();
    void KeepCoveredButtonsOutOfTabOrder();
    void OneTabStopPerOptionGroup();
    void FocusWhenNoneHeld();
    ui::Control* ControlOf(const QWidget* widget) const;
    bool PressDesignated(bool ui::Props::*designation);
    bool EnterPressesDefault();

    ui::Runtime& runtime_;
    ui::Window& window_;
    std::uint64_t load_count_;
    std::uint64_t window_revision_ = ~std::uint64_t{0};
    std::uint64_t focus_serial_ = ~std::uint64_t{0};
    bool placed_ = false;
    bool paint_due_ = false;
    QWidget* client_ = nullptr;
    QSize client_size_;
    QMenuBar* menu_bar_ = nullptr;
    std::unordered_map<ui::Control*, Entry> widgets_;
    bool syncing_ = false;
};

}  // namespace boxi::desktop
