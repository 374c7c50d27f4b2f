#include "desktop/controls/TextBox.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <limits>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A text box. Guarded boxes (those with a mouse-down handler in the model)
// never show the toolkit's own edit menu: their right press goes to the
// model, which pops up the window's one-item menu instead.
template <typename Base>
class ModelTextBox : public Base {
public:
    using Base::Base;
    MouseCallback on_mouse_down;
    bool guarded = false;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (on_mouse_down) {
            auto pos = event->position().toPoint();
            if (guarded && event->button() == Qt::RightButton) {
                on_mouse_down(ButtonOf(event->button()), ShiftOf(event->modifiers()), pos.x(), pos.y());
                return;
            }
            Base::mousePressEvent(event);
            on_mouse_down(ButtonOf(event->button()), ShiftOf(event->modifiers()), pos.x(), pos.y());
            return;
        }
        Base::mousePressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (guarded)
            return;
        Base::contextMenuEvent(event);
    }
};

}  // namespace

QWidget* CreateTextBox(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& box = static_cast<ui::TextBox&>(control);
    auto mouse = [&runtime, &box](int b, int s, int x, int y) { runtime.MouseDown(box, b, s, x, y); };
    if (control.peek().multiline) {
        auto* widget = new ModelTextBox<QPlainTextEdit>(parent);
        // Tab moves on, as in a Windows text box, so no box traps the
        // keyboard.
        widget->setTabChangesFocus(true);
        widget->guarded = static_cast<bool>(box.on_mouse_down);
        if (widget->guarded)
            widget->on_mouse_down = mouse;
        const bool* syncing = &host.syncing;
        QObject::connect(widget, &QPlainTextEdit::textChanged, host.window, [syncing, widget, &runtime, &box] {
            if (!*syncing)
                runtime.Type(box, FromWidget(widget->toPlainText()));
        });
        return widget;
    }
    auto* widget = new ModelTextBox<QLineEdit>(parent);
    // A text box takes any length: the toolkit's default limit would cut
    // a long entry short and send the cut text back at the next edit.
    widget->setMaxLength(std::numeric_limits<int>::max());
    widget->guarded = static_cast<bool>(box.on_mouse_down);
    if (widget->guarded)
        widget->on_mouse_down = mouse;
    QObject::connect(widget, &QLineEdit::textEdited, host.window,
                     [&runtime, &box](const QString& text) { runtime.Type(box, FromWidget(text)); });
    return widget;
}

void SyncTextBox(QWidget* widget, const ui::Props& p)
{
    ApplyColors(widget, p, false);
    if (auto* edit = dynamic_cast<QPlainTextEdit*>(widget)) {
        QString text = ToWidget(p.text);
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
        edit->setReadOnly(p.locked);
        edit->setVerticalScrollBarPolicy(p.scrollbars == ui::ScrollBars::Vertical || p.scrollbars == ui::ScrollBars::Both
                                             ? Qt::ScrollBarAlwaysOn
                                             : Qt::ScrollBarAlwaysOff);
        bool horizontal = p.scrollbars == ui::ScrollBars::Horizontal || p.scrollbars == ui::ScrollBars::Both;
        edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    } else if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
        QString text = ToWidget(p.text);
        if (line->text() != text)
            line->setText(text);
        line->setReadOnly(p.locked);
        line->setEchoMode(p.password_char.empty() ? QLineEdit::Normal : QLineEdit::Password);
        // The model's mask character, not the style's bullet.
        if (!p.password_char.empty())
            line->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                                    .arg(QString::fromStdString(p.password_char).at(0).unicode()));
        line->setAlignment(AlignmentOf(p.alignment) | Qt::AlignVCenter);
    }
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
