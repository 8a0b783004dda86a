#include "archive_mutation.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <vector>

#include "data/archive/lha_walker.h"
#include "scratch_folder.h"
#include "support/lha_crafting.h"

namespace zv::fuzz {
namespace {

namespace fs = std::filesystem;
using fixture::CraftedMember;
using Random = std::minstd_rand;

// A level-0 or level-1 header holds its name within its first 255 bytes.
constexpr size_t kMaxNameBytes = 200;

size_t below(Random& random, size_t n) { return n == 0 ? 0 : random() % n; }

// The forms of each record file (version 2, version 3, replacement).
const std::vector<std::vector<std::string>> kRecordFileForms{
    {"bvo_den1.bv2", "bvo_den1.bv3", "bvo_tok1.bv2"},
    {"bvo_den2.bv2", "bvo_den2.bv3", "bvo_tok2.bv2"},
    {"bvo_uma.bv2", "bvo_uma.bv3"},
};

// Names beside the record files: with folders, kept out by the intake, in the way of the install.
const std::vector<std::string>& otherMemberNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list{"readme.txt",      "BVO_UMA.BV2", "data/bvo_den2.bv2",
                                      "../bvo_den1.bv2", "zv.csv",      ".hidden"};
        list.insert(list.end(), std::begin(kInstallObstacles), std::end(kInstallObstacles));
        return list;
    }();
    return names;
}

const std::string& otherMemberName(Random& random) {
    return otherMemberNames()[below(random, otherMemberNames().size())];
}

const std::string& recordFileName(Random& random) {
    const std::vector<std::string>& forms = kRecordFileForms[below(random, kRecordFileForms.size())];
    return forms[below(random, forms.size())];
}

// The files of archive with their unpacked data (at most maxSize bytes each); none when the
// archive is not whole.
std::vector<CraftedMember> readMembers(Input archive, size_t maxSize) {
    const fs::path file = freshScratchFolder("mutation") / "archive.lzh";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(archive.data()), static_cast<std::streamsize>(archive.size()));
    archive::LhaWalker walker(file);
    std::vector<CraftedMember> members;
    std::vector<char> buffer(4096);
    while (const archive::ArchiveMember* m = walker.next()) {
        if (!m->isFile) continue;
        std::string data;
        while (size_t n = walker.read(buffer.data(), buffer.size())) {
            if (data.size() < maxSize) data.append(buffer.data(), n);
        }
        members.emplace_back(m->rawName.substr(0, kMaxNameBytes), std::move(data));
    }
    if (!walker.intact()) members.clear();
    return members;
}

std::string mutatedBytes(std::string text, size_t maxSize, const ByteMutator& mutateBytes) {
    if (text.empty()) text = " ";
    const size_t size = text.size();
    text.resize(std::max(size, maxSize));
    text.resize(mutateBytes(reinterpret_cast<uint8_t*>(text.data()), size, text.size()));
    return text;
}

// The record lines of a file; the piece after the last line break is the last element.
std::vector<std::string> linesOf(const std::string& data) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = data.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(data.substr(start, end - start));
    }
    lines.push_back(data.substr(start));
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string data;
    for (size_t i = 0; i < lines.size(); ++i) data += (i ? "\r\n" : "") + lines[i];
    return data;
}

// Another form of the same record file, mostly, so that the data set stays whole.
void renameMember(CraftedMember& m, Random& random, const ByteMutator& mutateBytes) {
    auto own = std::find_if(kRecordFileForms.begin(), kRecordFileForms.end(), [&](const auto& forms) {
        return std::find(forms.begin(), forms.end(), m.name) != forms.end();
    });
    switch (below(random, 8)) {
        case 0: m.name = below(random, 2) == 0 ? otherMemberName(random) : recordFileName(random); break;
        case 1: m.name = mutatedBytes(m.name, kMaxNameBytes, mutateBytes); break;
        default:
            m.name = own != kRecordFileForms.end() ? (*own)[below(random, own->size())] : recordFileName(random);
            break;
    }
}

