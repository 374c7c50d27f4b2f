// The written cases of group F: 实例31 to 实例34.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {


namespace {

constexpr std::array<const CaseTexts*, 0> kGroup = {};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupF = kGroup;

}  // namespace boxi::banks
