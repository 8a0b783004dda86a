// What tells one data set from another: a 64-bit FNV-1a hash of the race header file's lines, as
// 16 hex digits. The header lines hold the day, the racecourses and every race's titles, so two
// days never share one; a day taken in again gives the same text.
#pragma once

#include <string>

namespace zv {

struct RaceDataStore;

// Empty for a store without races.
std::string dataSetFingerprint(const RaceDataStore& store);

}  // namespace zv
