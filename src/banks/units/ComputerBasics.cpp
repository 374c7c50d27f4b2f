#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr UnitRow kRows[] = {
    {.number = 1,
     .stem = "1.英文CAM的含义是（）。",
     .choices = {"(A) 计算机辅助制造", "(B) 计算机辅助设计", "(C) 计算机集成制造系统", "(D) 计算机辅助教学"},
     .analysis = "英文CAM的含义是计算机辅助制造，CAM是英文Computer Aided Manufacturing简写。"},
    {.number = 5, .stem = "5.汉字国标码规定的汉字编码每个汉字用（）个字节表示。"},
    {.number = 24, .stem = "24下列不属于计算机主要性能指标的是（）."},
};

}  // namespace

extern const UnitTexts kComputerBasicsUnit{
    .name = "计算机基础知识",
    .keys = "ACCCBDADCB" "AABABABCBC" "DCDCCABCAB" "BCDBDCCBDA",
    .rows = kRows,
};

}  // namespace boxi::banks
