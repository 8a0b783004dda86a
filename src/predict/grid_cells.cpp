#include "grid_cells.h"

#include <cmath>

#include "cell_builder.h"
#include "code_memo.h"
#include "data/code_tables.h"
#include "data/convert.h"
#include "data/numbers.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/text_fill.h"
#include "mark_symbols.h"
#include "number_text.h"
#include "ratings.h"

namespace zv {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kFlaggedGrey = 0x999999;

struct Texts {
    std::string age = sj("歳");
    std::array<std::string, kGridColumns> headings = {sj("枠"),    sj("馬"),    sj("馬　名"), sj("騎手"),
                                                      sj("3走前"), sj("2走前"), sj("1走前"),  "TR",
                                                      "PR",        "F3F",       sj("印"),     sj("自印")};
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// Bracket colours 1-8: text, background.
bool frameColours(const NumberField& frame, uint32_t& fg, uint32_t& bg) {
    static constexpr uint32_t kColours[8][2] = {
        {kBlack, kWhite},   {kWhite, kBlack},   {kWhite, 0xFF0000}, {kWhite, 0x0000FF},
        {kBlack, 0xFFFF00}, {kWhite, 0x008000}, {kBlack, 0xFF9900}, {kBlack, 0xFF66FF},
    };
    if (!frame.wellFormed() || frame.value < 1 || frame.value > 8) return false;
    fg = kColours[frame.value - 1][0];
    bg = kColours[frame.value - 1][1];
    return true;
}

void blackOnWhite(GridCell& cell) {
    cell.fg = kBlack;
    cell.bg = kWhite;
}

uint32_t pastBackground(const PastColumn& b, int k) {
    if (!b.pastValid[k]) return 0xDDDDDD;
    bool tr = b.pastTR[k] > 0, pr = b.pastPR[k] > 0;
    if (tr && pr) return 0xFFCCFF;
    if (tr) return 0xCCFFFF;
    if (pr) return 0xFFCC99;
    return kWhite;
}

// The past race's text with its TR and PR at the end of the last line, the ones earned in bold.
void writePastCellText(CellText& cell, const PastColumn& b, int k) {
    if (b.pastText[k].empty()) return;
    CellBuilder text(b.pastText[k]);
    if (b.pastValid[k]) {
        text << '[';
        if (b.pastTR[k] >= 1)
            text.bold() << "TR:" << b.pastTR[k];
        else
            text << "TR:0";
        text.plain() << ' ';
        if (b.pastPR[k] >= 1)
            text.bold() << "PR:" << b.pastPR[k];
        else
            text << "PR:0";
        text.plain() << ']';
    } else {
        text << "[TR:- PR:-]";
    }
    text.writeTo(cell);
}

// An empty line, then text on a line of its own with the given alignment.
template <typename Text>
void writeUnderEmptyLine(CellText& cell, LineAlignment alignment, const Text& text) {
    (CellBuilder().line(alignment) << text).writeTo(cell);
}

// Weight in kilograms with one decimal and no leading zero ("57.0", ".5"); a field that is not
// well-formed is read strictly as it stands.
std::string weightText(const RunnerEntry& entry) {
    const NumberField& weight = entry.weightCarried;
    const double tenths = weight.wellFormed()
                              ? static_cast<double>(weight.value)
                              : strictReal(storedBytes(entry, weight).bytes(), runner_line::weight_carried.name);
    std::string text = tenthsText(std::llround(tenths));
    size_t zero = text[0] == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    return text;
}

}  // namespace

const std::array<std::string, kGridColumns>& gridHeadings() { return texts().headings; }

GridRow headingRow() {
    static const GridRow row = [] {
        GridRow headings;
        for (int c = 0; c < kGridColumns; ++c) headings[c].text = (CellBuilder() << gridHeadings()[c]).cell();
        return headings;
    }();
    return row;
}

void fillEntryCells(GridRow& row, const RunnerEntry& entry, int runner) {
    const NumberField& frame = entry.frameNumber;
    writeUnderEmptyLine(row[kColFrame].text, LineAlignment::Centre,
                        frame.wellFormed() ? std::to_string(frame.value) : storedBytes(entry, frame).bytes());
    uint32_t fg, bg;
    if (frameColours(frame, fg, bg)) {
        row[kColFrame].fg = fg;
        row[kColFrame].bg = bg;
    }

    writeUnderEmptyLine(row[kColRunner].text, LineAlignment::Centre, runner);

    CellBuilder name;
    name.small() << sexName(codeKey(entry, entry.sex)) << static_cast<int32_t>(entry.age.value) << texts().age;
    name.line().link(runner) << storedText(entry, entry.horseName);
    name.line(LineAlignment::Right).small() << tenthsText(static_cast<int32_t>(entry.rate.value));
    name.writeTo(row[kColName].text);
    CellBuilder jockey;
    jockey.small() << weightText(entry) << 'k';
    jockey.line() << storedBytes(entry, entry.jockeyName).bytes();
    jockey.writeTo(row[kColJockey].text);
    for (int c : {kColRunner, kColName, kColJockey}) blackOnWhite(row[c]);
}

void fillRatingCells(GridRow& row, const PastColumn& b) {
    for (int c = kColPast3; c <= kColPast1; ++c) {
        int k = pastRaceOfColumn(c);
        writePastCellText(row[c].text, b, k);
        row[c].bg = pastBackground(b, k);
        row[c].rightBorder = isLongLayoff(b.dates[k + 1], b.dates[k]);
    }
    writeUnderEmptyLine(row[kColTR].text, LineAlignment::Right, b.TR);
    writeUnderEmptyLine(row[kColPR].text, LineAlignment::Right, b.PR);
    CellBuilder index;
    index.line(LineAlignment::Right);
    if (b.combined >= 10) index.bold();
    index << indexText(b.combined);
    index.line(LineAlignment::Right) << '(' << b.combined << ')';
    index.writeTo(row[kColIndex].text);
    for (int c : {kColTR, kColPR, kColIndex, kColMark, kColOwnMark}) blackOnWhite(row[c]);
}

void fillMarkCell(GridRow& row, int pick) {
    writeUnderEmptyLine(row[kColMark].text, LineAlignment::Centre, markSymbol(pick));
}

void fillOwnMarkCell(GridRow& row, int mark, bool nameDiffers) {
    GridCell& cell = row[kColOwnMark];
    cell = GridCell{};
    blackOnWhite(cell);
    if (mark < 0) return;
    writeUnderEmptyLine(cell.text, LineAlignment::Centre, ownMarkSymbol(mark));
    // A mark set on another horse's name (a corrected card) stands greyed: it counts for nothing.
    if (nameDiffers) cell.fg = kFlaggedGrey;
}

std::string sexAgeCoatText(const RunnerEntry& entry, const HorseRecord& horse) {
    std::string sexAge = sexName(codeKey(entry, entry.sex)) + std::to_string(static_cast<int32_t>(entry.age.value));
    static const TwoByteCodeMemo coatColour(coatColourName);
    return padRight(sexAge, 6) + padRight(coatColour(codeKey(horse, horse.coatColour)), 6);
}

}  // namespace zv
