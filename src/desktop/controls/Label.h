#pragma once

#include <QStringList>

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A label: its text as the model gives it, a click and a mouse-down.
QWidget* CreateLabel(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncLabel(QWidget* widget, const ui::Props& props);
// What a word-wrapped label draws: its lines, each as it stands in the text
// (a line ended by a break keeps its "\n"), the spacing of its lines (1 is
// normal) and the bottom of its last line's glyphs in the label; empty for
// any other label.
struct DrawnText {
    QStringList lines;
    qreal spacing = 1;
    qreal bottom = 0;
};
DrawnText DrawnTextOf(const QWidget* label);
QStringList DrawnLines(const QWidget* label);

}  // namespace boxi::desktop::controls
