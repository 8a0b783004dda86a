// The purchase run of the download window: confirm the total, then fetch every ticked archive
// from the bottom row up with three attempts (and a fourth when the user asks for it), log each
// bought archive in the billing log and drop its row. The caller hands the returned last archive
// to the archive intake.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "prepare_catalogue.h"
#include "service_ui.h"

namespace zv {

enum class PurchaseEnd {
    Declined,            // the user said No to the total
    MissingCredentials,  // no user ID or password kept
    Completed,           // every ticked archive fetched
    StoppedEarly,        // an archive could not be fetched; the window stays open
    Aborted,             // the abort flag was raised
};

struct PurchaseOutcome {
    PurchaseEnd end = PurchaseEnd::Declined;
    // Completed only: the archive to load (the topmost fetched), empty when none.
    std::filesystem::path lastArchive;
};

struct PurchasePlaces {
    std::filesystem::path downloadFolder;  // the download window's folder
    std::filesystem::path dataFolder;      // where kakin.log lies
};

// Sum of the prices of the ticked rows (each price text converted strictly).
int64_t tickedTotal(const Catalogue& catalogue);

// True when the file starts like an LHA archive; an HTML error page does not.
bool looksLikeLhaArchive(const std::filesystem::path& file);

// The run. Fetched rows leave catalogue.rows. Throws zv::Error when the download folder cannot be
// created (before anything is fetched) or a billing line cannot be written (the archive just
// fetched stays, its row too). localNow gives the time of the billing lines (default: the clock).
PurchaseOutcome runPurchase(HttpTransport& transport, Catalogue& catalogue, const PurchasePlaces& places,
                            const ServiceUi& ui, const std::function<std::tm()>& localNow = {});

}  // namespace zv
