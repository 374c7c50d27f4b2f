// The texts of the Access operation set "操作题（第2套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet2{};

}  // namespace boxi::banks
