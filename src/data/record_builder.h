// Writes fixed-width record lines field by field: the record codec's writer, and the tests' tool for
// lines that break the layout on purpose. A line starts as blanks, or as the bytes of a line to
// change; each value is written into its field at the field's 1-based byte position, text
// left-aligned and blank-filled, numbers zero-filled. Values are CP932 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cp932.h"
#include "field.h"
#include "records.h"

namespace zv {

class RecordBuilder {
public:
    explicit RecordBuilder(int length);
    explicit RecordBuilder(Cp932View line) : line_(line.bytes()) {}

    // Text left-aligned in the field, the rest blanks. Throws zv::Error when it does not fit.
    RecordBuilder& set(const FieldDef& f, std::string_view text);
    // A non-negative number as zero-filled digits over the whole field ("09"). Throws zv::Error
    // when it is negative or has more digits than the field.
    RecordBuilder& setNumber(const FieldDef& f, int64_t value);
    // The same for a past-race field of group k (0..4), 590 x k bytes after group 0.
    RecordBuilder& setPast(const FieldDef& f, int group, std::string_view text);
    RecordBuilder& setPastNumber(const FieldDef& f, int group, int64_t value);
    // Raw bytes at a 1-based position, for fixtures that break the layout on purpose.
    RecordBuilder& setBytes(int pos, std::string_view bytes);

    const std::string& line() const { return line_; }

private:
    std::string line_;
};

}  // namespace zv
