// The texts of the Access operation set "操作题（第24套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建数据库“学生.mdb”，将考生文件夹下的“学生.xls”、“功课.xls”和“成绩.xls”导入，第一行均包含列标题，表名分别为“学生”、“功课”和“成绩”，“学生”表以学号、“功课”表以课程编号为主键，“成绩”表不要主键。",
    "（2）建立“学生”表与“成绩”表以学号关联、“功课”表与“成绩”表以课程编号关联的一对多关系，均实施参照完整性。",
    "（3）将“成绩”表中“分数”字段的字段大小改为“单精度型”，小数位数设置为1。",
};

constexpr std::string_view kBasicStep1[] = {
    "（1）启动Access,选择“文件”->“新建”,在“新建文件”任务窗格中单击“空数据库”,在考生文件夹中以“学生.mdb”为名创建数据库.",
    "  选择“文件”->“获取外部数据”->“导入”,文件类型选择“Microsoft Excel”,选中“学生.xls”,单击“导入”按钮,在“导入数据表向导”中勾选“第一行包含列标题”,选择“新表中”,在主键页选择“我自己选择主键”并在其右侧的列表中选择“学号”,导入到表“学生”,单击“完成”按钮.",
    "  用同样的方法导入“功课.xls”,主键选择“课程编号”,导入到表“功课”;导入“成绩.xls”时在主键页选择“不要主键”,导入到表“成绩”.",
};
constexpr std::string_view kBasicStep2[] = {"（2）选择“工具”->“关系”,在“显示表”对话框中添加三个表,将“学生”表的“学号”拖到“成绩”表的“学号”上,勾选“实施参照完整性”后单击“创建”按钮;再将“功课”表的“课程编号”拖到“成绩”表的“课程编号”上,勾选“实施参照完整性”后单击“创建”按钮,保存关系."};
constexpr std::string_view kBasicStep3[] = {"（3）以“设计视图”打开“成绩”表,选中“分数”字段,在“字段大小”行选择“单精度型”,在“小数位数”行选择“1”,保存表,出现数据可能丢失的提示时单击“是”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_24.mdb”，里面已经设计好两个表对象：“产品”和“类别”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，按类别统计产品的平均单价和最高单价，结果显示类别名称、“平均单价”和“最高单价”三列。",
    "（2）创建查询“Q2”，查找单价高于全部产品平均单价的产品，结果显示产品名称和单价字段。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“产品”和“类别”表,双击“类别名称”字段,再双击两次“单价”字段,单击工具栏上的“总计”按钮,“类别名称”列保持“分组”,第一个“单价”列的总计行选择“平均值”并将字段行改为“平均单价: 单价”,第二个“单价”列选择“最大值”并改为“最高单价: 单价”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“产品”表,双击“产品名称”和“单价”字段,在“单价”列的条件行输入“>(SELECT Avg([单价]) FROM 产品)”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_24.mdb”，试按以下要求完成设计：",
    "（1）在窗体“fEmp”中添加选项组“opSex”，其中包含“男”和“女”两个选项按钮，对应的值分别为1和2，默认选项为“男”。",
    "（2）将窗体“fEmp”的“弹出方式”和“模式”属性设置为“是”，“边框样式”设置为“对话框边框”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“fEmp”窗体,确认“控件向导”已按下,在工具箱中选择“选项组”并在窗体中单击,在向导中依次输入标签名称“男”和“女”,单击“下一步”,默认选项选择“男”,单击“下一步”,值分别设为1和2,单击“下一步”(出现询问如何保存所选值的页面时,选择只为稍后使用而保存该值,不存入字段),控件类型选择“选项按钮”,单击“下一步”,标题输入“性别”,单击“完成”按钮;在选项组的“属性”对话框中将“名称”设为“opSex”,保存窗体."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）双击窗体选择器打开“属性”对话框,在“其他”选项卡中将“弹出方式”和“模式”均设为“是”,在“格式”选项卡的“边框样式”行选择“对话框边框”,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet24{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
