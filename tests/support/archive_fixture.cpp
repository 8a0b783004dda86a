#include "support/archive_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "data/archive/crc16.h"
#include "data/records.h"
#include "data/store.h"
#include "data/text_file.h"
#include "support/data_set_fixture.h"

namespace zv::fixture {
namespace fs = std::filesystem;
namespace {

void putLe16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void putLe32(std::string& out, uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

void packWithJlha(const fs::path& folder, const fs::path& archive, const std::string& options,
                  const std::vector<std::string>& names) {
    std::string command = "cd " + shellQuoted(folder.string()) + " && jlha " + options + " " +
                          shellQuoted(fs::absolute(archive).string());
    for (const std::string& name : names) command += " " + shellQuoted(name);
    command += " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("jlha failed: " + command);
}

std::string craftMember(const CraftedMember& m) {
    std::string extended;  // level 1: extended headers, counted in the packed size
    if (m.level == 1 && m.unixMode) {
        extended += '\x50';
        putLe16(extended, *m.unixMode);
        putLe16(extended, 0);  // no further extended header
    }
    std::string header;
    header += '\0';  // header size, set below
    header += '\0';  // checksum, set below
    header += m.method.substr(0, 5);
    putLe32(header, static_cast<uint32_t>(m.data.size() + extended.size()));
    putLe32(header, m.declaredLength.value_or(static_cast<uint32_t>(m.data.size())));
    putLe32(header, 0x5D8A26DC);  // an MS-DOS time stamp
    header += static_cast<char>(0x20);
    header += static_cast<char>(m.level);
    header += static_cast<char>(m.name.size());
    header += m.name;
    putLe16(header, archive::Crc16::of(m.data));
    if (m.level == 1) {
        header += m.unixMode ? 'U' : 'M';  // OS id
        putLe16(header, static_cast<uint32_t>(extended.empty() ? 0 : extended.size()));
    }
    header[0] = static_cast<char>(header.size() - 2);
    unsigned sum = 0;
    for (size_t i = 2; i < header.size(); ++i) sum += static_cast<unsigned char>(header[i]);
    header[1] = static_cast<char>(sum & 0xFF);
    return header + extended + m.data;
}

CraftedMember symbolicLink(const std::string& name, const std::string& target) {
    return CraftedMember(name + "|" + target, "", "-lhd-", 1, std::nullopt, 0120777);
}

std::string craftArchive(const std::vector<CraftedMember>& members) {
    std::string out;
    for (const CraftedMember& m : members) out += craftMember(m);
    return out + '\0';
}

Day sampleDay(int firstRaceNumber, bool jpnGradeFlag) {
    Day day;
    day.headers = {headerLine("02", firstRaceNumber), headerLine("03", firstRaceNumber + 1)};
    if (jpnGradeFlag) {
        for (std::string& h : day.headers) h[header_line::jpn_grade_flag.pos - 1] = '1';
    }
    for (int g = 0; g < 5; ++g) {
        day.runners.push_back(runnerLine(g));
        day.horses.push_back(horseLine(g));
    }
    return day;
}

// v3 = v2 1-73, flag (v2 358), v2 74-349, 68 fill, v2 350-357, 1 fill, v2 359-777
std::string toVersion3Header(const std::string& v2, char fill) {
    auto part = [&](size_t first, size_t last) { return v2.substr(first - 1, last - first + 1); };
    return part(1, 73) + part(358, 358) + part(74, 349) + std::string(68, fill) + part(350, 357) +
           std::string(1, fill) + part(359, 777);
}

// v3 = v2 1-255, 1 fill, v2 256-693, 33 fill, v2 694-708, 101 fill, v2 709-741
std::string toVersion3Runner(const std::string& v2, char fill) {
    auto part = [&](size_t first, size_t last) { return v2.substr(first - 1, last - first + 1); };
    return part(1, 255) + std::string(1, fill) + part(256, 693) + std::string(33, fill) + part(694, 708) +
           std::string(101, fill) + part(709, 741);
}

std::vector<std::string> writeDay(const fs::path& folder, const Day& day, DayForm form) {
    std::vector<std::string> headers = day.headers, runners = day.runners;
    std::vector<std::string> names;
    switch (form) {
        case DayForm::Version2: names = {kHeaderFile, kRunnerFile, kHorseFile}; break;
        case DayForm::Version3:
            for (std::string& h : headers) h = toVersion3Header(h);
            for (std::string& r : runners) r = toVersion3Runner(r);
            names = {"bvo_den1.bv3", "bvo_den2.bv3", "bvo_uma.bv3"};
            break;
        case DayForm::Replacement: names = {"bvo_tok1.bv2", "bvo_tok2.bv2", kHorseFile}; break;
    }
    writeFile(folder, names[0].c_str(), joinCrLf(headers));
    writeFile(folder, names[1].c_str(), joinCrLf(runners));
    writeFile(folder, names[2].c_str(), joinCrLf(day.horses));
    return names;
}

FolderSnapshot snapshot(const fs::path& folder) {
    FolderSnapshot result;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string key = fs::relative(entry.path(), folder).string();
        fs::file_status status = entry.symlink_status();
        std::string perms = std::to_string(static_cast<unsigned>(status.permissions()));
        if (fs::is_symlink(status)) {
            result[key] = "link " + fs::read_symlink(entry.path()).string();
        } else if (fs::is_directory(status)) {
            result[key] = "dir " + perms;
        } else if (!fs::is_regular_file(status)) {
            result[key] = "special " + perms;  // a named pipe is never read: that would wait for a writer
        } else {
            result[key] = "file " + perms + " " + readFile(entry.path());
        }
    }
    return result;
}

}  // namespace zv::fixture
