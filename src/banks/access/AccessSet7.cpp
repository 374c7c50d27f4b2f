// The texts of the Access operation set "操作题（第7套）".
#include "banks/AccessBank.h"

namespace boxi::banks {

extern const AccessSetTexts kAccessSet7{};

}  // namespace boxi::banks
