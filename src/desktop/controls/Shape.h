#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// Shapes and lines, drawn in code; a line lets the mouse through.
QWidget* CreateShape(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncShape(QWidget* widget, const ui::Props& props);
QWidget* CreateLine(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncLine(QWidget* widget, const ui::Props& props);

}  // namespace boxi::desktop::controls
