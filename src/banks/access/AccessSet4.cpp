// The texts of the Access operation set "操作题（第4套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_4.mdb”数据库。",
    "（1）将“图书”表中“入库日期”字段的默认值设置为系统当前日期。",
    "（2）设置“图书”表中“定价”字段的有效性规则为大于0且不超过500，有效性文本为“定价必须大于0且不超过500”。",
    "（3）以“图书”表为数据源创建纵栏式数据访问页，以“图书信息”为文件名保存在考生文件夹中。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“图书”表,单击“设计”按钮,选中“入库日期”字段,在“默认值”行输入“Date()”."};
constexpr std::string_view kBasicStep2[] = {"（2）选中“定价”字段,在“有效性规则”行输入“>0 And <=500”,在“有效性文本”行输入“定价必须大于0且不超过500”,保存表,在是否用新规则检查现有数据的提示框中单击“是”按钮,关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）在“数据库”窗口中单击“页”对象,单击“新建”按钮,选择“自动创建数据页：纵栏式”,数据来源选择“图书”表,单击“确定”按钮.选择“文件”->“保存”,在“另存为数据访问页”对话框中选择考生文件夹,文件名输入“图书信息”,单击“保存”按钮,若出现有关连接路径的提示,单击“确定”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_4.mdb”，里面已经设计好三个表对象：“学生”、“课程”和“成绩”。试按以下要求完成设计：",
    "（1）创建交叉表查询“Q1”，统计各班级每门课程的平均成绩，行标题为“班级”，列标题为“课程名称”。",
    "（2）创建查询“Q2”，查找成绩不及格（低于60分）的记录，结果显示“姓名”、“课程名称”和“成绩”字段。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“学生”、“课程”和“成绩”表,关闭“显示表”对话框.选择“查询”->“交叉表查询”,双击“班级”、“课程名称”和“成绩”字段:“班级”的“总计”行为“分组”,“交叉表”行选择“行标题”;“课程名称”的“总计”行为“分组”,“交叉表”行选择“列标题”;“成绩”的“总计”行选择“平均值”,“交叉表”行选择“值”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,在设计视图中添加“学生”、“课程”和“成绩”表,双击“姓名”、“课程名称”和“成绩”字段,在“成绩”字段的“条件”行输入“<60”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_4.mdb”，里面已经设计好两个表对象“课程”和“教师”、查询对象“课程查询”以及窗体对象“课程浏览”。试按以下要求完成设计：",
    "（1）将窗体“课程浏览”的记录源设置为查询“课程查询”。",
    "（2）在窗体页眉节中添加一个标签，名称为“lTitle”，标题为“课程信息浏览”，字号为16。",
    "（3）在窗体主体节中添加一个命令按钮，名称为“bNext”，标题为“下一条”，单击该按钮时移到下一条记录。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,选中“课程浏览”窗体,单击“设计”按钮,选择“视图”->“属性”,在“窗体”属性窗口的“数据”选项卡中将“记录源”设为“课程查询”."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）若未显示窗体页眉,选择“视图”->“窗体页眉/页脚”.在工具箱中选择“标签”,在窗体页眉节中单击并输入“课程信息浏览”,在其属性窗口中将“名称”设为“lTitle”,“字号”设为16."};
constexpr std::string_view kComprehensiveStep3[] = {"（3）确认工具箱中的“控件向导”按钮已按下,选择“命令按钮”,在主体节中单击,在命令按钮向导中类别选择“记录导航”,操作选择“转至下一项记录”,单击“下一步”按钮,选择“文本”并输入“下一条”,单击“下一步”按钮,输入按钮名称“bNext”,单击“完成”按钮,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2, kComprehensiveStep3};

}  // namespace

extern const AccessSetTexts kAccessSet4{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
