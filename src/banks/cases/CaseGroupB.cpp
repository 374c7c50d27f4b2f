// The written cases of group B: 实例5 to 实例9, 实例11 and 实例12.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase8;

namespace {

constexpr std::array<const CaseTexts*, 1> kGroup = {&kCase8};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupB = kGroup;

}  // namespace boxi::banks
