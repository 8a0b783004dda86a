#include "error.h"

#include <cstring>

#include "sjis.h"

namespace zv {

Error::Error(ErrorKind kind, std::string message, std::string field, std::string text)
    : std::runtime_error(toUtf8(message)),
      kind_(kind),
      message_(std::move(message)),
      field_(std::move(field)),
      text_(std::move(text)) {}

Error conversionError(const std::string& field, const std::string& text) {
    std::string message = sj("数値に変換できません: ") + field + " = '" + text + "'";
    return Error(ErrorKind::Conversion, message, field, text);
}

std::string pathText(const std::filesystem::path& path) { return fromUtf8(path.string()); }

std::string errnoText(int error) { return fromUtf8(std::strerror(error)); }

}  // namespace zv
