#include "banks/CaseBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace boxi::banks {
namespace {

constexpr std::string_view kOpeningLine =
    "    在素材中打开工作簿文档Excel.xlsx，按照要求完成下列操作并以该文件名（Excel.xlsx）保存文档。";

// The shape of every case, kept apart from the bank's own rows so that a slip
// in either shows. Buffer ranges are first and last slot; 0 and 0 for a joined
// text, which uses no buffer.
struct ExpectedRow {
    std::string_view name;
    CaseFamily family;
    int task_lines;
    int steps_lines;
    int steps_blocks;
    TextShape shape;  // the same for task and steps in every case
    int a_first;
    int a_last;
    int b_first;
    int b_last;
    bool pad_line;
};

constexpr ExpectedRow kExpectedRows[] = {
    {"实例1", CaseFamily::BracketedSubTasks, 15, 37, 7, TextShape::Joined, 0, 0, 0, 0, false},
    {"实例2", CaseFamily::BracketedSubTasks, 11, 31, 5, TextShape::Joined, 0, 0, 0, 0, false},
    {"实例3", CaseFamily::BracketedSubTasks, 9, 42, 6, TextShape::Joined, 0, 0, 0, 0, false},
    {"实例4", CaseFamily::BracketedSubTasks, 8, 41, 5, TextShape::Joined, 0, 0, 0, 0, false},
    {"实例5", CaseFamily::SmallQuestionSteps, 11, 35, 0, TextShape::StagedAppended, 1, 11, 1, 35, false},
    {"实例6", CaseFamily::SmallQuestionSteps, 8, 37, 0, TextShape::StagedAppended, 1, 8, 1, 37, false},
    {"实例7", CaseFamily::SmallQuestionSteps, 10, 43, 0, TextShape::StagedAppended, 1, 10, 1, 43, false},
    {"实例8", CaseFamily::SmallQuestionSteps, 7, 22, 0, TextShape::StagedAppended, 1, 7, 1, 22, false},
    {"实例9", CaseFamily::SmallQuestionSteps, 8, 22, 0, TextShape::StagedAppended, 1, 8, 1, 22, false},
    {"实例10", CaseFamily::BracketedSubTasks, 20, 39, 8, TextShape::StagedJoined, 12, 31, 6, 13, false},
    {"实例11", CaseFamily::SmallQuestionSteps, 9, 25, 0, TextShape::StagedAppended, 1, 9, 1, 25, false},
    {"实例12", CaseFamily::SmallQuestionSteps, 8, 26, 0, TextShape::StagedAppended, 1, 8, 1, 26, false},
    {"实例13", CaseFamily::NumberedSolutionSteps, 9, 30, 0, TextShape::StagedAppended, 1, 9, 1, 30, false},
    {"实例14", CaseFamily::NumberedSolutionSteps, 7, 34, 0, TextShape::StagedAppended, 1, 7, 1, 34, false},
    {"实例15", CaseFamily::NumberedSolutionSteps, 8, 32, 0, TextShape::StagedAppended, 1, 8, 1, 32, false},
    {"实例16", CaseFamily::NumberedSolutionSteps, 10, 32, 0, TextShape::StagedAppended, 1, 10, 1, 32, false},
    {"实例17", CaseFamily::NumberedSolutionSteps, 7, 26, 0, TextShape::StagedAppended, 1, 7, 1, 26, false},
    {"实例18", CaseFamily::NumberedSolutionSteps, 8, 23, 0, TextShape::StagedAppended, 1, 8, 1, 23, false},
    {"实例19", CaseFamily::SmallQuestionBlocks, 8, 30, 7, TextShape::StagedAppended, 1, 8, 1, 7, false},
    {"实例20", CaseFamily::SmallQuestionBlocks, 10, 50, 9, TextShape::StagedAppended, 1, 10, 1, 9, false},
    {"实例21", CaseFamily::OperationStepBlocks, 30, 33, 8, TextShape::StagedAppended, 1, 30, 1, 8, false},
    {"实例22", CaseFamily::OperationStepBlocks, 29, 37, 8, TextShape::StagedAppended, 1, 29, 1, 8, false},
    {"实例23", CaseFamily::OperationStepBlocks, 30, 36, 8, TextShape::StagedAppended, 1, 30, 1, 8, false},
    {"实例24", CaseFamily::OperationStepBlocks, 32, 40, 8, TextShape::StagedAppended, 1, 32, 1, 8, false},
    {"实例25", CaseFamily::CommaItemOperationStepBlocks, 12, 26, 8, TextShape::StagedAppended, 1, 12, 1, 8, false},
    {"实例26", CaseFamily::OperationStepBlocks, 30, 34, 8, TextShape::StagedAppended, 1, 30, 1, 8, false},
    {"实例27", CaseFamily::CommaItemOperationStepBlocks, 9, 30, 7, TextShape::StagedAppended, 2, 10, 1, 7, true},
    {"实例28", CaseFamily::OperationStepBlocks, 30, 36, 8, TextShape::StagedAppended, 1, 30, 1, 8, false},
    {"实例29", CaseFamily::CommaItemOperationStepBlocks, 5, 21, 3, TextShape::StagedAppended, 1, 5, 1, 3, false},
    {"实例30", CaseFamily::OperationStepBlocks, 30, 37, 8, TextShape::StagedAppended, 1, 30, 1, 8, false},
    {"实例31", CaseFamily::SolutionStepBlocks, 9, 28, 8, TextShape::StagedAppended, 1, 9, 1, 8, false},
    {"实例32", CaseFamily::SolutionStepBlocks, 11, 19, 8, TextShape::StagedAppended, 1, 11, 1, 8, false},
    {"实例33", CaseFamily::SolutionStepBlocks, 11, 27, 8, TextShape::StagedAppended, 1, 11, 1, 8, false},
    {"实例34", CaseFamily::SolutionStepBlocks, 7, 35, 4, TextShape::StagedAppended, 2, 8, 1, 4, false},
};

const ExpectedRow& ExpectedRowOf(std::string_view name)
{
    return *std::find_if(std::begin(kExpectedRows), std::end(kExpectedRows),
                         [&](const ExpectedRow& row) { return row.name == name; });
}

// The texts known in full (实例8, 实例23 and the steps of 实例1), line by line.
constexpr std::string_view kGivenCase8Task[] = {
    "  打开素材中的“Excel.xlsx”文件，按以下要求操作：",
    "  1.请对“Sheet1”工作表进行格式调整：改变工作表标题字体、加大字号，并改变其颜色。适当加大数据表行高，设置对齐方式，增加适当的边框和底纹以使工作表更加美观。",
    "  2.在工作表Sheet1中，用公式计算“生活用水占水资源总量的百分比（%）”的值，填入相应单元格中。（计算公式为：生活用水占水资源总量的百分比（%）=1987-2002年度淡水抽取量占水资源总量百分比（%）*生活用水利用（%）/100，数值型保留小数点后2位）。",
    "  3.在工作表Sheet1中，请计算所列26个国家“用于农业”、“用于工业”、“生活用水”的平均值（数值型保留小数点后2位），并分别填入相应的C35至E35单元格中。",
    "  4.在工作表Sheet2中，运用VLOOKUP函数计算“用于农业占水资源总量的百分比（%）”、“用于工业占水资源总量的百分比（%）”的值（数值型保留小数点后2位），分别填入相应的单元格内。",
    "  5.以Sheet2工作表中的数据为基础，创建一个簇状柱形图，位于Sheet2表之后，图表中仅对高、中、低收入国家用于农业、工业占水资源总量的百分比之间的比较，并将该图表放置在一个名为“图表分析”的新工作表中。",
    "  6.保存“Excel.xlsx”文件。",
};

constexpr std::string_view kGivenCase8Steps[] = {
    "【解题步骤】",
    "第1小题:",
    "步骤1：打开素材中的“Excel.xlsx”文件。",
    "步骤2：在Sheet1工作表中，选中标题行，在【开始】选项卡下【字体】组中单击“字体”下拉按钮，选择一个不同的字体。单击“增大字号”按钮，适当增大字号。单击“字体颜色”下拉按钮，选择一个不同的颜色。",
    "步骤3：选中第2至35行，单击【单元格】组中的“格式”下拉按钮，选择“行高”，输入合适的行高值，如“16”，单击确定按钮。",
    "步骤4：选中A2:F35单元区域，单击【对齐方式】组中的“居中”按钮。",
    "步骤5：选中A1:F35单元区域,右键单击选中的区域，在弹出的快捷菜单里选择“设置单元格格式”。在对话框中切换至“边框”选项卡，对边框进行设置。切换至“填充”选项卡，选择合适的颜色，单击确定按钮。",
    "第2小题:",
    "步骤1：选中F5单元格，在编辑栏中输入公式：=B5*E5/100。按Enter键进行计算，拖动右下角自动填充柄填充至F34单元格。",
    "步骤2：选中F5:F34单元格，单击【数字】组中右下角的扩展按钮，在弹出的“设置单元格格式”对话框中，在“数字”选项卡下的“分类”组中选择“数值”，设置小数位数为2，单击确定按钮。",
    "第3小题:",
    "步骤1：选中C35单元格，在编辑栏中输入公式：=AVERAGE(C9:C34)，按Enter键进行计算，拖动右下角自动填充柄E35单元格。",
    "步骤2：选中C35:E35单元格，按照第2小题步骤2的方法设置为“数值型保留小数点后2位”。",
    "第4小题:",
    "步骤1：进入sheet2工作表，选中C2单元格，输入公式：=VLOOKUP(A2,Sheet1!A$5:F$34,3,FALSE)*B2/100，按Enter键进行计算，拖动右下角自动填充柄C5单元格。",
    "步骤2：选中D2单元格，输入公式：=VLOOKUP(A2,Sheet1!A$5:F$34,4,FALSE)*B2/100，按Enter键进行计算，拖动右下角自动填充柄D5单元格。",
    "第5小题:",
    "步骤1：按住Ctrl键，同时选中A1:A4，C1:D4单元格，在【插入】选项卡下，单击【图表】组中的“柱形图”下拉按钮，选择“簇状柱形图”。",
    "步骤2：右键单击图表，选择“剪切”。切换到sheet3工作表中，右键单击A1单元格，选择“粘贴选项”中的“使用目标主题”。",
    "步骤3：双击sheet3工作表标签，将其重命名为“图表分析”。",
    "第6小题:",
    "步骤：单击保存按钮，保存文件。",
};

constexpr std::string_view kGivenCase23Task[] = {
    "    在素材中打开工作簿文档Excel.xlsx，按照要求完成下列操作并以该文件名（Excel.xlsx）保存文档。",
    "    （1）在Sheet5中设定F列中不能输入重复的数值。",
    "    （2）在Sheet5中，使用条件格式将“性别”列中数据为“男”的单元格中字体颜色设置为红色、加粗显示。",
    "    （3）使用数组公式，根据Sheet1中“学生成绩表”的数据，计算考试总分，并将结果填入到“总分”列中。",
    "         计算方法：总分=单选题+判断题+Windows操作题+Excel操作题+PowerPoint操作题+IE操作题。",
    "    （4）使用文本函数中的一个函数，在Sheet1中，利用“学号”列的数据，根据以下要求获得考生所考级别，并将结果填入“级别”列中。要求：",
    "         ①学号中的第八位指示的考生所考级别，例如：“085200821023080”中的“2”标识了该考生所考级别为二级。",
    "         ②在“级别”列中，填入的数据是函数的返回值。",
    "    （5）使用统计函数，根据以下要求对Sheet1中“学生成绩表”的数据进行统计。要求：",
    "         ①统计“考1级的考生人数”，并将计算结果填入到N2单元格中。",
    "         ②统计“考试通过人数（>=60）”，并将计算结果填入到N3单元格中。",
    "         ③统计“全体1级考生的考试平均分”，并将计算结果填入到N4单元格中。",
    "         提示：计算时候的分母直接使用N2单元格的数据。",
    "    （6）使用财务函数，根据以下要求对Sheet2中的数据进行计算。要求：",
    "         ①根据“投资情况表1”中的数据，计算10年以后得到的金额，并将结果填入到B7单元格中。",
    "         ②根据“投资情况表2”中的数据，计算预计投资金额，并将结果填入到E7单元格中。",
    "    （7）将Sheet1中的“学生成绩表”复制到Sheet3，并对Sheet3进行高级筛选。",
    "         ①要求：",
    "         ·筛选条件为：“级别”为2、“总分”>=70。",
    "         ·将筛选结果保存在Sheet3中。",
    "         ②注意：",
    "         ·无须考虑是否删除或移动筛选条件。",
    "         ·复制过程中，将标题项“学生成绩表”连同数据一同复制。",
    "         ·数据表必须顶格放置。",
    "    （8）根据Sheet1中的“学生成绩表”，在Sheet4中新建一张数据透视表。要求：",
    "         ①显示每个级别不同总分的人数汇总情况。",
    "         ②行区域设置为“级别”。",
    "         ③列区域设置为“总分”。",
    "         ④数据区域设置为“总分”。",
    "         ⑤计数项为“总分”。",
};

constexpr std::string_view kGivenCase23Steps[] = {
    "第（1）题操作步骤：",
    "   [1]在Sheet5工作表中，选中F列。",
    "   [2]在【数据】选项卡中，单击【数据工具】组中【数据有效性】按钮，打开“数据有效性”对话框。",
    "   [3]在“设置”选项卡中，单击“允许”下拉按钮，在打开的下拉列表中选择“自定义”选项，在“公式”文本框中，输入公式：=COUNTIF(F:F,F1)=1，单击“确定”按钮。",
    "第（2）题操作步骤：",
    "   [1]在Sheet5工作表中，选中C2:C56单元格区域。",
    "   [2]在【开始】选项卡中，单击【样式】组中的【条件格式】下拉按钮，在打开的下拉列表中选择【突出显示单元格规则】后面的【等于】选项。",
    "   [3]在打开的“等于”对话框中，在“为等于以下值的单元格设置格式”文本框中输入文本：男，在“设置为”下拉列表中选择“自定义格式”选项，在打开的“设置单元格格式”对话框的“字体”选项卡中，设置字形为“加粗”，字体颜色为“红色”，单击“确定”按钮，返回“等于”对话框，再单击“确定”按钮。",
    "第（3）题操作步骤：",
    "   [1]在Sheet1工作表中，选中J3:J57单元格区域。",
    "   [2]在其中输入公式：=D3:D57+E3:E57+F3:F57+G3:G57+H3:H57+I3:I57，然后同时按组合键Ctrl+Shift+Enter。",
    "第（4）题操作步骤：",
    "   [1]在Sheet1工作表中，选中C3单元格。",
    "   [2]在编辑栏输入公式：=MID(A3,8,1)，按Enter键确认，双击C3单元格的填充柄向下填充。",
    "第（5）题操作步骤：",
    "   [1]在Sheet1工作表中，选中N2单元格，在其中输入公式：=COUNTIF(C3:C57,″=1″)，按Enter键确认。",
    "   [2]在Sheet1工作表中，选中N3单元格，在其中输入公式：=COUNTIF(J3:J57,″>=60″)，按Enter键确认。",
    "   [3]在Sheet1工作表中，选中N4单元格，在其中输入公式：=SUMIF(C3:C57,″=1″,J3:J57)/N2，按Enter键确认。",
    "第（6）题操作步骤：",
    "   [1]在Sheet2工作表中，选中B7单元格，在其中输入公式：=FV(B3,B5,B4,B2,0)，按Enter键确认。",
    "   [2]在Sheet2工作表中，选中E7单元格，在其中输入公式：=PV(E3,E4,E2,0,0)，按Enter键确认。",
    "第（7）题操作步骤：",
    "   [1]在Sheet1工作表中，选中A1:J57单元格区域，右击鼠标并选择“复制”命令，在Sheet3工作表的A1单元格中，右击鼠标并选择“粘贴”命令。",
    "   [2]在Sheet3工作表的空白区域创建高级筛选条件，可在L2:M3单元格区域中输入高级筛选条件：",
    "   -------------",
    "   级别   总分 ",
    "   -------------",
    "    2     >=70  ",
    "   -------------",
    "   [3]在Sheet3工作表中，单击A1:J57单元格区域中的任一单元格，在【数据】选项卡中，单击【排序和筛选】组中的【高级】按钮，打开“高级筛选”对话框，“列表区域”文本框中已自动填入数据清单所在的单元格区域。",
    "   [4]将光标置于“条件区域”文本框内，用鼠标拖选前面创建的高级筛选条件单元格区域L2:M3，“条件区域”文本框内会自动填入该区域地址，再单击“确定”按钮。",
    "第（8）题操作步骤：",
    "   [1]在Sheet1工作表中，单击A1:J57单元格区域中的任一单元格，在【插入】选项卡中，单击【表格】组中的【数据透视表】下拉按钮，在打开的下拉列表中选择【数据透视表】选项。",
    "   [2]在打开的“创建数据透视表”对话框中，“表/区域”文本框中已经自动填入光标所在的单元格区域（数据清单）。选中“现有工作表”单选按钮，将光标置于“位置”文本框中，再单击Sheet4工作表中的A1单元格，该单元格地址会自动填入“位置”文本框中。",
    "   [3]单击“确定”按钮，打开“数据透视表字段列表”任务窗格，将字段“级别”拖至“行标签”区域，将字段“总分”拖至“列标签”区域，将字段“总分”拖至“数值”区域。",
    "   [4]单击快速访问工具栏中的“保存”按钮保存文件。",
};

constexpr std::string_view kGivenCase1Steps[] = {
    "（1）打开文档Excel.xlsx，然后执行如下操作：",
    "   [1]在Sheet1工作表标签上按右键，在弹出的快捷菜单中单击【重命名】项，然后输入新表名“第一学期期末成绩”，按回车键即可。",
    "   [2]单击列号A选中A列，然后在【开始】选项卡【数字】组中单击【数字格式】列表框右侧的下箭头按钮，在弹出的下拉列表中选择【文本】项。",
    "   [3]选中D2:L19单元格区域，在【数字】组中单击【增加小数位数】按钮，使单元格中数值保留两位小数。",
    "   [4]选中单元格区域A1:L19区域，在【开始】选项卡【单元格】组中单击【格式】按钮，在弹出的下拉菜单中选择【行高】项，弹出“行高”对话框，设置行高值为15；再次单击【格式】按钮，在弹出的下拉菜单中选择【列宽】项，弹出“列宽”对话框，设置列宽值为8。",
    "   [5]选中单元格区域A1:L19区域，在【开始】选项卡【字体】组中设置【字体】为“宋体”、设置【字号】为12；在【对齐方式】组中单击【居中】按钮。",
    "   [6]选中单元格区域A1:L19区域，在【开始】选项卡【字体】组中，单击【下框线】按钮右侧的下箭头，在弹出的下拉菜单中选择“所有框线”项；单击【填充颜色】按钮右侧的下箭头，在弹出的面板中选择“橙色”。",
    "（2）利用“条件格式”设置单元格格式",
    "   [1]选中单元格区域D2:F19，然后在【开始】选项卡【样式】组中单击【条件格式】按钮右侧的下箭头按钮，在弹出的下拉列表中选择【突出显示单元格规则】后面的【其他规则】项。",
    "   [2]随即弹出【新建格式规则】对话框，在“编辑规则说明”中，第一个下拉列表框中选择“单元格值”、第二个下拉列表框中选择“大于或等于”、第三个框中输入数值110。",
    "   [3]单击【格式】按钮，弹出【设置单元格格式】对话框，切换到【填充】选项卡，在【背景色】处选择【黄色】，单击“确定”按钮返回，再次单击“确定”按钮即可。",
    "   [4]选中单元格区域G2:J19，然后在【开始】选项卡【样式】组中单击【条件格式】按钮右侧的下箭头按钮，在弹出的下拉列表中选择【突出显示单元格规则】后面的【其他规则】项。",
    "   [5]随即弹出【新建格式规则】对话框，在“编辑规则说明”中，第一个下拉列表框中选择“单元格值”、第二个下拉列表框中选择“大于”、第三个框中输入数值95。",
    "   [6]单击【格式】按钮，弹出【设置单元格格式】对话框，切换到【字体】选项卡，在【颜色】下拉面板中选择【红色】，单击“确定”按钮返回，再次单击“确定”按钮即可。",
    "（3）利用函数计算总分和平均分",
    "   [1]单击选中K2单元格中，在【开始】选项卡【编辑】组中单击求和按钮，单元格中显示公式“=SUM(D2:J2)，按回车键即可计算出第一个学生的总分。”",
    "   [2]再次选中K2单元格，将鼠标指向单元格右下角的填充柄，鼠标指针呈现黑十字时按下鼠标向下拖动将公式复制到下面对应的单元格中即可。",
    "   [3]单击选中L2单元格中，在【开始】选项卡【编辑】组中单击求和按钮旁的下箭头，在弹出的下拉菜单中选择【平均值】，单元格中显示公式“=AVERAGE(D2:K2)，修改公式为“=AVERAGE(D2:J2)，按回车键即可计算出第一个学生的平均分。”",
    "   [4]再次选中L2单元格，将鼠标指向单元格右下角的填充柄，鼠标指针呈现黑十字时按下鼠标向下拖动将公式复制到下面对应的单元格中即可。",
    "（4）利用函数求出每个学生所在班级",
    "   [1]单击选中C2单元格，在其中输入公式“=MID(A2,4,1)＆〝班〞”，按回车键即可求出第一个学生的班级。”",
    "   [2]再次选中C2单元格，将鼠标指向单元格右下角的填充柄，鼠标指针呈现黑十字时按下鼠标向下拖动将公式复制到下面对应的单元格中即可。",
    "（5）复制工作表",
    "   [1]按下Ctrl键，将鼠标指向工作表“第一学期期末成绩”标签，按下鼠标左键向右拖动出现三角箭头松开鼠标左键即可复制成功。 ",
    "   [2]在复制的工作表标签上单击鼠标右键，在弹出的快捷菜单中选择【工作表标签颜色】，在其后面的面板中选择【绿色】。",
    "   [3]在复制的工作表标签上单击鼠标右键，在弹出的快捷菜单中选择【重命名】，输入新表名“分类汇总”。",
    "（6）利用分类汇总功能求平均值",
    "   [1]选中班级列任一单元格。 ",
    "   [2]在【数据】选项卡【排序和筛选】组中单击【升序】按钮。",
    "   [3]在【分级显示】组中单击【分类汇总】按钮，弹出【分类汇总】对话框。",
    "   [4]在“分类字段”中选择“班级”，“汇总方式”中选择“平均值”，“选定汇总项”中勾选“语文”、“数学”、“英语”、“生物”、“地理”、“历史”、“政治”，并去掉其它勾选项。",
    "   [5]单击“确定”按钮即可计算出各班各科的平均成绩。",
    "   [6]左侧单击“2”级，将只显示平均值。",
    "（7）创建柱形图",
    "   [1]选中C1:J22区域，在【插入】选项卡【图表】组中单击【柱形图】按钮，在弹出的下拉面板中选择【簇状柱形图】，即可生成相应的图表。",
    "   [2]在【图表工具-设计】选项卡【位置】组中，单击【移动图表】按钮。",
    "   [3]在弹出的“移动图表”对话框中，选择“新工作表”单选按钮，然后单击“确定”按钮即可。",
};

struct GivenCase {
    std::string_view name;
    Lines task;  // empty: the task is not given
    Lines steps;
    std::vector<int> block_sizes;  // empty: every steps element is a line
};

const std::vector<GivenCase>& GivenCases()
{
    static const std::vector<GivenCase> cases = {
        {"实例8", kGivenCase8Task, kGivenCase8Steps, {}},
        {"实例23", kGivenCase23Task, kGivenCase23Steps, {4, 4, 3, 3, 4, 3, 10, 5}},
        {"实例1", {}, kGivenCase1Steps, {7, 7, 5, 3, 4, 7, 4}},
    };
    return cases;
}

std::string Join(const std::vector<std::string>& parts)
{
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? "\r\n" : "") + parts[i];
    return text;
}

