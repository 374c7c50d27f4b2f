// The texts of the Access operation set "操作题（第24套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet24{};

}  // namespace boxi::banks
