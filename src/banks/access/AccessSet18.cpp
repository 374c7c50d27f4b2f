// The texts of the Access operation set "操作题（第18套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "考生文件夹下的“samp1_18.mdb”数据库中有“教师”和“课程”两张表。",
    "（1）将“教师”表的记录按“工作时间”升序排列，工作时间相同的再按“职称”降序排列，并保存表。",
    "（2）为“课程”表的“课程名称”字段设置无重复索引。",
    "（3）设置“教师”表“联系电话”字段的输入掩码，使其前4位固定显示为“010-”，后面只能输入8位数字。",
};

constexpr std::string_view kBasicStep1[] = {"（1）打开“教师”表,选择“记录”->“筛选”->“高级筛选/排序”,将“工作时间”和“职称”字段依次拖到设计网格中,排序行分别选择“升序”和“降序”,选择“筛选”->“应用筛选/排序”,然后单击工具栏上的“保存”按钮."};
constexpr std::string_view kBasicStep2[] = {"（2）以“设计视图”打开“课程”表,选中“课程名称”字段,在“常规”选项卡的“索引”行选择“有(无重复)”,保存表."};
constexpr std::string_view kBasicStep3[] = {"（3）以“设计视图”打开“教师”表,选中“联系电话”字段,在“输入掩码”行输入“\"010-\"00000000”,保存表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_18.mdb”，里面已经设计好两个表对象：“商品”和“销售”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，计算每种商品的销售总金额，结果显示商品名称和“总金额”两列，总金额为各笔销售的数量（“销售”表）与单价（“商品”表）之积的和。",
    "（2）创建更新查询“Q2”，将“商品”表中库存量小于10的商品的“备注”字段值改为“需补货”，并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“商品”和“销售”表,双击“商品名称”字段,在下一列的字段行输入“总金额: [数量]*[单价]”,单击工具栏上的“总计”按钮,“商品名称”列的总计行保持“分组”,“总金额”列的总计行选择“总计”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“商品”表,选择“查询”->“更新查询”,双击“备注”和“库存量”字段,在“备注”列的“更新到”行输入“\"需补货\"”,在“库存量”列的条件行输入“<10”,单击工具栏上的“运行”按钮并在提示框中单击“是”按钮,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_18.mdb”，试按以下要求完成设计：",
    "（1）以查询“订单查询”为数据源，用报表向导创建报表“订单报表”，显示订单号、客户名称、订购日期和金额字段，按订购日期降序排列，布局为表格。",
    "（2）在“订单报表”的报表页脚中添加一个文本框，计算并显示全部订单金额的总和，文本框名称为“tSum”。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“报表”对象,双击“使用向导创建报表”,在“表/查询”中选择“查询: 订单查询”,将“订单号”、“客户名称”、“订购日期”和“金额”移到“选定的字段”中,单击“下一步”;不添加分组级别,单击“下一步”;排序字段选择“订购日期”并单击其右侧的按钮改为“降序”,单击“下一步”;布局选择“表格”,单击“下一步”,再单击“下一步”,标题输入“订单报表”,单击“完成”按钮."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）以“设计视图”打开“订单报表”,向下拖动报表页脚节的下边界加大其高度,在工具箱中选择“文本框”,在报表页脚中单击添加文本框,在其“属性”对话框中将“控件来源”设为“=Sum([金额])”,“名称”设为“tSum”,保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet18{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
