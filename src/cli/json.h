// A small JSON writer for the command line's output: objects, arrays, strings (UTF-8, escaped),
// numbers, booleans and null, written compactly to a stream. Commas are placed by the writer.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zv::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the enclosing object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(int64_t number);
    JsonWriter& value(int number) { return value(static_cast<int64_t>(number)); }
    JsonWriter& value(bool flag);
    // A fraction such as a rate, with four decimals.
    JsonWriter& value(double number);
    JsonWriter& null();

private:
    void beforeValue();
    void writeString(std::string_view text);

    std::ostream& out_;
    std::vector<bool> firstInScope_;  // one entry per open object or array
    bool afterKey_ = false;
};

// text as a JSON string literal, quotes included.
std::string jsonQuoted(std::string_view utf8);

}  // namespace zv::cli
