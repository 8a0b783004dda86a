// The service's settings file: INI-like text. Empty lines and a line holding only Ctrl+Z are
// skipped; "[name]" starts a section (names match regardless of letter case, the first of a
// repeated name wins and the later ones are dropped whole); lines before the first section are
// ignored. Lines are kept as they are: not trimmed, comments not removed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

class ServiceSettingsFile {
public:
    static ServiceSettingsFile parse(std::string_view text);
    // Reads the file (CP932); throws zv::Error when it cannot be read or is larger than kMaxBytes.
    static ServiceSettingsFile load(const std::filesystem::path& file);
    static constexpr size_t kMaxBytes = 1 << 20;

    bool hasSection(std::string_view section) const;
    // The rest of the first line whose text before its first "=" equals key (letter case
    // ignored); empty when the section or key is missing.
    std::string value(std::string_view section, std::string_view key) const;
    // The rest of every line beginning with exactly "FILE=", in file order.
    std::vector<std::string> fileEntries(std::string_view section) const;

private:
    struct Section {
        std::string name;
        std::vector<std::string> lines;
    };
    const Section* find(std::string_view section) const;
    std::vector<Section> sections_;
};

}  // namespace zv
