// The texts of the Access operation set "操作题（第18套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet18{};

}  // namespace boxi::banks
