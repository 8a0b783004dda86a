// The developer flag: integer text in the INI file's "Option" section, value "DeveloperMode";
// non-zero switches developer mode on. The INI file is the program's path with ".ini" (its
// extension, if any, replaced), and also the file of that name in the data folder; either one
// saying non-zero is enough. Missing files, missing values and text that is not a number: off.
#pragma once

#include <filesystem>

namespace zv::settings {

// The INI file name belonging to a program file ("/opt/zv/zelvora" -> "/opt/zv/zelvora.ini").
std::filesystem::path iniPathFor(const std::filesystem::path& programFile);

// Reads one INI file; false when it is missing or the value is absent, zero or not a number.
bool readDeveloperFlag(const std::filesystem::path& iniFile);

// The program's INI file first, then the file of the same name in dataFolder.
bool readDeveloperMode(const std::filesystem::path& programFile, const std::filesystem::path& dataFolder);

}  // namespace zv::settings
