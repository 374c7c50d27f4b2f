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

}  // namespace

extern const AccessSetTexts kAccessSet22{
    .basic_question = kBasic,
};

}  // namespace boxi::banks
