// The texts of the Access operation set "操作题（第8套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在“samp1_8.mdb”数据库中有“用户”和“地区”两张表。",
    "（1）设置“用户”表中“用户名”字段为必填字段，并且不允许空字符串。",
    "（2）将“用户”表的记录按“注册日期”降序排列后保存，并将数据表的单元格效果设置为“凸起”。",
    "（3）将“地区”表导出到考生文件夹中，文件名为“地区.txt”，以逗号分隔，第一行包含字段名称。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“用户”表,单击“设计”按钮,选中“用户名”字段,将“必填字段”设为“是”,“允许空字符串”设为“否”,保存表并关闭设计视图."};
constexpr std::string_view kBasicStep2[] = {"（2）双击打开“用户”表,将光标置于“注册日期”列中,选择“记录”->“排序”->“降序排序”;选择“格式”->“数据表”,在“设置数据表格式”对话框中将“单元格效果”设为“凸起”,单击“确定”按钮,保存并关闭表."};
constexpr std::string_view kBasicStep3[] = {"（3）在“数据库”窗口中选中“地区”表,选择“文件”->“导出”,选择考生文件夹,“保存类型”选择“文本文件”,文件名输入“地区”,单击“导出”按钮,在导出文本向导中选择“带分隔符”,单击“下一步”按钮,分隔符选择“逗号”,勾选“第一行包含字段名称”,单击“下一步”按钮,再单击“完成”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_8.mdb”，里面已经设计好两个表对象：“客户”和“城市”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找没有填写“电话”的客户，结果显示“客户名称”和“联系人”字段。",
    "（2）创建查询“Q2”，统计每个城市的客户数（两表以“城市编号”关联，按“客户”表中“客户编号”的个数计），结果显示“城市名称”和“客户数”两列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“客户”表,关闭“显示表”对话框,双击“客户名称”、“联系人”和“电话”字段,在“电话”字段的“条件”行输入“Is Null”,并取消其“显示”行的勾选,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“城市”表和“客户”表(两表间没有联接线时,将“城市”表的“城市编号”拖到“客户”表的“城市编号”上),双击“城市名称”字段和“客户”表的“客户编号”字段,选择“视图”->“总计”,“城市名称”的“总计”行保持“分组”,将“客户编号”字段的“字段”行改为“客户数:客户编号”,“总计”行选择“计数”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_8.mdb”，试按以下要求完成设计：",
    "（1）在报表“销售明细”中按“销售员”字段分组，显示组页眉和组页脚，组内记录按“销售日期”升序排列。",
    "（2）在“销售员页脚”节中添加一个文本框，名称为“tSum”，计算并显示每位销售员的销售金额合计（“金额”字段之和）。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“报表”对象,选中“销售明细”报表,单击“设计”按钮,选择“视图”->“排序与分组”,在第一行的“字段/表达式”中选择“销售员”,“排序次序”为“升序”,将“组页眉”和“组页脚”设为“是”;在第二行中选择“销售日期”,“排序次序”为“升序”,关闭对话框."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）在工具箱中选择“文本框”,在“销售员页脚”节中单击添加文本框,在其属性窗口中将“名称”设为“tSum”,“控件来源”设为“=Sum([金额])”,保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet8{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
