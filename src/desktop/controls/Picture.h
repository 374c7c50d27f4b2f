#pragma once

#include "ui/Control.h"

class QWidget;

namespace boxi::desktop::controls {

struct ControlHost;

// A picture from the artwork; one with a click handler acts as a button.
QWidget* CreatePicture(ui::Control& control, QWidget* parent, const ControlHost& host);
void SyncPicture(QWidget* widget, const ui::Props& props);
// Has the picture ready (unpacked, or its rows found) before the first
// paint asks for it.
void PreparePicture(QWidget* widget);

}  // namespace boxi::desktop::controls
