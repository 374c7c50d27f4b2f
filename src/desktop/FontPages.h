#pragma once

#include <cstddef>
#include <string_view>

namespace boxi::desktop {

// True for a line of /proc/self/maps that maps a font file read-only: the
// pages FreeType reads glyph outlines from.
bool IsFontFileMapping(std::string_view maps_line);

// Lets go of the pages of font files the process has mapped. They are clean
// pages of the system's file cache, so nothing is lost: a glyph drawn later
// maps the pages it reads again. Qt keeps the drawn glyphs in its own cache,
// so once a window is painted its text no longer reads the files, yet the
// pages stayed in the resident set for good (about 20 MiB per CJK face).
// Returns the bytes of mappings let go; does nothing where there is no
// /proc/self/maps.
std::size_t ReleaseFontFilePages();

}  // namespace boxi::desktop
