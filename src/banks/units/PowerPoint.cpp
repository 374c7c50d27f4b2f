#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr UnitRow kRows[] = {
    {.number = 26, .choices = {"", "", "(C)幻灯片放映  ", ""}},
};

}  // namespace

extern const UnitTexts kPowerPointUnit{
    .name = "PowerPoint演示文稿",
    .keys = "CDACCDCAAC" "BBDBBBBCAA" "CADDBBBAAC" "ADCACDDACC",
    .rows = kRows,
};

}  // namespace boxi::banks
