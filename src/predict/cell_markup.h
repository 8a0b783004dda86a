// A cell text written in the grid mark-up, as `show --json` gives every cell: "<BR>" between
// lines, "<P ALIGN=\"center\">" or "<P ALIGN=\"right\">" ... "</P>" around each stretch of lines
// of that alignment, and around a run's text "<A HREF=\"runner\">", "<font size=\"8\">" and "<B>"
// with their ends. A run's text is written as it stands. CP932 bytes.
#pragma once

#include <string>

#include "cell_text.h"

namespace zv {

std::string cellMarkup(const CellText& cell);

}  // namespace zv
