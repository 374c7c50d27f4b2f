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
    "（2）在SQL视图中创建查询“Q2”，查找成绩在90分以上（含90分）的学生的学号、姓名和成绩（两表以“学号”关联），结果按成绩降序排列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“学生”表,双击“学号”、“姓名”和“班级”字段,在“班级”列的条件行输入“[请输入班级]”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,关闭“显示表”对话框,选择“视图”->“SQL视图”,输入“SELECT 学生.学号, 学生.姓名, 成绩.成绩 FROM 学生 INNER JOIN 成绩 ON 学生.学号 = 成绩.学号 WHERE 成绩.成绩>=90 ORDER BY 成绩.成绩 DESC;”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_19.mdb”，试按以下要求完成设计：",
    "（1）以“教师”表为数据源，用报表向导创建报表“教师报表”，按“职称”分组，显示职称、工号、姓名和基本工资字段。",
    "（2）设置“教师报表”中“职称”分组的“保持同页”属性，使每个职称分组的全部内容尽量打印在同一页上。",
    "（3）将“教师报表”的页面设置为横向打印，上、下页边距均为20毫米。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“报表”对象,双击“使用向导创建报表”,在“表/查询”中选择“表: 教师”,将“职称”、“工号”、“姓名”和“基本工资”移到“选定的字段”中,单击“下一步”;双击“职称”将其添加为分组级别,单击“下一步”,以后各步保持默认并单击“下一步”,标题输入“教师报表”,单击“完成”按钮."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）以“设计视图”打开“教师报表”,选择“视图”->“排序与分组”,在“排序与分组”对话框中选中“职称”行;",
    "  在下方“组属性”的“保持同页”行选择“所有的节”,关闭对话框,保存报表.",
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
