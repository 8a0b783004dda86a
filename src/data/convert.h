// Number conversions of record text. Lenient readers take 0 for bad text (StrToIntOrZero in
// bvo_hen.h); strict readers get a conversion error naming the field and the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "field.h"

namespace zv {

// A signed 32-bit decimal whole number; leading blanks and one sign allowed, nothing after the
// digits. Empty when the text is not such a number or does not fit.
std::optional<int32_t> parseInt(std::string_view text);

// A real number in plain decimal notation ("57", "57.5", " -1.25"); leading blanks allowed.
std::optional<double> parseReal(std::string_view text);

// Strict conversions: throw zv::Error (ErrorKind::Conversion) naming fieldName and the text.
int32_t strictInt(std::string_view text, std::string_view fieldName);
double strictReal(std::string_view text, std::string_view fieldName);

inline int32_t strictInt(std::string_view line, const FieldDef& f) { return strictInt(field(line, f), f.name); }

}  // namespace zv
