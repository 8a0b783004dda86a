// The codes of the record files as enums. Each enum's underlying value is the code's number
// ("04" is 4; a one-letter code counts from A = 10), so every code a file may hold has a value;
// the names are the codes the program decides on. The code tables (code_tables.h) give their texts.
#pragma once

#include <cstdint>

namespace zv {

enum class Racecourse : uint16_t {
    Kyoto = 0,
    Hanshin = 1,
    Chukyo = 2,
    Kokura = 3,
    Tokyo = 4,
    Nakayama = 5,
    Fukushima = 6,
    Niigata = 7,
    Sapporo = 8,
    Hakodate = 9,
};
// The ten courses of the central races are codes 00 to 09.
inline constexpr bool isCentral(Racecourse r) { return static_cast<uint16_t>(r) <= 9; }

enum class Weekday : uint16_t {
    Saturday = 1,
    Sunday = 2,
    Monday = 3,
    Tuesday = 4,
    Wednesday = 5,
    Thursday = 6,
    Friday = 7
};

// サラ2歳 and the like; the race name's copy text names the thoroughbred ones.
enum class RaceType : uint16_t { Thoroughbred2 = 1, Thoroughbred3 = 2, Thoroughbred3Up = 3, Thoroughbred4Up = 4 };

enum class Grade : uint16_t { G1 = 0, G2 = 1, G3 = 2, JumpG1 = 3, JumpG2 = 4, JumpG3 = 5 };

enum class WeightRule : uint16_t { Allowance = 0, Age = 1, Handicap = 2, Fixed = 3, Regulation = 90 };

// Race class: a word class, or an amount of prize money (its first four digits, in 万円).
enum class RaceClass : uint32_t { Unqualified = 0, Newcomer = 1, Unraced = 2, Maiden = 3, Open = 4 };
inline constexpr int classAmount(RaceClass c) { return static_cast<int>(c) / 10; }

enum class Flag : uint16_t { No = 0, Yes = 1 };

enum class Sex : uint16_t { Male = 0, Female = 1, Gelding = 2 };

enum class CoatColour : uint16_t {};
enum class Birthplace : uint16_t {};
enum class HorseMarker : uint16_t {};

enum class TrainerCentre : uint16_t { Ritto = 50, MihoSouth = 51, MihoNorth = 52 };

enum class Going : uint16_t { Good = 0, Yielding = 1, Soft = 2, Heavy = 3 };

enum class Pace : uint16_t { High = 0, Middle = 1, Slow = 2 };

}  // namespace zv
