// mark R N MARK: the user's own mark on runner N of race R (◎ ○ ▲ △ × ☆ 消, or - to clear), stored
// at once in the library's database. A line is printed only once the mark is stored.
#include <ostream>

#include "commands.h"
#include "data/convert.h"
#include "library/own_marks.h"

namespace zv::cli {
namespace {

// The mark named by text: 0 ◎ .. 6 消, -1 to clear.
int markArg(const std::string& text) {
    if (text == "-") return -1;
    if (std::optional<int> mark = library::ownMarkOfSymbol(text)) return *mark;
    throw UsageError("印は ◎ ○ ▲ △ × ☆ 消 のどれか、外すときは - を指定してください: " + text);
}

}  // namespace

int cmdMark(CliContext& ctx) {
    if (ctx.args.size() != 3) throw UsageError("mark にはレース番号、馬番、印を指定してください");
    const int mark = markArg(ctx.args[2]);
    const RaceDataStore store = ctx.loadStore();
    const int race = ctx.raceArg(store, ctx.args[0]);
    const std::optional<int32_t> horse = parseInt(ctx.args[1]);
    if (!horse) throw UsageError("馬番は数字で指定してください: " + ctx.args[1]);

    const library::Library kept(ctx.dataFolder(), library::OpenMode::Create);
    library::OwnMarks marks(kept);
    const int gaveUp = marks.setOnCard(store, race, *horse, mark);
    const std::string runner = library::raceLabelOf(library::raceKeyOf(store, race)) + " " + std::to_string(*horse) +
                               " " + library::horseNameOf(store, race, *horse);
    if (mark < 0) {
        ctx.out << "自印を外しました: " << runner << '\n';
        return 0;
    }
    const std::string_view symbol = kOwnMarkSymbolsUtf8[static_cast<size_t>(mark)];
    ctx.out << "自印 " << symbol << ": " << runner;
    if (gaveUp != 0) ctx.out << " (馬番 " << gaveUp << " の " << symbol << " を移しました)";
    ctx.out << '\n';
    return 0;
}

}  // namespace zv::cli
