#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// An editable combo box.
QWidget* CreateCombo(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncCombo(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
