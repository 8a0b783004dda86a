// The grid's cell mark-up on arbitrary cell texts.
#include <string_view>

#include "fuzz_entries.h"
#include "ui/grid_markup.h"

namespace zv::fuzz {

void renderGridMarkup(Input input) {
    std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    ui::markupToHtml(text);
    if (ui::markupPlainText(text).size() > text.size()) {
        throw InvariantBroken("a cell's plain text is longer than its mark-up");
    }
}

}  // namespace zv::fuzz
