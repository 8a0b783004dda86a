// The one error type of the core: a category, a message, and for decoders the field and the
// text that failed. Every text of it is UTF-8; what() is the message.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "cp932.h"

namespace zv {

enum class ErrorKind {
    Conversion,  // a strict conversion failed: a number, or a typed text CP932 cannot hold
    Io,          // a file could not be read or written
    Format,      // a file or archive is not what it should be
    Capacity,    // a data set beyond the store's limits
    Network,     // a request to the data service failed
    Aborted,     // the user stopped the operation
};

class Error : public std::runtime_error {
public:
    Error(ErrorKind kind, const std::string& message, std::string field = {}, std::string text = {});

    ErrorKind kind() const { return kind_; }
    std::string message() const { return what(); }
    const std::string& field() const { return field_; }  // name of the field that failed, if any
    const std::string& text() const { return text_; }    // the offending text, if any

private:
    ErrorKind kind_;
    std::string field_;
    std::string text_;
};

// A strict conversion of a record field failed: names the field and quotes its bytes.
Error conversionError(const std::string& field, Cp932View text);

// A file name and a system error number as they stand in a message. The reasons met most (no
// such file, no permission, a folder, no space, a read-only file system, too many links, an
// input/output error) are said in Japanese, followed by the system's own text.
std::string pathText(const std::filesystem::path& path);
std::string errnoText(int error);
// An error code's text: errnoText for system error numbers, else the code's own message.
std::string errorCodeText(const std::error_code& ec);

}  // namespace zv
