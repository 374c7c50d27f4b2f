// The texts of the Access operation set "操作题（第16套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet16{};

}  // namespace boxi::banks
