// The texts of the Access operation set "操作题（第7套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建“订单.mdb”数据库，将考生文件夹下的“订单.xls”和“雇员.xls”导入，第一行包含列标题，分别以“订单ID”和“雇员ID”为主键，导入表命名为“订单”和“雇员”。",
    "（2）将“订单”表中“订购日期”字段的输入掩码设置为“短日期”。",
    "（3）通过“雇员ID”字段建立“雇员”表与“订单”表之间的一对多关系，实施参照完整性，级联删除相关记录。",
};

constexpr std::string_view kBasicStep1[] = {
    "（1）选择“文件”->“新建”,在任务窗格中单击“空数据库”,在考生文件夹中以“订单”为文件名创建数据库.选择“文件”->“获取外部数据”->“导入”,文件类型选择“Microsoft Excel”,选中“订单.xls”,单击“导入”按钮,在向导中勾选“第一行包含列标题”,数据保存在“新表中”,主键选择“我自己选择主键”并选定“订单ID”,导入到表“订单”,单击“完成”按钮.",
    "  用同样的方法导入“雇员.xls”,以“雇员ID”为主键,表名为“雇员”.",
};
constexpr std::string_view kBasicStep2[] = {"（2）以设计视图打开“订单”表,选中“订购日期”字段,单击“输入掩码”行右侧的“...”按钮,在提示先保存表时单击“是”按钮,在输入掩码向导中选择“短日期”,单击“完成”按钮,保存表并关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）选择“工具”->“关系”,添加“雇员”表和“订单”表,关闭“显示表”对话框,将“雇员”表的“雇员ID”字段拖到“订单”表的“雇员ID”字段上,在“编辑关系”对话框中勾选“实施参照完整性”和“级联删除相关记录”,单击“创建”按钮,保存关系."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_7.mdb”，里面已经设计好两个表对象：“会员”和“消费记录”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找单笔消费金额在500元以上（含500元）的记录，结果显示“会员姓名”、“消费日期”和“消费金额”字段。",
    "（2）创建宏“M1”，先打开查询“Q1”，再显示消息框，消息为“以上为大额消费记录”。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“会员”表和“消费记录”表,关闭“显示表”对话框,双击“会员姓名”、“消费日期”和“消费金额”字段,在“消费金额”字段的“条件”行输入“>=500”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）在“数据库”窗口中单击“宏”对象,单击“新建”按钮,在第一行的“操作”列中选择“OpenQuery”,在操作参数的“查询名称”中选择“Q1”;在第二行的“操作”列中选择“MsgBox”,在“消息”中输入“以上为大额消费记录”,以“M1”为名保存宏."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_7.mdb”，试按以下要求完成设计：",
    "（1）将窗体“时钟”的“计时器间隔”属性设置为1000。",
    "（2）编写“时钟”窗体的加载事件和计时器事件：窗体打开时标题显示当天日期，格式如“今天是2010年9月1日”；文本框“tTime”每秒显示一次当前系统时间。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,选中“时钟”窗体,单击“设计”按钮,选择“视图”->“属性”,在“窗体”属性窗口的“事件”选项卡中将“计时器间隔”设为1000."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）在同一选项卡中将“加载”和“计时器触发”两行都设为“[事件过程]”,选择“视图”->“代码”,在代码窗口中输入以下代码,保存窗体:",
    "Private Sub Form_Load()",
    "    Me.Caption = \"今天是\" & Year(Date) & \"年\" & Month(Date) & \"月\" & Day(Date) & \"日\"",
    "End Sub",
    "Private Sub Form_Timer()",
    "    Me!tTime = Time",
    "End Sub",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet7{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
