// One field of a delimited text.
#include "delimited_field.h"

#include "field.h"
#include "sjis_chars.h"

namespace zv {

std::string delimitedField(std::string_view delimiter, std::string_view text, int index) {
    std::string collapsed;
    if (delimiter == ",") {
        for (char c : text) {
            if (c == ',' && !collapsed.empty() && collapsed.back() == ',') continue;
            collapsed += c;
        }
        text = collapsed;
    }
    std::string_view rest = trimmed(text);
    std::string_view found;
    for (int i = 0; i <= index; ++i) {
        size_t at = findSjis(rest, delimiter);
        if (at == std::string_view::npos) {
            found = rest;  // every later field is this same remaining text
            break;
        }
        found = rest.substr(0, at);
        rest = rest.substr(at + delimiter.size());
    }
    return std::string(found);
}

}  // namespace zv
