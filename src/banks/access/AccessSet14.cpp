// The texts of the Access operation set "操作题（第14套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下的“samp1_14.mdb”数据库中有“图书”和“借阅”两张表。",
    "（1）将“图书”表的“书号”字段设置为主键，将“定价”字段的格式设置为“货币”，小数位数为2。",
    "（2）将“借阅”表中“借阅日期”字段的格式自定义为“yyyy年mm月dd日”的形式（如“2009年03月05日”），并将该字段设置为必填字段。",
    "（3）以“书号”字段建立“图书”表与“借阅”表之间的一对多关系，实施参照完整性，并将联接类型设置为包括“图书”表中的所有记录和“借阅”表中联接字段相等的那些记录。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“图书”表,单击“设计”按钮,选中“书号”字段,单击工具栏上的“主键”按钮;选中“定价”字段,在“常规”选项卡的“格式”行选择“货币”,在“小数位数”行选择“2”,保存表."};
constexpr std::string_view kBasicStep2[] = {"（2）以“设计视图”打开“借阅”表,选中“借阅日期”字段,在“格式”行输入“yyyy\"年\"mm\"月\"dd\"日\"”,在“必填字段”行选择“是”,保存表;出现是否用新规则测试现有数据的提示时单击“是”按钮."};
constexpr std::string_view kBasicStep3[] = {"（3）选择“工具”->“关系”,单击工具栏上的“显示表”按钮,添加“图书”表和“借阅”表后关闭对话框;将“图书”表的“书号”字段拖到“借阅”表的“书号”字段上,在“编辑关系”对话框中勾选“实施参照完整性”,单击“联接类型”按钮,选择包括“图书”中的所有记录和“借阅”中联接字段相等的那些记录的一项,单击“确定”按钮,再单击“创建”按钮,保存并关闭“关系”窗口."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_14.mdb”，里面已经设计好三个表对象：“学生”、“课程”和“选课”。试按以下要求完成设计：",
    "（1）以“学生”、“课程”和“选课”表为数据源（“选课”表以“学号”与“学生”表关联，以“课程号”与“课程”表关联），创建查询“Q1”，查找选修了“数据库原理”课程且成绩在85分以上（含85分）的学生，结果显示学号、姓名和成绩字段。",
    "（2）创建查询“Q2”，统计每门课程的平均成绩，结果显示“课程名”和“平均成绩”两列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,在“显示表”对话框中添加“学生”、“课程”和“选课”表,关闭对话框(表间没有联接线时,将“学生”表的“学号”拖到“选课”表的“学号”上,将“课程”表的“课程号”拖到“选课”表的“课程号”上);双击“学生”表的“学号”、“姓名”,“选课”表的“成绩”和“课程”表的“课程名”字段,在“课程名”列的条件行输入“\"数据库原理\"”并取消该列“显示”行的勾选,在“成绩”列的同一条件行输入“>=85”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“课程”和“选课”表,双击“课程名”和“成绩”字段,单击工具栏上的“总计”按钮,“课程名”列的总计行保持“分组”,“成绩”列的总计行选择“平均值”,并将该列的字段行改为“平均成绩: 成绩”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_14.mdb”，试按以下要求完成设计：",
    "（1）以“商品”表为数据源，用窗体向导创建窗体“商品浏览”，显示商品编号、商品名称和单价字段，布局为“表格”，样式为“标准”。",
    "（2）在“商品浏览”窗体的窗体页眉中添加一个图像控件，名称为“iLogo”，显示考生文件夹下的图片“logo.bmp”，缩放模式为“缩放”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,双击“使用向导创建窗体”,在“表/查询”中选择“表: 商品”,将“商品编号”、“商品名称”和“单价”移到“选定的字段”中,单击“下一步”;布局选择“表格”,单击“下一步”;样式选择“标准”,单击“下一步”;标题输入“商品浏览”,单击“完成”按钮."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）以设计视图打开“商品浏览”窗体,向下拖动窗体页眉的下边界加大其高度,在工具箱中选择“图像”,在窗体页眉的空白处单击,在“插入图片”对话框中选择考生文件夹下的“logo.bmp”,单击“确定”按钮;在该图像的“属性”对话框中,“其他”选项卡的“名称”行输入“iLogo”,“格式”选项卡的“缩放模式”行选择“缩放”,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet14{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
