#include "record_builder.h"

#include "error.h"
#include "sjis.h"

namespace zv {
namespace {

FieldDef inGroup(const FieldDef& f, int group) { return FieldDef{f.name, f.pos + kPastGroupStride * group, f.len}; }

}  // namespace

RecordBuilder::RecordBuilder(int length) : line_(static_cast<size_t>(length > 0 ? length : 0), ' ') {}

RecordBuilder& RecordBuilder::set(const FieldDef& f, std::string_view text) {
    if (text.size() > static_cast<size_t>(f.len)) {
        const std::string shown = toUtf8(text);
        throw Error(ErrorKind::Format, "値が項目の幅を超えています: " + (f.name + (" = '" + shown + "'")), f.name,
                    shown);
    }
    std::string value(text);
    value.resize(static_cast<size_t>(f.len), ' ');
    return setBytes(f.pos, value);
}

RecordBuilder& RecordBuilder::setNumber(const FieldDef& f, int64_t value) {
    std::string digits = std::to_string(value);
    if (value < 0 || digits.size() > static_cast<size_t>(f.len)) {
        throw Error(ErrorKind::Format, "数値が項目の幅に収まりません: " + std::string(f.name) + " = " + digits, f.name,
                    digits);
    }
    return setBytes(f.pos, std::string(static_cast<size_t>(f.len) - digits.size(), '0') + digits);
}

RecordBuilder& RecordBuilder::setPast(const FieldDef& f, int group, std::string_view text) {
    return set(inGroup(f, group), text);
}

RecordBuilder& RecordBuilder::setPastNumber(const FieldDef& f, int group, int64_t value) {
    return setNumber(inGroup(f, group), value);
}

RecordBuilder& RecordBuilder::setBytes(int pos, std::string_view bytes) {
    if (pos < 1) throw Error(ErrorKind::Format, "項目の位置が不正です: " + std::to_string(pos));
    size_t start = static_cast<size_t>(pos - 1);
    if (line_.size() < start + bytes.size()) line_.resize(start + bytes.size(), ' ');
    line_.replace(start, bytes.size(), bytes);
    return *this;
}

}  // namespace zv
