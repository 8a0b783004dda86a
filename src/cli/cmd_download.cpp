#include <algorithm>
#include <ostream>

#include "commands.h"
#include "data/archive/intake.h"
#include "data/error.h"
#include "interrupt.h"
#include "service/purchase_run.h"
#include "service_session.h"

namespace zv::cli {

// Buys the named archives as the download window does (total confirmed, bottom row first,
// retries, billing log) and loads the last one fetched.
int cmdDownload(CliContext& ctx) {
    ServiceSession session(ctx, true);
    if (ctx.args.empty()) throw UsageError("download にはファイル名 FILE を 1 つ以上指定してください");
    std::optional<Catalogue> catalogue = session.prepare();
    if (!catalogue) return interrupted() ? interruptedStatus() : 1;
    for (const std::string& name : ctx.args) {
        auto row = std::find_if(catalogue->rows.begin(), catalogue->rows.end(),
                                [&](const CatalogueRow& r) { return r.entry.fileName == name; });
        if (row == catalogue->rows.end()) {
            throw Error(ErrorKind::Format, name + " はダウンロードできるファイルの一覧にありません");
        }
        row->ticked = true;
    }

    PurchaseOutcome outcome =
        runPurchase(session.transport(), *catalogue, {session.downloadFolder(), session.dataFolder()}, session.ui());
    if (outcome.end == PurchaseEnd::Aborted || interrupted()) {
        // Interrupted (Ctrl+C, SIGTERM, a hang-up): the partial file is gone, as after the window's Abort.
        ctx.err << "zelvora-cli: ダウンロードを中断しました\n";
        return interruptedStatus();
    }
    if (outcome.end != PurchaseEnd::Completed) return 1;
    if (outcome.lastArchive.empty()) return 0;

    RaceDataStore store;
    IntakeResult intake = openArchive(outcome.lastArchive, session.dataFolder(), store, {});
    if (!intake) {
        ctx.err << "zelvora-cli: " << terminalText(intake.failure().message) << "\n";
        return 1;
    }
    ctx.out << outcome.lastArchive.string() << '\t' << *intake << '\n';
    return 0;
}

}  // namespace zv::cli
