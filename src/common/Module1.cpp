#include "common/Module1.h"

#include <utility>

namespace boxi {

const std::string& TextTable::operator()(int slot) const
{
    static const std::string empty;
    return InRange(slot) ? slots_[static_cast<size_t>(slot)] : empty;
}

void TextTable::Set(int slot, std::string text)
{
    if (InRange(slot))
        slots_[static_cast<size_t>(slot)] = std::move(text);
}

}  // namespace boxi
