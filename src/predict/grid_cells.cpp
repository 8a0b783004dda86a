#include "grid_cells.h"

#include <cmath>

#include "data/bvo_hen.h"
#include "data/convert.h"
#include "data/records.h"
#include "data/sjis.h"
#include "number_text.h"
#include "ratings.h"

namespace zv {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr const char* kCentre = "<BR><P ALIGN=\"center\">";
constexpr const char* kRight = "<BR><P ALIGN=\"right\">";

struct Texts {
    std::string age = sj("歳");
    std::string marks[kMarks] = {sj("◎"), sj("○"), sj("▲"), sj("△"), sj("×"), sj("☆")};
    std::array<std::string, kGridColumns> headings = {sj("枠"), sj("馬"), sj("馬　名"), sj("騎手"),
                                                      sj("3走前"), sj("2走前"), sj("1走前"), "TR",
                                                      "PR", "F3F", sj("印")};
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// Bracket colours 1-8: text, background.
bool frameColours(char frame, uint32_t& fg, uint32_t& bg) {
    static constexpr uint32_t kColours[8][2] = {
        {kBlack, kWhite},    {kWhite, kBlack},    {kWhite, 0xFF0000}, {kWhite, 0x0000FF},
        {kBlack, 0xFFFF00},  {kWhite, 0x008000},  {kBlack, 0xFF9900}, {kBlack, 0xFF66FF},
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

uint32_t pastBackground(const TBachu& b, int k) {
    if (!b.pastValid[k]) return 0xDDDDDD;
    bool tr = b.pastTR[k] > 0, pr = b.pastPR[k] > 0;
    if (tr && pr) return 0xFFCCFF;
    if (tr) return 0xCCFFFF;
    if (pr) return 0xFFCC99;
    return kWhite;
}

std::string pastCellText(const TBachu& b, int k) {
    const std::string& text = b.pastText[k];
    if (b.pastValid[k]) {
        std::string suffix = "[";
        suffix += b.pastTR[k] >= 1 ? "<B>TR:" + std::to_string(b.pastTR[k]) + "</B>" : std::string("TR:0");
        suffix += b.pastPR[k] >= 1 ? " <B>PR:" + std::to_string(b.pastPR[k]) + "</B>" : std::string(" PR:0");
        return text + suffix + "]";
    }
    return text.empty() ? text : text + "[TR:- PR:-]";
}

// Weight in kilograms with one decimal and no leading zero ("57.0", ".5").
std::string weightText(std::string_view weightField) {
    double tenths = strictReal(weightField, den2::weight_carried.name);
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
    std::string number = std::to_string(runner);
    std::string_view frame = field(runnerLine, den2::frame_number);

    row[kColFrame].text = kCentre + std::string(frame) + "</P>";
    uint32_t fg, bg;
    if (!frame.empty() && frameColours(frame[0], fg, bg)) {
        row[kColFrame].fg = fg;
        row[kColFrame].bg = bg;
    }

    row[kColRunner].text = kCentre + number + "</P>";

    std::string& name = row[kColName].text;
    name.reserve(160);
    name = "<font size=\"8\">";
    name += SexName(field(runnerLine, den2::sex_code));
    name += std::to_string(StrToIntOrZero(field(runnerLine, den2::age)));
    name += texts().age;
    name += "</font><BR><A HREF=\"";
    name += number;
    name += "\">";
    name += trimmed(field(runnerLine, den2::horse_name));
    name += "</A><BR><P ALIGN=\"right\"><font size=\"8\">";
    name += tenthsText(StrToIntOrZero(field(runnerLine, den2::rate)));
    name += "</font></P>";

    row[kColJockey].text = "<font size=\"8\">" + weightText(field(runnerLine, den2::weight_carried)) +
                           "k</font><BR>" + std::string(field(runnerLine, den2::jockey_name));
    for (int c : {kColRunner, kColName, kColJockey}) blackOnWhite(row[c]);
}

void fillRatingCells(GridRow& row, const TBachu& b) {
    for (int c = kColPast3; c <= kColPast1; ++c) {
        int k = pastRaceOfColumn(c);
        row[c].text = pastCellText(b, k);
        row[c].bg = pastBackground(b, k);
        row[c].rightBorder = isLongLayoff(b.dates[k + 1], b.dates[k]);
    }
    row[kColTR].text = kRight + std::to_string(b.TR) + "</P>";
    row[kColPR].text = kRight + std::to_string(b.PR) + "</P>";
    std::string index = indexText(b.combined);
    if (b.combined >= 10) index = "<B>" + index + "</B>";
    row[kColIndex].text = kRight + index + "<BR>(" + std::to_string(b.combined) + ")</P>";
    for (int c : {kColTR, kColPR, kColIndex, kColMark}) blackOnWhite(row[c]);
}

void fillMarkCell(GridRow& row, int pick) {
    row[kColMark].text = kCentre + texts().marks[pick] + "</P>";
}

std::string sexAgeCoatText(std::string_view runnerLine, std::string_view horseLine) {
    std::string sexAge = SexName(field(runnerLine, den2::sex_code)) +
                         std::to_string(StrToIntOrZero(field(runnerLine, den2::age)));
    return PadRight(sexAge, 6) + PadRight(CoatColourName(field(horseLine, uma::coat_colour_code)), 6);
}

}  // namespace zv
