// The texts of the Access operation set "操作题（第21套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下有一个名为“samp1_21.mdb”的数据库，其中有“产品”表。",
    "（1）将“产品”表中“产品名称”列的列宽设置为20，并冻结该列。",
    "（2）将“产品”表数据表的背景色设置为“黄色”，网格线颜色设置为“蓝色”。",
    "（3）删除“产品”表中“停产”字段值为“是”的全部记录。",
};

constexpr std::string_view kBasicStep1[] = {"（1）双击打开“产品”表,选中“产品名称”列,选择“格式”->“列宽”,在“列宽”对话框中输入20,单击“确定”按钮;保持该列选中,选择“格式”->“冻结列”,关闭表时保存对表布局的更改."};
constexpr std::string_view kBasicStep2[] = {"（2）在“产品”表的数据表视图中选择“格式”->“数据表”,在“设置数据表格式”对话框中“背景色”选择“黄色”,“网格线颜色”选择“蓝色”,单击“确定”按钮,关闭表时保存对表布局的更改."};
constexpr std::string_view kBasicStep3[] = {"（3）打开“产品”表,选择“记录”->“筛选”->“高级筛选/排序”,将“停产”字段拖到设计网格中,在条件行输入“True”,选择“筛选”->“应用筛选/排序”;选择“编辑”->“选择所有记录”,按Delete键,在提示框中单击“是”按钮,最后选择“记录”->“取消筛选/排序”."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_21.mdb”，里面已经设计好两个表对象：“客户”和“订单”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找“订购日期”在2009年1月1日至3月31日之间下过订单的客户，每位客户只显示一次，结果显示客户编号、客户名称和电话字段。",
    "（2）创建追加查询“Q2”，将“订单”表中“订购日期”在2009年的订单记录追加到已有的“订单备份”表中，并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“客户”和“订单”表,双击“客户”表的“客户编号”、“客户名称”、“电话”和“订单”表的“订购日期”字段,在“订购日期”列的条件行输入“Between #2009-1-1# And #2009-3-31#”并取消该列“显示”行的勾选;右键单击设计视图上部的空白处,选择“属性”,在“查询属性”对话框中将“唯一值”设为“是”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“订单”表,选择“查询”->“追加查询”,表名称选择“订单备份”,单击“确定”按钮;双击字段列表中的“*”,在下一列的字段行输入“Year([订购日期])”,条件行输入“2009”,并清空该列的“追加到”行;单击工具栏上的“运行”按钮并在提示框中单击“是”按钮,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_21.mdb”，试按以下要求完成设计：",
    "（1）在窗体“fStaff”中添加一个组合框“cDept”，其行来源为“部门”表的“部门名称”字段。",
    "（2）创建查询“qStaff”，显示“员工”表中“部门”字段值等于“fStaff”窗体组合框“cDept”中所选部门的员工的姓名和职务。",
    "（3）在窗体“fStaff”中添加命令按钮“cmdQuery”，标题为“查询”，单击时运行宏“mQuery”打开查询“qStaff”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“fStaff”窗体,关闭“控件向导”后在工具箱中选择“组合框”,在窗体中单击添加组合框,在其“属性”对话框中将“名称”设为“cDept”,“行来源类型”选择“表/查询”,“行来源”输入“SELECT 部门名称 FROM 部门”,保存窗体."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“员工”表,双击“姓名”、“职务”和“部门”字段,在“部门”列的条件行输入“[Forms]![fStaff]![cDept]”,取消该列“显示”行的勾选,以“qStaff”为名保存查询."};
constexpr std::string_view kComprehensiveStep3[] = {
    "（3）单击“宏”对象,单击“新建”按钮,在“操作”列选择“OpenQuery”,“查询名称”选择“qStaff”,以“mQuery”为名保存宏.",
    "  以“设计视图”打开“fStaff”窗体,在关闭“控件向导”的状态下添加一个命令按钮,将其“名称”设为“cmdQuery”,“标题”设为“查询”,在“单击”事件行选择“mQuery”,保存窗体.",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2, kComprehensiveStep3};

}  // namespace

extern const AccessSetTexts kAccessSet21{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
