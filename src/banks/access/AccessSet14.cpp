// The texts of the Access operation set "操作题（第14套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet14{};

}  // namespace boxi::banks
