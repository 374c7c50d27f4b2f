// The written cases of group A: 实例1 to 实例4 and 实例10.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase1;

namespace {

constexpr std::array<const CaseTexts*, 1> kGroup = {&kCase1};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupA = kGroup;

}  // namespace boxi::banks
