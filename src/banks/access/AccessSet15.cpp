// The texts of the Access operation set "操作题（第15套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_15.mdb”，试按以下要求完成设计：",
    "在“窗体1”窗体中添加标签和名称相同的文本框“请输入学号”和“学生姓名”，添加“显示学生姓名”按钮，编写程序实现输入学号后单击“显示学生姓名”按钮后显示学生姓名。要求用Dlookup()函数实现。",
};

}  // namespace

extern const AccessSetTexts kAccessSet15{
    .comprehensive_question = kComprehensive,
};

}  // namespace boxi::banks