std::vector<std::string> ToStrings(Lines lines)
{
    return {lines.begin(), lines.end()};
}

// The steps elements a reader of ChoiceB sees: lines, or blocks joined inside.
std::vector<std::string> ElementsOf(Lines steps, const std::vector<int>& block_sizes)
{
    if (block_sizes.empty())
        return ToStrings(steps);
    std::vector<std::string> blocks;
    size_t at = 0;
    for (int size : block_sizes) {
        blocks.push_back(Join(ToStrings(steps.subspan(at, static_cast<size_t>(size)))));
        at += static_cast<size_t>(size);
    }
    return blocks;
}

std::vector<std::string> ElementsOf(const CaseTexts& texts)
{
    if (texts.step_blocks.empty())
        return ToStrings(texts.step_lines);
    std::vector<std::string> blocks;
    for (Lines block : texts.step_blocks)
        blocks.push_back(Join(ToStrings(block)));
    return blocks;
}

std::vector<std::string_view> AllStepLines(const CaseTexts& texts)
{
    std::vector<std::string_view> lines(texts.step_lines.begin(), texts.step_lines.end());
    for (Lines block : texts.step_blocks)
        lines.insert(lines.end(), block.begin(), block.end());
    return lines;
}

// ---------------------------------------------------------------------------
// The row table

