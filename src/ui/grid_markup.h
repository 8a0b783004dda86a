// The grid's small cell mark-up turned into Qt rich text. The mark-up knows "<BR>", "<P ALIGN=
// "center">" / "<P ALIGN="right">" ... "</P>", "<font size="8">" ... "</font>", "<B>" ... "</B>"
// and "<A HREF="value">" ... "</A>"; every other character is text and is shown as it stands
// (also "<", "&" and runs of blanks). Cell texts come from the core as CP932 bytes.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace zv::ui {

// A piece of a cell line in one style.
struct MarkupRun {
    QString text;
    bool bold = false;
    bool small = false;  // the 8-point font
    QString link;        // the link value; empty when the run is no link
};

// One line of a cell with its alignment (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight).
struct MarkupLine {
    Qt::Alignment alignment = Qt::AlignLeft;
    std::vector<MarkupRun> runs;
};

// The lines of a cell: "<BR>" ends a line; a line takes the alignment in force where its first
// text begins. An empty cell is one empty line.
std::vector<MarkupLine> markupLines(std::string_view cp932Markup);

// Qt rich text: one paragraph per mark-up line, alignment per line, blanks preserved.
QString markupToHtml(std::string_view cp932Markup);

// The text of a cell without its mark-up (line breaks dropped), still CP932.
std::string markupPlainText(std::string_view cp932Markup);

}  // namespace zv::ui
