// The archive intake on arbitrary archive files: the whole intake into a data folder holding only
// what the install may not replace, and the listing and unpacking alone, which the intake reaches
// only for archives holding a data set.
#include <fstream>
#include <set>
#include <string>
#include <string_view>

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

constexpr std::string_view kObstacleContent = "kept";

void placeInstallObstacles(const fs::path& dataFolder) {
    fs::create_directory(dataFolder / kInstallObstacles[0]);
    const fs::path file = dataFolder / kInstallObstacles[1];
    std::ofstream(file, std::ios::binary) << kObstacleContent;
    fs::permissions(file, fs::perms::owner_read);
}

bool isObstacle(const fs::path& name) { return name == kInstallObstacles[0] || name == kInstallObstacles[1]; }

bool obstaclesStand(const fs::path& dataFolder) {
    const fs::path folder = dataFolder / kInstallObstacles[0], file = dataFolder / kInstallObstacles[1];
    return fs::is_directory(fs::symlink_status(folder)) && fs::is_empty(folder) &&
           fs::is_regular_file(fs::symlink_status(file)) && fs::file_size(file) == kObstacleContent.size();
}

void intake(const fs::path& archive) {
    const fs::path dataFolder = freshScratchFolder("data");
    placeInstallObstacles(dataFolder);
    RaceDataStore store;
    IntakeResult result = openArchive(archive, dataFolder, store, [](int) {});
    if (!obstaclesStand(dataFolder)) throw InvariantBroken("the intake replaced what the install may not");
    if (!result) {
        if (result.failure().message.empty()) throw InvariantBroken("a failed intake has no message");
        if (store != RaceDataStore{}) throw InvariantBroken("a failed intake changed the store");
        for (const fs::directory_entry& entry : fs::directory_iterator(dataFolder)) {
            if (entry.path().filename() != kDataFolderLockFile && !isObstacle(entry.path().filename())) {
                throw InvariantBroken("a failed intake left files in the data folder");
            }
        }
        return;
    }
    if (store.raceCount != *result) throw InvariantBroken("the intake reports another race count");
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
