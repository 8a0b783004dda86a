#include "catalogue.h"

#include <cmath>
#include <set>
#include <system_error>

#include "data/convert.h"
#include "data/delimited_field.h"
#include "data/field.h"
#include "data/sjis.h"

namespace zv {
namespace {

struct ProductSection {
    const char* name;
    const char* kind;
};

constexpr ProductSection kProducts[] = {
    {"SYUTSUBA+KYOUSOUBA_ALL", "出馬表+競走馬"},
    {"SUNDBL_SYUTSUBA+KYOUSOUBA", "出馬表+競走馬(日曜重賞付)"},
};

// A name that stays inside the download folder when joined to it.
bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

}  // namespace

std::string archiveUrl(const CatalogueEntry& entry) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    // The service takes the path and the name as CP932 bytes.
    std::string url = fromUtf8(entry.path);
    for (char ch : fromUtf8(entry.fileName)) {
        auto b = static_cast<unsigned char>(ch);
        bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
                     b == '.' || b == '_' || b == '~';
        if (plain) {
            url += ch;
        } else {
            url += '%';
            url += kHex[b >> 4];
            url += kHex[b & 0x0F];
        }
    }
    return url;
}

std::string commaItem(std::string_view list, Membership who) {
    return std::string(trimmed(delimitedField(",", list, who == Membership::Member ? 1 : 0)));
}

int64_t taxedPrice(int64_t price) {
    // long double is the x87 80-bit format here: 1.05L is the nearest 64-bit-mantissa value to
    // 1.05 (a hair below it), and nearbyintl rounds exact halves to even.
    long double taxed = static_cast<long double>(price) * 1.05L;
    return static_cast<int64_t>(std::nearbyintl(taxed));
}

std::vector<CatalogueEntry> catalogueEntries(const ServiceSettingsFile& settings, Membership who) {
    std::vector<CatalogueEntry> entries;
    std::string prefix = settings.value(who == Membership::Member ? "SITE_DATA_MEMBER" : "SITE_DATA_GUEST", "URLB");
    for (const ProductSection& product : kProducts) {
        if (!settings.hasSection(product.name)) continue;
        std::string path = "https://" + prefix + commaItem(settings.value(product.name, "PATHB"), who);
        std::string priceItem = commaItem(settings.value(product.name, "PRICE"), who);
        std::string kind = product.kind;
        for (std::string& name : settings.fileEntries(product.name)) {
            if (!isPlainFileName(name)) continue;
            std::string price = std::to_string(taxedPrice(strictInt(priceItem, "PRICE")));
            entries.push_back({std::move(name), kind, price, path});
        }
    }
    return entries;
}

std::vector<std::string> gatherFileNames(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    return names;
}

std::vector<CatalogueEntry> listableEntries(const std::vector<CatalogueEntry>& entries,
                                            const std::vector<std::string>& present) {
    std::set<std::string> presentNames(present.begin(), present.end());
    std::set<std::string> listed;
    std::vector<CatalogueEntry> rows;
    for (const CatalogueEntry& entry : entries) {
        const std::string& name = entry.fileName;
        if (listed.count(name) || presentNames.count(name)) continue;
        if (name.starts_with("hb") && presentNames.count("hz" + name.substr(2))) continue;
        listed.insert(name);
        rows.push_back(entry);
    }
    return rows;
}

std::optional<Membership> membershipOf(Cp932View loginText) {
    if (toUtf8(loginText.bytes()).find("このページにはフレームが使用されていますが") != std::string::npos) {
        return Membership::Member;
    }
    if (loginText.bytes().find("403") != std::string_view::npos) return Membership::Guest;
    return std::nullopt;
}

std::string memberLabel(Cp932View userId, Membership who) {
    return toUtf8(userId.bytes()) + (who == Membership::Member ? "はBIGLOBEメンバーとして認証されています"
                                                               : "はBIGLOBEゲストとして認証されています");
}

std::string userIdFromMemberLabel(std::string_view label) { return std::string(label.substr(0, label.find("は"))); }

}  // namespace zv
