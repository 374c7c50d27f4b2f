// The texts of the Access operation set "操作题（第1套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kSimple[] = {
    "考生文件夹下存在一个数据库文件“samp2_1.mdb”，里面已经设计好两个表对象：“部门”表和“工资”表。试按以下要求完成设计：",
    "（1）以部门表和工资表为数据源，创建查询“Q1”，查询研发部人员的基本工资，结果显示部门名称、员工姓名和基本工资字段。",
    "（2）建立一个参数查询Q2，通过输入员工ID显示员工的工资情况。参数提示为“请输入员工ID”，结果显示员工姓名、基本工资、奖金、岗位工资和保险金字段。",
};

}  // namespace

extern const AccessSetTexts kAccessSet1{
    .simple_question = kSimple,
};

}  // namespace boxi::banks
