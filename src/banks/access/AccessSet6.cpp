// The texts of the Access operation set "操作题（第6套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）使用数据库向导在考生文件夹中创建“资产追踪”数据库，向导中的各项均取默认设置。",
    "（2）在“资产追踪”数据库中新建“办公设备”表，包含设备编号、设备名称、型号、购置日期、单价、使用部门、保管人和状态8个字段，“设备编号”为主键，“购置日期”为日期/时间型，“单价”为货币型，其余为文本型。",
    "（3）在“办公设备”表中输入以下记录（表格分两段列出同一条记录）：",
    "--------------------------------------------",
    " 设备编号  设备名称    型号      购置日期   ",
    "--------------------------------------------",
    " SB0012    激光打印机  LJ-2200   2008-03-15 ",
    // The second half of the record: one slot of five lines.
    "--------------------------------------------\r\n"
    " 单价        使用部门  保管人    状态       \r\n"
    "--------------------------------------------\r\n"
    " ￥2680.00   财务部    陈思远    在用       \r\n"
    "--------------------------------------------",
};

constexpr std::string_view kBasicStep1[] = {"（1）选择“文件”->“新建”,在“新建文件”任务窗格中单击“本机上的模板”,在“模板”对话框的“数据库”选项卡中选择“资产追踪”,单击“确定”按钮,在“文件新建数据库”对话框中选择考生文件夹,文件名输入“资产追踪”,单击“创建”按钮,在数据库向导中连续单击“下一步”按钮,最后单击“完成”按钮."};
constexpr std::string_view kBasicStep2[] = {
    "（2）关闭向导打开的切换面板窗体,还原“数据库”窗口.",
    "  单击“表”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,依次输入8个字段的名称,将“购置日期”的数据类型设为“日期/时间”,“单价”设为“货币”,其余保持“文本”;选中“设备编号”字段,单击工具栏上的“主键”按钮,以“办公设备”为名保存表并关闭设计视图.",
};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“办公设备”表,按表中两段数据输入这一条记录(单价输入2680),关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_6.mdb”，里面已经设计好两个表对象：“客户”和“订单”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，按“客户编号”统计每个客户的订单总金额（“订单”表中“金额”字段之和），结果显示“客户名称”和“订单总额”两列。",
    "（2）创建查询“Q2”，查找金额最高的5份订单，结果显示“订单编号”、“客户名称”和“金额”字段，按金额从高到低排列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“客户”表和“订单”表,关闭“显示表”对话框.双击“客户”表的“客户编号”、“客户名称”字段和“订单”表的“金额”字段,选择“视图”->“总计”,“客户编号”和“客户名称”的“总计”行保持“分组”,取消“客户编号”字段“显示”行的勾选;将“金额”字段的“字段”行改为“订单总额:金额”,“总计”行选择“总计”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“客户”表和“订单”表,双击“订单编号”、“客户名称”和“金额”字段,在“金额”字段的“排序”行选择“降序”,在工具栏的“上限值”框中输入5,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_6.mdb”，试按以下要求完成设计：",
    "（1）将窗体“求和”的标题设置为“累加求和”，并将窗体中文本框“tResult”的“是否锁定”属性设置为“是”。",
    "（2）编写命令按钮“bCalc”的单击事件：计算1+2+...+n的值并显示在文本框“tResult”中，n为文本框“tNum”中输入的正整数（不超过1000）。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,选中“求和”窗体,单击“设计”按钮,选择“视图”->“属性”,在“窗体”属性窗口的“格式”选项卡中将“标题”设为“累加求和”;选中文本框“tResult”,在其“数据”选项卡中将“是否锁定”设为“是”."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）选中命令按钮“bCalc”,在属性窗口“事件”选项卡的“单击”行中选择“[事件过程]”,单击右侧的“...”按钮,在代码窗口中输入以下代码,保存窗体:",
    "Private Sub bCalc_Click()",
    "    Dim n As Integer, i As Integer",
    "    Dim s As Long",
    "    n = Val(Nz(Me!tNum, 0))",
    "    s = 0",
    "    For i = 1 To n",
    "        s = s + i",
    "    Next i",
    "    Me!tResult = s",
    "End Sub",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet6{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
