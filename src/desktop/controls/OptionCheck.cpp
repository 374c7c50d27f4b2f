#include "desktop/controls/OptionCheck.h"

#include <QCheckBox>
#include <QRadioButton>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {

QWidget* CreateOption(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& option = static_cast<ui::OptionButton&>(control);
    auto* widget = new FocusMarked<QRadioButton>(parent);
    // The model keeps the group: none selected must stay possible.
    widget->setAutoExclusive(false);
    QObject::connect(widget, &QRadioButton::clicked, host.window, [sync = host.sync, &runtime, &option] {
        runtime.Click(option);
        sync();
    });
    return widget;
}

QWidget* CreateCheck(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& check = static_cast<ui::CheckBox&>(control);
    auto* widget = new FocusMarked<QCheckBox>(parent);
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
