#pragma once

#include <QPainter>
#include <QRect>

namespace boxi::desktop {

// The exam's choice screen behind the choice window's controls: title bar,
// question region, answer sheet and the pictured buttons that the window's
// click areas lie over.
void PaintExamChoiceScreen(QPainter& p, const QRect& area);

}  // namespace boxi::desktop
