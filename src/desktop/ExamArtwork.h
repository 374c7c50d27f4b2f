#pragma once

#include <QPainter>
#include <QRect>

#include <string>

namespace boxi::desktop {

// The pictures of the exam simulation: the start window's artwork and the
// screen pictures of the login, the confirmation page and the rules page.
// Returns false, drawing nothing, for a key that is not one of them.
bool PaintExamArtwork(QPainter& painter, const QRect& area, const std::string& key);

}  // namespace boxi::desktop
