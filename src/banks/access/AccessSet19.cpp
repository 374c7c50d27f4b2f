// The texts of the Access operation set "操作题（第19套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet19{};

}  // namespace boxi::banks
