// The written cases of group C: 实例13 to 实例18.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase13;
extern const CaseTexts kCase14;
extern const CaseTexts kCase15;
extern const CaseTexts kCase16;
extern const CaseTexts kCase17;
extern const CaseTexts kCase18;

namespace {

constexpr std::array<const CaseTexts*, 6> kGroup = {&kCase13, &kCase14, &kCase15, &kCase16, &kCase17, &kCase18};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupC = kGroup;

}  // namespace boxi::banks
