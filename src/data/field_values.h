// Typed values of record fields. Each value carries how its field read: blank, a well-formed value,
// or bytes that are no well-formed text of the field (digits with a blank inside, a cut character,
// blanks in front of a name). Such bytes are kept as they stand in the line they came from, so that
// writing the record again gives the same line, and their value is what a lenient reading makes of
// them.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cp932.h"

namespace zv {

enum class FieldState : uint8_t {
    Blank,  // only half-width blanks
    Value,  // well-formed: digits over the whole width, or text left-aligned and blank-filled
    Kept,   // anything else; the value is the lenient reading, the bytes stay in the source line
};

// A whole number field: digits over its whole width ("0042"). A kept field's value is the lenient
// reading (a signed decimal after leading blanks; 0 for anything else).
struct NumberField {
    int64_t value = 0;
    FieldState state = FieldState::Blank;

    bool operator==(const NumberField&) const = default;
    bool wellFormed() const { return state == FieldState::Value; }
};

// A text field: UTF-8, without the half-width blanks and control bytes at either end (a full-width
// blank stays).
struct TextField {
    std::string text;
    FieldState state = FieldState::Blank;

    bool operator==(const TextField&) const = default;
};

// A code field: digits over its whole width, or one capital letter in a one-byte field (A = 10).
// Code is an enum whose underlying value is the code's number.
template <class Code>
struct CodeField {
    Code code{};
    FieldState state = FieldState::Blank;

    bool operator==(const CodeField&) const = default;
    bool is(Code c) const { return state == FieldState::Value && code == c; }
};

// A date field, YYYYMMDD; a kept one holds zeros.
struct DateField {
    int year = 0;
    int month = 0;
    int day = 0;
    FieldState state = FieldState::Blank;

    bool operator==(const DateField&) const = default;
    // YYYYMMDD as one number (20100502), 0 when the field holds no date.
    int32_t number() const { return state == FieldState::Value ? year * 10000 + month * 100 + day : 0; }
};

// The bytes of a record's kept fields as they stand in its line, each under the field's place in
// the record (its offset from the record's start). Empty for a well-formed line.
class KeptBytes {
public:
    void keep(size_t place, std::string_view bytes) { entries_.emplace_back(place, Cp932(std::string(bytes))); }
    const Cp932* find(size_t place) const {
        for (const auto& [at, bytes] : entries_) {
            if (at == place) return &bytes;
        }
        return nullptr;
    }

    bool operator==(const KeptBytes&) const = default;

private:
    std::vector<std::pair<size_t, Cp932>> entries_;
};

// Well-formed values, as code that writes records makes them; an empty text is a blank field.
inline NumberField numberValue(int64_t value) { return {value, FieldState::Value}; }
inline TextField textValue(std::string utf8) {
    const FieldState state = utf8.empty() ? FieldState::Blank : FieldState::Value;
    return {std::move(utf8), state};
}
template <class Code>
CodeField<Code> codeValue(Code code) {
    return {code, FieldState::Value};
}
inline DateField dateValue(int year, int month, int day) { return {year, month, day, FieldState::Value}; }

}  // namespace zv
