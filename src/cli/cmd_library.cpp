// library add PATH... | list [--json] | check | rebuild: the kept meeting days of the data folder.
#include <unistd.h>

#include <iostream>
#include <ostream>

#include "commands.h"
#include "json.h"
#include "library/day_input.h"
#include "library/library.h"

namespace zv::cli {
namespace {

using library::AddOutcome;
using library::Library;
using library::OpenMode;

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) out += (out.empty() ? "" : "・") + text;
    return out;
}

// A message-box text on the terminal: LF line ends.
std::string withoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

// The progress line, on a terminal only, rewritten in place and cleared before each result line.
class ProgressLine {
public:
    explicit ProgressLine(CliContext& ctx) : ctx_(ctx), shown_(&ctx.err == &std::cerr && ::isatty(STDERR_FILENO)) {}
    void show(int done, int total, const std::filesystem::path& next) {
        if (!shown_) return;
        ctx_.err << "\r\033[K[" << done + 1 << "/" << total << "] " << next.string() << std::flush;
    }
    void clear() {
        if (shown_) ctx_.err << "\r\033[K" << std::flush;
    }

private:
    CliContext& ctx_;
    bool shown_;
};

int addDays(CliContext& ctx) {
    if (ctx.args.size() < 2)
        throw UsageError("library add には開催日のフォルダか書庫 PATH を 1 つ以上指定してください");
    std::vector<std::filesystem::path> paths(ctx.args.begin() + 1, ctx.args.end());
    std::vector<library::RefusedInput> refused;
    const std::vector<library::DayInput> inputs = library::findDayInputs(paths, refused);
    for (const library::RefusedInput& input : refused)
        ctx.out << "スキップ: " << input.path.string() << ": " << input.reason << '\n';

    Library kept(ctx.dataFolder(), OpenMode::Create);
    ScratchFolder scratch("zelvora-library");
    ProgressLine progress(ctx);
    int added = 0;
    int failed = static_cast<int>(refused.size());
    const int total = static_cast<int>(inputs.size());
    for (int i = 0; i < total; ++i) {
        progress.show(i, total, inputs[i].path);
        const library::InputOutcome outcome = library::addDayInput(kept, inputs[i], scratch);
        progress.clear();
        const std::string path = inputs[i].path.string();
        if (!outcome.added) {
            ++failed;
            ctx.out << "スキップ: " << path << ": " << withoutCr(outcome.refusal) << '\n';
            continue;
        }
        const std::string date = library::slashedDate(outcome.added->date);
        switch (outcome.added->outcome) {
            case AddOutcome::Added:
                ++added;
                ctx.out << "追加: " << date << " (" << outcome.added->races << " レース) " << path << '\n';
                break;
            case AddOutcome::AlreadyKept: ctx.out << "スキップ: " << path << ": " << date << " は保存済みです\n"; break;
            case AddOutcome::DateKeptOtherwise:
                ctx.out << "スキップ: " << path << ": " << date
                        << " は別の内容で保存済みです (保存済みのものを残します)\n";
                break;
        }
    }
    ctx.out << added << " 日を追加しました\n";
    return failed == 0 ? 0 : 1;
}

int listDays(CliContext& ctx) {
    const std::vector<library::KeptDay> days = Library(ctx.dataFolder(), OpenMode::Create).days();
    if (ctx.flag("--json")) {
        JsonWriter json(ctx.out);
        json.beginObject().key("days").beginArray();
        for (const library::KeptDay& day : days) {
            json.beginObject().key("date").value(library::slashedDate(day.date)).key("dateText").value(day.dateText);
            json.key("racecourses").beginArray();
            for (const std::string& course : day.racecourses) json.value(course);
            json.endArray().key("races").value(day.races).key("runners").value(day.runners);
            json.key("source").value(day.source).endObject();
        }
        json.endArray().endObject();
        ctx.out << '\n';
        return 0;
    }
    for (const library::KeptDay& day : days) {
        ctx.out << day.dateText << "  " << joined(day.racecourses) << "  " << day.races << " レース  " << day.runners
                << " 頭  " << day.source << '\n';
    }
    ctx.out << days.size() << " 日\n";
    return 0;
}

int checkLibrary(CliContext& ctx) {
    const library::CheckResult result = Library(ctx.dataFolder(), OpenMode::Existing).check();
    for (const std::string& note : result.notes) ctx.out << "注意: " << note << '\n';
    for (const std::string& problem : result.problems) ctx.out << "問題: " << problem << '\n';
    if (!result.problems.empty()) {
        ctx.out << "ライブラリに問題があります (zelvora-cli library rebuild で作り直せます)\n";
        return 1;
    }
    ctx.out << "ライブラリは正常です (" << result.days << " 日)\n";
    return 0;
}

int rebuild(CliContext& ctx) {
    ProgressLine progress(ctx);
    const std::vector<std::string> problems = library::rebuildLibrary(ctx.dataFolder(), [&](int done, int total) {
        if (done < total) progress.show(done, total, "");
    });
    progress.clear();
    for (const std::string& problem : problems) ctx.out << "スキップ: " << problem << '\n';
    const size_t days = Library(ctx.dataFolder(), OpenMode::Existing).days().size();
    ctx.out << "保存した記録から " << days << " 日のライブラリを作り直しました\n";
    return problems.empty() ? 0 : 1;
}

}  // namespace

int cmdLibrary(CliContext& ctx) {
    const std::string action = ctx.args.empty() ? "" : ctx.args[0];
    if (action != "list" && ctx.flag("--json")) throw UsageError("--json は library list でだけ使えます");
    if (action == "add") return addDays(ctx);
    if (action != "add" && ctx.args.size() > 1) throw UsageError("library " + action + " には引数はありません");
    if (action == "list") return listDays(ctx);
    if (action == "check") return checkLibrary(ctx);
    if (action == "rebuild") return rebuild(ctx);
    throw UsageError("library の後には add, list, check, rebuild のどれかを指定してください");
}

}  // namespace zv::cli
