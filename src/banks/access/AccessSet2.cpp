// The texts of the Access operation set "操作题（第2套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“商品.mdb”数据库，其中已建有“商品”表。",
    "（1）在“商品.mdb”数据库中建立“供应商”表，表结构如下：",
    "--------------------------------------",
    " 字段名称    数据类型  字段大小  主键 ",
    "--------------------------------------",
    " 供应商编号  文本      4         是   ",
    " 供应商名称  文本      20             ",
    " 联系人      文本      8              ",
    " 联系电话    文本      13             ",
    "--------------------------------------",
    "（2）在“供应商”表中输入以下数据：",
    "-------------------------------------------------",
    " 供应商编号  供应商名称    联系人   联系电话     ",
    "-------------------------------------------------",
    " G001        恒达贸易公司  周立新   010-62550001 ",
    " G002        顺安电器公司  林晓梅   021-58801236 ",
    "-------------------------------------------------",
    "（3）将“商品”表的“供应商编号”字段设置为查阅字段，其值来自“供应商”表的“供应商编号”字段。",
};

constexpr std::string_view kBasicStep1[] = {"（1）打开“商品.mdb”数据库,在“数据库”窗口中单击“表”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,按表中要求依次输入字段名称,选择数据类型并设置字段大小;选中“供应商编号”字段,单击工具栏上的“主键”按钮,以“供应商”为名保存表并关闭设计视图."};
constexpr std::string_view kBasicStep2[] = {"（2）在“数据库”窗口中双击“供应商”表,在数据表视图中按要求输入两条记录,关闭表."};
constexpr std::string_view kBasicStep3[] = {"（3）以设计视图打开“商品”表,在“供应商编号”字段的“数据类型”列中选择“查阅向导”,选择“使用查阅列查阅表或查询中的值”,单击“下一步”按钮,选择“表: 供应商”,单击“下一步”按钮,将“供应商编号”字段移到“选定字段”列表中,按提示单击“下一步”按钮直至“完成”,在提示保存表时单击“是”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_2.mdb”，里面已经设计好三个表对象：“读者”、“图书”和“借阅”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找2009年借出的图书，结果显示读者的“姓名”、图书的“书名”和“借书日期”字段。",
    "（2）创建查询“Q2”，统计每位借过书的读者的借阅次数（读者以“读者编号”区分，次数为“借阅”表中“图书编号”的个数），结果显示“姓名”和“借阅次数”两列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,在“显示表”对话框中添加“读者”、“图书”和“借阅”表,关闭对话框(表间应有联接线,若没有,拖动同名的编号字段建立联接).双击“姓名”、“书名”和“借书日期”字段,在“借书日期”字段的“条件”行输入“Between #2009-1-1# And #2009-12-31#”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,在设计视图中添加“读者”表和“借阅”表,双击“读者”表的“读者编号”、“姓名”字段和“借阅”表的“图书编号”字段,选择“视图”->“总计”,“读者编号”和“姓名”的“总计”行保持“分组”,取消“读者编号”字段“显示”行的勾选;将“图书编号”字段的“字段”行改为“借阅次数:图书编号”,“总计”行选择“计数”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_2.mdb”，里面已经设计好表对象“职工”和报表对象“职工名册”。试按以下要求完成设计：",
    "（1）在报表“职工名册”的报表页眉节中添加一个标签，名称为“bTitle”，标题为“职工基本情况表”，字号为18。",
    "（2）在报表页脚节中添加一个文本框，名称为“tCount”，计算并显示职工人数。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“报表”对象,选中“职工名册”报表,单击“设计”按钮,若未显示报表页眉,选择“视图”->“报表页眉/页脚”.在工具箱中选择“标签”,在报表页眉节中单击并输入“职工基本情况表”,选择“视图”->“属性”,在“全部”选项卡中将“名称”设为“bTitle”,“字号”设为18."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）在工具箱中选择“文本框”,在报表页脚节中单击添加文本框,在其属性窗口中将“名称”设为“tCount”,“控件来源”设为“=Count(*)”,保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet2{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
