#include "banks/AccessBank.h"

#include <array>

namespace boxi::banks {

// One object per set, in access/AccessSetN.cpp.
extern const AccessSetTexts kAccessSet1;
extern const AccessSetTexts kAccessSet2;
extern const AccessSetTexts kAccessSet3;
extern const AccessSetTexts kAccessSet4;
extern const AccessSetTexts kAccessSet5;
extern const AccessSetTexts kAccessSet6;
extern const AccessSetTexts kAccessSet7;
extern const AccessSetTexts kAccessSet8;
extern const AccessSetTexts kAccessSet9;
extern const AccessSetTexts kAccessSet10;
extern const AccessSetTexts kAccessSet11;
extern const AccessSetTexts kAccessSet12;
extern const AccessSetTexts kAccessSet13;
extern const AccessSetTexts kAccessSet14;
extern const AccessSetTexts kAccessSet15;
extern const AccessSetTexts kAccessSet16;
extern const AccessSetTexts kAccessSet17;
extern const AccessSetTexts kAccessSet18;
extern const AccessSetTexts kAccessSet19;
extern const AccessSetTexts kAccessSet20;
extern const AccessSetTexts kAccessSet21;
extern const AccessSetTexts kAccessSet22;
extern const AccessSetTexts kAccessSet23;
extern const AccessSetTexts kAccessSet24;
extern const AccessSetTexts kAccessSet25;
extern const AccessSetTexts kAccessSet26;

namespace {

const std::array<const AccessSetTexts*, kOperationSetCount> kSets = {
    &kAccessSet1,  &kAccessSet2,  &kAccessSet3,  &kAccessSet4,  &kAccessSet5,  &kAccessSet6,  &kAccessSet7,
    &kAccessSet8,  &kAccessSet9,  &kAccessSet10, &kAccessSet11, &kAccessSet12, &kAccessSet13, &kAccessSet14,
    &kAccessSet15, &kAccessSet16, &kAccessSet17, &kAccessSet18, &kAccessSet19, &kAccessSet20, &kAccessSet21,
    &kAccessSet22, &kAccessSet23, &kAccessSet24, &kAccessSet25, &kAccessSet26,
};

constexpr std::string_view kCrLf = "\r\n";

// Slots joined with CR LF between each two: `count` slots, the first ones
// filled by `fill` and the rest empty.
template <typename Fill>
std::string JoinSlots(int count, size_t filled, Fill fill)
{
    std::string text;
    for (int slot = 0; slot < count; ++slot) {
        if (slot > 0)
            text += kCrLf;
        if (static_cast<size_t>(slot) < filled)
            fill(text, static_cast<size_t>(slot));
    }
    return text;
}

}  // namespace

std::string_view OperationTypeName(OperationType type)
{
    switch (type) {
    case OperationType::Basic: return "基本操作题";
    case OperationType::Simple: return "简单应用题";
    case OperationType::Comprehensive: return "综合应用题";
    }
    return {};
}

std::string OperationSetName(int number) { return "操作题（第" + std::to_string(number) + "套）"; }

std::optional<int> FindOperationSet(std::string_view name)
{
    static const std::array<std::string, kOperationSetCount> names = [] {
        std::array<std::string, kOperationSetCount> all;
        for (int number = 1; number <= kOperationSetCount; ++number)
            all[static_cast<size_t>(number - 1)] = OperationSetName(number);
        return all;
    }();
    for (size_t i = 0; i < names.size(); ++i) {
        if (name == names[i])
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

const AccessSetTexts& AccessSet(int number) { return *kSets.at(static_cast<size_t>(number - 1)); }

Lines OperationQuestionSlots(int number, OperationType type)
{
    const AccessSetTexts& set = AccessSet(number);
    switch (type) {
    case OperationType::Basic: return set.basic_question;
    case OperationType::Simple: return set.simple_question;
    case OperationType::Comprehensive: return set.comprehensive_question;
    }
    return {};
}

std::span<const Lines> OperationAnswerSteps(int number, OperationType type)
{
    const AccessSetTexts& set = AccessSet(number);
    switch (type) {
    case OperationType::Basic: return set.basic_answer;
    case OperationType::Simple: return set.simple_answer;
    case OperationType::Comprehensive: return set.comprehensive_answer;
    }
    return {};
}

std::string ComposeOperationQuestion(OperationType type, std::string_view set_name)
{
    Lines slots;
    if (auto number = FindOperationSet(set_name))
        slots = OperationQuestionSlots(*number, type);
    // Slots past the 25th would never show; a longer entry fails the data test.
    return JoinSlots(kQuestionSlots, slots.size(), [&](std::string& text, size_t i) { text += slots[i]; });
}

std::string ComposeReferenceAnswer(std::optional<OperationType> type, std::string_view set_name)
{
    std::span<const Lines> steps;
    auto number = FindOperationSet(set_name);
    if (type && number)
        steps = OperationAnswerSteps(*number, *type);
    return JoinSlots(kAnswerSlots, steps.size(), [&](std::string& text, size_t i) { text += JoinCrLf(steps[i]); });
}

}  // namespace boxi::banks
