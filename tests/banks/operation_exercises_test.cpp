#include "banks/OperationExercises.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace boxi::banks {
namespace {

// One row of the bank: keys, line counts, and the workbooks and sheets its
// texts must name.
struct Row {
    int chapter;
    int number;
    std::string_view folder;
    size_t task_lines;
    size_t steps_lines;
    std::vector<std::string_view> names;
};

const std::vector<Row> kRows = {
    {0, 1, "301", 40, 55, {"宏达公司销售报表"}},
    {1, 1, "311", 19, 62,
     {"EXCEL素材练习一", "EXCEL素材练习二", "宏达公司销售报表", "2017年宏达公司销售报表", "sheet1",
      "sheet3", "1月", "4月"}},
    {1, 2, "312", 12, 17, {"EXCEL素材练习一", "EXCEL素材练习二", "EXCEL素材练习三", "第一分公司"}},
    {2, 1, "321", 7, 45, {"EXCEL素材练习四", "员工档案表", "基础数据", "员工总体评价表"}},
    {3, 1, "331", 7, 21, {"EXCEL素材练习五"}},
    {3, 2, "332", 12, 48, {"EXCEL素材练习六"}},
    {4, 1, "341", 10, 69, {"EXCEL素材练习七", "EXCEL素材练习八", "全年级"}},
    {4, 2, "342", 7, 18, {"EXCEL素材练习九"}},
    {4, 3, "343", 10, 40, {"EXCEL素材练习十", "单变量求解", "模拟运算", "方案管理"}},
    {5, 1, "351", 7, 52,
     {"销售凭证清单(制表符分隔的文本文件)", "销售凭证清单", "EXCEL素材练习八", "启用宏的练习八.xlsm"}},
};

// The three exercises whose texts are fixed, line for line.
constexpr std::string_view kGiven301Task[] = {
    "启动Excel后，请制作如下“公司销售报表”",
    "-----------------------------------------------------------",
    "宏达公司销售报表",
    "-----------------------------------------------------------",
    "序号    日期    销售商品   摘要   销售金额   销售成本   利润  ",
    "-----------------------------------------------------------",
    "01     8月1日    海尔冰箱  家电     34000      26000         ",
    "-----------------------------------------------------------",
    "02     8月2日    联想电脑  IT产品   68000      56000        ",
    "-----------------------------------------------------------",
    "03     8月3日  惠普打印机  IT产品   46000      34000 ",
    "-----------------------------------------------------------",
    "04     8月4日    海尔空调  家电     42000      28000",
    "-----------------------------------------------------------",
    "05     8月5日    海尔冰箱  家电     46000      34000",
    "-----------------------------------------------------------",
    "06     8月6日    美菱冰箱  家电     45000      31000         ",
    "-----------------------------------------------------------",
    "07     8月7日    DELL电脑  IT产品   69000      53000        ",
    "-----------------------------------------------------------",
    "08     8月8日  佳能打印机  IT产品   66000      44000 ",
    "-----------------------------------------------------------",
    "09     8月9日    威龙空调  家电     48000      29000",
    "-----------------------------------------------------------",
    "10     8月10日   海尔冰箱  家电     49000      35000",
    "-----------------------------------------------------------",
    "要求如下：",
    "1、运用填充序列办法输入序号和日期。",
    "2、运用数据有效性办法控制摘要的输入。",
    "3、将“摘要”改为“商品摘要”。",
    "4、调整行高为20，列宽调整到合适宽度",
    "5、在“序号”列左侧插入一列，在“序号”行前后各插入一行，并将新插入的第2行隐藏起来。",
    "6、在E4单元格中输入文本：“上月余额”，在H4单元格中输入数值：“11000”，在H5单元格中输入公式：“=H4+F5-G5，并将公式复制到下面相应单元格中。",
    "7、将标题“宏达公司销售报表”在B1：H1区域内“合并后居中”显示，并设置其字体为“黑体”，字号为“16”磅。",
    "8、将“序号”所在的第1行、“序号”所在的B列以及“日期”所在的C列数据设置为“居中”显示。",
    "9、将“日期”所在的C列设置为“长日期”格式，将F4：H14区域设为默认的“货币”格式。",
    "10、将数据区域B1:H14的外边框设为双框线，内边框设为单细线，标题“宏达公司销售报表”所在区域的底色设为黄色。",
    "11、将标题单元格套用样式为：“强调文字颜色3”，将数据区域B3:H14套用表样式：“中等深浅24”。",
    "12、将销售金额在60000元以上的单元格用蓝色、粗体格式标出。",
    "13、按下列要求打印工作表：横向并水平居中打印在A4纸上，设置表格第3行为重复打印标题，工作表数据区域B1:H14设为打印区域。",
};

constexpr std::string_view kGiven301Steps[] = {
    "   创建“宏达公司销售报表”并输入基础数据：",
    "①启动Excel，窗口中自动打开一个空白工作簿。",
    "②在A1单元格中单击，输入标题文字“宏达公司销售报表”，按Enter键，光标自动向下跳到A2单元格。",
    "③从A2单元格从左向右依次输入表格的列标题：序号、日期、销售商品、摘要、销售金额、销售成本、利润。",
    "④在“序号”所在A列的A3单元格中输入第一个序号“'01”。在数字前需要先行输入一个西文单撇号“'”，将其指定为文本格式，才能正确显示出数字前面的“0”。",
    "⑤在“日期”所在B列的B3单元格中输入第一个日期“8/1”，以斜杠“/”分隔月日，按Enter键确认，单元格中自动显示“8月1日”。",
    "1、运用填充序列办法输入序号和日期",
    "①单击“日期”所在B列的单元格B3，该单元格中已经输入了第一项日期。",
    "②将鼠标光标指向单元格B3右下角的填充柄，当光标变为黑色小十字时，按下鼠标左键不放并向下拖动鼠标，直到8月10日。",
    "③单击“序号”所在A列的A3单元格，其中已输入了第一个序号，用鼠标直接双击填充柄，序号将自动向下填充到相邻列最后一个数据所在的行。",
    "2、运用数据有效性办法控制摘要的输入",
    "①首先拖动鼠标选择摘要栏所在的D3：D12单元格区域。",
    "②在“数据”选项卡上的“数据工具”组中，单击“数据有效性”按钮，从下拉列表中选择“数据有效性”命令，打开“数据有效性”对话框。",
    "③单击“设置”选项卡，从“允许”下拉列表中选择“序列”命令。",
    "④在“来源”文本框中依次输入序列值：“家电,IT产品”，项目之间使用西文逗号分隔。",
    "⑤要确保“提供下拉箭头”复选框被选中，否则将无法看到单元格旁边的下拉箭头。",
    "⑥设置输入错误提示语：单击“出错警告”选项卡，确保“输入无效数据时显示出错警告”复选框被选中；从“样式”下拉列表中选择“警告”，在右侧的“标题”和“错误信息”框中分别输入相关的提示信息。此时，如果在摘要列中输入超出指定序列范围的内容，则将出现警告信息。",
    "⑦设置完毕，单击“确定”按钮，退出对话框。",
    "⑧单击D3单元格，右侧出现一个下拉箭头。单击该下拉箭头，从下拉列表中选择“家电”。同样的方法输入其他行的摘要内容。",
    "⑨依次分别输入销售金额和销售成本的金额。",
    "3、对数据进行编辑修改",
    "用鼠标双击“摘要”所在的单元格D2，移动光标到最前面，输入“商品”二字，按Enter键完成修改。",
    "4、调整行高和列宽",
    "在行号上拖动鼠标选择第1到12行，向下拖动任一选中行的下边线（如第1行），当高度显示为20.00左右时放开鼠标。在需要调整的列的右边线上双击鼠标调整该列到合适宽度即可。",
    "5、插入及隐藏行列",
    "选择“序号”所在的列，从右键快捷菜单中选择“插入”命令在左侧插入一列，同样的方法分别在“序号”行前后各插入一行；在新插入的第2行行号上单击鼠标右键，从快捷菜单中选择“隐藏”命令将其隐藏起来。",
    "6、完成数据的输入",
    "在新插入的第4行中输入以下内容：在“商品摘要”列的E4单元格中输入“上月余额”，在“余额”列的H4单元格中输入“11000”，在H5单元格中输入公式：“=H4+F5-G5”（本期利润=上月余额+销售收入-销售成本），拖动H5单元格右下角的填充柄向下填充公式。",
    "7、设置标题字体格式及对齐方式",
    "选择标题“宏达公司销售报表”所在B1：H1区域，在“开始”选项卡“对齐方式”组中单击“合并后居中”按钮，在“开始”选项卡“字体”组中设置字体为“黑体”，字号为“16”。",
    "8、设置单元格字体格式及对齐方式",
    "选中“序号”所在的第1行、“序号”所在的B列以及“日期”所在的C列数据，在“开始”选项卡“对齐方式”组中单击“居中”按钮。",
    "9、设置数据格式",
    "选择“日期”所在的C列中的日期，在“开始”选项卡“数字”组中的“数字格式”按钮右侧的箭头，从打开的下拉列表选择“长日期”格式，调整C列列宽以适应格式的改变，同样方法，将F4：H14区域中的数据设为默认的“货币”格式。",
    "10、设置边框和底纹",
    "选中区域B1:H14，在“开始”选项卡“单元格”组中，单击“格式”按钮右侧的箭头，从打开的下拉列表选择“设置单元格格式”命令，弹出“设置单元格格式”对话框，切换到“边框”选项卡，在“线条”的“样式”中选择“双线”，“预置”中选择“外边框”；在“样式”中选择“单实线”，“预置”中选择“内部”，单击“确定”按钮。",
    "选中标题所在单元格，在“开始”选项卡“单元格”组中，单击“格式”按钮右侧的箭头，从打开的下拉列表选择“设置单元格格式”命令，弹出“设置单元格格式”对话框，切换到“填充”选项卡，背景色选择黄色，单击“确定”按钮。",
    "11、设置单元格套用格式",
    "选中标题所在单元格，在“开始”选项卡“样式”组中，单击“单元格样式”按钮右侧的下拉按钮箭头，从打开的下拉列表选择“强调文字颜色3”格式。",
    "选中区域B3:H14，在“开始”选项卡“样式”组中，单击“套用表格格式”按钮右侧的下拉按钮箭头，从打开的下拉列表选择“中等深浅24”。",
    "12、设置条件格式",
    "①选择销售金额所在的单元格区域F5：F14。",
    "②在“开始”选项卡上的“样式”组中，单击“条件格式”右侧的下拉按钮箭头，打开规则下拉列表。",
    "③选择“突出显示单元格规则”下的“大于”命令，打开“大于”对话框。",
    "④在“为在于以下值的单元格设置格式”框中输入“60000”。",
    "⑤单击“设置为”右侧的箭头，从下拉列表中选择“自定义格式”命令，打开“设置单元格格式”对话框。",
    "⑥在“字体”选项卡下依次设定字形为“加粗”、颜色为“蓝色”。",
    "⑦依次单击“确定”按钮退出对话框，符合条件的数据将按设定格式突出显示。",
    "13、按下列要求打印工作表：",
    "在“页面布局”选项卡上的“页面设置”组中，进行各项页面设置，其中：",
    "单击“页边距”按钮，在弹出的下拉列表中单击最下面的“自定义页边距”命令，打开“页面设置”对话框的“页边距”选项卡，在对话框左下角的“居中方式”组中，设置为“水平”居中，单击“确定”按钮。",
    "单击“纸张方向”按钮，选择“横向”。",
    "单击“纸张大小”按钮，单击最下边的“其他纸张大小”命令，打开“页面设置”对话框的“页面”选项卡，在“纸张大小”下拉列表中选择A4，单击“确定”按钮。",
    "单击“打印标题”按钮，打开“页面设置”对话框的“工作表”选项卡，单击“顶端标题行”框右端的“压缩对话框”按钮，从工作表中选择要重复打印的标题行行号（第3行），然后按Enter键返回对话框，设置完毕，单击对话框下方的“打印预览”按钮，当表格超宽超长时，即可在预览状态下看到在除首页外的其他页上重复显示的标题行或列。",
    "切换到“页面布局”选项卡，选择工作表区域B1:H14，单击“打印区域”按钮，从下拉列表中选择“设置打印区域”命令。",
};

constexpr std::string_view kGiven331Task[] = {
    "打开EXCEL素材练习五，进行如下操作：",
    "1、在H4单元格中创建迷你图：折线图。",
    "2、向上述创建的迷你图中添加文本：温度趋势图，居中显示。",
    "3、将上述创建的迷你图向下填充到H6单元格中。",
    "4、将H5单元格中的迷你图图表类型改为柱形图。",
    "5、将H6单元格中迷你图突出显示数据标记。",
    "6、将H6单元格中的折线图的线条设为2磅，颜色改为蓝色，将标记颜色设为红色。",
};

constexpr std::string_view kGiven331Steps[] = {
    "1、创建迷你图",
    "①打开Excel素材练习五，单击H4单元格。",
    "②在“插入”选项卡“迷你图”组中，单击“折线图”类型，打开“创建迷你图”对话框。",
    "③在“数据范围”框中，输入包含迷你图所基于的数据的单元格区域B4:G4。",
    "④在“位置范围”框中指定迷你图的放置位置，默认情况下显示已选定的单元格地址，此处不做改变。",
    "⑤单击“确定”按钮，可以看到迷你图已插入到指定单元格中。",
    "2、向迷你图添加文本",
    "在H4单元格中输入文本“温度趋势图”，在“开始”选项卡“对齐方式”组中单击“居中”将其居中显示，应用一个带有背景的单元格样式，并调大字号，这里在“开始”选项卡“样式”组中单击“单元格样式”按钮，在弹出的面板中选择“强调文字颜色6”样式，并在“字体”组设置字号大小为14。",
    "3、填充迷你图",
    "向下拖动H4单元格的填充柄到H6单元格，可以生成最高气温、最低气温、平均气温迷你图。",
    "4、改变迷你图类型",
    "①在“迷你图工具-设计”选项卡“分组”组中，单击“取消组合”按钮，撤销图组合，否则将会成组改变其类型。",
    "②单击要改变类型的H5单元格中的折线图。",
    "③在“迷你图工具-设计”选项卡“类型”组中，单击改变后的类型“柱形图”。",
    "5、突出显示数据标记",
    "①选择需要突出显示数据点的迷你图单元格H6。",
    "②在“迷你图工具-设计”选项卡“显示”组中，选中“标记”复选框，显示所有数据标记。",
    "6、迷你图样式和颜色设置",
    "①选择迷你图单元格H6。",
    "②单击“样式”组中的“迷你图颜色”按钮，在下拉列表中可更改迷你图的颜色及线条粗细。在下拉列表中选择“粗细-自定义权重”，弹出“迷你图权数”对话框，设为2磅，单击“确定”按钮。然后再打开“迷你图颜色”下拉列表框，颜色改为蓝色。",
    "③单击“样式”组中的“标记颜色”按钮，在下拉列表中选择“标记”后面面板中的“红色”。",
};

constexpr std::string_view kGiven342Task[] = {
    "打开EXCEL素材练习九，然后按下列要求进行操作：",
    "1、建立数据透视表，要求如下：",
    "   （1）“报表筛选”为：商品名称",
    "   （2）“列标签”为：时间",
    "   （3）“行标签”为：班级",
    "   （4）“数值”为：销售额",
    "2、以数据透视表为基准创建数据透视图：堆积柱形图。",
};

constexpr std::string_view kGiven342Steps[] = {
    "1、创建数据透视表",
    "①打开Excel素材练习九，在工作表中创建数据透视表所依据的源数据列表。",
    "②在用作数据源区域的任意一个单元格中单击，此处单击A3:E39单元格区域内的某一个单元格。",
    "③在“插入”选项卡“表”组中，单击“数据透视表”按钮，打开“创建数据透视表”对话框。",
    "④指定数据来源：在“选择一个表或区域”项下的“表/区域”框显示当前已选择的数据源区域，可以根据需要重新选择数据。此处对默认选择不做更改。",
    "⑤指定数据透视表存放的位置：选中“新工作表”，数据透视表将放置在新插入的工作表中。",
    "⑥单击“确定”按钮，Excel会将空的数据透视表添加至指定位置并在右侧显示“数据透视表字段列表”窗口。该窗口上半部分为字段列表，显示可以使用的字段名，也就是源数据区域的列标题；下半部分布局部分，包含“报表筛选”区域、“列标签”区域、“行标签”区域和“数值”区域。",
    "⑦向数据透视表添加字段：",
    "●若要将字段放置到布局部分的默认区域中，可在字段列表中单击选中相应字段名复选框。默认情况下，非数值字段将会自动添加到“行标签”区域，数值字段会添加到“数值”区域，格式为日期和时间的字段则会添加到“列标签”区域。此处，在字段列表中依次单击选中“班级”和“销售额”两个字段，透视表区域中将自动汇总各个班级的销售额合计值。",
    "●若要将字段放置到布局部分的特定区域中，可以直接将字段名从字段列表中拖动到布局部分的某个区域中；也可以在字段列表的字段名称上单击右键，然后从快捷菜单中选择相应命令。此处，将“商品名称”字段拖动到“报表筛选”区中，将“时间”字段拖动到“列标签”区中，这样数据透视表中将会汇总各个班级每个时间段的全部商品的销售额，同时在数据表的最上方添加用于筛选商品的报表字段。",
    "●如果想要删除字段，只需要在字段列表中单击取消对该字段名复选框的选择即可。",
    "⑧在数据透视表中筛选字段：加入到数据透视表中的字段名右侧均会显示筛选箭头，通过该箭头，可以对数据进一步遴选。此处，单击报表筛选字段“商品名称”右侧的筛选箭头，从列表中选择“电子产品”，这样数据透视表中将只汇总各个班级每个时间段的电子产品的销售额。",
    "2、创建数据透视图",
    "①在数据透视表的数据表区域中单击。",
    "②在“数据透视表工具-选项”选项卡上，单击“工具”组中的“数据透视图”按钮，打开“插入图表”对话框。",
    "③与创建普通图表一样，选择相应的图表类型和图表子类型。此处选择柱形图中的“堆积柱形图”。",
    "④单击“确定”按钮，数据透视图插入到当前数据透视表中。单击图表区中的字段筛选器，可更改图表中显示的数据。",
    "⑤在数据透视图中单击，功能区出现“数据透视图工具”中的“设计”、“布局”、“格式”和“分析”四个选项卡。通过这四个选项卡，可以对透视图进行修饰和设置，方法与普通图表相同。",
};

const OperationExercise* FindExercise(std::string_view folder)
{
    for (const OperationExercise* exercise : OperationExercises())
        if (exercise->folder == folder)
            return exercise;
    return nullptr;
}

std::string Joined(Lines lines)
{
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append("\n");
    return text;
}

// The number of a line opening with "n、", as task items and steps headings do.
std::optional<int> ItemNumber(std::string_view line)
{
    size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    if (digits == 0 || !line.substr(digits).starts_with("、"))
        return std::nullopt;
    return std::stoi(std::string(line.substr(0, digits)));
}

// 1 to 20 for a line opening with a circled number ① to ⑳ (U+2460 on), else 0.
int CircledNumber(std::string_view line)
{
    if (line.size() < 3 || line[0] != '\xE2' || line[1] != '\x91')
        return 0;
    unsigned char third = static_cast<unsigned char>(line[2]);
    return third >= 0xA0 && third <= 0xB3 ? third - 0xA0 + 1 : 0;
}

// A sub-heading "（n）" at the margin or indented by a few blanks.
bool IsSubHeading(std::string_view line)
{
    size_t blanks = line.find_first_not_of(' ');
    if (blanks == std::string_view::npos || blanks > 4)
        return false;
    std::string_view rest = line.substr(blanks);
    constexpr std::string_view kOpen = "（";
    if (!rest.starts_with(kOpen))
        return false;
    rest.remove_prefix(kOpen.size());
    size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
        ++digits;
    return digits > 0 && rest.substr(digits).starts_with("）");
}

std::vector<int> ItemNumbers(Lines lines)
{
    std::vector<int> numbers;
    for (std::string_view line : lines)
        if (std::optional<int> number = ItemNumber(line))
            numbers.push_back(*number);
    return numbers;
}

TEST(OperationExercises, bank_holds_the_ten_exercises_in_chapter_order)
{
    auto exercises = OperationExercises();
    ASSERT_EQ(exercises.size(), kRows.size());
    for (size_t i = 0; i < kRows.size(); ++i) {
        SCOPED_TRACE(kRows[i].folder);
        ASSERT_NE(exercises[i], nullptr);
        EXPECT_EQ(exercises[i]->chapter, kRows[i].chapter);
        EXPECT_EQ(exercises[i]->number, kRows[i].number);
        EXPECT_EQ(exercises[i]->folder, kRows[i].folder);
        EXPECT_EQ(exercises[i]->task_lines.size(), kRows[i].task_lines);
        EXPECT_EQ(exercises[i]->steps_lines.size(), kRows[i].steps_lines);
    }
    for (int chapter = -1; chapter <= 6; ++chapter) {
        auto in_chapter = std::count_if(kRows.begin(), kRows.end(),
                                        [&](const Row& row) { return row.chapter == chapter; });
        EXPECT_EQ(ChapterExerciseCount(chapter), in_chapter) << "chapter " << chapter;
    }
}

TEST(OperationExercises, fixed_exercises_are_stored_line_for_line)
{
    struct Fixed {
        std::string_view folder;
        Lines task;
        Lines steps;
    };
    const Fixed fixed[] = {
        {"301", kGiven301Task, kGiven301Steps},
        {"331", kGiven331Task, kGiven331Steps},
        {"342", kGiven342Task, kGiven342Steps},
    };
    for (const Fixed& row : fixed) {
        const OperationExercise* exercise = FindExercise(row.folder);
        ASSERT_NE(exercise, nullptr) << row.folder;
        for (auto [name, actual, expected] : {std::tuple{"task", exercise->task_lines, row.task},
                                              std::tuple{"steps", exercise->steps_lines, row.steps}}) {
            SCOPED_TRACE(std::string(row.folder) + " " + name);
            ASSERT_EQ(actual.size(), expected.size());
            for (size_t i = 0; i < actual.size(); ++i)
                EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
        }
    }
}

TEST(OperationExercises, exercise_311_tells_all_four_passwords_in_task_and_steps)
{
    const OperationExercise* exercise = FindExercise("311");
    ASSERT_NE(exercise, nullptr);
    std::string task = Joined(exercise->task_lines);
    std::string steps = Joined(exercise->steps_lines);
    for (std::string_view password : {"580274", "913062", "726", "246813"}) {
        EXPECT_NE(task.find(password), std::string::npos) << "task lacks " << password;
        EXPECT_NE(steps.find(password), std::string::npos) << "steps lack " << password;
    }
}

// The shape rules every exercise follows, checked one exercise at a time.
class ExerciseShape : public ::testing::TestWithParam<size_t> {
protected:
    const OperationExercise& exercise() const { return *OperationExercises()[GetParam()]; }
    const Row& row() const { return kRows[GetParam()]; }
};

TEST_P(ExerciseShape, lines_are_single_nonempty_cp936_lines_that_never_repeat_the_one_before)
{
    for (Lines lines : {exercise().task_lines, exercise().steps_lines}) {
        std::string_view previous;
        for (std::string_view line : lines) {
            SCOPED_TRACE(std::string(line));
            EXPECT_FALSE(line.empty());
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
            EXPECT_TRUE(testing::IsCp936(line));
            // Quotation marks are the curly ones.
            EXPECT_EQ(line.find('"'), std::string_view::npos);
            EXPECT_NE(line, previous) << "same as the line before";
            previous = line;
        }
    }
}

TEST_P(ExerciseShape, task_items_count_from_one_and_steps_give_one_heading_per_item)
{
    std::vector<int> items = ItemNumbers(exercise().task_lines);
    ASSERT_FALSE(items.empty());
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i], static_cast<int>(i) + 1) << "task item " << i + 1;
    EXPECT_EQ(ItemNumbers(exercise().steps_lines), items);
    for (std::string_view line : exercise().steps_lines) {
        if (!ItemNumber(line))
            continue;
        std::string_view title = line.substr(line.find("、") + std::string_view("、").size());
        EXPECT_FALSE(title.empty() || title.starts_with(' ')) << line;
        EXPECT_EQ(CircledNumber(title), 0) << line;
    }
}

