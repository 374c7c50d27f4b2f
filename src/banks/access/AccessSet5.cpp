// The texts of the Access operation set "操作题（第5套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet5{};

}  // namespace boxi::banks
