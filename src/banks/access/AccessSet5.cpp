// The texts of the Access operation set "操作题（第5套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_5.mdb”数据库，其中有“教师”和“课程”两张表。",
    "（1）将“教师”表中“工作时间”字段的格式设置为“长日期”。",
    "（2）将“教师”表中“职称”字段的默认值设置为“讲师”，并将该字段的字段大小改为6。",
    "（3）通过“教师编号”字段建立“教师”表与“课程”表之间的一对多关系，实施参照完整性，级联更新相关字段。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“教师”表,单击“设计”按钮,选中“工作时间”字段,在“格式”下拉列表中选择“长日期”."};
constexpr std::string_view kBasicStep2[] = {"（2）选中“职称”字段,在“默认值”行输入“讲师”,将“字段大小”设为6,保存表,在有关数据可能丢失的提示框中单击“是”按钮,关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）选择“工具”->“关系”,在“显示表”对话框中添加“教师”表和“课程”表,关闭对话框,将“教师”表的“教师编号”字段拖到“课程”表的“教师编号”字段上,在“编辑关系”对话框中勾选“实施参照完整性”和“级联更新相关字段”,单击“创建”按钮,保存关系."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_5.mdb”，里面已经设计好两个表对象：“部门”和“职工”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找姓“王”的职工（两表以“部门编号”关联），结果显示“职工编号”、“姓名”和“部门名称”字段。",
    "（2）创建生成表查询“Q2”，将“销售部”职工的“职工编号”、“姓名”和“基本工资”保存到新表“销售部职工”中（两表以“部门编号”关联），并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“部门”表和“职工”表,关闭“显示表”对话框(两表间没有联接线时,将“部门”表的“部门编号”拖到“职工”表的“部门编号”上),双击“职工编号”、“姓名”和“部门名称”字段,在“姓名”字段的“条件”行输入“Like \"王*\"”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,在设计视图中添加“部门”表和“职工”表(两表间没有联接线时,同样拖动“部门编号”建立联接),选择“查询”->“生成表查询”,在“生成表”对话框中输入表名称“销售部职工”,选择“当前数据库”,单击“确定”按钮.双击“职工编号”、“姓名”、“基本工资”和“部门名称”字段,在“部门名称”字段的“条件”行输入“销售部”,并取消其“显示”行的勾选,以“Q2”为名保存查询.选择“查询”->“运行”,在提示框中单击“是”按钮."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_5.mdb”，试按以下要求完成设计：",
    "（1）窗体“登录”中有文本框“tUser”和“tPwd”，将“tPwd”的输入掩码设置为“密码”，使输入的字符显示为星号。",
    "（2）编写“登录”窗体中命令按钮“bOk”的单击事件：用户名为“admin”且密码为“8888”时显示消息框“欢迎使用”，否则显示消息框“用户名或密码错误”并清空两个文本框。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,选中“登录”窗体,单击“设计”按钮,选中文本框“tPwd”,选择“视图”->“属性”,在“数据”选项卡中单击“输入掩码”行右侧的“...”按钮,在输入掩码向导中选择“密码”,单击“完成”按钮."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）选中命令按钮“bOk”,在属性窗口“事件”选项卡的“单击”行中选择“[事件过程]”,单击右侧的“...”按钮,在代码窗口中输入以下代码,保存窗体:",
    "Private Sub bOk_Click()",
    "    If Me!tUser = \"admin\" And Me!tPwd = \"8888\" Then",
    "        MsgBox \"欢迎使用\"",
    "    Else",
    "        MsgBox \"用户名或密码错误\"",
    "        Me!tUser = Null",
    "        Me!tPwd = Null",
    "    End If",
    "End Sub ",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet5{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
