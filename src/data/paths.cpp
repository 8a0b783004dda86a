#include "paths.h"

#include <cstdlib>
#include <system_error>

#include "error.h"
#include "sjis.h"

namespace zv {

std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& override) {
    std::filesystem::path folder;
    if (override && !override->empty()) {
        folder = *override;
    } else if (const char* env = std::getenv("ZELVORA_DATA_DIR"); env && *env) {
        folder = env;
    } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        folder = std::filesystem::path(xdg) / "Zelvora";
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home ? home : ".") / ".local" / "share" / "Zelvora";
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        throw Error(ErrorKind::Io, sj("データフォルダを作成できません: ") + fromUtf8(folder.string()) + " (" +
                                       fromUtf8(ec.message()) + ")");
    }
    return folder;
}

}  // namespace zv
