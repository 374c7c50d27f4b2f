#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kStem21[] = {
    "21.有两个关系R，S如下：",
    "     R     ",
    "-----------",
    " A   B   C  ",
    "-----------",
    " a   1   2  ",
    "-----------",
    " b   2   1  ",
    "-----------",
    " c   3   1  ",
    "-----------",
    "     S     ",
    "-----------",
    " A   B   C ",
    "-----------",
    " c   3   1 ",
    "-----------",
    "由关系R通过运算得到关系S，则所使用的运算为（　　）。",
};

constexpr UnitRow kRows[] = {
    {.number = 21,
     .stem = kStem21,
     .choices = {"(A)选择", "(B)投影", "(C)自然连接", "(D)并"},
     .analysis = "由关系R到关系S为一元运算，排除C和D。关系S是关系R的一部分，是通过选择之后的结果，因此选A。"},
};

}  // namespace

extern const UnitTexts kDatabaseDesignUnit{
    .name = "数据库设计基础",
    .keys = "CCBCDABCBC" "DCCDBACDBC" "ACDABCBACA" "AAAADCDCAC",
    .rows = kRows,
};

}  // namespace boxi::banks
