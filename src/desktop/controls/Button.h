#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A command button that Enter presses too; a graphical one in its colours.
QWidget* CreateButton(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncButton(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
