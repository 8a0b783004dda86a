#include <ostream>

#include "commands.h"
#include "data/sjis.h"
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
    static const std::string yen = sj("円");
    for (const CatalogueRow& row : catalogue->rows) {
        ctx.out << toUtf8(row.entry.fileName) << '\t' << toUtf8(row.entry.kind) << '\t' << toUtf8(row.entry.price + yen)
                << '\n';
    }
    return 0;
}

}  // namespace zv::cli
