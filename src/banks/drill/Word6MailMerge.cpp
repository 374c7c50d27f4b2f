// 利用Word 2010高效创建电子文档 / 使用邮件合并技术批量处理文档:
// 2 questions; no question has a blank after the option letter; analysis paragraphs begin with
// three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 1,
     .stem = "1.在Word 2010中用邮件合并批量制作邀请函时，主文档中随每位来宾而变化的姓名应通过（）加入。",
     .options = {"(A)插入书签", "(B)插入题注", "(C)插入交叉引用", "(D)插入合并域"},
     .analysis = "   邮件合并时，主文档中固定不变的内容直接输入，随收件人变化的内容（如姓名、称谓）要在选择数据源后，用“邮件”选项卡“编写和插入域”组中的“插入合并域”插入对应的字段，合并时Word逐条用数据源中的记录替换这些域。书签和题注都不能从数据源取值。"},
    {.number = 2,
     .stem = "2.在Word 2010中完成邮件合并时，要把所有收件人的信函合并到一个新文档中，以便逐份查看和修改，应使用（）。",
     .options = {"(A)“完成并合并”中的“打印文档”", "(B)“完成并合并”中的“发送电子邮件”",
                 "(C)“预览结果”组中的“预览结果”", "(D)“完成并合并”中的“编辑单个文档”"},
     .analysis = "   单击“邮件”选项卡“完成”组中的“完成并合并”，选择“编辑单个文档”，在“合并到新文档”对话框中选择“全部”记录，Word会生成一个包含所有信函的新文档，可以逐份修改后再保存或打印。“预览结果”只在主文档中逐条显示合并效果，不生成新文档。"},
};

}  // namespace

extern const DrillRows kDrillWordMailMerge = kRows;

}  // namespace boxi::banks
