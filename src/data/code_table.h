// A code table: code texts mapped to display texts, with one text for every code outside it.
// Tables are written as arrays of UTF-8 literals and converted to CP932 once, when built.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zv {

struct CodeEntry {
    std::string_view code;  // matched byte for byte
    std::string_view text;  // UTF-8 source text
};

// A table as written: its entries and the text for every code outside it.
struct CodeTableSource {
    std::string_view name;  // the lookup that answers from it
    std::span<const CodeEntry> entries;
    std::string_view otherText;  // UTF-8 source text
    int fillWidth = 0;           // > 0: every text is filled up with half-width blanks to that many bytes
};

class CodeTable {
public:
    explicit CodeTable(const CodeTableSource& source);

    // The text of code, or nullptr when code is not in the table.
    const std::string* find(std::string_view code) const;
    // The text of code, or the table's text for other codes.
    const std::string& operator[](std::string_view code) const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;  // sorted by code
    std::string other_;
};

}  // namespace zv
