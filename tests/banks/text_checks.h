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

// A question's stem as a repeat of it would read: without its leading number
// and stop, without spaces of either width, its brackets in half width and
// without a closing full stop, so that the answer blank "（ ）", "（）" or
// "(   )" and the spacing around it hide no repeat.
inline std::string QuestionKey(std::string_view stem)
{
    const size_t digits = stem.find_first_not_of("0123456789");
    // "2.5英寸" begins with a figure, not with a question number.
    const bool numbered = digits != 0 && digits != std::string_view::npos && digits + 1 < stem.size() &&
                          stem[digits] == '.' && (stem[digits + 1] < '0' || stem[digits + 1] > '9');
    if (numbered)
        stem.remove_prefix(digits + 1);
    std::string key;
    for (size_t i = 0; i < stem.size();) {
        if (stem[i] == ' ' || stem[i] == '\t' || stem[i] == '\n') {
            ++i;
        } else if (stem.substr(i, 3) == "　") {
            i += 3;
        } else if (stem.substr(i, 3) == "（") {
            key += '(';
            i += 3;
        } else if (stem.substr(i, 3) == "）") {
            key += ')';
            i += 3;
        } else {
            key += stem[i++];
        }
    }
    for (std::string_view stop : {"。", "."}) {
        if (key.ends_with(stop))
            key.erase(key.size() - stop.size());
    }
    return key;
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
