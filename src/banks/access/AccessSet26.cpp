// The texts of the Access operation set "操作题（第26套）".
#include "banks/AccessBank.h"

namespace boxi::banks {
namespace {

constexpr std::string_view kBasicStep3[] = {"（3）打开“部门信息”表,选中“部门名称”列,右键单击选择“冻结列”.选择“格式”->“行高”,在“行高”对话框中输入13.选择菜单“格式”->“数据表”->“单元格效果”->“凹陷”."};

}  // namespace

// Step 3 of the basic answer, which answers no task of the question; steps 1
// and 2 are still to come.
extern const Lines kBasic26AnswerStep3 = kBasicStep3;

extern const AccessSetTexts kAccessSet26{};

}  // namespace boxi::banks
