// The one edge between the core's CP932 texts and Qt's QString, and between QString file names
// and std::filesystem paths.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zv::ui {

// CP932 bytes as a QString; bytes that are not CP932 show as U+FFFD.
QString fromCp932(std::string_view cp932);

// A text that came from CP932 back to CP932 (a character CP932 cannot hold becomes "?").
std::string toCp932(const QString& text);

// What the user typed, as CP932; empty when it holds a character CP932 cannot hold.
std::optional<std::string> toCp932Exactly(const QString& text);

// A file name from a dialog or the command line as a path, and back, in the system's encoding.
std::filesystem::path toPath(const QString& path);
QString fromPath(const std::filesystem::path& path);

}  // namespace zv::ui
