// The written cases of group E: 实例23 and 实例25 to 实例30.
#include <array>

#include "banks/CaseBank.h"

namespace boxi::banks {

extern const CaseTexts kCase23;
extern const CaseTexts kCase25;
extern const CaseTexts kCase26;
extern const CaseTexts kCase27;
extern const CaseTexts kCase28;
extern const CaseTexts kCase29;
extern const CaseTexts kCase30;

namespace {

constexpr std::array<const CaseTexts*, 7> kGroup = {&kCase23, &kCase25, &kCase26, &kCase27,
                                                    &kCase28, &kCase29, &kCase30};

}  // namespace

extern const std::span<const CaseTexts* const> kCaseGroupE = kGroup;

}  // namespace boxi::banks
