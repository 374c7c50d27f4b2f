// The texts of the Access operation set "操作题（第10套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下有一个名为“samp1_10.mdb”的数据库。",
    "（1）将“学生”表复制一份，只复制表结构，新表命名为“学生备份”。",
    "（2）设置“学生”表中“入学日期”字段的有效性规则为只能输入2000年1月1日及以后的日期，有效性文本为“日期不能早于2000年”。",
    "（3）在“学生”表的数据表视图中隐藏“简历”列，并冻结“姓名”列。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“学生”表,选择“编辑”->“复制”,再选择“编辑”->“粘贴”,在“粘贴表方式”对话框中输入表名称“学生备份”,选择“只粘贴结构”,单击“确定”按钮."};
constexpr std::string_view kBasicStep2[] = {"（2）以设计视图打开“学生”表,选中“入学日期”字段,在“有效性规则”行输入“>=#2000-1-1#”,在“有效性文本”行输入“日期不能早于2000年”,保存表并关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“学生”表,选中“简历”列,选择“格式”->“隐藏列”;选中“姓名”列,选择“格式”->“冻结列”,保存并关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_10.mdb”，里面已经设计好两个表对象：“图书”和“出版社”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找书名中含有“数据库”三个字的图书，结果显示“书名”、“作者”和“出版社名称”字段。",
    "（2）创建查询“Q2”，计算每个出版社图书“定价”字段的平均值，结果显示“出版社名称”和“平均定价”两列，平均定价保留两位小数。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“图书”表和“出版社”表,关闭“显示表”对话框,双击“书名”、“作者”和“出版社名称”字段,在“书名”字段的“条件”行输入“Like \"*数据库*\"”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“出版社”表和“图书”表,双击“出版社名称”和“定价”字段,选择“视图”->“总计”,“出版社名称”的“总计”行保持“分组”,将“定价”字段的“字段”行改为“平均定价:定价”,“总计”行选择“平均值”;右键单击该列选择“属性”,将“格式”设为“固定”,“小数位数”设为2,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_10.mdb”，试按以下要求完成设计：",
    "（1）以“学生”表为数据源，自动创建表格式窗体“学生列表”。",
    "（2）在设计视图中创建窗体“学生浏览”：数据源为“学生”表，窗体页眉中添加标题为“学生信息浏览”的标签，主体节中显示学号、姓名、性别和班级字段，窗体标题为“学生浏览”，不显示记录选择器，窗体页脚中添加标题为“关闭”的按钮，单击时关闭窗体。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,单击“新建”按钮,选择“自动创建窗体：表格式”,数据来源选择“学生”表,单击“确定”按钮,以“学生列表”为名保存窗体并关闭."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）在“数据库”窗口中单击“窗体”对象,单击“新建”按钮,选择“设计视图”,数据来源选择“学生”表,单击“确定”按钮,然后:",
    "（1）选择“视图”->“窗体页眉/页脚”,在工具箱中选择“标签”,在窗体页眉节中单击并输入“学生信息浏览”.",
    "（2）选择“视图”->“字段列表”,将“学号”、“姓名”、“性别”和“班级”字段拖到主体节中.",
    "（3）选择“视图”->“属性”,在“窗体”属性窗口的“格式”选项卡中将“标题”设为“学生浏览”.",
    "（4）在同一选项卡中将“记录选择器”设为“否”.",
    "（5）在工具箱中选择“命令按钮”,在窗体页脚节中单击,在向导中类别选择“窗体操作”,操作选择“关闭窗体”,单击“下一步”按钮,选择“文本”并输入“关闭”,单击“完成”按钮.",
    "（6）以“学生浏览”为名保存窗体.",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet10{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
