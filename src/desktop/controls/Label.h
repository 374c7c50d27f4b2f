#pragma once

#include <QStringList>

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A label: its text as the model gives it, a click and a mouse-down.
QWidget* CreateLabel(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncLabel(QWidget* widget, const ui::Props& props);
// The lines a word-wrapped label draws, each as it stands in the text (a
// line ended by a break keeps its "\n"); empty for any other label.
QStringList DrawnLines(const QWidget* label);

}  // namespace boxi::desktop::controls
