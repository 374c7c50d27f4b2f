// The texts of the Access operation set "操作题（第21套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet21{};

}  // namespace boxi::banks
