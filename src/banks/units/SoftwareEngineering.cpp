#include "banks/UnitBank.h"

namespace boxi::banks {

// No row is written yet: rows go into a kRows array as the bank header shows.
extern const UnitTexts kSoftwareEngineeringUnit{
    .name = "软件工程基础",
    .keys = "CBBBABCAAD" "ADBCAADCCB" "CABACDDDCA" "DAABACCBAC",
    .rows = {},
};

}  // namespace boxi::banks
