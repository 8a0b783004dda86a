#include <ostream>

#include "commands.h"
#include "interrupt.h"
#include "service_session.h"

namespace zv::cli {

// One line per archive on offer and not yet in the download folder: name, kind, price with tax.
int cmdCatalogue(CliContext& ctx) {
    ServiceSession session(ctx, false);
    if (!ctx.args.empty()) throw UsageError("catalogue には引数を指定できません: " + ctx.args[0]);
    std::optional<Catalogue> catalogue = session.prepare();
    if (!catalogue) return interrupted() ? interruptedStatus() : 1;
    if (catalogue->rows.empty()) ctx.err << terminalText(catalogue->listLabel) << "\n";
    for (const CatalogueRow& row : catalogue->rows) {
        ctx.out << row.entry.fileName << '\t' << row.entry.kind << '\t' << row.entry.price << "円\n";
    }
    return 0;
}

}  // namespace zv::cli
