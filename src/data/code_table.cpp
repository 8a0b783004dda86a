#include "code_table.h"

#include <algorithm>

#include "sjis.h"

namespace zv {

CodeTable::CodeTable(const CodeTableSource& source) : other_(sj(source.otherText)) {
    entries_.reserve(source.entries.size());
    for (const CodeEntry& e : source.entries) {
        std::string text = sj(e.text);
        const auto fillWidth = static_cast<size_t>(std::max(source.fillWidth, 0));
        if (text.size() < fillWidth) text.resize(fillWidth, ' ');
        entries_.emplace_back(std::string(e.code), std::move(text));
    }
    std::sort(entries_.begin(), entries_.end());
}

const std::string* CodeTable::find(std::string_view code) const {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), code,
                               [](const auto& entry, std::string_view c) { return entry.first < c; });
    if (it == entries_.end() || it->first != code) return nullptr;
    return &it->second;
}

const std::string& CodeTable::operator[](std::string_view code) const {
    const std::string* text = find(code);
    return text ? *text : other_;
}

}  // namespace zv
