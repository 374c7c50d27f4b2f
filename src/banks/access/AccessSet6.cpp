// The texts of the Access operation set "操作题（第6套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet6{};

}  // namespace boxi::banks
