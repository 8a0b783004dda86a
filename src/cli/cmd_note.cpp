// note NAME [TEXT]: the user's note on the horse named NAME, shown, or set to TEXT (an empty TEXT
// removes it). Kept in the library's database.
#include <ostream>

#include "commands.h"
#include "library/horse_notes.h"

namespace zv::cli {

int cmdNote(CliContext& ctx) {
    if (ctx.args.empty() || ctx.args.size() > 2)
        throw UsageError("note には馬名と、書くときはメモの文を指定してください");
    const std::string& name = ctx.args[0];
    const library::Library kept(ctx.dataFolder(), library::OpenMode::Create);
    library::HorseNotes notes(kept);
    if (ctx.args.size() == 2) {
        notes.set(name, ctx.args[1]);
        ctx.out << (ctx.args[1].empty() ? "メモを消しました: " : "メモを書きました: ") << name << '\n';
        return 0;
    }
    const std::optional<std::string> text = notes.get(name);
    if (!text) {
        ctx.out << name << " のメモはありません\n";
        return 1;
    }
    ctx.out << *text << '\n';
    return 0;
}

}  // namespace zv::cli
