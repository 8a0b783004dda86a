#include "error.h"

#include <cerrno>
#include <cstring>

#include "sjis.h"

namespace zv {

Error::Error(ErrorKind kind, const std::string& message, std::string field, std::string text)
    : std::runtime_error(message), kind_(kind), field_(std::move(field)), text_(std::move(text)) {}

Error conversionError(const std::string& field, Cp932View text) {
    std::string shown = toUtf8(text.bytes());
    std::string message = "数値に変換できません: " + field + " = '" + shown + "'";
    return Error(ErrorKind::Conversion, message, field, std::move(shown));
}

std::string pathText(const std::filesystem::path& path) { return validUtf8(path.string()); }

namespace {

// The reasons a user meets most, in Japanese; the system's own text follows them.
const char* japaneseReason(int error) {
    switch (error) {
        case ENOENT: return "ファイルやフォルダがありません";
        case EACCES: return "アクセスが許可されていません";
        case EISDIR: return "フォルダです";
        case ENOSPC: return "ディスクの空きがありません";
        case EROFS: return "読み取り専用のファイルシステムです";
        case EMLINK: return "リンクが多すぎます";
        case EIO: return "入出力エラーが起きました";
        default: return nullptr;
    }
}

}  // namespace

std::string errnoText(int error) {
    const std::string system = std::strerror(error);
    const char* reason = japaneseReason(error);
    return reason ? reason + (": " + system) : system;
}

std::string errorCodeText(const std::error_code& ec) {
    const bool isErrno = ec.category() == std::generic_category() || ec.category() == std::system_category();
    return isErrno ? errnoText(ec.value()) : ec.message();
}

}  // namespace zv
