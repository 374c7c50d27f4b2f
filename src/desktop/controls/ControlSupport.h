#pragma once

#include <QCheckBox>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>

#include <functional>
#include <string>
#include <type_traits>

#include "ui/Control.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QObject;
class QWidget;

namespace boxi::ui {
class Runtime;
}  // namespace boxi::ui

// What the widgets of every control kind share: text and colour conversion,
// alignment, the model's mouse events and the focus mark. Each kind's widget,
// creation and sync live in a file pair of its own beside this one.
namespace boxi::desktop::controls {

using MouseCallback = std::function<void(int button, int shift, int x, int y)>;

// What a control's widget needs from the window view that holds it.
struct ControlHost {
    ui::Runtime& runtime;
    // The receiver of the widgets' connections: they end with the window.
    QObject* window = nullptr;
    // Set while the window mirrors the model: a change a widget reports then
    // came from the model, not from the learner.
    const bool& syncing;
    // Brings every widget of the window up to the model's values.
    std::function<void()> sync;
    // Presses the window's forward button, when it has one.
    std::function<void()> press_default;
};

// Model text to widget text: the model's line breaks are "\r\n".
QString ToWidget(const std::string& text);
std::string FromWidget(const QString& text);
// Button-like captions are shown as they stand: "&" is no mnemonic there.
QString Literal(const std::string& text);

int ButtonOf(Qt::MouseButton button);
int ShiftOf(Qt::KeyboardModifiers modifiers);
bool IsEnter(const QKeyEvent* event);

QColor Resolve(ui::Color color, const QPalette& palette);
void ApplyColors(QWidget* widget, const ui::Props& props, bool fill);
Qt::Alignment AlignmentOf(ui::Align align);
// The items of a list or combo box as the widget shows them.
QStringList ItemsOf(const ui::Props& props);
void PlaceAt(QWidget* widget, const ui::Rect& rect);

// Turns presses and releases into the model's mouse-down and click: a click
// is a left press and release over the same widget.
class ClickTracker {
public:
    MouseCallback on_mouse_down;
    std::function<void()> on_click;

    void Press(QWidget* widget, QMouseEvent* event);
    void Release(QWidget* widget, QMouseEvent* event);
    // Enter or Space on a widget that acts as a button presses it, once for
    // a key held down. Returns whether the key was such a press.
    bool Key(QWidget* widget, QKeyEvent* event);

private:
    bool pressed_ = false;
};

// A picture or label with a click handler is a button: Tab and a click give
// it the focus, and it marks the focus itself.
void ActAsButton(QWidget* widget);

// A picture or label: the model's mouse-down and click, and, once it acts
// as a button, Enter and Space; it repaints as the focus comes and goes, so
// that its paint can draw the focus mark.
template <typename Base>
class Pressable : public Base {
public:
    using Base::Base;
    ClickTracker tracker;

    // Sends its presses to `control`, and acts as a button when the control
    // has a click handler.
    void PressInto(ui::Runtime& runtime, ui::Clickable& control)
    {
        if (control.has_click_handler())
            ActAsButton(this);
        tracker.on_click = [&runtime, &control] { runtime.Click(control); };
        tracker.on_mouse_down = [&runtime, &control](int b, int s, int x, int y) {
            if (control.on_mouse_down)
                runtime.MouseDown(control, b, s, x, y);
        };
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        this->update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Base::focusOutEvent(event);
        this->update();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!tracker.Key(this, event))
            Base::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override { tracker.Press(this, event); }
    void mouseReleaseEvent(QMouseEvent* event) override { tracker.Release(this, event); }
};

// The focus mark of such a button: two rings, one dark and one light, so
// that it shows on any artwork; a small button (an answer-sheet number) gets
// thin ones at its edge that leave its caption room.
void PaintFocusMark(QPainter& painter, const QRect& rect, const QPalette& palette);

// A ring of alternate pixels along the inside of `rect`, the focus mark of a
// plain button; nothing when `rect` is too small to hold one.
void PaintDottedRing(QPainter& painter, const QRect& rect, const QColor& color);

// A button, option or check box that marks its focus however the focus came
// to it, as the pictures and coloured buttons do: the style would otherwise
// mark it only once the keyboard has moved the focus, so a window opening
// with the focus on a button would not show which one Enter presses.
template <typename Base>
class FocusMarked : public Base {
public:
    using Base::Base;

protected:
    void initStyleOption(QStyleOptionButton* option) const override
    {
        Base::initStyleOption(option);
        // A coloured button draws its own mark from its style sheet.
        if (this->hasFocus() && this->styleSheet().isEmpty())
            option->state |= QStyle::State_KeyboardFocusChange;
        // A check box too narrow for its caption (the caption drawn in the
        // artwork beside it) is only its box, and so is its focus mark.
        if constexpr (std::is_same_v<Base, QCheckBox>) {
            const int box = this->style()->pixelMetric(QStyle::PM_IndicatorWidth, option, this);
            if (this->width() < box + option->fontMetrics.horizontalAdvance(option->text))
                option->text.clear();
        }
    }
};

}  // namespace boxi::desktop::controls