TEST(CaseRows, match_the_case_table_for_all_34_cases)
{
    const std::span<const CaseRow> rows = CaseRows();
    ASSERT_EQ(rows.size(), std::size(kExpectedRows));
    for (size_t i = 0; i < rows.size(); ++i) {
        const CaseRow& row = rows[i];
        const ExpectedRow& expected = kExpectedRows[i];
        SCOPED_TRACE(std::string(expected.name));
        EXPECT_EQ(row.name, "实例" + std::to_string(i + 1));
        EXPECT_EQ(row.name, expected.name);
        EXPECT_EQ(row.family, expected.family);
        EXPECT_EQ(row.task_line_count, expected.task_lines);
        EXPECT_EQ(row.steps_line_count, expected.steps_lines);
        EXPECT_EQ(row.steps_block_count, expected.steps_blocks);
        EXPECT_EQ(row.task_shape, expected.shape);
        EXPECT_EQ(row.steps_shape, expected.shape);
        EXPECT_EQ(row.pad_line, expected.pad_line ? "    " : "");

        const int steps_elements = expected.steps_blocks > 0 ? expected.steps_blocks : expected.steps_lines;
        if (expected.shape == TextShape::Joined) {
            EXPECT_EQ(expected.a_first, 0);
            EXPECT_EQ(expected.b_first, 0);
        } else {
            EXPECT_EQ(row.task_slot, expected.a_first);
            EXPECT_EQ(row.steps_slot, expected.b_first);
            EXPECT_EQ(expected.a_last - expected.a_first + 1, expected.task_lines);
            EXPECT_EQ(expected.b_last - expected.b_first + 1, steps_elements);
            // The buffers stay within the low slots the table reserves for them.
            EXPECT_GE(row.task_slot, 1);
            EXPECT_LE(row.task_slot + row.task_line_count - 1, 32);
            EXPECT_GE(row.steps_slot, 1);
            EXPECT_LE(row.steps_slot + steps_elements - 1, 43);
        }
    }
}

