// The texts of the Access operation set "操作题（第13套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,单击“新建”按钮,在新建表对话框中选择“设计视图”,按照要求建立字段."};
constexpr std::string_view kBasicStep2[] = {"（2）选中年龄字段,在有效性规则行输入“>20”,在有效性文本行输入“错误,请输入大于20的值”."};
constexpr std::string_view kBasicStep3[] = {"（3）打开“学生”表,输入对应数据."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kComprehensiveStep1[] = {
    "（1）在“数据库”窗口中单击“模块”对象,单击“新建”按钮进入VBA环境,加入如下代码:",
    "Public Sub M()",
    "    Dim i,a,b As Integer",
    "    i = 100",
    "    Do While i<999",
    "        a=i\\100",
    "        b=i\\10-a * 10",
    "        c =i-b*10-a*100",
    "        If(i=a*a*a+b*b*b+c*c*c) Then",
    "             MsgBox i",
    "        End If",
    "        i=i+1",
    "    Loop",
    "End Sub ",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1};

}  // namespace

// The validation row of the basic question's field table and the rule under
// it, one slot of two lines; the question's other slots are still to come.
extern const std::string_view kBasic13ValidationSlot =
    "有效性规则|                 男 or 女  >20  "
    "\r\n"
    "----------|--------------------------------";

extern const AccessSetTexts kAccessSet13{
    .basic_answer = kBasicAnswer,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
