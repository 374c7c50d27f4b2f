#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace boxi {

// The Explorer commands of a practical case's folders, for the forty listed
// names "实例1" to "实例40" only (exact names); nothing for any other name.
std::optional<std::string> CaseMaterialCommand(std::string_view name);
std::optional<std::string> CaseAnswerCommand(std::string_view name);

}  // namespace boxi
