// The texts of the Access operation set "操作题（第20套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建“学生.mdb”数据库，将考生文件夹下的“学生.xls”导入,第一行包含列标题,将学号设置为主键,将导入表命名为“学生”。",
    "（2）为“学生姓名”字段设置有重复索引。",
    "（3）为“学生”表保存窗体类型的副本。",
};

constexpr std::string_view kBasicStep1[] = {"（1）启动Access,选择“文件”->“新建”,在“新建文件”任务窗格中单击“空数据库”,在考生文件夹中以“学生.mdb”为名创建数据库;选择“文件”->“获取外部数据”->“导入”,文件类型选择“Microsoft Excel”,选中“学生.xls”,单击“导入”按钮;在“导入数据表向导”中勾选“第一行包含列标题”,选择“新表中”,在主键页选择“我自己选择主键”并在其右侧的列表中选择“学号”,导入到表输入“学生”,单击“完成”按钮."};
constexpr std::string_view kBasicStep2[] = {"（2）以“设计视图”打开“学生”表,选中“学生姓名”字段,在“常规”选项卡的“索引”行选择“有(有重复)”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）在“数据库”窗口中选中“学生”表,选择“文件”->“另存为”,在“另存为”对话框中保留默认名称,“保存类型”选择“窗体”,单击“确定”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_20.mdb”，里面已经设计好两个表对象：“教师”和“授课”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找“工作时间”在1995年1月1日以前（不含当日）的教师，结果显示教师编号、姓名和工作时间字段。",
    "（2）创建查询“Q2”，显示每位教师的姓名及其讲授课程的“课程编号”（两表以“教师编号”关联），结果先按姓名升序排列，姓名相同时再按课程编号降序排列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“教师”表,双击“教师编号”、“姓名”和“工作时间”字段,在“工作时间”列的条件行输入“<#1995-1-1#”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“教师”和“授课”表(两表间没有联接线时,将“教师”表的“教师编号”拖到“授课”表的“教师编号”上),双击“教师”表的“姓名”和“授课”表的“课程编号”字段,“姓名”列的排序行选择“升序”,“课程编号”列的排序行选择“降序”(设计网格中靠左的列先排序),以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_20.mdb”，试按以下要求完成设计：",
    "（1）创建宏“mOpen”，以只读方式打开“课程”表的数据表视图。",
    "（2）创建一个在打开数据库时自动运行的宏，弹出消息框显示“欢迎使用课程管理系统”。",
    "（3）在窗体“fMain”中添加命令按钮“cmdOpen”，标题为“打开课程”，单击该按钮时运行宏“mOpen”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“宏”对象,单击“新建”按钮,在“操作”列选择“OpenTable”,在下方的操作参数中“表名称”选择“课程”,“视图”选择“数据表”,“数据模式”选择“只读”,以“mOpen”为名保存宏."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）新建宏,在“操作”列选择“MsgBox”,在“消息”参数中输入“欢迎使用课程管理系统”,以“AutoExec”为名保存宏,下次打开数据库时该宏自动运行."};
constexpr std::string_view kComprehensiveStep3[] = {"（3）以“设计视图”打开“fMain”窗体,关闭工具箱中的“控件向导”后选择“命令按钮”,在窗体中单击添加按钮,在其“属性”对话框中将“名称”设为“cmdOpen”,“标题”设为“打开课程”,在“事件”选项卡的“单击”行选择“mOpen”,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2, kComprehensiveStep3};

}  // namespace

extern const AccessSetTexts kAccessSet20{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
