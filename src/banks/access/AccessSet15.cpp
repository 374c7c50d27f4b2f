// The texts of the Access operation set "操作题（第15套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下有数据库“samp1_15.mdb”，其中已建有“产品”和“供应商”两张表。",
    "（1）在“产品”表中添加字段“库存量”，数据类型为“数字”，字段大小为“整型”，有效性规则为大于等于0。",
    "（2）将“产品”表中“产品名称”字段的标题设置为“名称”，并将该字段设置为必填字段。",
    "（3）对“产品”表进行高级筛选，筛选出“供应商ID”为“S03”的产品记录，并将筛选另存为查询“S03产品”。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“产品”表,单击“设计”按钮,在第一个空行的“字段名称”列输入“库存量”,“数据类型”选择“数字”,在“字段大小”行选择“整型”,在“有效性规则”行输入“>=0”,保存表."};
constexpr std::string_view kBasicStep2[] = {"（2）在“产品”表的设计视图中选中“产品名称”字段,在“标题”行输入“名称”,在“必填字段”行选择“是”,保存表;出现是否用新规则测试现有数据的提示时单击“是”按钮."};
constexpr std::string_view kBasicStep3[] = {"（3）打开“产品”表,选择“记录”->“筛选”->“高级筛选/排序”,将“供应商ID”字段拖到设计网格中,在“条件”行输入“S03”;选择“文件”->“另存为查询”,在“另存为查询”对话框中输入“S03产品”,单击“确定”按钮;再选择“筛选”->“应用筛选/排序”显示筛选结果."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_15.mdb”，里面已经设计好两个表对象：“读者”和“借书登记”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找借书日期在2008年的借书记录，结果显示读者编号、姓名和借书日期字段。",
    "（2）创建查询“Q2”，查找借书日期是星期六或星期日的借书记录，结果显示读者编号和借书日期字段。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“读者”和“借书登记”表,双击“读者”表的“读者编号”、“姓名”字段和“借书登记”表的“借书日期”字段;在下一列的字段行输入“Year([借书日期])”,条件行输入“2008”,取消该列“显示”行的勾选,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“借书登记”表,双击“读者编号”和“借书日期”字段,在下一列的字段行输入“Weekday([借书日期])”,条件行输入“1 Or 7”(星期日为1,星期六为7),取消该列“显示”行的勾选,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_15.mdb”，试按以下要求完成设计：",
    "在“窗体1”窗体中添加标签和名称相同的文本框“请输入学号”和“学生姓名”，添加“显示学生姓名”按钮，编写程序实现输入学号后单击“显示学生姓名”按钮后显示学生姓名。要求用Dlookup()函数实现。",
};

constexpr std::string_view kComprehensiveStep1[] = {
    "在“数据库”窗口中单击“窗体”对象,以“设计视图”打开“窗体1”,用工具箱的“文本框”添加两个文本框,把它们的附加标签分别改为“请输入学号”和“学生姓名”,在“属性”对话框“其他”选项卡的“名称”行把两个文本框分别命名为“请输入学号”和“学生姓名”;关闭“控件向导”后添加一个命令按钮,标题设为“显示学生姓名”,名称设为“cmdShow”;学生的学号和姓名保存在“学生”表的文本型字段“学号”和“姓名”中,在按钮的“单击”事件行选择“[事件过程]”,单击生成器按钮,加入如下代码:",
    "Private Sub cmdShow_Click()",
    "    Me![学生姓名] = DLookup(\"姓名\", \"学生\", \"学号='\" & Me![请输入学号] & \"'\")",
    "End Sub ",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1};

}  // namespace

extern const AccessSetTexts kAccessSet15{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
