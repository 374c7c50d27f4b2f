#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr UnitRow kRows[] = {
    {.number = 5,
     .stem = "5.某二叉树有5个度为2的结点，则该二叉树中的叶子结点数是（　　）。",
     .choices = {"（A）10", "（B）8", "（C）6", "（D）4"},
     .analysis = "解析：根据二叉树的基本性质3：在任意一棵二叉树中，度为0的叶子节点总是比度为2的节点多一个，所以本题中是5＋1＝6个。"},
    {.number = 33, .choices = {"A）所谓算法就是计算方法", "", "", ""}},
};

}  // namespace

extern const UnitTexts kDataStructuresUnit{
    .name = "数据结构与算法",
    .keys = "BDAACDCDBD" "BBCACDADAC" "DABCDBBCCB" "BCBBBDBCCD",
    .rows = kRows,
};

}  // namespace boxi::banks
