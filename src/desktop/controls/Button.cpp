#include "desktop/controls/Button.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A command button that Enter presses too, as on Windows, where Enter and
// Space both press the button with the focus. Auto-repeat presses once.
class ModelButton : public FocusMarked<QPushButton> {
public:
    using FocusMarked::FocusMarked;
    // The colour of a coloured button's ring; a plain one uses its palette's.
    QColor ring;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        // The style marks a plain button's focus with a thin outline only;
        // a dotted ring inside the frame, as Windows draws, shows which
        // button Enter presses. A coloured button's ring takes a colour that
        // stands out from its face.
        if (hasFocus()) {
            QPainter painter(this);
            PaintDottedRing(painter, rect().adjusted(3, 3, -3, -3),
                            ring.isValid() ? ring : palette().color(QPalette::ButtonText));
        }
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (IsEnter(event) && event->modifiers() == Qt::NoModifier) {
            if (!event->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

QWidget* CreateButton(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& button = static_cast<ui::CommandButton&>(control);
    auto* widget = new ModelButton(parent);
    widget->setAutoDefault(false);
    QObject::connect(widget, &QPushButton::clicked, host.window, [&runtime, &button] { runtime.Click(button); });
    return widget;
}

void SyncButton(QWidget* widget, const ui::Props& p)
{
    auto* button = static_cast<QPushButton*>(widget);
    button->setText(Literal(p.caption));
    if (p.style == ui::ButtonStyle::Graphical) {
        QColor back = Resolve(p.back, QGuiApplication::palette());
        QColor fore = Resolve(p.fore, QGuiApplication::palette());
        // A coloured button draws its own frame, so it marks its focus
        // there too, in black on a light face and white on a dark one (the
        // highlight colour is lost on a blue face, and a white caption is
        // faint on a light one): a border of two pixels and the dotted ring.
        QColor mark = back.lightness() >= 128 ? QColor(0, 0, 0) : QColor(255, 255, 255);
        static_cast<ModelButton*>(button)->ring = mark;
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3; "
                                             "border-radius: 3px; padding: 2px 6px; }"
                                             "QPushButton:pressed { background-color: %4; }"
                                             "QPushButton:focus { border: 2px solid %5; padding: 1px 5px; }")
                                  .arg(back.name(), fore.name(), back.darker(160).name(), back.darker(115).name(),
                                       mark.name()));
    }
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