// ---------------------------------------------------------------------------
// The written texts

const CaseRow* RowOf(std::string_view name)
{
    for (const CaseRow& row : CaseRows()) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

TEST(CaseTexts, are_written_once_for_a_row_with_its_line_and_block_counts)
{
    std::set<std::string_view> names;
    for (const CaseTexts* texts : WrittenCaseTexts()) {
        SCOPED_TRACE(std::string(texts->name));
        EXPECT_TRUE(names.insert(texts->name).second) << "written twice";
        const CaseRow* row = RowOf(texts->name);
        ASSERT_NE(row, nullptr) << "no such case";

        if (!texts->task.empty()) {
            EXPECT_EQ(static_cast<int>(texts->task.size()), row->task_line_count);
        }
        if (row->steps_block_count > 0) {
            EXPECT_TRUE(texts->step_lines.empty()) << "this case gives its steps as blocks";
            EXPECT_EQ(static_cast<int>(texts->step_blocks.size()), row->steps_block_count);
            for (Lines block : texts->step_blocks)
                EXPECT_GE(block.size(), 2u) << "a block is a heading and its steps";
        } else {
            EXPECT_TRUE(texts->step_blocks.empty()) << "this case gives its steps as single lines";
        }
        EXPECT_EQ(static_cast<int>(AllStepLines(*texts).size()), row->steps_line_count);
    }
}

TEST(CaseTexts, hold_single_nonblank_lines_within_code_page_936)
{
    for (const CaseTexts* texts : WrittenCaseTexts()) {
        std::vector<std::string_view> lines(texts->task.begin(), texts->task.end());
        const std::vector<std::string_view> steps = AllStepLines(*texts);
        lines.insert(lines.end(), steps.begin(), steps.end());
        for (std::string_view line : lines) {
            SCOPED_TRACE(std::string(texts->name) + ": " + std::string(line));
            EXPECT_NE(line.find_first_not_of(' '), std::string_view::npos) << "empty or blank line";
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
            EXPECT_TRUE(testing::IsCp936(line));
        }
    }
}

TEST(CaseTexts, given_texts_are_stored_verbatim)
{
    for (const GivenCase& given : GivenCases()) {
        SCOPED_TRACE(std::string(given.name));
        const auto written = std::find_if(WrittenCaseTexts().begin(), WrittenCaseTexts().end(),
                                          [&](const CaseTexts* texts) { return texts->name == given.name; });
        ASSERT_NE(written, WrittenCaseTexts().end());
        const CaseTexts& texts = **written;
        if (!given.task.empty()) {
            EXPECT_EQ(ToStrings(texts.task), ToStrings(given.task));
        }
        EXPECT_EQ(ElementsOf(texts), ElementsOf(given.steps, given.block_sizes));
    }
}

// A web query opens the page by the path typed into the dialog, so that path
// must name the very file the task hands out (".htm" is not ".html").
TEST(CaseTexts, web_page_paths_name_the_material_the_task_names)
{
    struct WebPage {
        std::string_view name;
        std::string_view file;
    };
    const WebPage pages[] = {
        {"实例3", "复印纸价格表.html"},
        {"实例31", "第五次全国人口普查公报.htm"},
    };
    for (const WebPage& page : pages) {
        SCOPED_TRACE(std::string(page.name));
        const auto written = std::find_if(WrittenCaseTexts().begin(), WrittenCaseTexts().end(),
                                          [&](const CaseTexts* texts) { return texts->name == page.name; });
        ASSERT_NE(written, WrittenCaseTexts().end());
        const std::string quoted_file = "“" + std::string(page.file) + "”";
        EXPECT_TRUE(std::ranges::any_of((*written)->task, [&](std::string_view line) {
            return line.find(quoted_file) != std::string_view::npos;
        })) << "the task names the page";

        const std::string quoted_path =
            "“C:/Excel砺行/素材/实战模拟/" + std::string(page.name) + "/" + std::string(page.file) + "”";
        const std::vector<std::string_view> steps = AllStepLines(**written);
        EXPECT_EQ(std::ranges::count_if(steps,
                                        [&](std::string_view line) {
                                            return line.find(quoted_path) != std::string_view::npos;
                                        }),
                  1)
            << "one step types the path " << quoted_path;
        EXPECT_TRUE(std::ranges::any_of(steps, [](std::string_view line) {
            return line.find("“新建 Web 查询”") != std::string_view::npos ||
                   line.find("【新建 Web 查询】") != std::string_view::npos;
        })) << "the dialog is named as Excel 2010 titles it";
    }
}

// Line forms of one family. Number patterns capture the number in one of
// their groups; a step pattern may capture nothing ("步骤：", a lone step).
struct FamilyForms {
    CaseFamily family;
    std::string_view task_indent;  // every task line begins with it
    std::vector<std::string_view> task_start;  // the task's first lines
    std::string task_item;
    std::string_view other_task_indent;  // lines that are no item; "" when free
    std::string_view steps_start;  // a line before the first heading; "" when none
    std::string heading;
    std::string step;
    bool only_steps;  // every other steps line belongs to a criteria table
};

const std::string kPoint = "(?:\\.|．)";
const std::string kNumberedStep = "^ {0,2}步骤(\\d*)(?:：|: )";
const std::string kBracketStep = "^   \\[(\\d+)\\]";

const std::vector<FamilyForms>& AllFamilyForms()
{
    static const std::vector<FamilyForms> forms = {
        {CaseFamily::BracketedSubTasks, "    ", {kOpeningLine, "    【背景素材】"}, "^    （(\\d+)）", "", "",
         "^（(\\d+)）.", kBracketStep, false},
        {CaseFamily::SmallQuestionSteps, "  ", {}, "^  (\\d+)" + kPoint, "", "【解题步骤】",
         "^第(\\d+)小题:", kNumberedStep, false},
        {CaseFamily::NumberedSolutionSteps, "", {}, "^ ?(\\d+)" + kPoint, "", "",
         "^(\\d+)" + kPoint + "【解题步骤】", kNumberedStep, false},
        {CaseFamily::SmallQuestionBlocks, "    ", {}, "^    (\\d+)" + kPoint, "", "【解题步骤】",
         "^第(\\d+)小题：", kNumberedStep, false},
        {CaseFamily::OperationStepBlocks, "    ", {kOpeningLine}, "^    （(\\d+)）", "         ", "",
         "^第（(\\d+)）题操作步骤：$", kBracketStep, true},
        {CaseFamily::CommaItemOperationStepBlocks, "    ", {}, "^    (\\d+)、", "", "",
         "^第（(\\d+)）题操作步骤：$", kBracketStep, true},
        {CaseFamily::SolutionStepBlocks, "    ", {}, "^    (?:（(\\d+)）|(\\d+)" + kPoint + ")", "", "",
         "^(?:（(\\d+)）|(\\d+)" + kPoint + ")【解题步骤】", kNumberedStep, false},
    };
    return forms;
}

// The number a pattern captured: 0 for none, -1 when the line does not match.
int NumberIn(std::string_view line, const std::regex& pattern)
{
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(line.begin(), line.end(), match, pattern))
        return -1;
    for (size_t group = 1; group < match.size(); ++group) {
        if (match[group].matched && match[group].length() > 0)
            return std::stoi(match[group].str());
    }
    return 0;
}

