// 利用Word 2010高效创建电子文档 / 创建并编辑文档:
// 11 questions; every question has one blank after the option letter; analysis paragraphs begin
// with three blanks (four in question 11).
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 6,
     .stem = "6. 设Windows处于系统默认状态，在Word编辑状态下，移动鼠标至文档文首空白处（文本选定区）连击左键三下，结果会选择文档的（）。",
     .options = {"(A) 一句话  ", "(B) 一行    ", "(C) 一段   ", "(D) 全文   "}},
};

}  // namespace

extern const DrillRows kDrillWordEditing = kRows;

}  // namespace boxi::banks
