#include <ostream>

#include "commands.h"
#include "data/archive/intake.h"
#include "data/sjis.h"

namespace zv::cli {
namespace {

// Message texts end their lines with CR LF for message boxes; a terminal wants LF.
std::string terminalText(const std::string& cp932) {
    std::string text = toUtf8(cp932);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace

int cmdOpen(CliContext& ctx) {
    if (ctx.args.size() != 1) throw UsageError{"open needs exactly one ARCHIVE"};
    RaceDataStore store;
    IntakeResult result = openArchive(ctx.args[0], ctx.dataFolder(), store, {});
    if (!result.ok) {
        ctx.err << "zelvora-cli: " << terminalText(result.message) << "\n";
        return 1;
    }
    ctx.out << result.raceCount << "\n";
    return 0;
}

}  // namespace zv::cli
