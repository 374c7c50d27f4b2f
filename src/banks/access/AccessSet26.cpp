// The texts of the Access operation set "操作题（第26套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

// The given answer's third step (freezing, row height, cell effect) has a
// task of its own, so that a learner who follows the answer changes nothing
// unasked.
constexpr std::string_view kBasic[] = {
    "考生文件夹下的“samp1_26.mdb”数据库中已建立“部门信息”和“员工”两个表。",
    "（1）将“部门信息”表的“部门编号”字段设置为主键，字段大小改为4。",
    "（2）以“部门编号”字段建立“部门信息”表与“员工”表之间的一对多关系并实施参照完整性，再将关系图生成报表，以“部门关系”为名保存。",
    "（3）冻结“部门信息”表的“部门名称”列，将行高设置为13，单元格效果设置为“凹陷”。",
};

constexpr std::string_view kBasicStep1[] = {"（1）以“设计视图”打开“部门信息”表,选中“部门编号”字段,单击工具栏上的“主键”按钮,在“字段大小”行输入“4”,保存表,出现数据可能丢失的提示时单击“是”按钮."};
constexpr std::string_view kBasicStep2[] = {"（2）选择“工具”->“关系”,添加“部门信息”表和“员工”表,将“部门信息”表的“部门编号”拖到“员工”表的“部门编号”上,在“编辑关系”对话框中勾选“实施参照完整性”,单击“创建”按钮;选择“文件”->“打印关系”,Access生成关系报表并显示其打印预览,关闭该报表时在保存提示中单击“是”按钮,以“部门关系”为名保存,最后保存并关闭“关系”窗口."};
constexpr std::string_view kBasicStep3[] = {"（3）打开“部门信息”表,选中“部门名称”列,右键单击选择“冻结列”.选择“格式”->“行高”,在“行高”对话框中输入13.选择菜单“格式”->“数据表”->“单元格效果”->“凹陷”."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_26.mdb”，里面已经设计好两个表对象：“客户”和“预订”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找入住天数超过5天的预订，结果显示客户姓名、入住日期、离店日期和“天数”，天数为离店日期与入住日期之差。",
    "（2）创建查询“Q2”，统计每位客户的预订次数（两表以“客户编号”关联，次数按“预订编号”计数），没有预订的客户也要显示（次数为0），结果显示客户姓名和“预订次数”两列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“客户”和“预订”表,双击“客户”表的“客户姓名”和“预订”表的“入住日期”、“离店日期”字段,在下一列的字段行输入“天数: [离店日期]-[入住日期]”,条件行输入“>5”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“客户”和“预订”表(两表间没有联接线时先将“客户”表的“客户编号”拖到“预订”表的“客户编号”上),双击两表间的联接线,在“联接属性”对话框中选择包括“客户”中的所有记录和“预订”中联接字段相等的那些记录的一项,单击“确定”按钮;双击“客户”表的“客户编号”、“客户姓名”和“预订”表的“预订编号”字段,单击“总计”按钮,“预订编号”列的总计行选择“计数”并将字段行改为“预订次数: 预订编号”,取消“客户编号”列“显示”行的勾选,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_26.mdb”，试按以下要求完成设计：",
    "（1）将报表“rScore”中文本框“tScore”的控件来源设置为“成绩”字段，并用条件格式使成绩小于60时以红色字体显示。",
    "（2）在报表“rScore”的报表页眉中添加文本框“tMax”，显示所有记录中的最高成绩。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“rScore”报表,选中文本框“tScore”,在其“属性”对话框中将“控件来源”设为“成绩”;选择“格式”->“条件格式”,条件1选择“字段值为”、“小于”并输入60,单击“字体/前景颜色”按钮选择红色,单击“确定”按钮,保存报表."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）报表页眉未显示时选择“视图”->“报表页眉/页脚”,在工具箱中选择“文本框”,在报表页眉中单击添加文本框,将其“控件来源”设为“=Max([成绩])”,“名称”设为“tMax”,保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

// Step 3 of the basic answer, kept word for word as given.
extern const Lines kBasic26AnswerStep3 = kBasicStep3;

extern const AccessSetTexts kAccessSet26{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
