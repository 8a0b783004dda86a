// Reads a record line into typed values and writes typed values into a record line, by the layout
// of records.h. Decoding never fails: a field that is not well-formed keeps its bytes (FieldState
// Kept). Encoding onto the line a record was decoded from gives that line again; encoding a
// record of well-formed and blank values onto nothing gives a line of the layout's full length.
// Encoding throws zv::Error (Format), naming the field, for a value that does not fit its field
// or a text CP932 cannot hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "convert.h"
#include "cp932.h"
#include "field.h"
#include "sjis.h"
#include "typed_records.h"

namespace zv {

RaceHeaderRecord decodeRaceHeader(Cp932View line);
RunnerEntry decodeRunnerEntry(Cp932View line);
HorseRecord decodeHorseRecord(Cp932View line);

// A code as a field of its own width holds it ("04", "B"; blanks for none).
std::pair<uint32_t, FieldState> decodeCodeText(std::string_view text);
template <class Code>
CodeField<Code> codeOfText(std::string_view text) {
    const auto [number, state] = decodeCodeText(text);
    return {static_cast<Code>(number), state};
}

// The bytes a field holds in the line its record was read from: a kept field's own bytes, any
// other as the encoder writes it (blanks, zero-filled digits, text left-aligned and blank-filled).
// For showing a field as it stands, and for the bytes that leave as they came. value must be a
// field of record itself, not a copy of one.
size_t fieldWidth(const RaceHeaderRecord& record, const void* value);
size_t fieldWidth(const RunnerEntry& record, const void* value);
size_t fieldWidth(const HorseRecord& record, const void* value);
Cp932 encodeField(const NumberField& value, size_t width);
Cp932 encodeField(const TextField& value, size_t width);
Cp932 encodeField(const DateField& value, size_t width);
Cp932 encodeCode(uint32_t number, FieldState state, size_t width);
template <class Code>
Cp932 encodeField(const CodeField<Code>& value, size_t width) {
    return encodeCode(static_cast<uint32_t>(value.code), value.state, width);
}
template <class Record, class Value>
Cp932 storedBytes(const Record& record, const Value& value) {
    const size_t place =
        static_cast<size_t>(reinterpret_cast<const char*>(&value) - reinterpret_cast<const char*>(&record));
    if (const Cp932* kept = record.kept.find(place)) return *kept;
    return encodeField(value, fieldWidth(record, &value));
}

// A text field's CP932 bytes without the blanks around them; a kept field's own bytes.
template <class Record>
std::string storedText(const Record& record, const TextField& value) {
    if (value.state == FieldState::Value) return fromUtf8(value.text);
    if (value.state == FieldState::Blank) return {};
    return std::string(trimmed(storedBytes(record, value).bytes()));
}

// The text a code table knows a code by: a well-formed code as its field holds it, and nothing
// for a blank or kept one (no table holds such a code).
template <class Record, class Code>
std::string codeKey(const Record& record, const CodeField<Code>& value) {
    return value.state == FieldState::Value ? storedBytes(record, value).bytes() : std::string();
}

// A number field read strictly: a well-formed value that fits 32 bits, or the field as it stands
// read by strictInt (convert.h), which throws a conversion error naming fieldName.
template <class Record>
int32_t strictNumber(const Record& record, const NumberField& value, std::string_view fieldName) {
    if (value.wellFormed() && value.value <= INT32_MAX) return static_cast<int32_t>(value.value);
    return strictInt(storedBytes(record, value).bytes(), fieldName);
}

// Onto a fresh line of blanks.
Cp932 encodeRaceHeader(const RaceHeaderRecord& record);
Cp932 encodeRunnerEntry(const RunnerEntry& record);
Cp932 encodeHorseRecord(const HorseRecord& record);
// Onto the line the record was read from, whose kept fields and unnamed bytes stay as they are.
Cp932 encodeRaceHeader(const RaceHeaderRecord& record, Cp932View source);
Cp932 encodeRunnerEntry(const RunnerEntry& record, Cp932View source);
Cp932 encodeHorseRecord(const HorseRecord& record, Cp932View source);

}  // namespace zv
