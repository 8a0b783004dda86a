// Code tables of the record files: each code field's text as the program shows it. Every code
// argument is the raw field text; a code matches a table key only when it is byte-for-byte equal
// to it, and a code outside a table gives that table's default. Results are CP932 bytes. Pure and
// stateless (the tables are built once, on first use, and never change), so any thread may call
// them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "code_table.h"
#include "typed_records.h"

namespace zv {

// Every table as written, for the checks that keep them sound.
std::span<const CodeTableSource> codeTableSources();

// Race header tables.
std::string racecourseName(std::string_view code);  // "04" -> 東京; 47..49, 56..59 -> empty; other -> "----"
std::string weekdayName(std::string_view code);     // "02" -> (日); other -> (祝)
std::string raceTypeName(std::string_view code);    // "3" -> サラ3歳以上; other -> empty
std::string surfaceName(Surface surface);           // 障, 芝 or ダ
std::string gradeMark(std::string_view code);       // "0" -> "G1 " .. "5" -> "JG3 "; other -> empty
std::string weightRuleName(std::string_view code);  // "02" -> ハンデ; other -> empty
std::string raceClassShort(std::string_view code);  // "00003" -> 未勝利; other -> first 4 bytes + 万
// Past-race class; an open race with a grade gives its grade ("G1" .. "J.G3") instead.
std::string raceClassLong(std::string_view code, std::string_view grade);

// Horse tables.
std::string sexName(std::string_view code);            // "0" -> 牡; other -> empty
std::string coatColourName(std::string_view code);     // "01" -> 栗毛; other -> 鹿毛
std::string horseMarkerName(std::string_view code);    // "01" -> (抽); other -> empty
std::string birthplaceName(std::string_view code);     // always 6 bytes, blank-filled; other -> empty
std::string trainerCentreMark(std::string_view code);  // "50" -> " (栗)"; other -> empty

// Past-race tables.
std::string goingName(std::string_view code);     // "0" -> 良; other -> empty
std::string paceLetter(std::string_view code);    // "0" -> H, "1" -> M, "2" -> S; other -> empty
std::string handicapMark(std::string_view code);  // "02" -> H; other -> empty
std::string cornerMark(std::string_view code);    // position at a corner: ①..⑱, 落 失 止 消 除, blanks

}  // namespace zv
