// The texts of the Access operation set "操作题（第25套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet25{};

}  // namespace boxi::banks
