#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kAnalysis28[] = {
    "源程序的文档化应考虑如下几点：",
    "（1）符号名的命名：符号名的命名应具有一定的实际含义，以便于对程序功能的理解。",
    "（2）程序注释：正确的注释能够帮助读者理解程序，注释一般分为序言性注释和功能性注释。",
    "（3）视觉组织：为使程序的结构一目了然，可以在程序中利用空格、空行、缩进等技巧使程序层次清晰。",
};

constexpr UnitRow kRows[] = {
    {.number = 28,
     .stem = "28.程序的文档化不包括（）。",
     .choices = {"(A) 符号名的命名要有实际的含义", "(B) 正确的程序注释", "(C) 良好的视觉组织", "(D) 正确的文档格式"},
     .analysis = kAnalysis28},
};

}  // namespace

extern const UnitTexts kProgramDesignUnit{
    .name = "程序设计基础",
    .keys = "AAADBACABA" "ACADDBAACB" "DDCAABBDCB" "AAABCCDBAB",
    .rows = kRows,
};

}  // namespace boxi::banks
