#include "json.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace zv::cli {

std::string jsonQuoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    out += "\\u00";
                    out += kHex[u >> 4];
                    out += kHex[u & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInScope_.empty()) {
        if (!firstInScope_.back()) out_ << ',';
        firstInScope_.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    out_ << '{';
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ << '}';
    firstInScope_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    out_ << '[';
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ << ']';
    firstInScope_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ << jsonQuoted(name) << ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view utf8) {
    beforeValue();
    out_ << jsonQuoted(utf8);
    return *this;
}

JsonWriter& JsonWriter::value(int64_t number) {
    beforeValue();
    out_ << number;
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    beforeValue();
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", number);
    out_ << text;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ << (flag ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ << "null";
    return *this;
}

}  // namespace zv::cli
