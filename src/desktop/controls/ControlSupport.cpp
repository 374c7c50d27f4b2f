#include "desktop/controls/ControlSupport.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace boxi::desktop::controls {

QString ToWidget(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

std::string FromWidget(const QString& text)
{
    QString result = text;
    result.replace(QChar(0x2029), QChar('\n'));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QChar('\r'), QChar('\n'));
    result.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return result.toStdString();
}

QString Literal(const std::string& text)
{
    QString result = ToWidget(text);
    result.replace(QChar('&'), QStringLiteral("&&"));
    return result;
}

int ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return ui::kLeftButton;
    case Qt::RightButton: return ui::kRightButton;
    case Qt::MiddleButton: return ui::kMiddleButton;
    default: return 0;
    }
}

int ShiftOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

QColor Resolve(ui::Color color, const QPalette& palette)
{
    if (!color.is_set())
        return palette.color(QPalette::Window);
    if (!color.is_system())
        return QColor(color.r(), color.g(), color.b());
    using S = ui::SysColor;
    switch (color.system_index()) {
    case S::ButtonFace: return palette.color(QPalette::Button);
    case S::ButtonText: return palette.color(QPalette::ButtonText);
    case S::Window: return palette.color(QPalette::Base);
    case S::WindowText: return palette.color(QPalette::Text);
    case S::Highlight: return palette.color(QPalette::Highlight);
    case S::HighlightText: return palette.color(QPalette::HighlightedText);
    case S::GrayText: return palette.color(QPalette::Disabled, QPalette::Text);
    case S::ButtonShadow: return palette.color(QPalette::Mid);
    case S::ButtonHighlight: return palette.color(QPalette::Light);
    case S::InactiveCaptionText: return palette.color(QPalette::Inactive, QPalette::WindowText);
    case S::Menu: return palette.color(QPalette::Window);
    case S::MenuText: return palette.color(QPalette::WindowText);
    default: return palette.color(QPalette::Window);
    }
}

void ApplyColors(QWidget* widget, const ui::Props& props, bool fill)
{
    QPalette pal = widget->palette();
    QColor fore = Resolve(props.fore, QGuiApplication::palette());
    QColor back = Resolve(props.back, QGuiApplication::palette());
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    pal.setColor(QPalette::ButtonText, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    widget->setPalette(pal);
    widget->setAutoFillBackground(fill);
}

QStringList ItemsOf(const ui::Props& props)
{
    QStringList items;
    for (const auto& item : props.items)
        items << ToWidget(item);
    return items;
}

Qt::Alignment AlignmentOf(ui::Align align)
{
    switch (align) {
    case ui::Align::Left: return Qt::AlignLeft;
    case ui::Align::Right: return Qt::AlignRight;
    case ui::Align::Center: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

void PlaceAt(QWidget* widget, const ui::Rect& rect) { widget->setGeometry(rect.left, rect.top, rect.width, rect.height); }

void ClickTracker::Press(QWidget* widget, QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    if (on_mouse_down)
        on_mouse_down(ButtonOf(event->button()), ShiftOf(event->modifiers()), event->position().toPoint().x(),
                      event->position().toPoint().y());
    (void)widget;
}

void ClickTracker::Release(QWidget* widget, QMouseEvent* event)
{
    bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint()) &&
        on_click)
        on_click();
}

bool ClickTracker::Key(QWidget* widget, QKeyEvent* event)
{
    const bool press = event->modifiers() == Qt::NoModifier && (IsEnter(event) || event->key() == Qt::Key_Space);
    if (!press || widget->focusPolicy() == Qt::NoFocus)
        return false;
    if (!event->isAutoRepeat() && on_click)
        on_click();
    return true;
}

void ActAsButton(QWidget* widget)
{
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setAttribute(Qt::WA_KeyboardFocusChange);
}

void PaintFocusMark(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    const QColor mark = palette.color(QPalette::Highlight);
    const QRectF area(rect);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (std::min(rect.width(), rect.height()) >= 32) {
        painter.setPen(QPen(mark, 3));
        painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(4.5, 4.5, -4.5, -4.5));
    } else {
        // Over a small button (the choice window's previous and next, the
        // sheet's numbers) two thin rings, light outside dark, keep to its
        // edge, clear of its caption, and show on any artwork.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(QPen(QColor(0, 0, 0), 1));
        painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    painter.restore();
}

void PaintDottedRing(QPainter& painter, const QRect& rect, const QColor& color)
{
    if (rect.width() < 3 || rect.height() < 3)
        return;
    // A checkerboard brush laid on one-pixel strips gives every other
    // pixel, the pattern of the Windows focus rectangle.
    const QBrush dots(color, Qt::Dense4Pattern);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), dots);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dots);
    painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), dots);
    painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), dots);
}

}  // namespace boxi::desktop::controls
