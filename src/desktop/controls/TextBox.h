#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A text box: one line, or several with scroll bars as the model gives.
QWidget* CreateTextBox(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncTextBox(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
