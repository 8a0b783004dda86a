// Preparing the download window: fetch the service's settings file into the data folder, send the
// login request, decide member or guest, and list the archives on offer that are not yet in the
// download folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "http_transport.h"
#include "service_ui.h"

namespace zv {

inline constexpr const char* kSettingsFileName = "settei.txt";
inline constexpr const char* kSettingsFilePath = "/keibaguest/settei/settei.txt";
inline constexpr const char* kDefaultServiceHost = "https://www.brevanne.jp";

struct CatalogueRow {
    CatalogueEntry entry;
    bool ticked = false;
};

// What the download window keeps from a successful preparation.
struct Catalogue {
    std::string provider;
    Credentials credentials;
    Membership membership = Membership::Guest;
    std::string memberLabel;         // the download window's member line
    std::vector<CatalogueRow> rows;  // in list order
    std::string listLabel;           // the caption above the archive list

    bool anyTicked() const;
};

// The settings file's URL: plain HTTP unless the host setting names https.
std::string settingsFileUrl(const std::string& serviceHost);

// The whole preparation, the settings file coming from serviceHost. A failure the user can act on
// is reported through ui.notify, with the failed request's cause, and gives nothing; a PRICE that
// is not a whole number throws a conversion error.
std::optional<Catalogue> prepareCatalogue(HttpTransport& transport, const std::string& serviceHost,
                                          const std::filesystem::path& dataFolder,
                                          const std::filesystem::path& downloadFolder, const std::string& provider,
                                          const Credentials& credentials, const ServiceUi& ui);

// Closing the download window: the fetched settings file goes.
void removeSettingsFile(const std::filesystem::path& dataFolder);

}  // namespace zv
