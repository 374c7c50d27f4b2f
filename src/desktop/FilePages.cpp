#include "desktop/FilePages.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
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

// "start-end perms offset dev inode path": the path of a read-only private
// mapping of a file, or empty.
std::string_view ReadOnlyFile(std::string_view line)
{
    std::size_t perms = line.find(' ');
    if (perms == std::string_view::npos || line.size() < perms + 5)
        return {};
    // Read-only and private: nothing can be written into those pages now
    // (what was written before is checked apart, page by page).
    if (line.substr(perms + 1, 4) != "r--p")
        return {};
    std::size_t path = line.find('/');
    if (path == std::string_view::npos)
        return {};
    std::string_view file = line.substr(path);
    // A file deleted since it was mapped still reads back, but say nothing
    // for it.
    if (file.ends_with(" (deleted)"))
        return {};
    return file;
}

using Range = std::pair<std::uintptr_t, std::uintptr_t>;

// Calls `visit(range, line)` for each line of /proc/self/maps.
template <typename Visit>
void ForEachMapping(Visit&& visit)
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        unsigned long long start = 0, end = 0;
        if (std::sscanf(line.c_str(), "%llx-%llx", &start, &end) == 2 && start < end)
            visit(Range{static_cast<std::uintptr_t>(start), static_cast<std::uintptr_t>(end)}, std::string_view(line));
    }
}

std::size_t Release(std::uintptr_t start, std::uintptr_t end)
{
#if defined(__linux__)
    if (start < end && madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED) == 0)
        return end - start;
#else
    (void)start;
    (void)end;
#endif
    return 0;
}

#if defined(__linux__)
// Read-only now is not enough: the loader writes the relocated tables of a
// program before it makes them read-only, and those pages are private
// copies, not the file's. /proc/self/pagemap tells them apart: of the
// pages present (bit 63), file pages have bit 61 set. When it cannot be
// read, say yes.
bool HoldsPrivateCopies(std::uintptr_t start, std::uintptr_t end, std::uintptr_t page)
{
    const int fd = open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    std::vector<std::uint64_t> entries((end - start) / page);
    const auto bytes = static_cast<ssize_t>(entries.size() * sizeof(std::uint64_t));
    const ssize_t read = pread(fd, entries.data(), static_cast<size_t>(bytes), static_cast<off_t>(start / page * sizeof(std::uint64_t)));
    close(fd);
    if (read != bytes)
        return true;
    return std::any_of(entries.begin(), entries.end(),
                       [](std::uint64_t entry) { return (entry >> 63 & 1) && !(entry >> 61 & 1); });
}
#endif

}  // namespace

bool IsFontFileMapping(std::string_view line)
{
    std::string_view file = ReadOnlyFile(line);
    for (std::string_view suffix : {".ttf", ".ttc", ".otf", ".otc", ".pfb", ".pfa"}) {
        if (EndsWithNoCase(file, suffix))
            return true;
    }
    return false;
}

std::size_t ReleaseFontFilePages()
{
    std::size_t released = 0;
    ForEachMapping([&released](Range range, std::string_view line) {
        if (IsFontFileMapping(line))
            released += Release(range.first, range.second);
    });
    return released;
}

std::size_t ReleaseFilePages(const void* data, std::size_t size)
{
#if defined(__linux__)
    static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t start = (from + page - 1) / page * page;
    const std::uintptr_t end = (from + size) / page * page;
    if (start >= end)
        return 0;
    // The program's own mappings do not change while it runs: each is read
    // from /proc/self/maps once.
    static std::vector<Range> files;
    auto within = [&] {
        return std::any_of(files.begin(), files.end(), [&](Range file) { return file.first <= start && end <= file.second; });
    };
    if (!within()) {
        ForEachMapping([&](Range range, std::string_view line) {
            if (range.first <= start && end <= range.second && !ReadOnlyFile(line).empty())
                files.push_back(range);
        });
        if (!within())
            return 0;
    }
    if (HoldsPrivateCopies(start, end, page))
        return 0;
    return Release(start, end);
#else
    (void)data;
    (void)size;
    return 0;
#endif
}

}  // namespace boxi::desktop
