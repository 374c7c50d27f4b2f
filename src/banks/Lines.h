#pragma once

#include <span>
#include <string>
#include <string_view>

namespace boxi::banks {

// A bank text is stored as its lines; windows show them joined by CR LF with
// no break before the first line or after the last.
using Lines = std::span<const std::string_view>;

std::string JoinCrLf(Lines lines);

}  // namespace boxi::banks
