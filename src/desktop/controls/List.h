#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A single-selection list box.
QWidget* CreateList(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncList(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
