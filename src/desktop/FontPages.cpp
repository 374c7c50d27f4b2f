#include "desktop/FontPages.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace boxi::desktop {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

}  // namespace

bool IsFontFileMapping(std::string_view line)
{
    // "start-end perms offset dev inode path"
    std::size_t perms = line.find(' ');
    if (perms == std::string_view::npos || line.size() < perms + 5)
        return false;
    // Read-only and private: nothing of ours is in those pages.
    if (line.substr(perms + 1, 4) != "r--p")
        return false;
    std::size_t path = line.find('/');
    if (path == std::string_view::npos)
        return false;
    std::string_view file = line.substr(path);
    for (std::string_view suffix : {".ttf", ".ttc", ".otf", ".otc", ".pfb", ".pfa"}) {
        if (EndsWithNoCase(file, suffix))
            return true;
    }
    return false;
}

std::size_t ReleaseFontFilePages()
{
    std::size_t released = 0;
#if defined(__linux__)
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (!IsFontFileMapping(line))
            continue;
        unsigned long long start = 0, end = 0;
        if (std::sscanf(line.c_str(), "%llx-%llx", &start, &end) != 2 || end <= start)
            continue;
        void* address = reinterpret_cast<void*>(static_cast<std::uintptr_t>(start));
        if (madvise(address, static_cast<std::size_t>(end - start), MADV_DONTNEED) == 0)
            released += static_cast<std::size_t>(end - start);
    }
#endif
    return released;
}

}  // namespace boxi::desktop
