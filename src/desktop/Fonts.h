#pragma once

#include <QFont>
#include <QString>

#include "ui/Control.h"

namespace boxi::desktop {

// The font a model font is shown in: 宋体 and the other Song faces map to a
// monospaced CJK font in which a Chinese character is two Latin columns, so
// aligned tables line up; other faces map to the CJK sans serif.
QFont ModelFont(const ui::Font& font);

// The family that stands in for 宋体 here.
QString MonospacedCjkFamily();

}  // namespace boxi::desktop
