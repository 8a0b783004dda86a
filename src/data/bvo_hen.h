// Code tables of the record files and the small numeric and text-fill helpers their readers
// share. Every code argument is the raw field text; a code matches a table key only when it is
// byte-for-byte equal to it, and a code outside a table gives that table's default. Results are
// CP932 bytes. Pure and stateless (the tables are built once, on first use, and never change),
// so any thread may call them.
#pragma once

#include <string>
#include <string_view>

#include "convert.h"

namespace zv {

// Race header tables.
std::string RacecourseName(std::string_view code);  // "04" -> 東京; 47..49, 56..59 -> empty; other -> "----"
std::string WeekdayName(std::string_view code);     // "02" -> (日); other -> (祝)
std::string RaceTypeName(std::string_view code);    // "3" -> サラ3歳以上; other -> empty
std::string SurfaceName(std::string_view jump, std::string_view turf);  // 障, 芝 or ダ
std::string GradeMark(std::string_view code);       // "0" -> "G1 " .. "5" -> "JG3 "; other -> empty
std::string WeightRuleName(std::string_view code);  // "02" -> ハンデ; other -> empty
std::string RaceClassShort(std::string_view code);  // "00003" -> 未勝利; other -> first 4 bytes + 万
// Past-race class; an open race with a grade gives its grade ("G1" .. "J.G3") instead.
std::string RaceClassLong(std::string_view code, std::string_view grade);

// Horse tables.
std::string SexName(std::string_view code);            // "0" -> 牡; other -> empty
std::string CoatColourName(std::string_view code);     // "01" -> 栗毛; other -> 鹿毛
std::string HorseMarkerName(std::string_view code);    // "01" -> (抽); other -> empty
std::string BirthplaceName(std::string_view code);     // always 6 bytes, blank-filled; other -> empty
std::string TrainerCentreMark(std::string_view code);  // "50" -> " (栗)"; other -> empty

// Past-race tables.
std::string GoingName(std::string_view code);     // "0" -> 良; other -> empty
std::string PaceLetter(std::string_view code);    // "0" -> H, "1" -> M, "2" -> S; other -> empty
std::string HandicapMark(std::string_view code);  // "02" -> H; other -> empty
std::string CornerMark(std::string_view code);    // position at a corner: ①..⑱, 落 失 止 消 除, blanks

// Numbers.
// Lenient whole number: a signed 32-bit decimal (leading blanks and a sign allowed); 0 otherwise.
inline int StrToIntOrZero(std::string_view text) { return parseInt(text).value_or(0); }
// base to the power exponent, as 2^(exponent * log2(base)); 0 for base 0.
double Power(double base, double exponent);
// x rounded up (away from zero for positive x, toward zero for negative x) to places - 1
// decimals; a fraction of 0.0001 or less (after scaling) is taken as none.
double RoundUp(int places, double x);
// The decimal text of n, with one blank in front when n is below 10 (" 7").
std::string PadNumber2(int n);

// Text fill; widths count bytes.
std::string PadLeft(std::string_view text, int width);   // blanks in front up to width
std::string PadRight(std::string_view text, int width);  // blanks after up to width
std::string ZeroPad(std::string_view text, int width);   // "0" in front up to width
std::string DropLast(std::string_view text, int n);      // without its last n bytes

// Field index (from 0) of a delimited text. With delimiter "," runs of commas count as one. The
// text is trimmed first; an index past the last field gives the last field.
std::string GetField(std::string_view delimiter, std::string_view text, int index);

}  // namespace zv
