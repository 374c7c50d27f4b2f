// The texts of the Access operation set "操作题（第3套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象，单击“新建”按钮，选择“自动创建窗体：纵栏式”，数据来源选择“产品查询”查询，单击确定按钮，最后以“产品信息”为名保存窗体，并关闭该窗体。"};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）在“数据库”窗口中单击“宏”对象，单击“新建”按钮，在操作列选择“Close”，对象类型选择“窗体”，对象名称选择“产品信息”，以“关闭产品信息”为名保存宏。",
    "  单击“窗体”对象，选择“产品信息”窗体，以“设计视图”打开该窗体，在工具箱中选择“命令按钮”，然后在窗体中单击，在命令按钮向导的类别中选择“杂项”，操作中选择“运行宏”，单击“下一步”按钮，选择“关闭产品信息窗体”宏，再单击“下一步”按钮，选择文本输入“退出”，然后单击“完成”按钮即可。",
    "  最后“保存”窗体即可。",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet3{
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
