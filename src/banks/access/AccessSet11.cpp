// The texts of the Access operation set "操作题（第11套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建“samp1_11.mdb”数据库，将考生文件夹下的“饮料.xls”和“类别.xls”导入，第一行包含列标题，分别以“饮料ID”和“类别ID”为主键，导入表命名为“饮料”和“类别”。",
    "（2）通过“类别ID”字段建立“类别”表与“饮料”表之间的一对多关系，实施参照完整性。",
    "（3）在“类别”表中添加以下记录：",
    "------------------------------------------------",
    " 类别ID  类别名称    说明                       ",
    "------------------------------------------------",
    " L05     果味饮料    以果汁或果味为主的饮料     ",
    " L06     功能饮料    含维生素或电解质的饮料     ",
    " L07     乳饮料      以乳或乳制品为原料的饮料   ",
    "------------------------------------------------",
};

constexpr std::string_view kBasicStep1[] = {"（1）选择“文件”->“新建”,在任务窗格中单击“空数据库”,在考生文件夹中以“samp1_11”为文件名创建数据库.选择“文件”->“获取外部数据”->“导入”,文件类型选择“Microsoft Excel”,选中“饮料.xls”,单击“导入”按钮,在向导中勾选“第一行包含列标题”,数据保存在“新表中”,主键选择“我自己选择主键”并选定“饮料ID”,导入到表“饮料”,单击“完成”按钮.用同样的方法导入“类别.xls”,以“类别ID”为主键,表名为“类别”."};
constexpr std::string_view kBasicStep2[] = {"（2）选择“工具”->“关系”,添加“类别”表和“饮料”表,关闭“显示表”对话框,将“类别”表的“类别ID”字段拖到“饮料”表的“类别ID”字段上,在“编辑关系”对话框中勾选“实施参照完整性”,单击“创建”按钮,保存关系."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“类别”表,在最后的空白行中依次输入表中的三条记录,关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_11.mdb”，里面已经设计好三个表对象：“学生”、“宿舍”和“新生”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，查找“性别”为“女”且所住宿舍的“楼号”为“3号楼”的学生（“学生”表与“宿舍”表通过“宿舍号”关联），结果显示“学号”、“姓名”和“宿舍号”字段。",
    "（2）创建追加查询“Q2”，将“新生”表中的全部记录追加到“学生”表中（两表字段相同），并运行该查询。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,单击“新建”按钮,选择“设计视图”,单击“确定”按钮,添加“学生”表和“宿舍”表,关闭“显示表”对话框,双击“学生”表的“学号”、“姓名”、“宿舍号”、“性别”字段和“宿舍”表的“楼号”字段,在“性别”的“条件”行输入“女”,在“楼号”的“条件”行输入“\"3号楼\"”,取消“性别”和“楼号”字段“显示”行的勾选,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“新生”表,选择“查询”->“追加查询”,在“追加”对话框的“表名称”中选择“学生”,选择“当前数据库”,单击“确定”按钮,双击“新生”表字段列表中的“*”,以“Q2”为名保存查询.选择“查询”->“运行”,在提示框中单击“是”按钮."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_11.mdb”，试按以下要求完成设计：",
    "（1）将报表“成绩单”的记录源设置为查询“成绩查询”，并将报表的标题设置为“学生成绩单”。",
    "（2）在报表的页面页脚节中添加一个文本框，以“第N页，共M页”的格式显示页码，其中N为当前页码，M为总页数。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1)在“数据库”窗口中单击“报表”对象,选中“成绩单”报表,单击“设计”按钮,选择“视图”->“属性”,在“报表”属性窗口中将“数据”选项卡的“记录源”设为“成绩查询”,“格式”选项卡的“标题”设为“学生成绩单”."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）若未显示页面页脚,选择“视图”->“页面页眉/页脚”.在工具箱中选择“文本框”,在页面页脚节中单击添加文本框,将其“控件来源”设为“=\"第\" & [Page] & \"页，共\" & [Pages] & \"页\"”(题目对文本框附带的标签不作要求,可以保留也可以删除),保存报表."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet11{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
