#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace boxi::testing {

// True when every character of the UTF-8 text has a code in code page 936.
inline bool IsCp936(std::string_view utf8)
{
    iconv_t cd = iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0');
    char* src = in.data();
    size_t src_left = in.size();
    char* dst = out.data();
    size_t dst_left = out.size();
    size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    return rc != static_cast<size_t>(-1) && src_left == 0;
}

// Width of a line in a monospaced CJK font: ASCII counts one column, every
// other character two.
inline int DisplayWidth(std::string_view utf8)
{
    int width = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += c < 0x80 ? 1 : 2;
        i += len;
    }
    return width;
}

}  // namespace boxi::testing
