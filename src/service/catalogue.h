// The catalogue of archives the service sells: the entries of the two product sections of the
// settings file with their tax-inclusive prices and download paths, and the rules that hide the
// archives already in the download folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/cp932.h"
#include "settings_file.h"

namespace zv {

// One archive on offer.
struct CatalogueEntry {
    std::string fileName;
    std::string kind;   // the product's kind text
    std::string price;  // whole yen including tax, decimal text (shown followed by 円)
    std::string path;   // "https://" + archive-area prefix + path item; the URL is path + fileName
};

enum class Membership { Guest, Member };

// The archive's URL: its path followed by the file name, the name percent-encoded so that blanks
// and other bytes outside the plain URL characters reach the server as they are.
std::string archiveUrl(const CatalogueEntry& entry);

// Item k (0 guest, 1 member) of a comma list, trimmed; a shorter list gives its last item.
std::string commaItem(std::string_view list, Membership who);

// price × 1.05 in x87 extended precision, then to the nearest whole yen with halves to even.
int64_t taxedPrice(int64_t price);

// The entries of both product sections, in file order. A PRICE item that is not a whole number
// throws a conversion error. FILE= names that could leave the download folder are skipped.
std::vector<CatalogueEntry> catalogueEntries(const ServiceSettingsFile& settings, Membership who);

// Names of every file in folder and, recursively, its sub-folders; none when it does not exist.
std::vector<std::string> gatherFileNames(const std::filesystem::path& folder);

// The entries to list: each file name once (the first entry wins), none that is present, and no
// "hb" archive whose "hz" counterpart is present.
std::vector<CatalogueEntry> listableEntries(const std::vector<CatalogueEntry>& entries,
                                            const std::vector<std::string>& present);

// Member, guest or (nothing) a failed login, from the login page or status text as it came.
std::optional<Membership> membershipOf(Cp932View loginText);

// The membership text shown for the user (whose ID is as sent), and the user ID read back from it
// (up to the first は).
std::string memberLabel(Cp932View userId, Membership who);
std::string userIdFromMemberLabel(std::string_view label);

}  // namespace zv
