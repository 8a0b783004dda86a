// One field of a text split at a delimiter (the service's settings file and catalogue lines).
#pragma once

#include <string>
#include <string_view>

namespace zv {

// Field index (from 0) of a delimited text. With delimiter "," runs of commas count as one. The
// text is trimmed first; an index past the last field gives the last field.
std::string delimitedField(std::string_view delimiter, std::string_view text, int index);

}  // namespace zv
