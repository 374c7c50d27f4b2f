#include "desktop/controls/Frame.h"

#include <QFrame>
#include <QGroupBox>

#include "desktop/controls/ControlSupport.h"

namespace boxi::desktop::controls {

QWidget* CreateFrame(ui::Control& control, QWidget* parent, const ControlHost&)
{
    if (control.peek().caption.empty()) {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        return frame;
    }
    return new QGroupBox(parent);
}

void SyncFrame(QWidget* widget, const ui::Props& p)
{
    if (auto* group = dynamic_cast<QGroupBox*>(widget))
        group->setTitle(Literal(p.caption));
    ApplyColors(widget, p, false);
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
