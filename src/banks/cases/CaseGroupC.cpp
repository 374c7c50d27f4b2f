// The written cases of group C: 实例13 to 实例18.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {


namespace {

constexpr std::array<const CaseTexts*, 0> kGroup = {};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupC = kGroup;

}  // namespace boxi::banks
