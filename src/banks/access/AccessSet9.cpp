// The texts of the Access operation set "操作题（第9套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet9{};

}  // namespace boxi::banks
