// The written cases of group B: 实例5 to 实例9, 实例11 and 实例12.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase5;
extern const CaseTexts kCase6;
extern const CaseTexts kCase7;
extern const CaseTexts kCase8;
extern const CaseTexts kCase9;
extern const CaseTexts kCase11;
extern const CaseTexts kCase12;

namespace {

constexpr std::array<const CaseTexts*, 7> kGroup = {&kCase5, &kCase6, &kCase7, &kCase8, &kCase9, &kCase11, &kCase12};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupB = kGroup;

}  // namespace boxi::banks
