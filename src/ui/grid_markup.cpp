#include "grid_markup.h"

#include <optional>
#include <string>
#include <vector>

#include "cp932_text.h"
#include "data/ascii_case.h"

namespace zv::ui {

namespace {

// One mark-up element: a tag the grid understands, or a run of text.
struct Token {
    enum Kind { Text, Break, ParaCenter, ParaRight, ParaEnd, SmallOn, SmallOff, BoldOn, BoldOff, LinkOn, LinkOff };
    Kind kind;
    std::string_view value;  // the text, or the link value
};

// The tag at the start of text, with its length; nothing when text does not start with one.
std::optional<std::pair<Token, size_t>> tagAt(std::string_view text) {
    struct Fixed {
        std::string_view tag;
        Token::Kind kind;
    };
    static constexpr Fixed fixed[] = {
        {"<BR>", Token::Break},
        {"<P ALIGN=\"center\">", Token::ParaCenter},
        {"<P ALIGN=\"right\">", Token::ParaRight},
        {"</P>", Token::ParaEnd},
        {"<font size=\"8\">", Token::SmallOn},
        {"</font>", Token::SmallOff},
        {"<B>", Token::BoldOn},
        {"</B>", Token::BoldOff},
        {"</A>", Token::LinkOff},
    };
    for (const Fixed& f : fixed) {
        if (startsWithNoCase(text, f.tag)) return std::pair{Token{f.kind, {}}, f.tag.size()};
    }
    static constexpr std::string_view linkStart = "<A HREF=\"";
    if (startsWithNoCase(text, linkStart)) {
        const size_t end = text.find("\">", linkStart.size());
        if (end != std::string_view::npos) {
            return std::pair{Token{Token::LinkOn, text.substr(linkStart.size(), end - linkStart.size())}, end + 2};
        }
    }
    return std::nullopt;
}

// Splits a CP932 cell text into tags and text runs. Tags start with '<' (0x3C), which is never a
// CP932 trail byte, so scanning byte by byte cannot cut a double-byte character.
std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    size_t runStart = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '<') {
            if (auto tag = tagAt(text.substr(i))) {
                if (i > runStart) tokens.push_back({Token::Text, text.substr(runStart, i - runStart)});
                tokens.push_back(tag->first);
                i += tag->second;
                runStart = i;
                continue;
            }
        }
        ++i;
    }
    if (i > runStart) tokens.push_back({Token::Text, text.substr(runStart, i - runStart)});
    return tokens;
}

QString styledRun(const MarkupRun& run) {
    QString html = run.text.toHtmlEscaped();
    if (run.bold) html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
    if (run.small) html = QStringLiteral("<span style=\"font-size:8pt\">") + html + QStringLiteral("</span>");
    if (!run.link.isEmpty()) {
        html = QStringLiteral("<a href=\"") + run.link.toHtmlEscaped() + QStringLiteral("\">") + html +
               QStringLiteral("</a>");
    }
    return html;
}

}  // namespace

std::vector<MarkupLine> markupLines(std::string_view cp932Markup) {
    std::vector<MarkupLine> lines(1);
    MarkupRun style;
    Qt::Alignment align = Qt::AlignLeft;
    bool lineStarted = false;
    for (const Token& token : tokenize(cp932Markup)) {
        switch (token.kind) {
            case Token::Text: {
                MarkupLine& line = lines.back();
                if (!lineStarted) {
                    line.alignment = align;
                    lineStarted = true;
                }
                MarkupRun run = style;
                run.text = fromCp932(token.value);
                line.runs.push_back(std::move(run));
                break;
            }
            case Token::Break:
                if (!lineStarted) lines.back().alignment = align;
                lines.emplace_back();
                lineStarted = false;
                break;
            case Token::ParaCenter: align = Qt::AlignHCenter; break;
            case Token::ParaRight: align = Qt::AlignRight; break;
            case Token::ParaEnd: align = Qt::AlignLeft; break;
            case Token::SmallOn: style.small = true; break;
            case Token::SmallOff: style.small = false; break;
            case Token::BoldOn: style.bold = true; break;
            case Token::BoldOff: style.bold = false; break;
            case Token::LinkOn: style.link = fromCp932(token.value); break;
            case Token::LinkOff: style.link.clear(); break;
        }
    }
    // A final line end gives no extra empty line.
    if (lines.size() > 1 && lines.back().runs.empty()) lines.pop_back();
    return lines;
}

QString markupToHtml(std::string_view cp932Markup) {
    QString html;
    for (const MarkupLine& line : markupLines(cp932Markup)) {
        QString content;
        for (const MarkupRun& run : line.runs) content += styledRun(run);
        // An empty paragraph still takes a line, like an empty line of the cell.
        if (content.isEmpty()) content = QStringLiteral("&nbsp;");
        const QString align = line.alignment == Qt::AlignHCenter ? QStringLiteral(" align=\"center\"")
                              : line.alignment == Qt::AlignRight ? QStringLiteral(" align=\"right\"")
                                                                 : QString();
        html += QStringLiteral("<p") + align + QStringLiteral(" style=\"margin:0;white-space:pre-wrap\">") + content +
                QStringLiteral("</p>");
    }
    return html;
}

std::string markupPlainText(std::string_view cp932Markup) {
    std::string plain;
    for (const Token& token : tokenize(cp932Markup)) {
        if (token.kind == Token::Text) plain += token.value;
    }
    return plain;
}

}  // namespace zv::ui
