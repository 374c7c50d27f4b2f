#pragma once

#include <string>

#include "banks/Lines.h"

namespace boxi::banks {

// The outline of the Level 2 "MS Office高级应用" exam as the syllabus window
// shows it: what the candidate must master, the exam content in four areas,
// and the form of the exam.
Lines SyllabusLines();

// The lines joined by CR LF, with no break after the last.
std::string SyllabusText();

}  // namespace boxi::banks
