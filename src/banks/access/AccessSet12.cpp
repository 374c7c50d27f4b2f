// The texts of the Access operation set "操作题（第12套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_12.mdb”数据库，其中有“员工”和“部门”两张表。",
    "（1）将“员工”表中“邮政编码”字段的输入掩码设置为只能输入6位数字。",
    "（2）将“员工”表的“部门编号”字段设置为查阅字段，显示“部门”表中的“部门名称”，保存的值为部门编号。",
    "（3）将“员工”表数据表视图的字体设置为“黑体”、字号为11，并将“姓名”列的列宽设置为最佳匹配。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“员工”表,单击“设计”按钮,选中“邮政编码”字段,在“输入掩码”行输入“000000”."};
constexpr std::string_view kBasicStep2[] = {"（2）在“部门编号”字段的“数据类型”列中选择“查阅向导”,选择“使用查阅列查阅表或查询中的值”,单击“下一步”按钮,选择“表: 部门”,单击“下一步”按钮,将“部门编号”和“部门名称”字段移到“选定字段”列表中,按提示单击“下一步”按钮,在列宽设置步骤中保持“隐藏键列”的勾选,继续单击“下一步”按钮直至“完成”,在提示保存表时单击“是”按钮,关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“员工”表,选择“格式”->“字体”,在“字体”对话框中将字体设为“黑体”,字号设为11,单击“确定”按钮;选中“姓名”列,选择“格式”->“列宽”,在“列宽”对话框中单击“最佳匹配”按钮,保存并关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_12.mdb”，里面已经设计好两个表对象：“教师”和“授课”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找职称为“教授”或“副教授”的教师，结果显示“姓名”、“职称”和“系别”字段。",
    "（2）创建查询“Q2”，查找讲授两门及以上课程的教师（按“教师编号”统计“授课”表中“课程编号”的个数），结果显示“姓名”和“授课门数”两列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“教师”表,关闭“显示表”对话框,双击“姓名”、“职称”和“系别”字段,在“职称”字段的“条件”行输入“In (\"教授\",\"副教授\")”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“教师”表和“授课”表,双击“教师”表的“教师编号”、“姓名”字段和“授课”表的“课程编号”字段,选择“视图”->“总计”,“教师编号”和“姓名”的“总计”行保持“分组”,取消“教师编号”字段“显示”行的勾选;将“课程编号”字段的“字段”行改为“授课门数:课程编号”,“总计”行选择“计数”,“条件”行输入“>=2”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_12.mdb”，试按以下要求完成设计：",
    "（1）在窗体“班级查询”中添加一个组合框，名称为“cboClass”，其列表显示“学生”表“班级”字段（文本型）中不重复的值。",
    "（2）编写命令按钮“bOpen”的单击事件：未选择班级时显示消息框“请先选择班级”，否则打开窗体“学生名单”，只显示所选班级的学生。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以设计视图打开“班级查询”窗体,使工具箱中的“控件向导”按钮处于弹起状态,选择“组合框”,在主体节中单击添加组合框,在其属性窗口中将“名称”设为“cboClass”,“行来源类型”设为“表/查询”,“行来源”设为“SELECT DISTINCT 班级 FROM 学生”."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）选中命令按钮“bOpen”,在属性窗口“事件”选项卡的“单击”行中选择“[事件过程]”,单击右侧的“...”按钮,在代码窗口中输入以下代码,保存窗体:",
    "Private Sub bOpen_Click()",
    "    If IsNull(Me!cboClass) Then",
    "        MsgBox \"请先选择班级\"",
    "    Else",
    "        DoCmd.OpenForm \"学生名单\", , , \"班级='\" & Me!cboClass & \"'\"",
    "    End If",
    "End Sub",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet12{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