using Problems = std::vector<std::string>;

void Report(Problems& problems, bool ok, std::string_view line, std::string_view what)
{
    if (!ok)
        problems.push_back(std::string(what) + ": " + std::string(line));
}

Problems TaskFormProblems(Lines task, const FamilyForms& forms)
{
    Problems problems;
    const std::regex item(forms.task_item);
    for (size_t i = 0; i < forms.task_start.size() && i < task.size(); ++i)
        Report(problems, task[i] == forms.task_start[i], task[i], "the task opens otherwise");
    int items = 0;
    for (size_t i = 0; i < task.size(); ++i) {
        const std::string_view line = task[i];
        Report(problems, line.starts_with(forms.task_indent), line, "indentation");
        const int number = NumberIn(line, item);
        if (number > 0) {
            Report(problems, number == ++items, line, "items run 1, 2, 3 without gaps");
            Report(problems, i >= 1, line, "an opening line comes before the items");
        } else if (!forms.other_task_indent.empty() && i >= forms.task_start.size()) {
            Report(problems, line.starts_with(forms.other_task_indent), line, "indentation under an item");
        }
    }
    Report(problems, items >= 1, "", "no items");
    return problems;
}

// Walks the steps as groups, each opened by a heading. Headings run 1, 2, 3;
// step numbers run on under a heading from 1 and may start again at 1 after
// an unnumbered line (a sub-heading); a lone step may go unnumbered.
Problems StepsFormProblems(const CaseTexts& texts, const FamilyForms& forms)
{
    Problems problems;
    const std::regex heading(forms.heading);
    const std::regex step(forms.step);
    const std::regex rule("^   -+$");
    const auto is_rule = [&](std::string_view line) { return std::regex_search(line.begin(), line.end(), rule); };
    const bool in_blocks = !texts.step_blocks.empty();
    std::vector<std::vector<std::string_view>> chunks;
    if (in_blocks) {
        for (Lines block : texts.step_blocks)
            chunks.emplace_back(block.begin(), block.end());
    } else {
        chunks.emplace_back(texts.step_lines.begin(), texts.step_lines.end());
    }

    int headings = 0;
    for (size_t c = 0; c < chunks.size(); ++c) {
        const std::vector<std::string_view>& lines = chunks[c];
        size_t first = 0;
        if (c == 0 && !forms.steps_start.empty()) {
            Report(problems, !lines.empty() && lines[0] == forms.steps_start, lines.empty() ? "" : lines[0],
                   "the steps open otherwise");
            first = 1;
        }
        Report(problems, first < lines.size(), "", "a block without a heading");
        int last_step = 0;
        int unnumbered = 0;
        int numbered = 0;
        bool after_other_line = false;
        const auto close_group = [&](std::string_view line) {
            Report(problems, unnumbered == 0 || (unnumbered == 1 && numbered == 0), line,
                   "an unnumbered step stands alone in its group");
        };
        for (size_t i = first; i < lines.size(); ++i) {
            const std::string_view line = lines[i];
            if (const int number = NumberIn(line, heading); number > 0) {
                Report(problems, i == first || !in_blocks, line, "a block holds one heading, as its first line");
                Report(problems, number == ++headings, line, "headings run 1, 2, 3 without gaps");
                if (i != first)
                    close_group(line);
                last_step = unnumbered = numbered = 0;
                after_other_line = false;
                continue;
            }
            Report(problems, i != first, line, "the steps open with a heading");
            if (const int number = NumberIn(line, step); number >= 0) {
                if (number == 0) {
                    ++unnumbered;
                } else {
                    ++numbered;
                    const bool restarts = number == 1 && after_other_line;
                    Report(problems, number == last_step + 1 || restarts, line, "step numbers run without gaps");
                    last_step = number;
                }
                after_other_line = false;
                continue;
            }
            if (forms.only_steps) {
                // A criteria table of an advanced filter: five lines after step [2].
                const bool table = last_step == 2 && !after_other_line && i + 4 < lines.size() && is_rule(line) &&
                                   is_rule(lines[i + 2]) && is_rule(lines[i + 4]);
                Report(problems, table, line, "only headings, steps and criteria tables");
                i += table ? 4 : 0;
            }
            after_other_line = true;
        }
        close_group(lines.empty() ? "" : lines.back());
    }
    if (in_blocks)
        Report(problems, headings == static_cast<int>(texts.step_blocks.size()), "", "one heading per block");
    return problems;
}

