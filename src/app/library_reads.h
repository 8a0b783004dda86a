// What the windows read from the library of the data folder, each read on a library opened for it:
// a missing library is no library yet, an unusable one is named in the note.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "library/library.h"

namespace zv::app {

// The kept days, newest first, or why there are none to list.
struct KeptDays {
    std::vector<library::KeptDay> days;
    QString note;
};
KeptDays readKeptDays(const std::filesystem::path& dataFolder);

// The horses whose name holds query (UTF-8), with their past races when asked. Throws zv::Error
// when there is no library or it cannot be read.
std::vector<library::HorseFound> findKeptHorses(
    const std::filesystem::path& dataFolder, const std::string& query,
    library::Library::PastRaces pastRaces = library::Library::PastRaces::Left);

// Every past race of the horse named exactly name (UTF-8) seen across the library, newest first, or
// why there are none.
struct HorsePastRaces {
    std::vector<library::PastRaceSeen> races;
    QString note;
};
HorsePastRaces readHorsePastRaces(const std::filesystem::path& dataFolder, const std::string& name);

}  // namespace zv::app
