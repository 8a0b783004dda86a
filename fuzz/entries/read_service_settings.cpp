// The service's settings file and the catalogue built from it, on arbitrary text.
#include <string>
#include <string_view>
#include <vector>

#include "data/error.h"
#include "data/sjis.h"
#include "fuzz_entries.h"
#include "service/catalogue.h"
#include "service/settings_file.h"

namespace zv::fuzz {
namespace {

void readCatalogue(const ServiceSettingsFile& settings, Membership who) {
    std::vector<CatalogueEntry> entries;
    try {
        entries = catalogueEntries(settings, who);
    } catch (const Error&) {
        return;
    }
    std::vector<std::string> present;
    for (const CatalogueEntry& entry : entries) {
        toUtf8(archiveUrl(entry));
        const std::string& name = entry.fileName;
        if (name.empty() || name == "." || name == ".." ||
            name.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
            throw InvariantBroken("a catalogue entry names a file outside the download folder");
        }
        if (present.size() < entries.size() / 2) present.push_back(entry.fileName);
    }
    listableEntries(entries, present);
}

}  // namespace

void readServiceSettings(Input input) {
    std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    ServiceSettingsFile settings = ServiceSettingsFile::parse(text);
    // The first line's words serve as section and key names, so the mutations reach real lookups.
    std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    std::string_view section = firstLine.substr(0, firstLine.find(' '));
    std::string_view key = firstLine.substr(std::min(firstLine.size(), section.size() + 1));
    settings.hasSection(section);
    settings.value(section, key);
    settings.fileEntries(section);
    readCatalogue(settings, Membership::Guest);
    readCatalogue(settings, Membership::Member);
    membershipOf(Cp932View(text));
    commaItem(firstLine, Membership::Member);
    userIdFromMemberLabel(memberLabel(Cp932View(firstLine), Membership::Guest));
}

}  // namespace zv::fuzz
