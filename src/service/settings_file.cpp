#include "settings_file.h"

#include <fstream>
#include <iterator>

#include "data/error.h"
#include "data/sjis.h"

namespace zv {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Lines end at CR LF, LF or CR.
std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    size_t i = 0;
    while (i < content.size()) {
        size_t end = content.find_first_of("\r\n", i);
        if (end == std::string_view::npos) end = content.size();
        lines.push_back(content.substr(i, end - i));
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ++end;
        i = end + 1;
    }
    return lines;
}

}  // namespace

ServiceSettingsFile ServiceSettingsFile::parse(std::string_view content) {
    ServiceSettingsFile file;
    Section* current = nullptr;
    Section dropped;  // receives the lines of a repeated section
    for (std::string_view line : splitLines(content)) {
        if (line.empty() || line == "\x1a") continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string_view name = line.substr(1, line.size() - 2);
            if (file.find(name)) {
                current = &dropped;
            } else {
                file.sections_.push_back({std::string(name), {}});
                current = &file.sections_.back();
            }
            continue;
        }
        if (current) current->lines.emplace_back(line);
    }
    return file;
}

ServiceSettingsFile ServiceSettingsFile::load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(ErrorKind::Io, sj("設定ファイルを読めません: ") + fromUtf8(path.string()));
    std::string content;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<size_t>(in.gcount()));
        if (content.size() > kMaxBytes) {
            throw Error(ErrorKind::Format, sj("設定ファイルが大きすぎます: ") + fromUtf8(path.string()));
        }
    }
    return parse(content);
}

const ServiceSettingsFile::Section* ServiceSettingsFile::find(std::string_view section) const {
    for (const Section& s : sections_) {
        if (equalsNoCase(s.name, section)) return &s;
    }
    return nullptr;
}

bool ServiceSettingsFile::hasSection(std::string_view section) const { return find(section) != nullptr; }

std::string ServiceSettingsFile::value(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    if (!s) return {};
    for (const std::string& line : s->lines) {
        size_t eq = line.find('=');
        if (eq != std::string::npos && equalsNoCase(std::string_view(line).substr(0, eq), key)) {
            return line.substr(eq + 1);
        }
    }
    return {};
}

std::vector<std::string> ServiceSettingsFile::fileEntries(std::string_view section) const {
    std::vector<std::string> names;
    const Section* s = find(section);
    if (!s) return names;
    for (const std::string& line : s->lines) {
        if (line.compare(0, 5, "FILE=") == 0) names.push_back(line.substr(5));
    }
    return names;
}

}  // namespace zv
