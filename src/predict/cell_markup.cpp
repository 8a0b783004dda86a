#include "cell_markup.h"

namespace zv {
namespace {

std::string_view paragraphStart(LineAlignment alignment) {
    switch (alignment) {
        case LineAlignment::Centre: return "<P ALIGN=\"center\">";
        case LineAlignment::Right: return "<P ALIGN=\"right\">";
        case LineAlignment::Left: break;
    }
    return {};
}

void appendRun(std::string& markup, const CellText& cell, const CellRun& run) {
    const RunStyle& style = run.style;
    if (style.link != 0) markup += "<A HREF=\"" + std::to_string(style.link) + "\">";
    if (style.small) markup += "<font size=\"8\">";
    if (style.bold) markup += "<B>";
    markup += cell.text(run);
    if (style.bold) markup += "</B>";
    if (style.small) markup += "</font>";
    if (style.link != 0) markup += "</A>";
}

}  // namespace

std::string cellMarkup(const CellText& cell) {
    std::string markup;
    const auto lines = cell.lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        const LineAlignment alignment = lines[i].alignment;
        if (i > 0) markup += "<BR>";
        if (i == 0 || lines[i - 1].alignment != alignment) markup += paragraphStart(alignment);
        for (const CellRun& run : cell.runs(i)) appendRun(markup, cell, run);
        const bool lastOfStretch = i + 1 == lines.size() || lines[i + 1].alignment != alignment;
        if (lastOfStretch && alignment != LineAlignment::Left) markup += "</P>";
    }
    return markup;
}

}  // namespace zv
