// The texts of the Access operation set "操作题（第3套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建“配件信息.mdb”数据库，将考生文件夹下的“配件信息.txt”导入（逗号分隔，第一行为字段名称），不设主键，导入表命名为“配件”。",
    "（2）按下表修改“配件”表的字段属性：",
    "------------------------------------",
    " 字段名称  数据类型  字段大小  主键 ",
    "------------------------------------",
    " 配件编号  文本      6         是   ",
    " 配件名称  文本      20             ",
    " 单价      货币                     ",
    " 库存量    数字      整型           ",
    "------------------------------------",
    "（3）在“配件”表中输入以下记录：",
    "--------------------------------------",
    " 配件编号  配件名称  单价      库存量 ",
    "--------------------------------------",
    " P00107    散热风扇  ￥35.00   120    ",
    "--------------------------------------",
};

constexpr std::string_view kBasicStep1[] = {"（1）选择“文件”->“新建”,在任务窗格中单击“空数据库”,在考生文件夹中以“配件信息”为文件名创建数据库.选择“文件”->“获取外部数据”->“导入”,文件类型选择“文本文件”,选中“配件信息.txt”,单击“导入”按钮,在导入文本向导中选择“带分隔符”,单击“下一步”按钮,分隔符选择“逗号”,勾选“第一行包含字段名称”,数据保存在“新表中”,主键选择“不要主键”,导入到表“配件”,单击“完成”按钮."};
constexpr std::string_view kBasicStep2[] = {"（2）以设计视图打开“配件”表,按表中要求依次修改各字段的数据类型和字段大小,选中“配件编号”字段,单击工具栏上的“主键”按钮,保存表,在有关数据可能丢失的提示框中单击“是”按钮,关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“配件”表,在最后的空白行中按表中数据输入一条新记录,关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_3.mdb”，里面已经设计好两个表对象：“商品”和“销售”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，显示每条销售记录的“商品名称”、“数量”和“金额”，其中金额为单价与数量的乘积。",
    "（2）创建更新查询“Q2”，将“商品”表中类别为“文具”的商品单价提高10%，并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,在“显示表”对话框中添加“商品”表和“销售”表,关闭对话框.双击“商品名称”和“数量”字段,在第三列的“字段”行输入“金额:[单价]*[数量]”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,在设计视图中添加“商品”表,选择“查询”->“更新查询”,双击“单价”和“类别”字段,在“单价”字段的“更新到”行输入“[单价]*1.1”,在“类别”字段的“条件”行输入“文具”,以“Q2”为名保存查询.选择“查询”->“运行”,在提示框中单击“是”按钮(该查询只运行一次,再次运行会使单价再提高10%)."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_3.mdb”，里面已经设计好两个表对象“产品”和“供应商”以及查询对象“产品查询”。试按以下要求完成设计：",
    "（1）以查询“产品查询”为数据源，创建纵栏式窗体“产品信息”。",
    "（2）创建宏“关闭产品信息”，用于关闭“产品信息”窗体；在“产品信息”窗体中添加一个命令按钮，按钮上显示文本“退出”，单击该按钮时运行该宏。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象，单击“新建”按钮，选择“自动创建窗体：纵栏式”，数据来源选择“产品查询”查询，单击确定按钮，最后以“产品信息”为名保存窗体，并关闭该窗体。"};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）在“数据库”窗口中单击“宏”对象，单击“新建”按钮，在操作列选择“Close”，对象类型选择“窗体”，对象名称选择“产品信息”，以“关闭产品信息”为名保存宏。",
    "  单击“窗体”对象，选择“产品信息”窗体，以“设计视图”打开该窗体，在工具箱中选择“命令按钮”，然后在窗体中单击，在命令按钮向导的类别中选择“杂项”，操作中选择“运行宏”，单击“下一步”按钮，选择“关闭产品信息窗体”宏，再单击“下一步”按钮，选择文本输入“退出”，然后单击“完成”按钮即可。",
    "  最后“保存”窗体即可。",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet3{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
