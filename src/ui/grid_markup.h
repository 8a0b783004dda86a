// The grid's small cell mark-up turned into Qt rich text. The mark-up knows "<BR>", "<P ALIGN=
// "center">" / "<P ALIGN="right">" ... "</P>", "<font size="8">" ... "</font>", "<B>" ... "</B>"
// and "<A HREF="value">" ... "</A>"; every other character is text and is shown as it stands
// (also "<", "&" and runs of blanks). Cell texts come from the core as CP932 bytes.
#pragma once

#include <QString>
#include <string_view>

namespace zv::ui {

// Qt rich text: one paragraph per mark-up line, alignment per line, blanks preserved.
QString markupToHtml(std::string_view cp932Markup);

// The text of a cell without its mark-up (line breaks dropped), still CP932.
std::string markupPlainText(std::string_view cp932Markup);

}  // namespace zv::ui
