#include "cases/CaseFolders.h"

#include "cases/SetLoading.h"
#include "common/Conventions.h"

namespace boxi {
namespace {

constexpr std::string_view kCaseGroup = "实战模拟";

}  // namespace

std::optional<std::string> CaseMaterialCommand(std::string_view name)
{
    if (!IsCaseName(name, 1, 40))
        return std::nullopt;
    return ExplorerFolderCommand(MaterialFolder(kCaseGroup, name));
}

std::optional<std::string> CaseAnswerCommand(std::string_view name)
{
    if (!IsCaseName(name, 1, 40))
        return std::nullopt;
    return ExplorerFolderCommand(AnswerFolder(kCaseGroup, name));
}

}  // namespace boxi
