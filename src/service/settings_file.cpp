#include "settings_file.h"

#include <fstream>
#include <iterator>

#include "data/ascii_case.h"
#include "data/error.h"
#include "data/line_cutter.h"
#include "data/sjis.h"

namespace zv {

ServiceSettingsFile ServiceSettingsFile::parse(std::string_view text) {
    ServiceSettingsFile file;
    Section* current = nullptr;
    Section dropped;  // receives the lines of a repeated section
    for (std::string_view line : splitLines(text, LineEnds::CrLfOrCr)) {
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
    if (!in) throw Error(ErrorKind::Io, "設定ファイルを読めません: " + pathText(path));
    std::string content;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<size_t>(in.gcount()));
        if (content.size() > kMaxBytes) {
            throw Error(ErrorKind::Format, "設定ファイルが大きすぎます: " + pathText(path));
        }
    }
    return parse(toUtf8(content));
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
