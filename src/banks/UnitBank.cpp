#include "banks/UnitBank.h"

#include <array>

namespace boxi::banks {

extern const UnitTexts kDataStructuresUnit;
extern const UnitTexts kProgramDesignUnit;
extern const UnitTexts kSoftwareEngineeringUnit;
extern const UnitTexts kDatabaseDesignUnit;
extern const UnitTexts kComputerBasicsUnit;
extern const UnitTexts kWordProcessingUnit;
extern const UnitTexts kExcelSheetsUnit;
extern const UnitTexts kPowerPointUnit;

namespace {

const std::array<const UnitTexts*, 8> kUnits = {
    &kDataStructuresUnit, &kProgramDesignUnit, &kSoftwareEngineeringUnit, &kDatabaseDesignUnit,
    &kComputerBasicsUnit, &kWordProcessingUnit, &kExcelSheetsUnit,        &kPowerPointUnit,
};

}  // namespace

std::span<const UnitTexts* const> Units() { return kUnits; }

const UnitTexts* FindUnit(std::string_view name)
{
    for (const UnitTexts* unit : kUnits) {
        if (unit->name == name)
            return unit;
    }
    return nullptr;
}

const UnitRow* FindRow(const UnitTexts& unit, int number)
{
    for (const UnitRow& row : unit.rows) {
        if (row.number == number)
            return &row;
    }
    return nullptr;
}

std::vector<int> UnwrittenRows(const UnitTexts& unit)
{
    std::vector<int> numbers;
    for (int n = 1; n <= kUnitQuestionCount; ++n) {
        const UnitRow* row = FindRow(unit, n);
        if (!row || row->stem.empty())
            numbers.push_back(n);
    }
    return numbers;
}

bool WriteUnit(QuestionTable& table, std::string_view name)
{
    const UnitTexts* unit = FindUnit(name);
    if (!unit)
        return false;
    static const UnitRow kUnwritten{};
    for (int n = 1; n <= kUnitQuestionCount; ++n) {
        const UnitRow* found = FindRow(*unit, n);
        const UnitRow& row = found ? *found : kUnwritten;
        table.QuestionText.Set(n, row.stem.Text());
        table.ChoiceA.Set(n, std::string(row.choices[0]));
        table.ChoiceB.Set(n, std::string(row.choices[1]));
        table.ChoiceC.Set(n, std::string(row.choices[2]));
        table.ChoiceD.Set(n, std::string(row.choices[3]));
        table.AnswerKey.Set(n, n <= static_cast<int>(unit->keys.size()) ? std::string(1, unit->keys[static_cast<size_t>(n - 1)]) : "");
        table.AnswerAnalysis.Set(n, row.analysis.Text());
    }
    return true;
}

}  // namespace boxi::banks
