// The texts of the Access operation set "操作题（第12套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet12{};

}  // namespace boxi::banks
