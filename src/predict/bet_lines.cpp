#include "bet_lines.h"

#include <algorithm>

#include "data/convert.h"
#include "data/numbers.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv {
namespace {

// A line as positions in the pick list (0 = ◎ .. 5 = ☆).
struct Line {
    int size = 0;
    std::array<int, 3> picks{};
};

enum class Layout { Numbers, PairBlock, TripleBlock };

struct BetGroup {
    const char* nameUtf8;
    bool ascendingNumbers;  // numbers of a line in numeric order instead of pick order
    bool trifectaOnly;
    Layout layout;
    std::vector<Line> lines;
};

std::vector<Line> singles() { return {{1, {0}}, {1, {1}}, {1, {2}}}; }

// ◎ ○ ▲ each with every pick marked below it.
std::vector<Line> pairs() {
    std::vector<Line> lines;
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 6; ++b) lines.push_back({2, {a, b}});
    return lines;
}

// Every three picks except △ × ☆.
std::vector<Line> triples() {
    std::vector<Line> lines;
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 6; ++b)
            for (int c = b + 1; c < 6; ++c) lines.push_back({3, {a, b, c}});
    return lines;
}

// First among ◎ ○ ▲, second and third among ◎ ○ ▲ △ ×, all different.
std::vector<Line> orderedTriples() {
    std::vector<Line> lines;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 5; ++b)
            for (int c = 0; c < 5; ++c)
                if (a != b && b != c && a != c) lines.push_back({3, {a, b, c}});
    return lines;
}

const std::vector<BetGroup>& betGroups() {
    static const std::vector<BetGroup> groups = {
        {"単勝", false, false, Layout::Numbers, singles()},
        {"複勝", false, false, Layout::Numbers, singles()},
        {"馬連", true, false, Layout::PairBlock, pairs()},
        {"馬単", false, false, Layout::PairBlock, pairs()},
        {"3連複", true, false, Layout::TripleBlock, triples()},
        {"3連単", false, true, Layout::TripleBlock, orderedTriples()},
    };
    return groups;
}

bool lineExists(const Line& line, const std::array<int, kMarks>& marks) {
    for (int i = 0; i < line.size; ++i)
        if (marks[line.picks[i]] == 0) return false;
    return true;
}

// Writes the line's key into key: two digits per runner, "00" for unused places.
void writeKey(std::string& key, const Line& line, const std::array<int, kMarks>& marks, bool ascending) {
    constexpr int kUnused = 100;  // above every runner number, so unused slots sort last
    int a = kUnused, b = kUnused, c = kUnused;
    if (line.size > 0) a = marks[line.picks[0]];
    if (line.size > 1) b = marks[line.picks[1]];
    if (line.size > 2) c = marks[line.picks[2]];
    if (ascending) {
        if (a > b) std::swap(a, b);
        if (b > c) std::swap(b, c);
        if (a > b) std::swap(a, b);
    }
    char text[6] = {'0', '0', '0', '0', '0', '0'};
    const int numbers[3] = {a, b, c};
    for (size_t i = 0; i < static_cast<size_t>(line.size); ++i) {
        text[2 * i] = static_cast<char>('0' + numbers[i] / 10 % 10);
        text[2 * i + 1] = static_cast<char>('0' + numbers[i] % 10);
    }
    key.assign(text, sizeof text);
}

// Runner numbers of a key, written with padNumber2.
std::vector<std::string> keyNumbers(const std::string& key) {
    std::vector<std::string> numbers;
    for (size_t i = 0; i + 2 <= key.size(); i += 2) {
        int n = toIntOrZero(key.substr(i, 2));
        if (n != 0) numbers.push_back(padNumber2(n));
    }
    return numbers;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += separator;
        text += parts[i];
    }
    return text;
}

// Lines separated by two blanks, six to a row; a pair block also ends with a line break.
std::string blockText(const std::vector<std::string>& lines, Layout layout) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        bool last = i + 1 == lines.size();
        if (last) {
            if (layout == Layout::PairBlock) text += "\r\n";
        } else {
            text += (i + 1) % 6 == 0 ? "\r\n" : "  ";
        }
    }
    return text;
}

// Appends runner n (padNumber2), after a comma unless the text is empty.
void appendListed(std::string& text, int n) {
    if (!text.empty()) text += ',';
    text += padNumber2(n);
}

// The picks (by position) that take the given place in some existing line of the group.
std::string placeLabel(const BetGroup& group, const std::array<int, kMarks>& marks, int place,
                       std::initializer_list<int> candidates) {
    std::string label;
    for (int pick : candidates) {
        bool used = std::any_of(group.lines.begin(), group.lines.end(),
                                [&](const Line& line) { return line.picks[place] == pick && lineExists(line, marks); });
        if (used) appendListed(label, marks[pick]);
    }
    return label;
}

}  // namespace

