#include "library_reads.h"

#include "data/error.h"
#include "library/horse_notes.h"

namespace zv::app {
namespace {

const char kNoLibrary[] = "保存した開催日はまだありません。書庫ファイルを読み込むと、その開催日が保存されます。";

bool libraryThere(const std::filesystem::path& dataFolder) {
    std::error_code ignored;
    return std::filesystem::exists(library::Library::databaseFile(dataFolder), ignored);
}

}  // namespace

KeptDays readKeptDays(const std::filesystem::path& dataFolder) {
    KeptDays kept;
    if (libraryThere(dataFolder)) {
        try {
            kept.days = library::Library(dataFolder, library::OpenMode::Existing).days();
        } catch (const Error& e) {
            kept.note = QString::fromStdString(e.message());
            return kept;
        }
    }
    if (kept.days.empty()) kept.note = QString::fromUtf8(kNoLibrary);
    return kept;
}

std::vector<library::HorseFound> findKeptHorses(const std::filesystem::path& dataFolder, const std::string& query,
                                                library::Library::PastRaces pastRaces) {
    if (!libraryThere(dataFolder)) throw Error(ErrorKind::Io, kNoLibrary);
    const library::Library kept(dataFolder, library::OpenMode::Existing);
    std::vector<library::HorseFound> horses = kept.findHorses(query, pastRaces);
    const library::HorseNotes notes(kept);
    for (library::HorseFound& horse : horses) horse.note = notes.get(horse.name).value_or(std::string());
    return horses;
}

HorsePastRaces readHorsePastRaces(const std::filesystem::path& dataFolder, const std::string& name) {
    HorsePastRaces past;
    try {
        for (library::HorseFound& horse : findKeptHorses(dataFolder, name, library::Library::PastRaces::Read)) {
            if (horse.name == name) past.races = std::move(horse.pastRaces);
        }
    } catch (const Error& e) {
        past.note = QString::fromStdString(e.message());
        return past;
    }
    if (past.races.empty()) past.note = QStringLiteral("保存した開催日にこの馬の記録はありません。");
    return past;
}

}  // namespace zv::app
