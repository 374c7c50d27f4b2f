// 利用Word 2010高效创建电子文档 / 文档的修订与共享:
// 2 questions; no question has a blank after the option letter; analysis paragraphs begin with
// three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 1,
     .stem = "1.在Word 2010中，要让他人对文档所做的每一处增删改都被记录下来并以标记显示，应先单击“审阅”选项卡中的（）按钮。",
     .options = {"(A)新建批注", "(B)修订", "(C)比较", "(D)限制编辑"},
     .analysis = "   单击“审阅”选项卡“修订”组中的“修订”按钮（或按Ctrl+Shift+E）进入修订状态，此后插入、删除和格式修改都会以修订标记显示，作者可以用“更改”组中的“接受”或“拒绝”逐条处理。“新建批注”只是在文档旁添加意见，不记录对正文的修改。"},
    {.number = 2,
     .stem = "2.在Word 2010中，要把一份合同的原稿和另存修改后的稿子对照，由Word自动标出两者的不同之处，应使用“审阅”选项卡中的（）。",
     .options = {"(A)修订", "(B)拼写和语法", "(C)字数统计", "(D)比较"},
     .analysis = "   单击“审阅”选项卡“比较”组中的“比较”按钮，选择“比较”，指定原文档和修订的文档，Word会生成一个比较结果文档，用修订标记标出两稿的差异。“修订”只记录开启之后所做的修改，对已经改好的两份文档无法找出差别。"},
};

}  // namespace

extern const DrillRows kDrillWordReview = kRows;

}  // namespace boxi::banks
