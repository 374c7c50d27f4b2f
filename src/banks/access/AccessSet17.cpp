// The texts of the Access operation set "操作题（第17套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet17{};

}  // namespace boxi::banks
