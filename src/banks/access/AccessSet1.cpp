// The texts of the Access operation set "操作题（第1套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建“职工.mdb”数据库，将考生文件夹下的“worker.xls”和“项目.xls”导入，第一行包含列标题，不设主键，导入表分别命名为“职工”和“项目”。",
    "（2）将“职工”表的“职工编号”字段设置为主键，“姓名”字段设置为必填字段。",
    "（3）为“项目”表的“职工编号”字段设置有重复索引，将“项目名称”字段的字段大小改为30，并删除该表的“备注”字段。",
};

constexpr std::string_view kBasicStep1[] = {
    "（1）选择“文件”->“新建”,在“新建文件”任务窗格中单击“空数据库”,在“文件新建数据库”对话框中选择考生文件夹,输入文件名“职工”,单击“创建”按钮.选择“文件”->“获取外部数据”->“导入”,文件类型选择“Microsoft Excel”,选中“worker.xls”,单击“导入”按钮,在导入数据表向导中勾选“第一行包含列标题”,数据保存在“新表中”,主键选择“不要主键”,导入到表“职工”,单击“完成”按钮.",
    "  用同样的方法导入“项目.xls”,表名为“项目”.",
};
constexpr std::string_view kBasicStep2[] = {"（2）在“数据库”窗口中选中“职工”表,单击“设计”按钮,选中“职工编号”字段,单击工具栏上的“主键”按钮;选中“姓名”字段,在“常规”选项卡中将“必填字段”设为“是”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）以设计视图打开“项目”表,选中“职工编号”字段,将“索引”属性设为“有(有重复)”;选中“项目名称”字段,将“字段大小”设为30;选中“备注”字段,选择“编辑”->“删除行”,在提示框中单击“是”按钮.保存表,在有关数据可能丢失的提示框中单击“是”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_1.mdb”，里面已经设计好两个表对象：“部门”表和“工资”表。试按以下要求完成设计：",
    "（1）以部门表和工资表为数据源，创建查询“Q1”，查询研发部人员的基本工资，结果显示部门名称、员工姓名和基本工资字段。",
    "（2）建立一个参数查询Q2，通过输入员工ID显示员工的工资情况。参数提示为“请输入员工ID”，结果显示员工姓名、基本工资、奖金、岗位工资和保险金字段。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,在“显示表”对话框中添加“部门”表和“工资”表,关闭对话框(两表之间应有联接线,若没有,将两表中对应的部门字段拖动相连).双击“部门名称”、“员工姓名”和“基本工资”字段,在“部门名称”字段的“条件”行输入“研发部”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,在设计视图中添加“工资”表,双击“员工ID”、“员工姓名”、“基本工资”、“奖金”、“岗位工资”和“保险金”字段,在“员工ID”字段的“条件”行输入“[请输入员工ID]”,并取消该字段“显示”行的勾选,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_1.mdb”，里面已经设计好表对象“学生”和窗体对象“学生信息”。试按以下要求完成设计：",
    "（1）将窗体“学生信息”的标题设置为“学生基本信息”，并取消窗体的记录选择器和分隔线。",
    "（2）在窗体页脚节中添加一个命令按钮，名称为“bClose”，标题为“关闭”，单击该按钮时关闭“学生信息”窗体。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,选中“学生信息”窗体,单击“设计”按钮,选择“视图”->“属性”,在“窗体”属性窗口的“格式”选项卡中将“标题”设为“学生基本信息”,“记录选择器”设为“否”,“分隔线”设为“否”."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）若窗体未显示页脚,选择“视图”->“窗体页眉/页脚”.确认工具箱中的“控件向导”按钮已按下,选择“命令按钮”,在窗体页脚节中单击,在命令按钮向导中类别选择“窗体操作”,操作选择“关闭窗体”,单击“下一步”按钮,选择“文本”并输入“关闭”,单击“下一步”按钮,输入按钮名称“bClose”,单击“完成”按钮,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet1{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
