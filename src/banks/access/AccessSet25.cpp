// The texts of the Access operation set "操作题（第25套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下有“samp1_25.mdb”数据库，其中有“商品”表。",
    "（1）以“商品”表为数据源，用数据页向导创建数据访问页，显示商品编号、商品名称和单价字段，按单价升序排列，以“商品单价”为名保存在考生文件夹中。",
    "（2）将“商品”表中“生产日期”字段的默认值设置为当前年份的1月1日。",
    "（3）将“商品”表“商品名称”字段中的“电冰箱”全部替换为“冰箱”。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“页”对象,双击“使用向导创建数据访问页”,在“表/查询”中选择“表: 商品”,将“商品编号”、“商品名称”和“单价”移到“选定的字段”中,单击“下一步”;不添加分组级别,单击“下一步”;排序字段选择“单价”(升序),单击“下一步”;标题输入“商品单价”,单击“完成”按钮;选择“文件”->“保存”,在考生文件夹中以“商品单价”为文件名保存,出现有关连接字符串的提示时单击“确定”按钮."};
constexpr std::string_view kBasicStep2[] = {"（2）以“设计视图”打开“商品”表,选中“生产日期”字段,在“默认值”行输入“DateSerial(Year(Date()),1,1)”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）打开“商品”表,单击“商品名称”列中的任一单元格,选择“编辑”->“替换”,“查找内容”输入“电冰箱”,“替换为”输入“冰箱”,“查找范围”选择“商品名称”,“匹配”选择“字段任何部分”,单击“全部替换”按钮,在提示框中单击“是”按钮."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_25.mdb”，里面已经设计好两个表对象：“职员”和“部门”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找姓名为两个字的职员，结果显示职员编号、姓名和部门名称字段。",
    "（2）创建查询“Q2”，统计每个部门职员最早的参加工作日期，结果显示部门名称和“最早参加工作日期”两列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“职员”和“部门”表,双击“职员”表的“职员编号”、“姓名”和“部门”表的“部门名称”字段,在下一列的字段行输入“Len([姓名])”,条件行输入“2”,取消该列“显示”行的勾选,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“职员”和“部门”表,双击“部门”表的“部门名称”和“职员”表的“参加工作日期”字段,单击工具栏上的“总计”按钮,“部门名称”列的总计行保持“分组”,“参加工作日期”列的总计行选择“最小值”并将字段行改为“最早参加工作日期: 参加工作日期”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_25.mdb”，试按以下要求完成设计：",
    "（1）将窗体“fBook”的背景图片设置为考生文件夹下的“bg.bmp”，图片缩放模式为“拉伸”。",
    "（2）将窗体中“出版日期”文本框的格式设置为“短日期”，并使其内容不能修改（“是否锁定”为“是”）。",
    "（3）将窗体的“导航按钮”属性设置为“否”，“默认视图”设置为“连续窗体”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“fBook”窗体,双击窗体选择器打开“属性”对话框,在“格式”选项卡中单击“图片”行右侧的生成器按钮,选择考生文件夹下的“bg.bmp”,在“图片缩放模式”行选择“拉伸”,保存窗体."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）选中“出版日期”文本框,在其“属性”对话框“格式”选项卡的“格式”行选择“短日期”,在“数据”选项卡的“是否锁定”行选择“是”,保存窗体."};
constexpr std::string_view kComprehensiveStep3[] = {"（3）在窗体的“属性”对话框“格式”选项卡中,将“导航按钮”设为“否”,“默认视图”选择“连续窗体”,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2, kComprehensiveStep3};

}  // namespace

extern const AccessSetTexts kAccessSet25{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
