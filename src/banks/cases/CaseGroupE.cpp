// The written cases of group E: 实例23 and 实例25 to 实例30.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase23;

namespace {

constexpr std::array<const CaseTexts*, 1> kGroup = {&kCase23};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupE = kGroup;

}  // namespace boxi::banks
