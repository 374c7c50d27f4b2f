#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A frame: a sunken panel, or a group box when it has a caption.
QWidget* CreateFrame(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncFrame(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
