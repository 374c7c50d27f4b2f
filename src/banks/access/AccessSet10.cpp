// The texts of the Access operation set "操作题（第10套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet10{};

}  // namespace boxi::banks
