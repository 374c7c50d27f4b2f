// The texts of the Access operation set "操作题（第23套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_23.mdb”数据库，其中有“学生”和“成绩”两张表。",
    "（1）将“学生”表中“入校时间”字段的格式设置为“中日期”，有效性规则设置为不能晚于系统当前日期，有效性文本为“入校时间不能晚于今天”。",
    "（2）将“学生”表中“简历”字段的数据类型改为“备注”。",
    "（3）将考生文件夹下“补考成绩.xls”中的数据追加到“成绩”表中，其第一行为列标题。",
};

constexpr std::string_view kBasicStep1[] = {"（1）以“设计视图”打开“学生”表,选中“入校时间”字段,在“格式”行选择“中日期”,在“有效性规则”行输入“<=Date()”,在“有效性文本”行输入“入校时间不能晚于今天”,保存表."};
constexpr std::string_view kBasicStep2[] = {"（2）在“学生”表的设计视图中选中“简历”字段,在“数据类型”列选择“备注”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）选择“文件”->“获取外部数据”->“导入”,文件类型选择“Microsoft Excel”,选中考生文件夹下的“补考成绩.xls”,单击“导入”按钮;在“导入数据表向导”中选中数据所在的工作表,单击“下一步”,勾选“第一行包含列标题”,单击“下一步”,选择“现有的表中”并在列表中选择“成绩”,单击“下一步”,再单击“完成”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_23.mdb”，里面已经设计好三个表对象：“图书”、“读者”和“借阅”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，显示全部图书的书名、定价和“价位”三列，定价在50元以上（含50元）的图书“价位”显示“高”，否则显示“低”。",
    "（2）创建查询“Q2”，查找借阅日期距今已超过30天且“是否归还”字段值为“否”的借阅记录（“借阅”表以“读者编号”关联“读者”表，以“图书编号”关联“图书”表），结果显示读者的姓名、书名和借阅日期字段。",
    "（3）创建宏“mQ”，依次打开查询“Q1”和“Q2”。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“图书”表,双击“书名”和“定价”字段,在下一列的字段行输入“价位: IIf([定价]>=50,\"高\",\"低\")”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“读者”、“图书”和“借阅”表(表间没有联接线时,将“读者”表的“读者编号”拖到“借阅”表的“读者编号”上,将“图书”表的“图书编号”拖到“借阅”表的“图书编号”上),双击“读者”表的“姓名”、“图书”表的“书名”和“借阅”表的“借阅日期”、“是否归还”字段,在“借阅日期”列的条件行输入“<Date()-30”,在“是否归还”列的同一条件行输入“False”并取消该列“显示”行的勾选,以“Q2”为名保存查询."};
constexpr std::string_view kSimpleStep3[] = {
    "（3）在“数据库”窗口中单击“宏”对象,单击“新建”按钮,第一行“操作”列选择“OpenQuery”,“查询名称”选择“Q1”;",
    "  第二行“操作”列选择“OpenQuery”,“查询名称”选择“Q2”,以“mQ”为名保存宏.",
};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2, kSimpleStep3};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_23.mdb”，试按以下要求完成设计：",
    "（1）将报表“rSales”的记录源设置为查询“qSales”，并将主体节中文本框“tName”的“隐藏重复控件”属性设置为“是”。",
    "（2）将报表中文本框“tDate”的控件来源设置为系统当前日期，格式设置为“长日期”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“rSales”报表,双击报表选择器打开“属性”对话框,在“数据”选项卡的“记录源”行选择“qSales”;选中主体节中的文本框“tName”,在其“属性”对话框“格式”选项卡的“隐藏重复控件”行选择“是”,保存报表."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）选中文本框“tDate”,在其“属性”对话框中将“控件来源”设为“=Date()”,“格式”行选择“长日期”,保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet23{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
