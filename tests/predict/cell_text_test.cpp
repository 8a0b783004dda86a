#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "data/sjis.h"
#include "predict/cell_builder.h"
#include "predict/cell_markup.h"

using namespace zv;

namespace {

struct MarkupCase {
    const char* what;
    std::function<void(CellBuilder&)> build;
    const char* markup;  // UTF-8
};

// Each cell shape the engine builds, and the mark-up it is written as.
const MarkupCase kMarkupCases[] = {
    {"nothing: a cell of one empty line", [](CellBuilder&) {}, ""},
    {"a centred number under an empty line", [](CellBuilder& c) { c.line(LineAlignment::Centre) << 7; },
     "<BR><P ALIGN=\"center\">7</P>"},
    {"the name cell: small sex and age, the link, the rate on the right",
     [](CellBuilder& c) {
         c.small() << sj("牡3歳");
         c.line().link(4) << sj("テストホース");
         c.line(LineAlignment::Right).small() << "4.5";
     },
     "<font size=\"8\">牡3歳</font><BR><A HREF=\"4\">テストホース</A><BR><P ALIGN=\"right\"><font "
     "size=\"8\">4.5</font></P>"},
    {"the index and the combined rating in one right-aligned stretch",
     [](CellBuilder& c) {
         c.line(LineAlignment::Right).bold() << "52.7";
         c.line(LineAlignment::Right).plain() << "(10)";
     },
     "<BR><P ALIGN=\"right\"><B>52.7</B><BR>(10)</P>"},
    {"bold runs between plain ones on a past race's last line",
     [](CellBuilder& c) {
         c << "a";
         c.line().bold() << " 1" << sj("着");
         c.plain() << " [";
         c.bold() << "TR:" << 3;
         c.plain() << ' ';
         c.bold() << "PR:2";
         c.plain() << ']';
     },
     "a<BR><B> 1着</B> [<B>TR:3</B> <B>PR:2</B>]"},
    {"characters of the mark-up in a text are written as they stand", [](CellBuilder& c) { c << "<B>&"; }, "<B>&"},
};

TEST(CellMarkup, WritesEachCellShapeAsTheGridMarkup) {
    for (const MarkupCase& c : kMarkupCases) {
        CellBuilder builder;
        c.build(builder);
        EXPECT_EQ(toUtf8(cellMarkup(builder.cell())), c.markup) << c.what;
    }
}

TEST(CellBuilder, KeepsLinesRunsAndStyles) {
    CellBuilder builder;
    builder.small() << sj("牝4歳");
    builder.line().link(12) << sj("名馬");
    builder.line(LineAlignment::Right).bold() << "9";
    const CellText cell = builder.cell();
    ASSERT_EQ(cell.lines().size(), 3u);
    EXPECT_EQ(cell.lines()[2].alignment, LineAlignment::Right);
    ASSERT_EQ(cell.runs(1).size(), 1u);
    EXPECT_EQ(cell.runs(1)[0].style, (RunStyle{.link = 12}));
    EXPECT_EQ(toUtf8(std::string(cell.text(cell.runs(1)[0]))), "名馬");
    EXPECT_TRUE(cell.runs(0)[0].style.small);
    EXPECT_TRUE(cell.runs(2)[0].style.bold);
    EXPECT_EQ(toUtf8(cell.shownText()), "牝4歳名馬9");
}

TEST(CellBuilder, JoinsRunsOfOneStyleAndDropsEmptyOnes) {
    CellBuilder builder;
    builder.plain() << "[";
    builder.bold();
    builder.plain() << "TR:0";
    builder.plain() << " PR:0]";
    builder.line().bold() << "";
    const CellText cell = builder.cell();
    ASSERT_EQ(cell.lines().size(), 2u);
    ASSERT_EQ(cell.runs(0).size(), 1u);
    EXPECT_EQ(cell.text(cell.runs(0)[0]), "[TR:0 PR:0]");
    EXPECT_TRUE(cell.runs(1).empty());
}

TEST(CellBuilder, GoesOnFromTheLastLineOfACell) {
    CellBuilder start;
    start << "a";
    start.line().bold() << "b";
    CellBuilder more(start.cell());
    more << " c";
    const CellText cell = more.cell();
    ASSERT_EQ(cell.lines().size(), 2u);
    ASSERT_EQ(cell.runs(1).size(), 2u);
    EXPECT_EQ(cell.text(cell.runs(1)[1]), " c");
    EXPECT_FALSE(cell.runs(1)[1].style.bold);
    EXPECT_EQ(cellMarkup(cell), "a<BR><B>b</B> c");
}

TEST(CellBuilder, RefusesMoreLinesOrRunsThanACellHolds) {
    CellBuilder lines;
    for (int i = 1; i < CellText::kMaxLines; ++i) lines.line();
    EXPECT_THROW(lines.line(), std::length_error);
    CellBuilder runs;
    for (int i = 0; i < CellText::kMaxRuns; ++i) (i % 2 ? runs.bold() : runs.plain()) << "x";
    EXPECT_THROW(runs.small(), std::length_error);
}

}  // namespace
