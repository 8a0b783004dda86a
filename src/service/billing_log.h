// The billing log kakin.log in the data folder: one CP932 line per bought archive, appended and
// never rewritten. Fields are separated by four blanks: "yyyy/mm/dd hh:nn:ss", the file name,
// the price with 円, and the user ID followed by "@BIGLOBE"; each line ends in CR LF.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/cp932.h"

namespace zv {

inline constexpr const char* kBillingLogName = "kakin.log";

// The line of one purchase, written in CP932.
Cp932 billingLine(const std::tm& localTime, std::string_view fileName, std::string_view priceWithYen,
                  std::string_view userId);

// Creates the log when missing; a log that is read-only (or whose attributes cannot be read)
// silently receives nothing. Throws zv::Error (Io) when the line cannot be written.
void appendBillingLine(const std::filesystem::path& dataFolder, const Cp932& line);

}  // namespace zv
