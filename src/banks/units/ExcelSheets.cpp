#include "banks/UnitBank.h"

namespace boxi::banks {
namespace {

constexpr UnitRow kRows[] = {
    {.number = 22, .choices = {"(A)100，101", "", "", "(D)100，101"}},
    {.number = 33, .choices = {"", "", "", "(D)=A1&A2"}, .analysis = "字符串连接公式是：=A1&A2。"},
};

}  // namespace

extern const UnitTexts kExcelSheetsUnit{
    .name = "Excel报表软件",
    .keys = "CDDBCACAAB" "CCCCBABCDC" "CCCCDCABCB" "CBDABBCCBB",
    .rows = kRows,
};

}  // namespace boxi::banks
