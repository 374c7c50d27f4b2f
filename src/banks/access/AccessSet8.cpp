// The texts of the Access operation set "操作题（第8套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet8{};

}  // namespace boxi::banks
