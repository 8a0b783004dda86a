#include "grid_cells.h"

#include <cmath>

#include "code_memo.h"
#include "data/code_tables.h"
#include "data/convert.h"
#include "data/numbers.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/text_fill.h"
#include "mark_symbols.h"
#include "number_text.h"
#include "ratings.h"
#include "text_builder.h"

namespace zv {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr const char* kCentre = "<BR><P ALIGN=\"center\">";
constexpr const char* kRight = "<BR><P ALIGN=\"right\">";

struct Texts {
    std::string age = sj("歳");
    std::array<std::string, kGridColumns> headings = {sj("枠"),    sj("馬"),    sj("馬　名"), sj("騎手"),
                                                      sj("3走前"), sj("2走前"), sj("1走前"),  "TR",
                                                      "PR",        "F3F",       sj("印")};
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// Bracket colours 1-8: text, background.
bool frameColours(char frame, uint32_t& fg, uint32_t& bg) {
    static constexpr uint32_t kColours[8][2] = {
        {kBlack, kWhite},   {kWhite, kBlack},   {kWhite, 0xFF0000}, {kWhite, 0x0000FF},
        {kBlack, 0xFFFF00}, {kWhite, 0x008000}, {kBlack, 0xFF9900}, {kBlack, 0xFF66FF},
    };
    if (frame < '1' || frame > '8') return false;
    fg = kColours[frame - '1'][0];
    bg = kColours[frame - '1'][1];
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

std::string pastCellText(const PastColumn& b, int k) {
    TextBuilder text;
    text << b.pastText[k];
    if (b.pastValid[k]) {
        text << '[';
        if (b.pastTR[k] >= 1)
            text << "<B>TR:" << b.pastTR[k] << "</B>";
        else
            text << "TR:0";
        if (b.pastPR[k] >= 1)
            text << " <B>PR:" << b.pastPR[k] << "</B>";
        else
            text << " PR:0";
        text << ']';
    } else if (!b.pastText[k].empty()) {
        text << "[TR:- PR:-]";
    }
    return text.str();
}

// "<BR><P ALIGN=...>" + text + "</P>"
std::string paragraph(std::string_view opening, std::string_view text) {
    return (TextBuilder() << opening << text << "</P>").str();
}

// Weight in kilograms with one decimal and no leading zero ("57.0", ".5").
std::string weightText(std::string_view weightField) {
    double tenths = strictReal(weightField, runner_line::weight_carried.name);
    std::string text = tenthsText(std::llround(tenths));
    size_t zero = text[0] == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    return text;
}

}  // namespace

const std::array<std::string, kGridColumns>& gridHeadings() { return texts().headings; }

GridRow headingRow() {
    GridRow row;
    for (int c = 0; c < kGridColumns; ++c) row[c].text = gridHeadings()[c];
    return row;
}

void fillEntryCells(GridRow& row, std::string_view runnerLine, int runner) {
    const std::string number = std::to_string(runner);
    std::string_view frame = field(runnerLine, runner_line::frame_number);

    row[kColFrame].text = paragraph(kCentre, frame);
    uint32_t fg, bg;
    if (!frame.empty() && frameColours(frame[0], fg, bg)) {
        row[kColFrame].fg = fg;
        row[kColFrame].bg = bg;
    }

    row[kColRunner].text = paragraph(kCentre, number);

    row[kColName].text =
        (TextBuilder() << "<font size=\"8\">" << sexName(field(runnerLine, runner_line::sex_code))
                       << toIntOrZero(field(runnerLine, runner_line::age)) << texts().age << "</font><BR><A HREF=\""
                       << number << "\">" << trimmed(field(runnerLine, runner_line::horse_name))
                       << "</A><BR><P ALIGN=\"right\"><font size=\"8\">"
                       << tenthsText(toIntOrZero(field(runnerLine, runner_line::rate))) << "</font></P>")
            .str();
    row[kColJockey].text =
        (TextBuilder() << "<font size=\"8\">" << weightText(field(runnerLine, runner_line::weight_carried))
                       << "k</font><BR>" << field(runnerLine, runner_line::jockey_name))
            .str();
    for (int c : {kColRunner, kColName, kColJockey}) blackOnWhite(row[c]);
}

void fillRatingCells(GridRow& row, const PastColumn& b) {
    for (int c = kColPast3; c <= kColPast1; ++c) {
        int k = pastRaceOfColumn(c);
        row[c].text = pastCellText(b, k);
        row[c].bg = pastBackground(b, k);
        row[c].rightBorder = isLongLayoff(b.dates[k + 1], b.dates[k]);
    }
    row[kColTR].text = paragraph(kRight, std::to_string(b.TR));
    row[kColPR].text = paragraph(kRight, std::to_string(b.PR));
    TextBuilder index;
    index << kRight;
    if (b.combined >= 10)
        index << "<B>" << indexText(b.combined) << "</B>";
    else
        index << indexText(b.combined);
    index << "<BR>(" << b.combined << ")</P>";
    row[kColIndex].text = index.str();
    for (int c : {kColTR, kColPR, kColIndex, kColMark}) blackOnWhite(row[c]);
}

void fillMarkCell(GridRow& row, int pick) { row[kColMark].text = paragraph(kCentre, markSymbol(pick)); }

std::string sexAgeCoatText(std::string_view runnerLine, std::string_view horseLine) {
    std::string sexAge = sexName(field(runnerLine, runner_line::sex_code)) +
                         std::to_string(toIntOrZero(field(runnerLine, runner_line::age)));
    static const TwoByteCodeMemo coatColour(coatColourName);
    return padRight(sexAge, 6) + padRight(coatColour(field(horseLine, horse_line::coat_colour_code)), 6);
}

}  // namespace zv
