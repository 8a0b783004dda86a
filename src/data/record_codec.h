// Reads a record line into typed values and writes typed values into a record line, by the layout
// of records.h. Decoding never fails: a field that is not well-formed keeps its bytes (FieldState
// Kept). Encoding onto the line a record was decoded from gives that line again; encoding a
// record of well-formed and blank values onto nothing gives a line of the layout's full length.
// Encoding throws zv::Error (Format), naming the field, for a value that does not fit its field
// or a text CP932 cannot hold.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "cp932.h"
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

// Onto a fresh line of blanks.
Cp932 encodeRaceHeader(const RaceHeaderRecord& record);
Cp932 encodeRunnerEntry(const RunnerEntry& record);
Cp932 encodeHorseRecord(const HorseRecord& record);
// Onto the line the record was read from, whose kept fields and unnamed bytes stay as they are.
Cp932 encodeRaceHeader(const RaceHeaderRecord& record, Cp932View source);
Cp932 encodeRunnerEntry(const RunnerEntry& record, Cp932View source);
Cp932 encodeHorseRecord(const HorseRecord& record, Cp932View source);

}  // namespace zv
