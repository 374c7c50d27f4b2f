#pragma once

#include <cstddef>
#include <string_view>

namespace boxi::desktop {

// Clean pages of files mapped read-only stay in the resident set once read,
// though nothing of the program is in them: the system's file cache holds
// the same bytes, and a later read maps them again. These let go of such
// pages where the program knows it is done with them for now. Where there
// is no /proc/self/maps they do nothing.

// True for a line of /proc/self/maps that maps a font file read-only: the
// pages FreeType reads glyph outlines from.
bool IsFontFileMapping(std::string_view maps_line);

// Lets go of the pages of font files the process has mapped. Qt keeps the
// drawn glyphs in its own cache, so a painted window no longer reads the
// files, yet their pages stayed for good (about 20 MiB per CJK face).
// Returns the bytes of mappings let go.
std::size_t ReleaseFontFilePages();

// Lets go of the whole pages within [data, data + size), constant data of
// the program itself, only when they lie in a read-only private mapping of
// a file that holds no page of its own: anywhere else (the heap, relocated
// tables, a packed program) they would read back as zeros or unrelocated.
// Returns the bytes let go.
std::size_t ReleaseFilePages(const void* data, std::size_t size);

}  // namespace boxi::desktop