// Circled steps count ①, ②, ... under every heading and sub-heading. A run may
// restart at ① after an unnumbered heading at the margin (such as "运行宏").
TEST_P(ExerciseShape, circled_steps_restart_under_each_heading_and_stay_within_ten)
{
    ASSERT_FALSE(exercise().steps_lines.empty());
    EXPECT_EQ(CircledNumber(exercise().steps_lines[0]), 0) << "steps open with a heading";
    int last = 0;
    std::string_view previous;
    for (std::string_view line : exercise().steps_lines) {
        SCOPED_TRACE(std::string(line));
        if (ItemNumber(line) || IsSubHeading(line)) {
            last = 0;
        } else if (int circled = CircledNumber(line)) {
            EXPECT_LE(circled, 10);
            bool after_heading = !previous.empty() && CircledNumber(previous) == 0 &&
                                 !previous.starts_with(' ') && !previous.starts_with("●");
            if (circled == 1)
                EXPECT_TRUE(last == 0 || after_heading) << "restart without a heading";
            else
                EXPECT_EQ(circled, last + 1);
            last = circled;
        }
        previous = line;
    }
}

TEST_P(ExerciseShape, texts_name_the_workbooks_and_sheets_of_the_exercise)
{
    std::string text = Joined(exercise().task_lines) + Joined(exercise().steps_lines);
    for (std::string_view name : row().names)
        EXPECT_NE(text.find(name), std::string::npos) << name;
}

INSTANTIATE_TEST_SUITE_P(AllExercises, ExerciseShape, ::testing::Range<size_t>(0, kRows.size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return "Exercise" + std::string(kRows[info.param].folder);
                         });

}  // namespace
}  // namespace boxi::banks
