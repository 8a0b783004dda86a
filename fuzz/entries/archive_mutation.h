// Mutations of an archive that keep it a well-formed LHA archive, for the archive fuzz target.
// Changed bytes of a packed archive almost never get past its headers and CRCs, so the members
// are read with the archive walker, changed as members (their names, their sizes, the record
// lines of their data) and written back as stored members with right header checksums and data
// CRCs: a changed data set then reaches the conversion, the load and the install.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "fuzz_entries.h"

namespace zv::fuzz {

// Changes size bytes at data in place, up to maxSize of them, and returns the new size, as
// libFuzzer's LLVMFuzzerMutate does.
using ByteMutator = std::function<size_t(uint8_t* data, size_t size, size_t maxSize)>;

// archive with one to three of its members' names, sizes or record lines changed, or nothing when
// archive is not a whole LHA archive holding a file, or the changed one would exceed maxSize.
std::optional<std::string> mutateMembers(Input archive, size_t maxSize, unsigned seed, const ByteMutator& mutateBytes);

// The archive target's custom mutator: mutateMembers in place, except one time in eight and
// whenever it gives nothing, when the bytes themselves are changed, so that the envelope is
// fuzzed as well. Returns the new size.
size_t mutateArchive(uint8_t* data, size_t size, size_t maxSize, unsigned seed, const ByteMutator& mutateBytes);

}  // namespace zv::fuzz
