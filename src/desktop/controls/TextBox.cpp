#include "desktop/controls/TextBox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include <limits>
#include <type_traits>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A text box. Guarded boxes (those with a mouse-down handler in the model)
// never show the toolkit's own edit menu: their right press goes to the
// model, which pops up the window's one-item menu instead.
//
// A locked box shows its caret while it has the focus, as on Windows, so a
// learner at the keyboard sees where the focus is; the arrows move it and
// select, nothing edits. The toolkit draws no caret in a read-only line, so
// the line draws its own.
template <typename Base>
class ModelTextBox : public Base {
public:
    using Base::Base;
    MouseCallback on_mouse_down;
    bool guarded = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Base::paintEvent(event);
        if constexpr (std::is_same_v<Base, QLineEdit>) {
            if (this->isReadOnly() && this->hasFocus()) {
                // The toolkit's caret rectangle is centred on the caret.
                const QRect caret = this->cursorRect();
                QPainter painter(this);
                painter.fillRect(QRect(caret.left() + caret.width() / 2, caret.top(), 1, caret.height()),
                                 this->palette().color(QPalette::Text));
            }
        }
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        Base::keyPressEvent(event);
        // A read-only line repaints no caret of its own when it moves.
        if constexpr (std::is_same_v<Base, QLineEdit>) {
            if (this->isReadOnly())
                this->update();
        }
    }
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
        if (edit->isReadOnly() != p.locked)
            edit->setReadOnly(p.locked);
        // Read-only drops the keyboard's caret; a locked box keeps it.
        if (p.locked)
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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