BetKeyRange betKeyRange(BetType type) {
    BetKeyRange range;
    const std::vector<BetGroup>& groups = betGroups();
    for (int g = 0; g < static_cast<int>(type); ++g) range.first += static_cast<int>(groups[g].lines.size());
    range.count = static_cast<int>(groups[static_cast<size_t>(type)].lines.size());
    return range;
}

std::string_view betTypeName(BetType type) { return betGroups()[static_cast<size_t>(type)].nameUtf8; }

bool hasTrifectaLines(std::string_view raceNumberText) {
    return strictInt(raceNumberText, header_line::race_number.name) >= kFirstTrifectaRace;
}

std::array<std::string, kBetKeys> computeBetKeys(const std::array<int, kMarks>& marks, bool trifecta) {
    std::array<std::string, kBetKeys> keys;
    fillBetKeys(keys, marks, trifecta);
    return keys;
}

void fillBetKeys(std::array<std::string, kBetKeys>& keys, const std::array<int, kMarks>& marks, bool trifecta) {
    // The groups' lines in key order, flattened once, so that the loop below reads one small table.
    struct KeyLine {
        Line line;
        bool ascending;
        bool trifectaOnly;
    };
    static const std::array<KeyLine, kBetKeys> keyLines = [] {
        std::array<KeyLine, kBetKeys> flat{};
        size_t at = 0;
        for (const BetGroup& group : betGroups())
            for (const Line& line : group.lines) flat[at++] = {line, group.ascendingNumbers, group.trifectaOnly};
        return flat;
    }();
    for (size_t at = 0; at < keyLines.size(); ++at) {
        const KeyLine& k = keyLines[at];
        if ((trifecta || !k.trifectaOnly) && lineExists(k.line, marks))
            writeKey(keys[at], k.line, marks, k.ascending);
        else
            keys[at].assign(kNoBetLine);
    }
}

BetLabels betLabels(const std::array<int, kMarks>& marks, bool trifecta) {
    static const std::string arrow = sj("→");
    const std::vector<BetGroup>& groups = betGroups();
    BetLabels labels;
    labels.winPlace = placeLabel(groups[0], marks, 0, {0, 1, 2});
    for (int head = 0; head < 3; ++head) {
        if (marks[head] == 0) continue;
        std::string partners;
        for (int other = head + 1; other < kMarks; ++other)
            if (marks[other] != 0) appendListed(partners, marks[other]);
        if (partners.empty()) continue;
        if (!labels.pairs.empty()) labels.pairs += "  ";
        labels.pairs.append(padNumber2(marks[head])).append(arrow).append(partners);
    }
    if (trifecta) {
        labels.trifectaFirst = placeLabel(groups[5], marks, 0, {0, 1, 2});
        labels.trifectaSecond = placeLabel(groups[5], marks, 1, {0, 1, 2, 3, 4});
        labels.trifectaThird = placeLabel(groups[5], marks, 2, {0, 1, 2, 3, 4});
    }
    return labels;
}

bool anyBetLine(const std::array<std::string, kBetKeys>& keys) {
    return std::any_of(keys.begin(), keys.end(), [](const std::string& key) { return key != kNoBetLine; });
}

bool RaceResult::hasBetLines() const { return anyBetLine(betKeys); }

BetWindowText betWindowText(const RaceResult& result) { return betWindowText(result.titleLine2, result.betKeys); }

BetWindowText ownBetWindowText(const RaceResult& result) {
    const RaceOwnMarks& own = result.ownMarks;
    if (!own.any()) return {result.titleLine2, {sj("このレースには自印がありません")}};
    // The race number is read only when there are picks to turn into lines, as for the program's.
    const bool picked = std::any_of(own.picks.begin(), own.picks.end(), [](int runner) { return runner != 0; });
    const bool trifecta = picked && hasTrifectaLines(result.raceNumberText);
    return betWindowText(result.titleLine2, computeBetKeys(own.picks, trifecta));
}

BetWindowText betWindowText(std::string_view status, const std::array<std::string, kBetKeys>& keys) {
    BetWindowText window;
    window.status = status;
    if (!anyBetLine(keys)) {
        window.entries.push_back(sj("このレースの買い目はありません"));
        return window;
    }
    size_t at = 0;
    for (const BetGroup& group : betGroups()) {
        std::vector<std::string> lines;
        for (size_t i = 0; i < group.lines.size(); ++i, ++at) {
            if (keys[at] != kNoBetLine) lines.push_back(joined(keyNumbers(keys[at]), "-"));
        }
        if (lines.empty()) continue;
        if (group.trifectaOnly) window.entries.emplace_back();
        window.entries.push_back(sj(std::string("[") + group.nameUtf8 + "] 計" + std::to_string(lines.size()) + "点"));
        if (group.layout == Layout::Numbers) {
            window.entries.push_back(joined(lines, "  "));
            window.entries.emplace_back();
        } else {
            window.entries.push_back(blockText(lines, group.layout));
        }
    }
    return window;
}

std::string betWindowFileText(const BetWindowText& text) { return joined(text.entries, "\r\n"); }

}  // namespace zv
