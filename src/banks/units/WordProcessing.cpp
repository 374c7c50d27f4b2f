#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr UnitRow kRows[] = {
    {.number = 9,
     .stem = "9.把单词cta改成cat,再把teh改成the后，单击“撤消上一次”按钮会显示（）。",
     .choices = {"(A)cta", "(B)cat", "(C)teh", "(D)the"},
     .analysis = "“撤消上一次”按钮会显示最近一次的撤消前结果，因此会显示teh。"},
    {.number = 31,
     .stem = "31.在Word表格中，如果键入的文本超过单元格的宽度时，则________。",
     .choices = {"(A) 前面的文字被挤出单元格左边线而删除", "(B) 将自动换行，单元格所在行的高度相应增高",
                 "(C) 将自动增加单元格的宽度", "(D) 显示“单元格宽度不足”的信息"},
     .analysis = "在Word表格中，如果键入的文本超过单元格的宽度时，则将自动换行，单元格所在行的高度相应增高。"},
};

}  // namespace

extern const UnitTexts kWordProcessingUnit{
    .name = "Word文字处理",
    .keys = "DCDCAADBCC" "CBACACAACD" "CBCDCCBCDC" "BADACBCCDD",
    .rows = kRows,
};

}  // namespace boxi::banks
