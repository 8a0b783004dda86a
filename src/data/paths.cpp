#include "paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "error.h"

namespace zv {
namespace {

const char* nonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

std::filesystem::path homeFolder() {
    if (const char* home = nonEmptyEnv("HOME")) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    throw Error(ErrorKind::Io, "ホームフォルダが分かりません (HOME が設定されていません)");
}

std::filesystem::path defaultDataFolder() {
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules ask.
    if (const char* xdg = nonEmptyEnv("XDG_DATA_HOME"); xdg && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg) / "Zelvora";
    }
    return homeFolder() / ".local" / "share" / "Zelvora";
}

}  // namespace

std::filesystem::path chosenDataFolder(const std::optional<std::filesystem::path>& override) {
    if (override && !override->empty()) return *override;
    if (const char* env = nonEmptyEnv("ZELVORA_DATA_DIR")) return env;
    return defaultDataFolder();
}

std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& override) {
    std::filesystem::path folder = chosenDataFolder(override);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && !std::filesystem::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) {
        throw Error(ErrorKind::Io,
                    "データフォルダを作成できません: " + pathText(folder) + " (" + errorCodeText(ec) + ")");
    }
    return folder;
}

}  // namespace zv
