// The texts of the Access operation set "操作题（第23套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet23{};

}  // namespace boxi::banks
