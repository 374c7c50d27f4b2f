// The texts of the Access operation set "操作题（第17套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中的“samp1_17.mdb”数据库里有一张“职工”表。",
    "（1）在“职工”表的“姓名”字段后插入字段“照片”，数据类型为“OLE对象”。",
    "（2）在职工号为“Z005”的记录的“照片”字段中插入考生文件夹下的图片文件“photo5.bmp”。",
    "（3）为“职工”表设置表的有效性规则：“离职日期”为空或晚于“入职日期”，有效性文本为“离职日期有误”。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“职工”表,单击“设计”按钮,选中“姓名”字段的下一行,选择“插入”->“行”,在新行的“字段名称”列输入“照片”,“数据类型”选择“OLE对象”,保存表."};
constexpr std::string_view kBasicStep2[] = {"（2）双击打开“职工”表,找到职工号为“Z005”的记录,右键单击该记录的“照片”字段,选择“插入对象”,在对话框中选择“由文件创建”,单击“浏览”按钮,在考生文件夹中选中“photo5.bmp”并确认,回到“插入对象”对话框后单击“确定”按钮."};
constexpr std::string_view kBasicStep3[] = {"（3）以“设计视图”打开“职工”表,选择“视图”->“属性”,在“表属性”对话框的“有效性规则”行输入“[离职日期] Is Null Or [离职日期]>[入职日期]”,在“有效性文本”行输入“离职日期有误”,关闭对话框,保存表;出现是否用新规则测试现有数据的提示时单击“是”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_17.mdb”，里面已经设计好两个表对象：“职工”和“部门”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，显示年龄在30到40岁之间（含30岁和40岁）的职工的姓名、性别和年龄字段。",
    "（2）以“职工”和“部门”表为数据源创建交叉表查询“Q2”，统计各部门男、女职工的人数（两表以“部门编号”关联，人数按“职工号”计数），行标题为部门名称，列标题为性别。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“职工”表,双击“姓名”、“性别”和“年龄”字段,在“年龄”列的条件行输入“Between 30 And 40”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“职工”和“部门”表(两表以“部门编号”联接),选择“查询”->“交叉表查询”;双击“部门”表的“部门名称”和“职工”表的“性别”、“职工号”字段,“部门名称”列的交叉表行选择“行标题”,“性别”列选择“列标题”,“职工号”列的总计行选择“计数”、交叉表行选择“值”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_17.mdb”，试按以下要求完成设计：",
    "（1）将窗体“fStudent”的记录源设置为“学生”表，并将窗体中的文本框“tName”绑定到“姓名”字段。",
    "（2）将窗体中文本框“tAge”的控件来源设置为计算年龄的表达式：年龄为当前日期的年份减去“出生日期”的年份。",
    "（3）将窗体的“最大最小化按钮”属性设置为“无”，“关闭按钮”属性设置为“否”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“fStudent”窗体,双击窗体选择器打开“属性”对话框,在“数据”选项卡的“记录源”行选择“学生”;选中文本框“tName”,在其“数据”选项卡的“控件来源”行选择“姓名”,保存窗体."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）选中文本框“tAge”,在其“属性”对话框“数据”选项卡的“控件来源”行输入“=Year(Date())-Year([出生日期])”,保存窗体."};
constexpr std::string_view kComprehensiveStep3[] = {"（3）单击窗体选择器(或选择“编辑”->“选择窗体”)选中窗体,在窗体的“属性”对话框中选择“格式”选项卡,将“最大最小化按钮”设为“无”,“关闭按钮”设为“否”,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2, kComprehensiveStep3};

}  // namespace

extern const AccessSetTexts kAccessSet17{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
