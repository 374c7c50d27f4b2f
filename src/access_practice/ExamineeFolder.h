#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace boxi {

// The candidate folder of the Access practice, into which the learner copies
// the databases the questions work on, and its parent.
inline constexpr std::string_view kExamineeFolder = "c:\\wexam\\29010001";
inline constexpr std::string_view kExamineeFolderParent = "c:\\wexam";

// Makes the candidate folder the current folder of drive C:, creating it and
// its parent when they are missing. Stops at the first call that fails and
// returns the platform's reason for it; nothing when every call succeeded.
std::optional<std::string> PrepareExamineeFolder(platform::Platform& platform);

}  // namespace boxi