int CriteriaTables(const CaseTexts& texts)
{
    int tables = 0;
    for (Lines block : texts.step_blocks) {
        for (std::string_view line : block)
            tables += line.starts_with("   ---") ? 1 : 0;
    }
    return tables / 3;
}

TEST(CaseTexts, follow_the_line_forms_of_their_family)
{
    for (const CaseTexts* texts : WrittenCaseTexts()) {
        SCOPED_TRACE(std::string(texts->name));
        const CaseRow* row = RowOf(texts->name);
        ASSERT_NE(row, nullptr);
        const auto forms = std::find_if(AllFamilyForms().begin(), AllFamilyForms().end(),
                                        [&](const FamilyForms& f) { return f.family == row->family; });
        ASSERT_NE(forms, AllFamilyForms().end());
        if (!texts->task.empty()) {
            EXPECT_EQ(TaskFormProblems(texts->task, *forms), Problems());
        }
        EXPECT_EQ(StepsFormProblems(*texts, *forms), Problems());

        // The cases with an advanced filter hold one criteria table in its block.
        static const std::set<std::string_view> with_filter = {"实例22", "实例23", "实例24",
                                                               "实例26", "实例28", "实例30"};
        EXPECT_EQ(CriteriaTables(*texts), with_filter.contains(texts->name) ? 1 : 0);
    }
}

