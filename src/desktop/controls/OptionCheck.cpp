#include "desktop/controls/OptionCheck.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <functional>
#include <vector>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// An option button or check box pressed by a click anywhere in its
// rectangle, as on Windows, not only on its circle or box and caption: a
// learner clicking the row beside a short answer must not lose the answer,
// and a check box narrower than its caption (the caption drawn in the
// artwork beside it) still takes clicks over all of its rectangle.
template <typename Base>
class WholeRectButton : public FocusMarked<Base> {
public:
    using FocusMarked<Base>::FocusMarked;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// An option button whose arrow keys select, as on Windows: the option they
// move to, in tab order and going round its group (the options of one
// container), takes the focus and is clicked. Hidden and disabled options
// are passed by.
class ModelOption : public WholeRectButton<QRadioButton> {
public:
    using WholeRectButton::WholeRectButton;
    std::function<void()> press;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
        const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
        if ((!forward && !back) || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            WholeRectButton::keyPressEvent(event);
            return;
        }
        ModelOption* next = Neighbour(forward);
        if (!next)
            return;
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        if (next->press)
            next->press();
    }

    // Tab from an option that is not its group's Tab stop (the window's code
    // gave it the focus) leaves the group in one press too: the stop is set
    // aside for the move.
    bool focusNextPrevChild(bool next) override
    {
        std::vector<ModelOption*> set_aside;
        for (QObject* sibling : parentWidget()->children()) {
            auto* option = dynamic_cast<ModelOption*>(sibling);
            if (option && option != this && (option->focusPolicy() & Qt::TabFocus)) {
                option->setFocusPolicy(Qt::ClickFocus);
                set_aside.push_back(option);
            }
        }
        const bool moved = WholeRectButton::focusNextPrevChild(next);
        for (ModelOption* option : set_aside)
            option->setFocusPolicy(Qt::StrongFocus);
        return moved;
    }

private:
    ModelOption* Neighbour(bool forward)
    {
        for (QWidget* w = Step(this, forward); w && w != this; w = Step(w, forward)) {
            auto* option = dynamic_cast<ModelOption*>(w);
            if (option && option->parentWidget() == parentWidget() && option->isVisible() && option->isEnabled())
                return option;
        }
        return nullptr;
    }
    static QWidget* Step(QWidget* w, bool forward)
    {
        return forward ? w->nextInFocusChain() : w->previousInFocusChain();
    }
};

// A check box that is only its box (its caption drawn in the artwork
// beside it) marks its focus with a dotted ring round the box, as Windows
// rings the caption: the style only tints the box's edge.
class ModelCheck : public WholeRectButton<QCheckBox> {
public:
    using WholeRectButton::WholeRectButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        WholeRectButton::paintEvent(event);
        if (!hasFocus())
            return;
        QStyleOptionButton option;
        initStyleOption(&option);
        if (!option.text.isEmpty())
            return;  // the style rings the caption
        const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        QPainter painter(this);
        PaintDottedRing(painter, box.adjusted(-2, -2, 2, 2).intersected(rect()),
                        palette().color(QPalette::WindowText));
    }
};

}  // namespace

QWidget* CreateOption(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& option = static_cast<ui::OptionButton&>(control);
    auto* widget = new ModelOption(parent);
    // The model keeps the group: none selected must stay possible.
    widget->setAutoExclusive(false);
    widget->press = [sync = host.sync, &runtime, &option] {
        runtime.Click(option);
        sync();
    };
    QObject::connect(widget, &QRadioButton::clicked, host.window, [widget] { widget->press(); });
    return widget;
}

QWidget* CreateCheck(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& check = static_cast<ui::CheckBox&>(control);
    auto* widget = new ModelCheck(parent);
    QObject::connect(widget, &QCheckBox::clicked, host.window, [sync = host.sync, &runtime, &check] {
        runtime.Click(check);
        sync();
    });
    return widget;
}

void SyncOptionCheck(QWidget* widget, const ui::Props& p)
{
    auto* button = static_cast<QAbstractButton*>(widget);
    button->setText(Literal(p.caption));
    button->setChecked(p.value == 1);
    ApplyColors(widget, p, p.back_style == ui::BackStyle::Opaque && p.back != ui::colors::kButtonFace);
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
