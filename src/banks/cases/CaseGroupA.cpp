// The written cases of group A: 实例1 to 实例4 and 实例10.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase1;
extern const CaseTexts kCase2;
extern const CaseTexts kCase3;
extern const CaseTexts kCase4;
extern const CaseTexts kCase10;

namespace {

constexpr std::array<const CaseTexts*, 5> kGroup = {&kCase1, &kCase2, &kCase3, &kCase4, &kCase10};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupA = kGroup;

}  // namespace boxi::banks