// The cells of a criteria row as (display column, text): runs of characters
// separated by blanks, columns counted with a Chinese character as two.
std::vector<std::pair<int, std::string>> CellsOf(std::string_view line)
{
    std::vector<std::pair<int, std::string>> cells;
    int column = 0;
    for (size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++column;
            ++i;
            continue;
        }
        size_t end = line.find(' ', i);
        if (end == std::string_view::npos)
            end = line.size();
        std::string cell(line.substr(i, end - i));
        cells.emplace_back(column, cell);
        column += testing::DisplayWidth(cell);
        i = end;
    }
    return cells;
}

TEST(CaseTexts, criteria_tables_line_up_in_a_monospaced_font)
{
    for (const CaseTexts* texts : WrittenCaseTexts()) {
        for (Lines block : texts->step_blocks) {
            for (size_t i = 0; i + 4 < block.size(); ++i) {
                if (!block[i].starts_with("   ---"))
                    continue;
                SCOPED_TRACE(std::string(texts->name) + ": " + std::string(block[i + 1]));
                const auto heads = CellsOf(block[i + 1]);
                const auto criteria = CellsOf(block[i + 3]);
                ASSERT_EQ(heads.size(), criteria.size()) << "one criterion under every column head";
                ASSERT_GE(heads.size(), 1u);
                for (size_t k = 0; k < heads.size(); ++k) {
                    // A criterion starts under its head, before the next head.
                    const int next = k + 1 < heads.size() ? heads[k + 1].first : 1 << 20;
                    EXPECT_GE(criteria[k].first, heads[k].first) << criteria[k].second;
                    EXPECT_LT(criteria[k].first, next) << criteria[k].second;
                    if (k > 0) {
                        EXPECT_EQ(criteria[k].first, heads[k].first) << "column " << k << " starts with its head";
                    }
                }
                // The three rules are alike and span both rows.
                EXPECT_EQ(block[i], block[i + 2]);
                EXPECT_EQ(block[i], block[i + 4]);
                const int rule = testing::DisplayWidth(block[i]);
                const auto right_edge = [](const auto& cells) {
                    return cells.back().first + testing::DisplayWidth(cells.back().second);
                };
                EXPECT_GE(rule, right_edge(heads));
                EXPECT_GE(rule, right_edge(criteria));
                i += 4;
            }
        }
    }
}

TEST(CaseTexts, family_forms_reject_faulty_lines)
{
    // The checks above must be able to fail.
    const FamilyForms& operation = AllFamilyForms()[4];
    const FamilyForms& small = AllFamilyForms()[1];
    struct Faulty {
        const FamilyForms* forms;
        std::vector<std::string_view> block;  // given as one block when the family uses blocks
        std::string_view fault;
    };
    const std::vector<Faulty> faulty = {
        {&operation, {"第（2）题操作步骤：", "   [1]选中A1单元格。"}, "heading out of turn"},
        {&operation, {"第（1）题操作步骤：", "   [1]选中A1单元格。", "   [3]单击“确定”按钮。"}, "step skipped"},
        {&operation, {"第（1）题操作步骤：", "   [1]选中A1单元格。", "   [2]输入条件：", "   -------", "   级别"},
         "criteria table cut short"},
        {&operation, {"第（1）题操作步骤：", "   [1]选中A1单元格。", "说明文字"}, "stray line"},
        {&operation, {"   [1]选中A1单元格。"}, "no heading"},
        {&small, {"【解题步骤】", "第1小题:", "步骤：选中A1单元格。", "步骤2：单击“确定”按钮。"}, "lone step beside numbered ones"},
        {&small, {"第1小题:", "步骤1：选中A1单元格。"}, "no 【解题步骤】 line"},
        {&small, {"【解题步骤】", "第1小题：", "步骤1：选中A1单元格。"}, "full-width colon in the heading"},
    };
    for (const Faulty& f : faulty) {
        const Lines block(f.block);
        const CaseTexts texts = f.forms->only_steps ? CaseTexts{.name = "fault", .step_blocks = {&block, 1}}
                                                    : CaseTexts{.name = "fault", .step_lines = block};
        EXPECT_NE(StepsFormProblems(texts, *f.forms), Problems()) << f.fault;
    }
    const std::string_view no_items[] = {kOpeningLine, "    【背景素材】", "    （2）选中A1单元格。"};
    EXPECT_NE(TaskFormProblems(no_items, AllFamilyForms()[0]), Problems()) << "items start at 2";
}

// ---------------------------------------------------------------------------
// Which names the bank knows

TEST(CaseBank, holds_exactly_the_cases_with_both_texts_written)
{
    std::vector<std::string_view> expected;
    for (const CaseRow& row : CaseRows()) {
        for (const CaseTexts* texts : WrittenCaseTexts()) {
            if (texts->name == row.name && !texts->task.empty() && !AllStepLines(*texts).empty())
                expected.push_back(row.name);
        }
    }
    std::vector<std::string_view> present;
    for (const PracticalCase& practical_case : PresentCases())
        present.push_back(practical_case.row.name);
    EXPECT_EQ(present, expected);
    for (const CaseRow& row : CaseRows())
        EXPECT_EQ(HasCase(row.name), std::ranges::count(expected, row.name) == 1) << row.name;
    EXPECT_TRUE(HasCase("实例8"));
    EXPECT_TRUE(HasCase("实例23"));
}

// ---------------------------------------------------------------------------
// WriteCase

// Every field of every slot starts with a text naming it, so that a write
// and a field left alone can both be seen.
std::string Mark(char field, int slot)
{
    return std::string(1, field) + std::to_string(slot);
}

constexpr std::string_view kFields = "QabcdgkA";

template <typename Table>
auto& Field(Table& table, char field)
{
    switch (field) {
    case 'Q': return table.QuestionText;
    case 'a': return table.ChoiceA;
    case 'b': return table.ChoiceB;
    case 'c': return table.ChoiceC;
    case 'd': return table.ChoiceD;
    case 'g': return table.GivenAnswer;
    case 'k': return table.AnswerKey;
    default: return table.AnswerAnalysis;
    }
}

