// The written cases of group F: 实例31 to 实例34.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase31;
extern const CaseTexts kCase32;
extern const CaseTexts kCase33;
extern const CaseTexts kCase34;

namespace {

constexpr std::array<const CaseTexts*, 4> kGroup = {&kCase31, &kCase32, &kCase33, &kCase34};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupF = kGroup;

}  // namespace boxi::banks