void resizeMember(CraftedMember& m, Random& random) {
    if (below(random, 2) == 0 || m.data.empty()) {
        m.data.resize(below(random, m.data.size() + 1));
    } else {
        const size_t from = below(random, m.data.size());
        m.data += m.data.substr(from, below(random, m.data.size() - from) + 1);
    }
}

// Changes one line of m, or the lines' order or number; other lends a line of its own.
void mutateLines(CraftedMember& m, const CraftedMember& other, Random& random, size_t maxSize,
                 const ByteMutator& mutateBytes) {
    std::vector<std::string> lines = linesOf(m.data);
    std::string& line = lines[below(random, lines.size())];
    switch (below(random, 8)) {
        case 0:
        case 1:
        case 2: line = mutatedBytes(line, std::min(maxSize, line.size() + 64), mutateBytes); break;
        case 3: {  // a number field: digits or blanks written over a few bytes
            const size_t at = below(random, line.size() + 1), count = 1 + below(random, 3);
            for (size_t i = 0; i < count; ++i) {
                const char c = below(random, 4) == 0 ? ' ' : static_cast<char>('0' + below(random, 10));
                if (at + i < line.size()) line[at + i] = c;
            }
            break;
        }
        case 4: lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(below(random, lines.size()))); break;
        case 5: {
            const std::string copy = line;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(below(random, lines.size())), copy);
            break;
        }
        case 6: std::swap(line, lines[below(random, lines.size())]); break;
        default: {
            const std::vector<std::string> lent = linesOf(other.data);
            line = lent[below(random, lent.size())];
            break;
        }
    }
    m.data = joined(lines);
}

// A member dropped, a copy added beside the record files, or two members' order swapped.
void mutateMemberList(std::vector<CraftedMember>& members, Random& random) {
    const size_t at = below(random, members.size());
    switch (below(random, 4)) {
        case 0:
            if (members.size() > 1) members.erase(members.begin() + static_cast<std::ptrdiff_t>(at));
            break;
        case 1:
        case 2: {
            CraftedMember copy = members[at];
            copy.name = below(random, 2) == 0 ? kInstallObstacles[below(random, std::size(kInstallObstacles))]
                                              : otherMemberName(random);
            members.push_back(std::move(copy));
            break;
        }
        default: std::swap(members[at], members[below(random, members.size())]); break;
    }
}

// The members written as a stored archive, the longest one halved while it is too long.
std::optional<std::string> written(std::vector<CraftedMember>& members, size_t maxSize, Random& random) {
    for (CraftedMember& m : members) m.level = static_cast<int>(below(random, 2));
    for (int halvings = 0; halvings < 32; ++halvings) {
        std::string archive = fixture::craftArchive(members);
        if (archive.size() <= maxSize) return archive;
        auto longest = std::max_element(members.begin(), members.end(),
                                        [](const auto& a, const auto& b) { return a.data.size() < b.data.size(); });
        longest->data.resize(longest->data.size() / 2);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> mutateMembers(Input archive, size_t maxSize, unsigned seed, const ByteMutator& mutateBytes) {
    std::vector<CraftedMember> members = readMembers(archive, maxSize);
    if (members.empty()) return std::nullopt;
    Random random(seed);
    for (size_t changes = 1 + below(random, 3); changes > 0; --changes) {
        CraftedMember& m = members[below(random, members.size())];
        switch (below(random, 16)) {
            case 0:
            case 1: renameMember(m, random, mutateBytes); break;
            case 2:
            case 3: resizeMember(m, random); break;
            case 4:
            case 5: mutateMemberList(members, random); break;
            default: mutateLines(m, members[below(random, members.size())], random, maxSize, mutateBytes); break;
        }
    }
    return written(members, maxSize, random);
}

size_t mutateArchive(uint8_t* data, size_t size, size_t maxSize, unsigned seed, const ByteMutator& mutateBytes) {
    if (seed % 8 != 0) {
        if (std::optional<std::string> mutated = mutateMembers(Input(data, size), maxSize, seed, mutateBytes)) {
            std::memcpy(data, mutated->data(), mutated->size());
            return mutated->size();
        }
    }
    return mutateBytes(data, size, maxSize);
}

}  // namespace zv::fuzz
