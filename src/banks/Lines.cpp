#include "banks/Lines.h"

namespace boxi::banks {

std::string JoinCrLf(Lines lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace boxi::banks
