#include "record_codec.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "convert.h"
#include "cp932_tables.h"
#include "error.h"
#include "field.h"
#include "record_builder.h"
#include "records.h"
#include "sjis.h"

namespace zv {
namespace {

bool allBlanks(std::string_view bytes) { return bytes.find_first_not_of(' ') == std::string_view::npos; }

bool allDigits(std::string_view bytes) {
    for (char c : bytes) {
        if (c < '0' || c > '9') return false;
    }
    return !bytes.empty();
}

int64_t digitsValue(std::string_view digits) {
    int64_t value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// How a field of len bytes reads when it is not well-formed: blank when it holds len blanks.
FieldState blankOrKept(std::string_view bytes, int len) {
    return bytes.size() == static_cast<size_t>(len) && allBlanks(bytes) ? FieldState::Blank : FieldState::Kept;
}

// ---- Decoding, one kind of field at a time.

void decode(std::string_view bytes, int len, NumberField& out) {
    if (bytes.size() == static_cast<size_t>(len) && allDigits(bytes)) {
        out = {digitsValue(bytes), FieldState::Value};
        return;
    }
    out = {parseInt(bytes).value_or(0), blankOrKept(bytes, len)};
}

void decode(std::string_view bytes, int len, TextField& out) {
    const std::string_view text = trimmed(bytes);
    if (text.empty()) {
        out.text.clear();
        out.state = blankOrKept(bytes, len);
        return;
    }
    bool roundTrips = false;
    std::optional<std::string> utf8 = tableToUtf8(text, &roundTrips);
    out.text = utf8 ? std::move(*utf8) : toUtf8(text);
    const bool alignedAndFilled =
        bytes.size() == static_cast<size_t>(len) && bytes.data() == text.data() && allBlanks(bytes.substr(text.size()));
    out.state = alignedAndFilled && utf8 && roundTrips ? FieldState::Value : FieldState::Kept;
}

std::pair<uint32_t, FieldState> decodeCode(std::string_view bytes, int len) {
    if (bytes.size() == static_cast<size_t>(len) && allDigits(bytes)) {
        return {static_cast<uint32_t>(digitsValue(bytes)), FieldState::Value};
    }
    if (len == 1 && bytes.size() == 1 && bytes[0] >= 'A' && bytes[0] <= 'Z') {
        return {static_cast<uint32_t>(10 + bytes[0] - 'A'), FieldState::Value};
    }
    return {0, blankOrKept(bytes, len)};
}

template <class Code>
void decode(std::string_view bytes, int len, CodeField<Code>& out) {
    const auto [number, state] = decodeCode(bytes, len);
    out = {static_cast<Code>(static_cast<std::underlying_type_t<Code>>(number)), state};
}

void decode(std::string_view bytes, int len, DateField& out) {
    if (bytes.size() == static_cast<size_t>(len) && len == 8 && allDigits(bytes)) {
        out = {static_cast<int>(digitsValue(bytes.substr(0, 4))), static_cast<int>(digitsValue(bytes.substr(4, 2))),
               static_cast<int>(digitsValue(bytes.substr(6, 2))), FieldState::Value};
        return;
    }
    out = {0, 0, 0, blankOrKept(bytes, len)};
}

// ---- Encoding: each value in its field's well-formed bytes.

void encode(RecordBuilder& b, const FieldDef& f, const NumberField& v) {
    if (v.state == FieldState::Blank)
        b.set(f, "");
    else
        b.setNumber(f, v.value);
}

void encode(RecordBuilder& b, const FieldDef& f, const TextField& v) {
    if (v.state == FieldState::Blank) {
        b.set(f, "");
        return;
    }
    std::optional<std::string> bytes = fromUtf8Exactly(v.text);
    if (!bytes) throw Error(ErrorKind::Format, notCp932Message(f.name), f.name);
    b.set(f, *bytes);
}

template <class Code>
void encode(RecordBuilder& b, const FieldDef& f, const CodeField<Code>& v) {
    const auto number = static_cast<int64_t>(v.code);
    if (v.state == FieldState::Blank)
        b.set(f, "");
    else if (f.len == 1 && number >= 10 && number < 36)
        b.set(f, std::string(1, static_cast<char>('A' + number - 10)));
    else
        b.setNumber(f, number);
}

void encode(RecordBuilder& b, const FieldDef& f, const DateField& v) {
    if (v.state == FieldState::Blank) {
        b.set(f, "");
        return;
    }
    b.setNumber({f.name, f.pos, 4}, v.year).setNumber({f.name, f.pos + 4, 2}, v.month);
    b.setNumber({f.name, f.pos + 6, 2}, v.day);
}

// Where a field stands in its record.
size_t placeIn(const void* record, const void* value) {
    return static_cast<size_t>(static_cast<const char*>(value) - static_cast<const char*>(record));
}

// Reads every field of a line into a record, keeping the bytes of the fields that are kept.
class Reader {
public:
    Reader(Cp932View line, const void* record, KeptBytes& kept) : line_(line.bytes()), record_(record), kept_(kept) {}

    template <class Value>
    void operator()(const FieldDef& f, Value& value, int group = 0) const {
        const std::string_view bytes = pastField(line_, f, group);
        decode(bytes, f.len, value);
        if (value.state == FieldState::Kept) kept_.keep(placeIn(record_, &value), bytes);
    }

private:
    std::string_view line_;
    const void* record_;
    KeptBytes& kept_;
};

// Each field's width by its place in a record of its kind.
class Widths {
public:
    template <class Record, class Visit>
    Widths(const Record& record, Visit visit) {
        visit(record, [&](const FieldDef& f, const auto& value, int = 0) {
            widths_.emplace_back(placeIn(&record, &value), static_cast<size_t>(f.len));
        });
        std::sort(widths_.begin(), widths_.end());
    }

    size_t operator()(const void* record, const void* value) const {
        const size_t place = placeIn(record, value);
        const auto found = std::lower_bound(widths_.begin(), widths_.end(), std::pair<size_t, size_t>{place, 0});
        if (found == widths_.end() || found->first != place) throw std::logic_error("not a field of the record");
        return found->second;
    }

private:
    std::vector<std::pair<size_t, size_t>> widths_;
};

// Writes every field of a record onto a line. A kept field is written only onto a fresh line,
// where its lenient value is the best there is; on its own line its bytes stay.
class Writer {
public:
    explicit Writer(int freshLength) : line_(freshLength), fresh_(true) {}
    explicit Writer(Cp932View source) : line_(source), fresh_(false) {}

    template <class Value>
    void operator()(const FieldDef& f, const Value& value, int group = 0) {
        if (value.state == FieldState::Kept && !fresh_) return;
        Value written = value;
        if (written.state == FieldState::Kept) written.state = FieldState::Value;
        encode(line_, FieldDef{f.name, f.pos + kPastGroupStride * group, f.len}, written);
    }

    Cp932 take() { return Cp932(line_.line()); }

private:
    RecordBuilder line_;
    bool fresh_;
};

// Each record's fields once, for reading and writing alike.

template <class Record, class Visit>
void visitHeader(Record& r, Visit&& v) {
    using namespace header_line;
    v(racecourse_code, r.racecourse);
    v(race_number, r.raceNumber);
    v(race_date, r.raceDate);
    v(weekday_code, r.weekday);
    v(jump_flag, r.jump);
    v(race_name, r.raceName);
    v(grade_code, r.grade);
    v(weight_rule_code, r.weightRule);
    v(race_type_code, r.raceType);
    v(race_class_code, r.raceClass);
    v(turf_flag, r.turf);
    v(distance, r.distance);
    v(post_time, r.postTime);
    v(runner_count, r.runnerCount);
    v(jpn_grade_flag, r.jpnGrade);
}

template <class Record, class Visit>
void visitRunner(Record& r, Visit&& v) {
    using namespace runner_line;
    v(frame_number, r.frameNumber);
    v(horse_name, r.horseName);
    v(sex_code, r.sex);
    v(age, r.age);
    v(weight_carried, r.weightCarried);
    v(jockey_name, r.jockeyName);
    v(rate, r.rate);
}

template <class Race, class Visit>
void visitPastRace(Race& p, int k, Visit&& v) {
    using namespace horse_line;
    v(past_racecourse_code, p.racecourse, k);
    v(past_race_date, p.raceDate, k);
    v(past_jump_flag, p.jump, k);
    v(past_race_short_name, p.shortName, k);
    v(past_grade_code, p.grade, k);
    v(past_weight_rule_code, p.weightRule, k);
    v(past_race_class_code, p.raceClass, k);
    v(past_turf_flag, p.turf, k);
    v(past_distance, p.distance, k);
    v(past_field_size, p.fieldSize, k);
    v(past_pace_code, p.pace, k);
    v(past_going_code, p.going, k);
    v(past_horse_number, p.horseNumber, k);
    v(past_weight_carried, p.weightCarried, k);
    v(past_body_weight, p.bodyWeight, k);
    v(past_jockey_name, p.jockeyName, k);
    v(past_popularity, p.popularity, k);
    v(past_finish, p.finish, k);
    v(past_race_time, p.raceTime, k);
    v(past_margin, p.margin, k);
    v(past_first_3f, p.first3f, k);
    v(past_last_3f, p.last3f, k);
    const FieldDef corners[] = {past_corner1, past_corner2, past_corner3, past_corner4};
    for (size_t c = 0; c < 4; ++c) v(corners[c], p.corners[c], k);
    v(past_opponent_name, p.opponentName, k);
}

template <class Record, class Visit>
void visitHorse(Record& r, Visit&& v) {
    using namespace horse_line;
    v(horse_name, r.horseName);
    v(coat_colour_code, r.coatColour);
    v(birthplace_code, r.birthplace);
    v(horse_marker_code, r.marker);
    v(sire_name, r.sireName);
    v(dam_name, r.damName);
    v(dam_sire_name, r.damSireName);
    v(dam_dam_name, r.damDamName);
    v(owner_name, r.ownerName);
    v(breeder_name, r.breederName);
    v(trainer_name, r.trainerName);
    v(trainer_centre_code, r.trainerCentre);
    v(main_prize, r.mainPrize);
    v(total_prize_part1, r.totalPrizePart1);
    v(total_prize_part2, r.totalPrizePart2);
    const FieldDef totals[] = {record_firsts, record_seconds, record_thirds, record_unplaced};
    for (size_t c = 0; c < 4; ++c) v(totals[c], r.record[c]);
    for (int g = 0; g < kRecordGroups; ++g) {
        for (int c = 0; c < 4; ++c)
            v(recordCounter(g, c), r.recordTable[static_cast<size_t>(g)][static_cast<size_t>(c)]);
    }
    for (int k = 0; k < kPastRaceGroups; ++k) visitPastRace(r.pastRaces[static_cast<size_t>(k)], k, v);
}

}  // namespace

std::pair<uint32_t, FieldState> decodeCodeText(std::string_view text) {
    return decodeCode(text, static_cast<int>(text.size()));
}

RaceHeaderRecord decodeRaceHeader(Cp932View line) {
    RaceHeaderRecord r;
    visitHeader(r, Reader(line, &r, r.kept));
    return r;
}

RunnerEntry decodeRunnerEntry(Cp932View line) {
    RunnerEntry r;
    visitRunner(r, Reader(line, &r, r.kept));
    return r;
}

HorseRecord decodeHorseRecord(Cp932View line) {
    HorseRecord r;
    visitHorse(r, Reader(line, &r, r.kept));
    return r;
}

size_t fieldWidth(const RaceHeaderRecord& record, const void* value) {
    static const Widths widths(RaceHeaderRecord{}, [](const auto& r, auto&& v) { visitHeader(r, v); });
    return widths(&record, value);
}

size_t fieldWidth(const RunnerEntry& record, const void* value) {
    static const Widths widths(RunnerEntry{}, [](const auto& r, auto&& v) { visitRunner(r, v); });
    return widths(&record, value);
}

size_t fieldWidth(const HorseRecord& record, const void* value) {
    static const Widths widths(HorseRecord{}, [](const auto& r, auto&& v) { visitHorse(r, v); });
    return widths(&record, value);
}

namespace {

// Zero-filled digits of a number that fits its width, or nothing.
std::optional<std::string> zeroFilled(int64_t number, size_t width) {
    if (number < 0) return std::nullopt;
    std::string digits(width, '0');
    for (size_t i = width; i-- > 0 && number > 0; number /= 10) digits[i] = static_cast<char>('0' + number % 10);
    if (number > 0) return std::nullopt;
    return digits;
}

template <class Value>
Cp932 encodeOnBlanks(const Value& value, size_t width) {
    RecordBuilder line(static_cast<int>(width));
    encode(line, FieldDef{"", 1, static_cast<int>(width)}, value);
    return Cp932(line.line());
}

}  // namespace

Cp932 encodeField(const NumberField& value, size_t width) {
    if (value.state == FieldState::Blank) return Cp932(std::string(width, ' '));
    if (std::optional<std::string> digits = zeroFilled(value.value, width)) return Cp932(std::move(*digits));
    return encodeOnBlanks(value, width);
}

Cp932 encodeField(const TextField& value, size_t width) { return encodeOnBlanks(value, width); }

Cp932 encodeField(const DateField& value, size_t width) {
    if (value.state == FieldState::Value && width == 8) {
        std::optional<std::string> year = zeroFilled(value.year, 4), month = zeroFilled(value.month, 2),
                                   day = zeroFilled(value.day, 2);
        if (year && month && day) return Cp932(*year + *month + *day);
    }
    return encodeOnBlanks(value, width);
}

Cp932 encodeCode(uint32_t number, FieldState state, size_t width) {
    if (state == FieldState::Value && !(width == 1 && number >= 10)) {
        if (std::optional<std::string> digits = zeroFilled(number, width)) return Cp932(std::move(*digits));
    }
    return encodeOnBlanks(CodeField<uint32_t>{number, state}, width);
}

namespace {

template <class Record>
Cp932 encodeWith(const Record& record, Writer writer, void (*visit)(const Record&, Writer&)) {
    visit(record, writer);
    return writer.take();
}

}  // namespace

Cp932 encodeRaceHeader(const RaceHeaderRecord& record) {
    return encodeWith(record, Writer(kHeaderLineLength), visitHeader<const RaceHeaderRecord, Writer&>);
}
Cp932 encodeRaceHeader(const RaceHeaderRecord& record, Cp932View source) {
    return encodeWith(record, Writer(source), visitHeader<const RaceHeaderRecord, Writer&>);
}
Cp932 encodeRunnerEntry(const RunnerEntry& record) {
    return encodeWith(record, Writer(kRunnerLineLength), visitRunner<const RunnerEntry, Writer&>);
}
Cp932 encodeRunnerEntry(const RunnerEntry& record, Cp932View source) {
    return encodeWith(record, Writer(source), visitRunner<const RunnerEntry, Writer&>);
}
Cp932 encodeHorseRecord(const HorseRecord& record) {
    return encodeWith(record, Writer(kHorseLineLength), visitHorse<const HorseRecord, Writer&>);
}
Cp932 encodeHorseRecord(const HorseRecord& record, Cp932View source) {
    return encodeWith(record, Writer(source), visitHorse<const HorseRecord, Writer&>);
}

}  // namespace zv
