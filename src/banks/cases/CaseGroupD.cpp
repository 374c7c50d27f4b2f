// The written cases of group D: 实例19 to 实例22 and 实例24.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase19;
extern const CaseTexts kCase20;
extern const CaseTexts kCase21;
extern const CaseTexts kCase22;
extern const CaseTexts kCase24;

namespace {

constexpr std::array<const CaseTexts*, 5> kGroup = {&kCase19, &kCase20, &kCase21, &kCase22, &kCase24};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupD = kGroup;

}  // namespace boxi::banks
