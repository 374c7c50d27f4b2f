// The texts of the Access operation set "操作题（第16套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下有一个数据库文件“samp1_16.mdb”。",
    "（1）在数据库中建立新表“产品”，表结构如下：",
    "----------------------------------------",
    "字段名称    数据类型    字段属性",
    "----------------------------------------",
    "产品编号    文本        字段大小6，主键",
    "产品名称    文本        字段大小20",
    "单价        货币        小数位数2",
    "上市日期    日期/时间   格式为短日期",
    "----------------------------------------",
    "（2）设置“单价”字段的有效性规则为大于0，有效性文本为“单价必须大于0”；设置“上市日期”字段的默认值为2008年1月1日。",
    "（3）在“产品”表中输入以下两条记录：",
    "-----------------------------------------------",
    "产品编号  产品名称        单价       上市日期",
    "-----------------------------------------------",
    "P00001    静音台灯        ￥128.00   2008-03-15",
    "P00002    便携风扇        ￥89.50    2008-06-01",
    "-----------------------------------------------",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,双击“使用设计器创建表”,按表结构依次输入字段名称并选择数据类型:“产品编号”和“产品名称”为“文本”,“字段大小”分别设为6和20;“单价”为“货币”,“小数位数”选择2;“上市日期”为“日期/时间”,“格式”选择“短日期”.选中“产品编号”字段,单击工具栏上的“主键”按钮,以“产品”为名保存表."};
constexpr std::string_view kBasicStep2[] = {"（2）在“产品”表的设计视图中选中“单价”字段,在“有效性规则”行输入“>0”,在“有效性文本”行输入“单价必须大于0”;选中“上市日期”字段,在“默认值”行输入“#2008-1-1#”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“产品”表,在数据表视图中逐行输入两条记录,单价只需输入数字128和89.5,货币格式会自动显示为“￥128.00”和“￥89.50”;上市日期按“2008-3-15”的形式输入,输入完毕关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

// Task (1), the two tables it types in, and the task on the new database.
constexpr std::string_view kSimple[] = {
    "（1）创建数据库“Company”，在其中建立“员工信息表”和“每日考勤表”，“员工ID”为“员工信息表”的主键，日期和时间字段为日期/时间型，并输入以下数据：",
    "       员工信息表",
    "---------------------------",
    "员工ID     员工姓名    性别",
    "101        张明远      男",
    "102        李佳琪      女",
    "103        王志刚      男",
    "104        赵雪梅      女",
    "---------------------------",
    "             每日考勤表        ",
    "--------------------------------------",
    "员工ID  日期      上班时间    下班时间",
    "101     2004-3-1  8:05        17:30",
    "102     2004-3-1  8:42        17:35",
    "103     2004-3-1  7:58        17:20",
    "104     2004-3-1  8:36        18:05",
    "--------------------------------------",
    "在上题的Company数据库中,以两张表为数据源创建查询“迟到员工”，显示上班时间晚于8:30的员工的员工ID、员工姓名、日期和上班时间。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）启动Access,选择“文件”->“新建”,在“新建文件”任务窗格中单击“空数据库”,在考生文件夹中以“Company”为文件名创建数据库.双击“使用设计器创建表”,“员工ID”、“员工姓名”、“性别”均为“文本”型,选中“员工ID”单击工具栏上的“主键”按钮,以“员工信息表”为名保存;再建立“每日考勤表”,“员工ID”为“文本”型,“日期”、“上班时间”和“下班时间”为“日期/时间”型,以“每日考勤表”为名保存,提示尚未定义主键时单击“否”按钮.分别打开两个表,输入题中数据."};
constexpr std::string_view kSimpleStep2[] = {"（2）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“员工信息表”和“每日考勤表”,两表间没有联接线时将“员工信息表”的“员工ID”拖到“每日考勤表”的“员工ID”上;双击“员工信息表”的“员工ID”、“员工姓名”和“每日考勤表”的“日期”、“上班时间”字段,在“上班时间”列的条件行输入“>#8:30:00#”,以“迟到员工”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_16.mdb”，试按以下要求完成设计：",
    "在窗体“fCalc”中添加一个文本框“tNum”和一个命令按钮“cmdJudge”（标题为“判断”），编写“判断”按钮的单击事件代码：判断文本框中输入的整数n是否为素数，并用消息框显示“n是素数”或“n不是素数”（n小于2时不是素数）。",
};

constexpr std::string_view kComprehensiveStep1[] = {
    "以“设计视图”打开“fCalc”窗体,在工具箱中选择“文本框”添加一个文本框,在其“属性”对话框“其他”选项卡的“名称”行输入“tNum”;关闭“控件向导”后添加一个命令按钮,名称设为“cmdJudge”,标题设为“判断”,在其“单击”事件行选择“[事件过程]”,单击生成器按钮,加入如下代码:",
    "Private Sub cmdJudge_Click()",
    "    Dim n As Long, i As Long, s As String",
    "    n = Val(Nz(Me!tNum, 0))",
    "    s = \"是素数\"",
    "    If n < 2 Then s = \"不是素数\"",
    "    For i = 2 To n \\ 2",
    "        If n Mod i = 0 Then s = \"不是素数\"",
    "    Next i",
    "    MsgBox n & s",
    "End Sub ",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1};

}  // namespace

extern const AccessSetTexts kAccessSet16{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
