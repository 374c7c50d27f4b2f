#include "access_practice/ExamineeFolder.h"

#include <initializer_list>

namespace boxi {
namespace {

constexpr std::string_view kDriveRoot = "c:\\";

struct FolderStep {
    enum { Enter, Create } call;
    std::string_view path;
};

// Runs the steps in order; each needs the one before it, so the first
// failure ends the run with its reason.
std::optional<std::string> Run(platform::Platform& platform, std::initializer_list<FolderStep> steps)
{
    for (const FolderStep& step : steps) {
        const std::string path(step.path);
        platform::FolderResult result =
            step.call == FolderStep::Create ? platform.CreateFolder(path) : platform.ChangeCurrentFolder(path);
        if (!result.ok)
            return result.reason;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PrepareExamineeFolder(platform::Platform& platform)
{
    if (platform.FolderExists(std::string(kExamineeFolder)))
        return Run(platform, {{FolderStep::Enter, kExamineeFolder}});
    if (platform.FolderExists(std::string(kExamineeFolderParent))) {
        if (auto failure = Run(platform, {{FolderStep::Enter, kExamineeFolderParent}}))
            return failure;
    } else if (auto failure = Run(platform, {{FolderStep::Enter, kDriveRoot},
                                             {FolderStep::Create, kExamineeFolderParent},
                                             {FolderStep::Enter, kExamineeFolderParent}})) {
        return failure;
    }
    return Run(platform, {{FolderStep::Create, kExamineeFolder}, {FolderStep::Enter, kExamineeFolder}});
}

}  // namespace boxi
