#include "support/archive_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "data/records.h"
#include "data/store.h"
#include "data/text_file.h"
#include "support/data_set_fixture.h"

namespace zv::fixture {
namespace fs = std::filesystem;
namespace {

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
