#include "line_cutter.h"

namespace zv {

std::vector<std::string_view> splitLines(std::string_view content, LineEnds ends) {
    std::vector<std::string_view> lines;
    if (ends == LineEnds::RecordFile) {
        LineCutter(content.data()).finish(content.size(), [&](std::string_view line) { lines.push_back(line); });
        return lines;
    }
    size_t i = 0;
    while (i < content.size()) {
        size_t end = content.find_first_of("\r\n", i);
        if (end == std::string_view::npos) end = content.size();
        lines.push_back(content.substr(i, end - i));
        if (content.substr(end).starts_with("\r\n")) ++end;
        i = end + 1;
    }
    return lines;
}

}  // namespace zv
