#include "grid_markup.h"

#include <optional>
#include <string>
#include <vector>

#include "data/sjis.h"

namespace zv::ui {

namespace {

enum class Align { Left, Center, Right };

// One mark-up element: a tag the grid understands, or a run of text.
struct Token {
    enum Kind { Text, Break, ParaCenter, ParaRight, ParaEnd, SmallOn, SmallOff, BoldOn, BoldOff, LinkOn, LinkOff };
    Kind kind;
    std::string_view value;  // the text, or the link value
};

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

// The tag at the start of text, with its length; nothing when text does not start with one.
std::optional<std::pair<Token, size_t>> tagAt(std::string_view text) {
    struct Fixed {
        std::string_view tag;
        Token::Kind kind;
    };
    static constexpr Fixed fixed[] = {
        {"<BR>", Token::Break},          {"<P ALIGN=\"center\">", Token::ParaCenter},
        {"<P ALIGN=\"right\">", Token::ParaRight}, {"</P>", Token::ParaEnd},
        {"<font size=\"8\">", Token::SmallOn}, {"</font>", Token::SmallOff},
        {"<B>", Token::BoldOn},          {"</B>", Token::BoldOff},
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

QString escaped(std::string_view cp932) { return QString::fromStdString(toUtf8(cp932)).toHtmlEscaped(); }

struct Style {
    bool small = false;
    bool bold = false;
    std::optional<std::string_view> link;
};

QString styledRun(std::string_view text, const Style& style) {
    QString html = escaped(text);
    if (style.bold) html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
    if (style.small) html = QStringLiteral("<span style=\"font-size:8pt\">") + html + QStringLiteral("</span>");
    if (style.link) html = QStringLiteral("<a href=\"") + escaped(*style.link) + QStringLiteral("\">") + html + QStringLiteral("</a>");
    return html;
}

QString paragraph(const QString& content, Align align) {
    static const QString open[] = {
        QStringLiteral("<p style=\"margin:0;white-space:pre-wrap\">"),
        QStringLiteral("<p align=\"center\" style=\"margin:0;white-space:pre-wrap\">"),
        QStringLiteral("<p align=\"right\" style=\"margin:0;white-space:pre-wrap\">"),
    };
    // An empty paragraph still takes a line, like an empty line of the cell.
    return open[static_cast<int>(align)] + (content.isEmpty() ? QStringLiteral("&nbsp;") : content) +
           QStringLiteral("</p>");
}

}  // namespace

QString markupToHtml(std::string_view cp932Markup) {
    QString html;
    QString line;
    Style style;
    Align align = Align::Left;
    Align lineAlign = Align::Left;  // the alignment in force where the line's first text began
    bool lineStarted = false;
    const auto endLine = [&] {
        html += paragraph(line, lineStarted ? lineAlign : align);
        line.clear();
        lineStarted = false;
    };
    for (const Token& token : tokenize(cp932Markup)) {
        switch (token.kind) {
            case Token::Text:
                if (!lineStarted) {
                    lineAlign = align;
                    lineStarted = true;
                }
                line += styledRun(token.value, style);
                break;
            case Token::Break: endLine(); break;
            case Token::ParaCenter: align = Align::Center; break;
            case Token::ParaRight: align = Align::Right; break;
            case Token::ParaEnd: align = Align::Left; break;
            case Token::SmallOn: style.small = true; break;
            case Token::SmallOff: style.small = false; break;
            case Token::BoldOn: style.bold = true; break;
            case Token::BoldOff: style.bold = false; break;
            case Token::LinkOn: style.link = token.value; break;
            case Token::LinkOff: style.link.reset(); break;
        }
    }
    if (!line.isEmpty() || html.isEmpty()) endLine();
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
