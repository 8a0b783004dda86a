// The race name as people read and copy it: the stock words shortened, the clipboard's copy text
// and the status bar's place of the race in the day.
#pragma once

#include <string>
#include <string_view>

#include "store.h"

namespace zv {

// A race name with its long stock words abbreviated (ステークス -> Ｓ, カップ -> Ｃ, ...).
std::string shortenRaceName(std::string_view name);

// The composed name of race r for the clipboard, such as
// スプリングＳ（Ｇ２）  中山・日曜11Ｒ 芝1800ｍ. Throws a conversion error when the race date is
// not a calendar date or race_number is not a whole number, and zv::Error when r is out of range.
std::string raceNameCopyText(const RaceDataStore& store, int race);

// Where race r stands in the day, for the status bar: its racecourse and number as its menu title
// begins, and its place among the day's races: 東京11R (11/36).
std::string racePlaceText(const RaceDataStore& store, int race);

}  // namespace zv
