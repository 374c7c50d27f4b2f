// The texts of the Access operation set "操作题（第9套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_9.mdb”数据库，其中有“产品”表。",
    "（1）在“产品”表的“产品名称”字段之后添加“产地”字段，数据类型为文本，字段大小为10。",
    "（2）将“产品”表的“产品类别”字段设置为查阅字段，列表值为“饮料”、“调味品”和“零食”。",
    "（3）对“产品”表进行高级筛选，筛选出单价大于10元的饮料，并按单价升序排列。",
};

constexpr std::string_view kBasicStep1[] = {"（1）在“数据库”窗口中单击“表”对象,选中“产品”表,单击“设计”按钮,选中“产品名称”的下一行,选择“插入”->“行”,在新行中输入字段名称“产地”,数据类型选择“文本”,将“字段大小”设为10."};
constexpr std::string_view kBasicStep2[] = {"（2）在“产品类别”字段的“数据类型”列中选择“查阅向导”,选择“自行键入所需的值”,单击“下一步”按钮,在列中依次输入“饮料”、“调味品”和“零食”,单击“下一步”按钮,再单击“完成”按钮,保存表并关闭设计视图."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“产品”表,选择“记录”->“筛选”->“高级筛选/排序”,在设计网格中添加“产品类别”和“单价”字段,在“产品类别”的“条件”行输入“饮料”,在“单价”的“条件”行输入“>10”,“排序”行选择“升序”,选择“筛选”->“应用筛选/排序”,保存表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_9.mdb”，里面已经设计好两个表对象：“职员”和“培训”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，计算每位职员的年龄（当前年份减去“出生日期”字段中的年份），结果显示“姓名”和“年龄”两列。",
    "（2）创建删除查询“Q2”，删除“培训”表中培训日期在2005年1月1日以前的记录，并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“职员”表,关闭“显示表”对话框,双击“姓名”字段,在第二列的“字段”行输入“年龄:Year(Date())-Year([出生日期])”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“培训”表,选择“查询”->“删除查询”,双击“培训日期”字段,其“删除”行为“Where”,在“条件”行输入“<#2005-1-1#”,以“Q2”为名保存查询.选择“查询”->“运行”,在提示框中单击“是”按钮."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_9.mdb”，试按以下要求完成设计：",
    "（1）将窗体“闰年判断”中文本框“tYear”的默认值设置为当前年份。",
    "（2）编写命令按钮“bJudge”的单击事件：判断文本框“tYear”中输入的四位年份是否为闰年，用消息框显示如“2012年是闰年”或“2013年不是闰年”的结果。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）在“数据库”窗口中单击“窗体”对象,选中“闰年判断”窗体,单击“设计”按钮,选中文本框“tYear”,选择“视图”->“属性”,在“数据”选项卡的“默认值”行输入“=Year(Date())”."};
constexpr std::string_view kComprehensiveStep2[] = {
    "（2）选中命令按钮“bJudge”,在属性窗口“事件”选项卡的“单击”行中选择“[事件过程]”,单击右侧的“...”按钮,在代码窗口中输入以下代码,保存窗体:",
    "Private Sub bJudge_Click()",
    "    Dim y As Integer",
    "    y = Val(Nz(Me!tYear, 0))",
    "    If (y Mod 4 = 0 And y Mod 100 <> 0) Or y Mod 400 = 0 Then",
    "        MsgBox y & \"年是闰年\"",
    "    Else",
    "        MsgBox y & \"年不是闰年\"",
    "    End If",
    "End Sub ",
};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet9{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
