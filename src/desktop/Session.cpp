#include "desktop/Session.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace boxi::desktop {
namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// A folder only this user can enter, as the runtime folder must be.
bool IsPrivateFolder(const std::string& path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 0777) == 0700;
}

}  // namespace

bool HasDisplay(int argc, char** argv)
{
    if (Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    }
    return false;
}

void EnsureRuntimeFolder()
{
    if (Set("XDG_RUNTIME_DIR"))
        return;
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp && *tmp ? tmp : "/tmp";
    std::string path = base + "/boxi-runtime-" + std::to_string(getuid());
    mkdir(path.c_str(), 0700);
    if (!IsPrivateFolder(path)) {
        // Taken by someone else, or open to others: a fresh one.
        std::string pattern = base + "/boxi-runtime-XXXXXX";
        if (!mkdtemp(pattern.data()))
            return;
        path = pattern;
    }
    setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
}

}  // namespace boxi::desktop
