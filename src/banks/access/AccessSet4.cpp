// The texts of the Access operation set "操作题（第4套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet4{};

}  // namespace boxi::banks
