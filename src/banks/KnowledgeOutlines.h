#pragma once

#include "banks/Lines.h"

namespace boxi::banks {

inline constexpr int kChapterCount = 6;

// Title of chapter `chapter` (0 to 5) of the Excel course; "" outside.
std::string_view ChapterTitle(int chapter);

// The knowledge outline of chapter `chapter` (0 to 5) as lines; empty outside.
Lines KnowledgeOutlineLines(int chapter);

}  // namespace boxi::banks
