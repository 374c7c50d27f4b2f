// The texts of the Access operation set "操作题（第20套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasic[] = {
    "（1）新建“学生.mdb”数据库，将考生文件夹下的“学生.xls”导入,第一行包含列标题,将学号设置为主键,将导入表命名为“学生”。",
    "（2）为“学生姓名”字段设置有重复索引。",
    "（3）为“学生”表保存窗体类型的副本。",
};

}  // namespace

extern const AccessSetTexts kAccessSet20{
    .basic_question = kBasic,
};

}  // namespace boxi::banks
