// The archive intake on arbitrary archive files: the whole intake into an empty data folder, and
// the listing and unpacking alone, which the intake reaches only for archives holding a data set.
#include <fstream>
#include <set>
#include <string>

#include "data/archive/extract.h"
#include "data/archive/intake.h"
#include "data/data_folder_lock.h"
#include "data/sjis.h"
#include "data/store.h"
#include "fuzz_entries.h"
#include "scratch_folder.h"

namespace zv::fuzz {
namespace {

namespace fs = std::filesystem;

fs::path writeArchive(Input input) {
    fs::path file = freshScratchFolder("archive") / "input.lzh";
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
    return file;
}

void intake(const fs::path& archive) {
    const fs::path dataFolder = freshScratchFolder("data");
    RaceDataStore store;
    IntakeResult result = openArchive(archive, dataFolder, store, [](int) {});
    if (!result.ok) {
        if (result.message.empty()) throw InvariantBroken("a failed intake has no message");
        if (store != RaceDataStore{}) throw InvariantBroken("a failed intake changed the store");
        for (const fs::directory_entry& entry : fs::directory_iterator(dataFolder)) {
            if (entry.path().filename() != kDataFolderLockFile) {
                throw InvariantBroken("a failed intake left files in the data folder");
            }
        }
        return;
    }
    if (store.raceCount != result.raceCount) throw InvariantBroken("the intake reports another race count");
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        if (!fs::is_regular_file(fs::symlink_status(dataFolder / name))) {
            throw InvariantBroken("a loaded data set lacks a record file");
        }
    }
}

// Unpacking writes only plain files under the members' safe names (in UTF-8 on the disk), into
// the folder itself.
void unpack(const fs::path& archive) {
    const fs::path folder = freshScratchFolder("unpack");
    archive::ArchiveListing listing = archive::listArchive(archive);
    archive::extractArchive(archive, listing, folder, [](int) {});
    std::set<std::string> names;
    for (const archive::ArchiveMember& m : listing.members) names.insert(toUtf8(m.fileName));
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.is_symlink()) throw InvariantBroken("unpacking made a non-file");
        if (!names.count(entry.path().filename().string())) {
            throw InvariantBroken("unpacking wrote a file under a name that is not a member's");
        }
    }
}

}  // namespace

void takeInArchive(Input input) {
    const fs::path archive = writeArchive(input);
    intake(archive);
    unpack(archive);
}

}  // namespace zv::fuzz
