#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// Option buttons and check boxes: the model keeps their values and groups.
QWidget* CreateOption(ui::Control& control, QWidget* parent, const ControlHost& host);
QWidget* CreateCheck(ui::Control& control, QWidget* parent, const ControlHost& host);
// Either kind: caption, value and colours.
void SyncOptionCheck(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
