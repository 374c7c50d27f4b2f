// The texts of the Access operation set "操作题（第19套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_19.mdb”数据库，其中有“雇员”表。",
    "（1）将“雇员”表中“性别”字段的默认值设置为“男”，有效性规则设置为只能输入“男”或“女”。",
    "（2）在“雇员”表中添加字段“电子邮件”，数据类型为“文本”，字段大小为40，并设置有效性规则使输入的值必须含有“@”字符。",
    "（3）将“雇员”表导出到考生文件夹中，保存为Excel文件“雇员.xls”。",
};

constexpr std::string_view kBasicStep1[] = {"（1）以“设计视图”打开“雇员”表,选中“性别”字段,在“默认值”行输入“\"男\"”,在“有效性规则”行输入“\"男\" Or \"女\"”,保存表."};
constexpr std::string_view kBasicStep2[] = {"（2）在“雇员”表的设计视图中,在第一个空行的“字段名称”列输入“电子邮件”,“数据类型”选择“文本”,“字段大小”设为40,在“有效性规则”行输入“Like \"*@*\"”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）在“数据库”窗口中选中“雇员”表,选择“文件”->“导出”,保存位置选择考生文件夹,“保存类型”选择“Microsoft Excel 97-2003”,文件名输入“雇员.xls”,单击“导出”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_19.mdb”，里面已经设计好两个表对象：“学生”和“成绩”。试按以下要求完成设计：",
    "（1）创建参数查询“Q1”，运行时显示提示“请输入班级”，按输入的班级显示该班学生的学号、姓名和班级字段。",
    "（2）创建生成表查询“Q2”，将成绩在90分以上（含90分）的学生的学号、姓名和成绩存入新表“优秀学生”，并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“学生”表,双击“学号”、“姓名”和“班级”字段,在“班级”列的条件行输入“[请输入班级]”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“学生”和“成绩”表,双击“学生”表的“学号”、“姓名”和“成绩”表的“成绩”字段,在“成绩”列的条件行输入“>=90”;选择“查询”->“生成表查询”,表名称输入“优秀学生”,选择“当前数据库”,单击“确定”按钮;单击工具栏上的“运行”按钮并在提示框中单击“是”按钮,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_19.mdb”，试按以下要求完成设计：",
    "（1）以“教师”表为数据源，用报表向导创建报表“教师报表”，按“职称”分组，显示职称、工号、姓名和基本工资字段。",
    "（2）在“教师报表”中添加“职称”组页脚，并在其中添加文本框“tAvg”，显示该职称教师的平均基本工资。",
    "（3）将“教师报表”的页面设置为横向打印，上、下页边距均为20毫米。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“报表”对象,双击“使用向导创建报表”,在“表/查询”中选择“表: 教师”,将“职称”、“工号”、“姓名”和“基本工资”移到“选定的字段”中,单击“下一步”;双击“职称”将其添加为分组级别,单击“下一步”,以后各步保持默认并单击“下一步”,标题输入“教师报表”,单击“完成”按钮."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）以“设计视图”打开“教师报表”,选择“视图”->“排序与分组”,选中“职称”行,在下方“组属性”的“组页脚”行选择“是”,关闭“排序与分组”对话框;",
    "  在工具箱中选择“文本框”,在“职称页脚”节中单击添加文本框,将其“控件来源”设为“=Avg([基本工资])”,“名称”设为“tAvg”,保存报表.",
};
constexpr std::string_view kComprehensiveStep3[] = {"（3）以“设计视图”打开“教师报表”,选择“文件”->“页面设置”,在“页”选项卡中将“方向”选择“横向”,在“边距”选项卡中将“上”和“下”均设为20,单击“确定”按钮,保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2, kComprehensiveStep3};

}  // namespace

extern const AccessSetTexts kAccessSet19{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
