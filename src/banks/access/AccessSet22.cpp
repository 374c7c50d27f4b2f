// The texts of the Access operation set "操作题（第22套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "在考生文件夹中有“samp1_22.mdb”数据库。",
    "（1）设置“职位”表到“单位信息”表的关系为一对多，实施参照完整性，级联更新相关字段，级联删除相关记录。",
    "（2）取消“个人信息”表所有字段的冻结，取消隐藏列，设置行高为标准高度。 ",
    "（3）在“求职”表中输入以下数据：",
    "------------------------------",
    " 编号    人员编号    职位编号 ",
    "------------------------------",
    "   1      P00009      Z0008  ",
    "   2      P00014      Z0006  ",
    "   3      P00015      Z0007  ",
    "   4      P00018      Z0011  ",
    "   5      P00011      Z0018  ",
    "------------------------------",
};

constexpr std::string_view kBasicStep1[] = {"（1）选择“工具”->“关系”,单击“显示表”按钮添加“职位”表和“单位信息”表,关闭“显示表”对话框.题中“职位”表为“一”方,将“职位”表中作为主键的关联字段拖到“单位信息”表的同名字段上,在“编辑关系”对话框中确认“表/查询”为“职位”、“相关表/查询”为“单位信息”,“关系类型”为“一对多”,勾选“实施参照完整性”、“级联更新相关字段”和“级联删除相关记录”,单击“创建”按钮,保存关系."};
constexpr std::string_view kBasicStep2[] = {"（2）打开“个人信息”表,选择“格式”->“取消对所有列的冻结”;选择“格式”->“取消隐藏列”,在对话框中勾选全部列,单击“关闭”按钮;选择“格式”->“行高”,勾选“标准高度”,单击“确定”按钮,关闭表时保存对表布局的更改."};
constexpr std::string_view kBasicStep3[] = {"（3）双击打开“求职”表,在新记录行中按题中数据逐条输入“编号”、“人员编号”和“职位编号”(“编号”为自动编号字段时由Access自动生成,不必输入),输入完毕关闭表."};
constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_22.mdb”，里面已经设计好两个表对象：“员工”和“工资”。试按以下要求完成设计：",
    "（1）创建查询“Q1”，显示基本工资最高的前10%的员工的员工编号、姓名和基本工资。",
    "（2）创建查询“Q2”，计算每位员工的实发工资（实发工资=基本工资+津贴-扣款），结果显示员工编号、姓名和“实发工资”，并按实发工资降序排列。",
};

constexpr std::string_view kSimpleStep1[] = {"（1）在“数据库”窗口中单击“查询”对象,双击“在设计视图中创建查询”,添加“员工”和“工资”表,双击“员工”表的“员工编号”、“姓名”和“工资”表的“基本工资”字段,在“基本工资”列的排序行选择“降序”,在工具栏的“上限值”框中输入“10%”,以“Q1”为名保存查询."};
constexpr std::string_view kSimpleStep2[] = {"（2）新建查询,添加“员工”和“工资”表,双击“员工”表的“员工编号”和“姓名”字段,在下一列的字段行输入“实发工资: [基本工资]+[津贴]-[扣款]”,在该列的排序行选择“降序”,以“Q2”为名保存查询."};
constexpr Lines kSimpleAnswer[] = {kSimpleStep1, kSimpleStep2};

constexpr std::string_view kComprehensive[] = {
    "考生文件夹下存在一个数据库文件“samp3_22.mdb”，试按以下要求完成设计：",
    "（1）将窗体“fProduct”的“允许编辑”、“允许删除”和“允许添加”属性均设置为“否”，并将其“滚动条”属性设置为“两者均无”。",
    "（2）在窗体“fProduct”的窗体页脚中添加命令按钮“cmdPreview”，标题为“预览报表”，用命令按钮向导实现单击时打开报表“rProduct”的打印预览。",
};

constexpr std::string_view kComprehensiveStep1[] = {"（1）以“设计视图”打开“fProduct”窗体,双击窗体选择器打开“属性”对话框,在“数据”选项卡中将“允许编辑”、“允许删除”和“允许添加”均设为“否”,在“格式”选项卡的“滚动条”行选择“两者均无”,保存窗体."};
constexpr std::string_view kComprehensiveStep2[] = {"（2）窗体页脚未显示时选择“视图”->“窗体页眉/页脚”;确认工具箱中的“控件向导”已按下,选择“命令按钮”在窗体页脚中单击,在向导的“类别”中选择“报表操作”,“操作”中选择“预览报表”,单击“下一步”,选择报表“rProduct”,单击“下一步”,选择“文本”并输入“预览报表”,单击“下一步”,按钮名称输入“cmdPreview”,单击“完成”按钮,保存窗体."};
constexpr Lines kComprehensiveAnswer[] = {kComprehensiveStep1, kComprehensiveStep2};

}  // namespace

extern const AccessSetTexts kAccessSet22{
    .basic_question = kBasic,
    .basic_answer = kBasicAnswer,
    .simple_question = kSimple,
    .simple_answer = kSimpleAnswer,
    .comprehensive_question = kComprehensive,
    .comprehensive_answer = kComprehensiveAnswer,
};

}  // namespace boxi::banks
