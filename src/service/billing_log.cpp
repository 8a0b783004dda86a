#include "billing_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "data/error.h"
#include "data/sjis.h"

namespace zv {
namespace {

[[noreturn]] void failWriting(const std::filesystem::path& file, int error) {
    throw Error(ErrorKind::Io, "課金ログに書き込めません: " + pathText(file) + " (" + errnoText(error) + ")");
}

}  // namespace

Cp932 billingLine(const std::tm& t, std::string_view fileName, std::string_view priceWithYen, std::string_view userId) {
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    std::string line = stamp;
    line.append("    ").append(fileName).append("    ").append(priceWithYen).append("    ");
    line.append(userId).append("@BIGLOBE\r\n");
    return Cp932(fromUtf8(line));
}

void appendBillingLine(const std::filesystem::path& dataFolder, const Cp932& line) {
    namespace fs = std::filesystem;
    fs::path file = dataFolder / kBillingLogName;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        std::FILE* created = std::fopen(file.c_str(), "ab");
        if (!created) failWriting(file, errno);
        std::fclose(created);
    }
    fs::file_status status = fs::status(file, ec);
    if (ec || (status.permissions() & fs::perms::owner_write) == fs::perms::none) return;

    std::FILE* out = std::fopen(file.c_str(), "ab");
    if (!out) failWriting(file, errno);
    bool written = std::fwrite(line.bytes().data(), 1, line.size(), out) == line.size() && std::fflush(out) == 0;
    int error = errno;
    if (std::fclose(out) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) failWriting(file, error);
}

}  // namespace zv