class CaseWrite : public ::testing::Test {
protected:
    CaseWrite()
    {
        Reset();
    }

    void Reset()
    {
        for (char field : kFields) {
            for (int slot = 0; slot <= 70; ++slot)
                Field(table, field).Set(slot, Mark(field, slot));
        }
    }

    // What the loading of a case does before it lets the bank write.
    void EmptyForCase()
    {
        for (int slot = 1; slot <= 70; ++slot) {
            for (char field : std::string_view("Qabk"))
                Field(table, field).Set(slot, "");
        }
    }

    // Compares the whole table with what a case of this row and these texts
    // must leave after the emptying.
    void ExpectWritten(const ExpectedRow& row, const std::vector<std::string>& task,
                       const std::vector<std::string>& elements)
    {
        SCOPED_TRACE(std::string(row.name));
        ASSERT_EQ(static_cast<int>(task.size()), row.task_lines);
        const bool appended = row.shape == TextShape::StagedAppended;
        const bool staged = row.shape != TextShape::Joined;
        const std::string lead = appended ? "\r\n" : "";
        EXPECT_EQ(table.QuestionText(22), lead + Join(task));
        EXPECT_EQ(table.AnswerKey(22), lead + Join(elements));

        for (int slot = 1; slot <= 70; ++slot) {
            SCOPED_TRACE("slot " + std::to_string(slot));
            std::string a;
            std::string b;
            if (staged && slot >= row.a_first && slot <= row.a_last)
                a = task[static_cast<size_t>(slot - row.a_first)];
            else if (row.pad_line && slot == 1)
                a = "    ";
            if (staged && slot >= row.b_first && slot <= row.b_last)
                b = elements[static_cast<size_t>(slot - row.b_first)];
            EXPECT_EQ(table.ChoiceA(slot), a);
            EXPECT_EQ(table.ChoiceB(slot), b);
            if (slot != 22) {
                EXPECT_EQ(table.QuestionText(slot), "");
                EXPECT_EQ(table.AnswerKey(slot), "");
            }
        }
        ExpectOthersUntouched();
    }

    void ExpectOthersUntouched()
    {
        for (char field : kFields)
            EXPECT_EQ(Field(table, field)(0), Mark(field, 0));
        for (char field : std::string_view("cdgA")) {
            for (int slot = 0; slot <= 70; ++slot)
                EXPECT_EQ(Field(table, field)(slot), Mark(field, slot));
        }
    }

    QuestionTable table;
};

TEST_F(CaseWrite, given_cases_produce_the_given_texts_and_buffers)
{
    for (const GivenCase& given : GivenCases()) {
        std::optional<PracticalCase> found = FindCase(given.name);
        if (!found)
            continue;
        Reset();
        EmptyForCase();
        WriteCase(table, given.name);
        const std::vector<std::string> task = given.task.empty() ? ToStrings(found->texts.task) : ToStrings(given.task);
        ExpectWritten(ExpectedRowOf(given.name), task, ElementsOf(given.steps, given.block_sizes));
    }
}

TEST_F(CaseWrite, every_present_case_is_laid_out_by_its_row)
{
    for (const PracticalCase& practical_case : PresentCases()) {
        Reset();
        EmptyForCase();
        WriteCase(table, practical_case.row.name);
        ExpectWritten(ExpectedRowOf(practical_case.row.name), ToStrings(practical_case.texts.task),
                      ElementsOf(practical_case.texts));
    }
}

// Cases not yet written are laid out from stand-in texts of their row's
// counts, so that every row's shape, slots and pad line are exercised:
// joined (实例1 to 实例4), staged and joined from ChoiceA 12 and ChoiceB 6
// (实例10), the pad line (实例27), the buffer reaching ChoiceA 32 (实例24) and
// ChoiceB 43 (实例7).
TEST_F(CaseWrite, every_row_shape_lays_out_its_texts)
{
    for (const CaseRow& row : CaseRows()) {
        std::vector<std::string> task_storage;
        for (int i = 1; i <= row.task_line_count; ++i)
            task_storage.push_back("T" + std::to_string(i));
        std::vector<std::string> step_storage;
        for (int i = 1; i <= row.steps_line_count; ++i)
            step_storage.push_back("S" + std::to_string(i));
        const std::vector<std::string_view> task_lines(task_storage.begin(), task_storage.end());
        const std::vector<std::string_view> step_lines(step_storage.begin(), step_storage.end());

        // Blocks of two lines, the last one taking the rest.
        std::vector<int> sizes;
        std::vector<Lines> blocks;
        for (int b = 0; b < row.steps_block_count; ++b) {
            const int size = b + 1 < row.steps_block_count ? 2 : row.steps_line_count - 2 * b;
            sizes.push_back(size);
            blocks.push_back(Lines(step_lines).subspan(static_cast<size_t>(2 * b), static_cast<size_t>(size)));
        }
        CaseTexts texts{.name = row.name, .task = task_lines};
        if (blocks.empty())
            texts.step_lines = step_lines;
        else
            texts.step_blocks = blocks;

        Reset();
        EmptyForCase();
        WriteCase(table, PracticalCase{row, texts});
        ExpectWritten(ExpectedRowOf(row.name), task_storage, ElementsOf(step_lines, sizes));
    }
}

TEST_F(CaseWrite, names_that_are_not_exactly_a_case_write_nothing)
{
    std::vector<std::string> names = {"实例35", "实例40", "实例41", " 实例8", "实例8 ", "实例08",
                                      "实例８", "第3套", "实例", "实例0", "", "实例 23", "实例23\r\n"};
    for (const CaseRow& row : CaseRows()) {
        if (!HasCase(row.name))
            names.emplace_back(row.name);
    }
    EmptyForCase();
    const QuestionTable before = table;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(HasCase(name));
        WriteCase(table, name);
        for (char field : kFields) {
            for (int slot = 0; slot <= 70; ++slot)
                EXPECT_EQ(Field(table, field)(slot), Field(before, field)(slot));
        }
    }
}

TEST_F(CaseWrite, leaves_the_emptying_to_its_caller)
{
    // Without the emptying the unused buffers keep their texts and the task
    // is appended to what slot 22 held.
    WriteCase(table, "实例8");
    EXPECT_EQ(table.QuestionText(22), Mark('Q', 22) + "\r\n" + Join(ToStrings(kGivenCase8Task)));
    EXPECT_EQ(table.ChoiceA(1), kGivenCase8Task[0]);
    EXPECT_EQ(table.ChoiceA(8), Mark('a', 8));
    EXPECT_EQ(table.ChoiceB(23), Mark('b', 23));
    EXPECT_EQ(table.QuestionText(21), Mark('Q', 21));
    ExpectOthersUntouched();
}

}  // namespace
}  // namespace boxi::banks
