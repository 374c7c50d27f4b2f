#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A label: its text as the model gives it, a click and a mouse-down.
QWidget* CreateLabel(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncLabel(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
