// The texts of the Access operation set "操作题（第11套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet11{};

}  // namespace boxi::banks
