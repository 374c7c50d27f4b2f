// The texts of the Access operation set "操作题（第13套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

// The validation row of the basic question's field table and the rule
// under it, one slot of two lines.
constexpr std::string_view kValidationSlot =
    "有效性规则|                 男 or 女  >20  "
    "\r\n"
    "----------|--------------------------------";

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_13.mdb”数据库。",
    "（1）在数据库中建立“学生”表，表结构如下：",
    "----------|--------------------------------",
    "字段名称  | 学号    姓名    性别      年龄 ",
    "----------|--------------------------------",
    "数据类型  | 文本    文本    文本      数字 ",
    "字段大小  | 8       10      1         整型 ",
    "默认值    |                 男             ",
    kValidationSlot,
    "（2）按上表设置“年龄”字段的有效性规则，并将其有效性文本设置为“错误,请输入大于20的值”。",
    "（3）在“学生”表中输入以下数据：",
    "----------------------------------",
    " 学号      姓名      性别    年龄 ",
    "----------------------------------",
    " 2010101   赵明轩    男      21   ",
    " 2010102   钱雨桐    女      22   ",
    " 2010103   孙浩然    男      23   ",
    "----------------------------------",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,单击“新建”按钮,在新建表对话框中选择“设计视图”,按照要求建立字段."};
constexpr std::string_view kBasicStep2[] = {"（2）选中年龄字段,在有效性规则行输入“>20”,在有效性文本行输入“错误,请输入大于20的值”."};
constexpr std::string_view kBasicStep3[] = {"（3）打开“学生”表,输入对应数据."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_13.mdb”，里面已经设计好两个表对象：“产品”和“订单明细”。试按以下要求完成设计：",
    "（1）利用查找不匹配项查询向导创建查询“Q1”，查找没有任何订单记录的产品，结果显示“产品编号”和“产品名称”字段。",
    "（2）创建查询“Q2”，统计每种产品的订购总数量（“订单明细”表中“数量”字段之和），结果显示“产品名称”和“总数量”两列，按总数量降序排列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“查找不匹配项查询向导”,单击“确定”按钮,选择“表: 产品”,单击“下一步”按钮,选择“表: 订单明细”,单击“下一步”按钮,在两个字段列表中都选中“产品编号”,单击“<=>”按钮,单击“下一步”按钮,将“产品编号”和“产品名称”移到“选定字段”列表中,单击“下一步”按钮,输入查询名称“Q1”,单击“完成”按钮."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“产品”表和“订单明细”表,双击“产品”表的“产品编号”、“产品名称”字段和“订单明细”表的“数量”字段,选择“视图”->“总计”,“产品编号”和“产品名称”的“总计”行保持“分组”,取消“产品编号”字段“显示”行的勾选;将“数量”字段的“字段”行改为“总数量:数量”,“总计”行选择“总计”,“排序”行选择“降序”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_13.mdb”，试按以下要求完成设计：",
    "在数据库中新建一个模块，编写名为“M”的Sub过程：找出所有等于其各位数字立方和的三位数（例如153=1*1*1+5*5*5+3*3*3），并用消息框逐个显示出来。",
};

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

extern const std::string_view kBasic13ValidationSlot = kValidationSlot;

extern const AccessSetTexts kAccessSet13{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
